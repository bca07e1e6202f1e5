#include "core/units.h"
#include "scene/scenerenderer.h"

namespace orbane {

namespace {
constexpr int kOx = int(scene::kOriginX), kOy = int(scene::kOriginY);
constexpr int kMetre = int(scene::kPixelsPerMetre);
constexpr int kRight = kOx + 10 * kMetre; // the grid covers 10 m across
constexpr int kTop = kOy - 11 * kMetre;   // and 11 m up
constexpr int kTick = 3;                  // half-length of a tick without the grid
} // namespace

// Axes with a tick every metre, or a dotted one-metre grid; the axes carry no text.
void SceneRenderer::repere()
{
    const QColor colour = swatch(4);
    const bool grid = m_sim.c.Check[3];
    m_canvas.setPenWidth(1);
    m_canvas.setPenStyle(grid ? Canvas::PenStyle::Dot : Canvas::PenStyle::Solid);

    const int xStart = grid ? kOx : kOx - 2, xEnd = grid ? kRight : kOx + kTick;
    for (int y = kOy; y >= kTop; y -= kMetre)
        m_canvas.line(xStart, y, xEnd, y, colour);
    const int yStart = grid ? kTop : kOy - kTick, yEnd = grid ? kOy : kOy + kTick;
    for (int x = kOx; x <= kRight; x += kMetre)
        m_canvas.line(x, yStart, x, yEnd, colour);

    // The axes and their arrow heads.
    m_canvas.setPenStyle(Canvas::PenStyle::Solid);
    m_canvas.line(kOx, kOy, kRight + 12, kOy, colour);
    m_canvas.line(kRight + 4, kOy + 4, kRight + 12, kOy, colour);
    m_canvas.line(kRight + 4, kOy - 4, kRight + 12, kOy, colour);
    m_canvas.line(kOx, 20, kOx, kOy, colour);
    m_canvas.line(kOx, 20, kOx + 4, 28, colour);
    m_canvas.line(kOx, 20, kOx - 4, 28, colour);
    done();
}

} // namespace orbane
