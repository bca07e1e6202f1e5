#pragma once

#include <QWidget>
#include <functional>

class QToolButton;

namespace orbane {

// An up-down control: two small arrows stepping a bounded value shown elsewhere. The arrow
// keys step it too; screen readers see a spin box.
class UpDown : public QWidget
{
    Q_OBJECT
public:
    UpDown(int minimum, int maximum, QWidget *parent);
    int value() const { return m_value; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    void setValue(int value); // kept within the bounds; signals a change
    void step(int delta);
    QToolButton *up() const { return m_up; }
    QToolButton *down() const { return m_down; }
    void setArrowNames(const QString &up, const QString &down);
    // How screen readers say the value ("600 ms" for 6); the number itself by default.
    void setValueText(std::function<QString(int)> text) { m_valueText = std::move(text); }
    QString valueText() const;

signals:
    void valueChanged(int value);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int m_minimum, m_maximum, m_value;
    QToolButton *m_up, *m_down;
    QWidget *m_focusFrame = nullptr;
    std::function<QString(int)> m_valueText;
};

} // namespace orbane
