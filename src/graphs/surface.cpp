#include "graphs/surface.h"

#include "scene/pixelline.h"

#include <QPen>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace orbane::graphs {

Surface::Surface(QSize size, QPoint origin)
    : m_image(size, QImage::Format_RGB32), m_origin(origin)
{
    m_image.fill(Qt::white);
}

Surface::Surface(QPainter &painter, QSize size, QPoint origin)
    : m_origin(origin), m_target(&painter), m_targetSize(size)
{
}

double Surface::fontScale() const
{
    if (!m_target)
        return 1.0;
    return double(QImage(1, 1, QImage::Format_RGB32).logicalDpiY()) /
           m_target->device()->logicalDpiY();
}

QPoint Surface::toPixel(double x, double y) const
{
    return {int(std::lround(float(x))) - m_origin.x(), int(std::lround(float(y))) - m_origin.y()};
}

void Surface::clear(const QColor &background)
{
    endText();
    if (m_target)
        m_target->fillRect(QRect(QPoint(0, 0), m_targetSize), background);
    else
        m_image.fill(background);
}

void Surface::line(double x1, double y1, double x2, double y2, const QColor &colour)
{
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return;
    // Far outside the picture nothing shows; keep the integer arithmetic safe.
    constexpr double kFar = 1e6;
    if (std::abs(x1) > kFar || std::abs(y1) > kFar || std::abs(x2) > kFar || std::abs(y2) > kFar)
        return;
    endText();
    const QPoint a = toPixel(x1, y1), b = toPixel(x2, y2);
    if (m_target) {
        // On a print the curve keeps its exact points: only the screen needs whole pixels.
        const QPointF centre = QPointF(0.5, 0.5) - QPointF(m_origin);
        m_target->setPen(QPen(colour, 1.0, Qt::SolidLine, Qt::FlatCap));
        m_target->drawLine(QPointF(float(x1), float(y1)) + centre,
                           QPointF(float(x2), float(y2)) + centre);
        return;
    }
    // The platform's lines leave out their last pixel.
    plotLine(m_image, a, b, colour.rgb(), LastPixel::Left);
    m_drawn |= QRect::span(a, b).intersected(m_image.rect());
}

QRect Surface::takeDrawn() { return std::exchange(m_drawn, QRect()); }

QPainter *Surface::beginText()
{
    if (m_target) {
        if (!m_targetText) {
            m_target->save();
            m_target->translate(-m_origin);
            m_targetText = true;
        }
        return m_target;
    }
    if (!m_painter.isActive()) {
        m_painter.begin(&m_image);
        m_painter.translate(-m_origin);
    }
    return &m_painter;
}

void Surface::endText() const
{
    if (m_targetText) {
        m_target->restore();
        m_targetText = false;
    }
    if (m_painter.isActive())
        m_painter.end();
}

} // namespace orbane::graphs
