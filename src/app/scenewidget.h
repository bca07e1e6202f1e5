#pragma once

#include "scene/scaledview.h"

#include <QWidget>
#include <memory>

namespace orbane {

class SceneRenderer;

// `Picture2`: shows the scene canvas and forwards the mouse. It never computes anything.
class SceneWidget : public QWidget
{
    Q_OBJECT
public:
    explicit SceneWidget(SceneRenderer &renderer, QWidget *parent = nullptr);

signals:
    void mouseMoved(QPoint pos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    SceneRenderer &m_renderer;
    std::unique_ptr<ScaledView> m_scaled; // only on a scaled screen
};

} // namespace orbane
