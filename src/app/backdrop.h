#pragma once

#include <QImage>
#include <QWidget>

namespace orbane {

// The main window's background: a vertical gradient, the rich-text box's shadow and the
// title "Animation :" under the scene.
class Backdrop : public QWidget
{
public:
    explicit Backdrop(QWidget *parent) : QWidget(parent) {}
    QRect shadowOf;       // the rich-text box with the file-name box above it
    QPoint animationTitle; // L + 50, B + 3

    static QColor gradientAt(int y);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawOnce();
    void fillGradient();
    QImage m_image; // drawn once, then only copied
};

} // namespace orbane
