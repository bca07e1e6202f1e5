#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QSize>

namespace orbane::graphs {

// A picture surface with its own user coordinates (one unit per pixel, `origin` at the
// top-left pixel). Lines are aliased and leave out their last point, like the platform's line
// primitive the graphs were designed with: (X - 2, Y)-(X + 3, Y) is five pixels centred on X.
class Surface
{
public:
    Surface(QSize size, QPoint origin);
    // A surface that draws through a painter already scaled to the surface's pixels (a
    // printer's): lines stay lines and texts stay texts at the device's resolution; there is
    // no picture.
    Surface(QPainter &painter, QSize size, QPoint origin);

    const QImage &image() const
    {
        endText();
        return m_image;
    }
    QPoint origin() const { return m_origin; }
    // Pixel of the image under a point in user coordinates.
    QPoint toPixel(double x, double y) const;

    void clear(const QColor &background = Qt::white);
    // Coordinates are taken in single precision and rounded to the nearest pixel.
    void line(double x1, double y1, double x2, double y2, const QColor &colour);

    // The pixels of the image the lines drew since the last call (a view repaints only them).
    QRect takeDrawn();

    // A painter in user coordinates, for text; end it before drawing lines again.
    QPainter *beginText();
    void endText() const;
    // What a text's point size is multiplied by on the painter's device, so that it takes the
    // room it takes on the surface's picture.
    double fontScale() const;

private:
    QImage m_image;
    QPoint m_origin;
    QRect m_drawn;
    mutable QPainter m_painter;
    QPainter *m_target = nullptr; // the painter drawn through, if any
    QSize m_targetSize;
    mutable bool m_targetText = false;
};

} // namespace orbane::graphs
