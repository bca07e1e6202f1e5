#include "core/tables.h"
#include "core/units.h"
#include "scene/scenerenderer.h"

#include <QPainter>
#include <cmath>

namespace orbane {

namespace {
// The mark recorded for a photograph, if it was taken in mark mode.
const PhotoMark *markAt(const PhotoMarks &marks, QPoint centre)
{
    for (const PhotoMark &m : marks.marks)
        if (m.x == centre.x() && m.y == centre.y())
            return &m;
    return nullptr;
}
} // namespace

SceneRenderer::Chronophotograph SceneRenderer::chronophotograph() const
{
    auto kept = std::make_shared<Canvas>(scene::kCanvasWidth, scene::kCanvasHeight);
    Canvas &canvas = *kept;
    const QString place =
        programFile(m_sim.programDir(), QString::fromLatin1(orbane::place(m_sim.c.Combo1).picture));
    canvas.replacePersistent(m_pictures.picture(place));
    if (m_sim.c.Check[1])
        drawAxes(canvas, swatch(4), m_sim.c.Check[3]);
    if (const std::optional<Flight> vacuum = ghost()) {
        canvas.setPenWidth(penWidth());
        drawGhost(canvas, *vacuum);
    }
    canvas.setPenWidth(2);
    for (const exporttable::PhotoPosition &p : m_sim.photoPositions) {
        // As the mark was recorded: its centre, rounded, never below the ground line.
        const QPoint centre(int(std::nearbyint(scene::pixelX(p.x))),
                            int(std::nearbyint(std::min(scene::pixelY(p.y), scene::kOriginY))));
        if (const PhotoMark *mark = markAt(m_marks, centre)) {
            drawMark(canvas, *mark);
            continue;
        }
        const QPoint corner(int(std::lround(scene::leftOf(p.x))),
                            int(std::lround(scene::topOf(std::max(p.y, 0.0)))));
        canvas.paintPicture(corner, projectilePicture());
    }
    QImage picture = canvas.composed();
    std::shared_ptr<const Canvas> drawn = std::move(kept);
    return {std::move(picture), [drawn](qreal ratio) {
                QImage out(QSize(scene::kCanvasWidth, scene::kCanvasHeight) * ratio,
                           QImage::Format_RGB32);
                out.setDevicePixelRatio(ratio);
                QPainter painter(&out);
                drawn->paintScaled(painter, Canvas::Ink::Screen);
                return out;
            }};
}

} // namespace orbane
