#pragma once

#include "scene/scaledview.h"

#include <QWidget>
#include <memory>

namespace orbane {

class SceneRenderer;

// `Picture2`: shows the scene canvas and forwards the mouse and the arrow keys. It never
// computes anything. Tab reaches it; its focus frame shows only when the keyboard brought it.
class SceneWidget : public QWidget
{
    Q_OBJECT
public:
    explicit SceneWidget(SceneRenderer &renderer, QWidget *parent = nullptr);

signals:
    void mouseMoved(QPoint pos);
    // An arrow key: one step (-1, 0 or 1) each way, large with Shift.
    void arrowPressed(int dx, int dy, bool large);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    QRect shownRect() const; // the part the frame shows

    SceneRenderer &m_renderer;
    std::unique_ptr<ScaledView> m_scaled; // only on a scaled screen
    bool m_keyboardFocus = false;
};

} // namespace orbane
