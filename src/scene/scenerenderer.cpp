#include "scene/scenerenderer.h"

#include "core/tables.h"

#include <cmath>

namespace orbane {

SceneRenderer::SceneRenderer(Simulation &sim, QObject *parent)
    : QObject(parent), m_sim(sim), m_canvas(scene::kCanvasWidth, scene::kCanvasHeight)
{
    m_sprites.load(sim.programDir());
}

bool SceneRenderer::loadBackground(const QString &path)
{
    const QImage picture(path);
    if (picture.isNull())
        return false;
    m_canvas.replacePersistent(picture);
    m_canvas.clear();
    emit canvasChanged();
    return true;
}

void SceneRenderer::clearScene()
{
    m_canvas.clear();
    emit canvasChanged();
}

QPoint SceneRenderer::projectilePoint() const
{
    return {int(std::lround(m_sim.d.projLeft)), int(std::lround(m_sim.d.projTop))};
}

void SceneRenderer::repere() {}

void SceneRenderer::lespoints() {}

void SceneRenderer::majaff()
{
    m_canvas.clear();
    m_canvas.paintPicture(projectilePoint(), projectilePicture());
    m_sim.s.affinit = false;
    if (onTracegraphe)
        onTracegraphe();
    emit canvasChanged();
}

void SceneRenderer::repgraphe()
{
    if (onRepgraphe)
        onRepgraphe();
}

} // namespace orbane
