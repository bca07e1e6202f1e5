#include "scene/pixelline.h"

#include <cstdlib>

namespace orbane {

void plotLine(QImage &image, QPoint a, QPoint b, QRgb value, LastPixel last, bool dotted)
{
    uchar *bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const QRect bounds = image.rect();
    const int dx = std::abs(b.x() - a.x()), dy = -std::abs(b.y() - a.y());
    const int sx = a.x() < b.x() ? 1 : -1, sy = a.y() < b.y() ? 1 : -1;
    int err = dx + dy, step = 0;
    QPoint p = a;
    for (;;) {
        const bool end = p == b;
        if (end && last == LastPixel::Left)
            break;
        if ((!dotted || step % 2 == 0) && bounds.contains(p))
            reinterpret_cast<QRgb *>(bits + p.y() * stride)[p.x()] = value;
        ++step;
        if (end)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            p.rx() += sx;
        }
        if (e2 <= dx) {
            err += dx;
            p.ry() += sy;
        }
    }
}

} // namespace orbane
