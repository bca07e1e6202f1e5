#include "app/scenewidget.h"

#include "scene/scenerenderer.h"

#include <QMouseEvent>
#include <QPainter>

namespace orbane {

SceneWidget::SceneWidget(SceneRenderer &renderer, QWidget *parent)
    : QWidget(parent), m_renderer(renderer)
{
    setObjectName(QStringLiteral("Picture2"));
    setFixedSize(renderer.canvas().width(), renderer.canvas().height());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
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
}

void SceneWidget::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

} // namespace orbane
