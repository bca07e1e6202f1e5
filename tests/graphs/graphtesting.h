#pragma once

#include "graphs/surface.h"

#include <QColor>
#include <QImage>

#include <ostream>

// Readable colours in failure messages.
inline void PrintTo(const QColor &c, std::ostream *os)
{
    *os << "rgb(" << c.red() << ", " << c.green() << ", " << c.blue() << ")";
}

namespace orbane::graphs::test {

// Colour of a surface's picture at a point given in the surface's units.
inline QColor at(const Surface &s, double x, double y)
{
    const QPoint p = s.toPixel(x, y);
    return s.image().pixelColor(p);
}

inline const QColor kBlack(0, 0, 0), kWhite(255, 255, 255), kGrid(192, 192, 192);
inline const QColor kBlue(0, 0, 255), kRed(255, 0, 0), kGreen(0, 128, 0);

// Pixels of a rectangle (surface units, both ends included) close to a colour: the cores of
// antialiased text keep the colour.
inline int countNear(const Surface &s, QRect units, const QColor &c, int tolerance = 60)
{
    int n = 0;
    for (int y = units.top(); y <= units.bottom(); ++y)
        for (int x = units.left(); x <= units.right(); ++x) {
            const QPoint p = s.toPixel(x, y);
            if (!s.image().rect().contains(p))
                continue;
            const QColor q = s.image().pixelColor(p);
            n += std::abs(q.red() - c.red()) + std::abs(q.green() - c.green()) +
                     std::abs(q.blue() - c.blue()) <=
                 tolerance;
        }
    return n;
}

inline bool allWhite(const QImage &img)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

} // namespace orbane::graphs::test
