#include "scene/scenerenderer.h"

namespace orbane {

// Axes with a tick every metre, or a dotted one-metre grid; the axes carry no text.
void SceneRenderer::repere()
{
    const QColor colour = swatch(4);
    const bool grid = m_sim.c.Check[3];
    m_canvas.setPenWidth(1);
    m_canvas.setPenStyle(grid ? Canvas::PenStyle::Dot : Canvas::PenStyle::Solid);

    const int xStart = grid ? 30 : 28, xEnd = grid ? 390 : 33;
    for (int y = 436; y >= 40; y -= 36)
        m_canvas.line(xStart, y, xEnd, y, colour);
    const int yStart = grid ? 40 : 433, yEnd = grid ? 436 : 439;
    for (int x = 30; x <= 390; x += 36)
        m_canvas.line(x, yStart, x, yEnd, colour);

    m_canvas.setPenStyle(Canvas::PenStyle::Solid);
    m_canvas.line(30, 436, 402, 436, colour);
    m_canvas.line(394, 440, 402, 436, colour);
    m_canvas.line(394, 432, 402, 436, colour);
    m_canvas.line(30, 20, 30, 436, colour);
    m_canvas.line(30, 20, 34, 28, colour);
    m_canvas.line(30, 20, 26, 28, colour);
    done();
}

} // namespace orbane
