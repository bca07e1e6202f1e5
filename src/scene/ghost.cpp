#include "core/units.h"
#include "scene/dashes.h"
#include "scene/scenerenderer.h"

#include <algorithm>
#include <cmath>

namespace orbane {

namespace {
constexpr double kSampleStep = 0.002; // s: well under a pixel at the program's speeds
constexpr int kMaxSamples = 20000;
constexpr dashes::Pattern kSceneDash{6.0, 5.0}; // pixels
// A few pixels past the edges, so that a dash leaving the scene reaches its edge.
const QRectF kSceneArea(-4.0, -4.0, scene::kCanvasWidth + 8.0, scene::kCanvasHeight + 8.0);

// The centre of the projectile from the launch to the landing, in scene pixels.
std::vector<QPointF> vacuumPath(const Flight &vacuum)
{
    const double end = vacuum.timeOfFlight().value_or(0.0);
    if (end <= 0.0)
        return {};
    const int n = std::clamp(int(std::ceil(end / kSampleStep)), 1, kMaxSamples);
    std::vector<QPointF> path;
    path.reserve(std::size_t(n) + 1);
    for (int i = 0; i <= n; ++i) {
        const double t = end * i / n;
        path.emplace_back(scene::pixelX(vacuum.x(t)), scene::pixelY(vacuum.y(t)));
    }
    return path;
}
} // namespace

void drawGhost(Canvas &canvas, const Flight &vacuum)
{
    const std::vector<QPointF> path = vacuumPath(vacuum);
    dashes::dashInside(path, kSceneArea, kSceneDash, [&](QPointF a, QPointF b) {
        canvas.line(a.x(), a.y(), b.x(), b.y(), SceneRenderer::ghostColour());
    });
}

// A flight in the air launched: its vacuum's flight replaces the last one.
void SceneRenderer::keepGhost()
{
    m_ghost.reset();
    if (m_sim.dragActive())
        m_ghost = Ghost{m_sim.flight().vacuum(), m_sim.c.Combo2};
    m_canvas.clearLayer(Canvas::Layer::Ghost);
    m_ghostWidth = 0;
    syncGhost();
}

std::optional<Flight> SceneRenderer::ghost() const
{
    const Controls &c = m_sim.c;
    if (!m_ghost || m_ghost->projectile != c.Combo2 || !c.vacuumGhost || !m_sim.dragActive())
        return std::nullopt;
    return m_ghost->vacuum;
}

void SceneRenderer::syncGhost()
{
    if (m_ghost && m_ghost->projectile != m_sim.c.Combo2)
        m_ghost.reset(); // a new projectile: the ghost was another's
    const std::optional<Flight> shown = ghost();
    const int width = shown ? penWidth() : 0;
    if (width == m_ghostWidth)
        return;
    m_canvas.clearLayer(Canvas::Layer::Ghost);
    m_ghostWidth = width;
    if (!shown)
        return;
    m_canvas.setTarget(Canvas::Layer::Ghost);
    m_canvas.setPenWidth(width);
    drawGhost(m_canvas, *shown);
    m_canvas.setPenWidth(1);
    m_canvas.setTarget(Canvas::Layer::Transient);
}

} // namespace orbane
