#include "app/scenewidget.h"

#include "platform/focusframe.h"
#include "scene/scenerenderer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace orbane {

namespace {
// The window lost or got back the activation, or a menu came over it: the focus is where it was.
bool focusStays(Qt::FocusReason r)
{
    return r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason;
}
} // namespace

SceneWidget::SceneWidget(SceneRenderer &renderer, QWidget *parent)
    : QWidget(parent), m_renderer(renderer)
{
    setObjectName(QStringLiteral("Picture2"));
    setFixedSize(renderer.canvas().width(), renderer.canvas().height());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // Only what changed is repainted: at each tick the projectile, the new piece of
    // trajectory and the vectors, where they are and where they were.
    connect(&renderer, &SceneRenderer::canvasChanged, this,
            [this] { update(m_renderer.canvas().takeDamage()); });
}

void SceneWidget::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const Canvas &canvas = m_renderer.canvas();
    const qreal ratio = devicePixelRatioF();
    if (ratio != 1) {
        if (!m_scaled)
            m_scaled = std::make_unique<ScaledView>(canvas);
        for (const QRect &r : event->region())
            m_scaled->paint(p, r, ratio);
        return;
    }
    // Rectangle by rectangle: with a plain rectangle as its clip the painter copies and blends
    // directly, where a clip of many pieces would hand the spans to Qt's thread pool.
    for (const QRect &r : event->region()) {
        p.setClipRect(r);
        p.drawImage(r.topLeft(), canvas.persistent(), r);
        canvas.paintOver(p, r);
    }
    if (m_keyboardFocus && hasFocus()) {
        p.setClipRegion(event->region());
        drawFocusFrame(p, shownRect().adjusted(1, 1, -1, -1));
    }
}

QRect SceneWidget::shownRect() const
{
    return parentWidget() ? rect() & QRect(mapFromParent(QPoint(0, 0)), parentWidget()->size())
                          : rect();
}

void SceneWidget::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void SceneWidget::keyPressEvent(QKeyEvent *event)
{
    const bool large = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Left:
        emit arrowPressed(-1, 0, large);
        break;
    case Qt::Key_Right:
        emit arrowPressed(1, 0, large);
        break;
    case Qt::Key_Up:
        emit arrowPressed(0, 1, large);
        break;
    case Qt::Key_Down:
        emit arrowPressed(0, -1, large);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void SceneWidget::focusInEvent(QFocusEvent *event)
{
    const Qt::FocusReason r = event->reason();
    if (!focusStays(r))
        m_keyboardFocus =
            r == Qt::TabFocusReason || r == Qt::BacktabFocusReason || r == Qt::ShortcutFocusReason;
    update(shownRect());
    QWidget::focusInEvent(event);
}

void SceneWidget::focusOutEvent(QFocusEvent *event)
{
    if (!focusStays(event->reason()))
        m_keyboardFocus = false;
    update(shownRect());
    QWidget::focusOutEvent(event);
}

// Scrolled: the frame follows the part shown.
void SceneWidget::moveEvent(QMoveEvent *event)
{
    if (m_keyboardFocus && hasFocus())
        update(shownRect());
    QWidget::moveEvent(event);
}

} // namespace orbane
