#pragma once

#include "core/simulation.h"
#include "scene/canvas.h"
#include "scene/sprites.h"

#include <QObject>
#include <functional>

namespace orbane {

// Draws the scene for the simulation's state on the canvas. The simulation calls it through
// SceneHooks; the widget only shows the canvas.
class SceneRenderer : public QObject, public SceneHooks
{
    Q_OBJECT
public:
    SceneRenderer(Simulation &sim, QObject *parent = nullptr);

    Canvas &canvas() { return m_canvas; }
    const Canvas &canvas() const { return m_canvas; }
    Sprites &sprites() { return m_sprites; }
    const QImage &projectilePicture() const { return m_sprites.projectile(m_sim.c.Combo2); }
    const QImage &shadowPicture() const { return m_sprites.shadow(m_sim.c.Combo2); }

    // The live graph's hooks, filled by the graphs layer.
    std::function<void()> onRepgraphe;
    std::function<void()> onTracegraphe;

    bool loadBackground(const QString &path) override;
    void clearScene() override;
    void repere() override;
    void lespoints() override;
    void majaff() override;
    void repgraphe() override;

signals:
    void canvasChanged();

private:
    QPoint projectilePoint() const;

    Simulation &m_sim;
    Canvas m_canvas;
    Sprites m_sprites;
};

} // namespace orbane
