#pragma once

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QRgb>
#include <array>
#include <tuple>
#include <vector>

namespace orbane {

// One drawing on a layer that is cleared and drawn again at every redraw: a line or a picture,
// with everything that decides its pixels.
struct DrawOp
{
    enum class Kind { Line, Picture };
    int layer = 0;
    Kind kind = Kind::Line;
    QPoint a, b;       // the line's ends, or the picture's top-left corner and size
    QRgb colour = 0;   // the line's colour
    int width = 1;     // pen width
    bool dotted = false;
    qint64 picture = 0; // the picture's cache key
    QRect rect;         // the pixels it may touch

    auto key() const
    {
        return std::tuple(layer, int(kind), a.x(), a.y(), b.x(), b.y(), colour, width, dotted,
                          picture);
    }
};

// What looks different on the canvas since it was last shown. The layers that every redraw
// clears and rebuilds (the projectile, axes, grid, vectors) would otherwise repaint all they
// hold at each tick: a drawing done again where it stood changes no pixel, so the damage is
// only the drawings that are new or gone. Other changes (the persistent picture, the cache of
// marks) are reported as rectangles.
class Damage
{
public:
    static constexpr int kTrackedLayers = 3;
    static constexpr std::size_t kMaxOps = 1024; // past that, the whole surface

    void drawn(const DrawOp &op);
    void layerCleared(int layer);
    void changed(const QRect &r);
    void changedAll() { m_all = true; }
    // The region to repaint since the last call; `surface` is the whole canvas.
    QRegion take(const QRect &surface);

private:
    std::array<std::vector<DrawOp>, kTrackedLayers> m_ops; // drawn since each layer's clear
    std::vector<DrawOp> m_shown;                             // as at the last take
    std::vector<QRect> m_rects;
    bool m_all = true;
};

} // namespace orbane
