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
    connect(&renderer, &SceneRenderer::canvasChanged, this, qOverload<>(&QWidget::update));
}

void SceneWidget::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const Canvas &canvas = m_renderer.canvas();
    const QRect r = event->rect();
    p.drawImage(r.topLeft(), canvas.persistent(), r);
    canvas.paintOver(p, r);
}

void SceneWidget::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

} // namespace orbane
