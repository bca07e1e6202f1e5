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
    drawAxes(m_canvas, swatch(4), m_sim.c.Check[3]);
    done();
}

void drawAxes(Canvas &canvas, const QColor &colour, bool grid)
{
    canvas.setPenWidth(1);
    canvas.setRole(Canvas::Role::Axes);
    canvas.setPenStyle(grid ? Canvas::PenStyle::Dot : Canvas::PenStyle::Solid);

    const int xStart = grid ? kOx : kOx - 2, xEnd = grid ? kRight : kOx + kTick;
    for (int y = kOy; y >= kTop; y -= kMetre)
        canvas.line(xStart, y, xEnd, y, colour);
    const int yStart = grid ? kTop : kOy - kTick, yEnd = grid ? kOy : kOy + kTick;
    for (int x = kOx; x <= kRight; x += kMetre)
        canvas.line(x, yStart, x, yEnd, colour);

    // The axes and their arrow heads.
    canvas.setPenStyle(Canvas::PenStyle::Solid);
    canvas.line(kOx, kOy, kRight + 12, kOy, colour);
    canvas.line(kRight + 4, kOy + 4, kRight + 12, kOy, colour);
    canvas.line(kRight + 4, kOy - 4, kRight + 12, kOy, colour);
    canvas.line(kOx, 20, kOx, kOy, colour);
    canvas.line(kOx, 20, kOx + 4, 28, colour);
    canvas.line(kOx, 20, kOx - 4, 28, colour);
    canvas.setRole(Canvas::Role::Drawing);
}

} // namespace orbane
