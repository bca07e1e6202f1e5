#pragma once

#include <QImage>
#include <QRect>
#include <cstddef>

class QPainter;

namespace orbane {

class Canvas;

// The canvas at a screen's resolution when the window is scaled: the lines and pictures are
// drawn again at the device's pixels, so the scene stays sharp and its geometry stays in scene
// pixels. The persistent picture is kept at that resolution and catches up with the strokes
// committed since it was last painted; the layers above it are redrawn only over the area
// asked for. The canvas itself, at one pixel per scene pixel, is left as it is.
class ScaledView
{
public:
    explicit ScaledView(const Canvas &canvas) : m_canvas(canvas) {}

    // Paints `area` (scene pixels) through `target`, a painter on a device whose pixel ratio
    // is `ratio` (its transform already maps scene pixels to that device).
    void paint(QPainter &target, const QRect &area, qreal ratio);

private:
    void catchUp(qreal ratio);

    const Canvas &m_canvas;
    QImage m_persistent; // the persistent picture, at the device's resolution
    qreal m_ratio = 0;
    quint64 m_generation = 0;
    std::size_t m_replayed = 0; // committed strokes already drawn into m_persistent
};

} // namespace orbane
