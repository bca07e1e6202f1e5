#include "pointage/calibration.h"

#include <cmath>

namespace orbane::pointage {

namespace {

double lengthOf(QPointF v) { return std::hypot(v.x(), v.y()); }

} // namespace

bool Calibration::valid() const
{
    const bool axisOk = !tilted || lengthOf(axisTo - axisFrom) > 0.0;
    return lengthOf(scaleTo - scaleFrom) > 0.0 && length > 0.0 && std::isfinite(length) && axisOk;
}

double Calibration::metresPerPixel() const
{
    const double pixels = lengthOf(scaleTo - scaleFrom);
    return pixels > 0.0 ? length / pixels : 0.0;
}

QPointF Calibration::xDirection() const
{
    if (!tilted)
        return {1.0, 0.0};
    QPointF d = axisTo - axisFrom;
    const double n = lengthOf(d);
    if (n == 0.0)
        return {1.0, 0.0};
    d /= n;
    // Drawn from right to left, the line still means x growing rightward.
    return d.x() < 0.0 || (d.x() == 0.0 && d.y() > 0.0) ? -d : d;
}

// In picture pixels, y downward: x along u, y along the upward normal (u.y, -u.x).
QPointF Calibration::fromPicture(QPointF v) const
{
    const QPointF u = xDirection();
    const double s = metresPerPixel();
    return {s * (v.x() * u.x() + v.y() * u.y()), s * (v.x() * u.y() - v.y() * u.x())};
}

QPointF Calibration::onPicture(QPointF v) const
{
    const QPointF u = xDirection();
    const double s = metresPerPixel();
    if (s == 0.0)
        return {};
    return QPointF(v.x() * u.x() + v.y() * u.y(), v.x() * u.y() - v.y() * u.x()) / s;
}

QPointF Calibration::toMetres(QPointF pixel) const { return fromPicture(pixel - origin); }

QPointF Calibration::toPixel(QPointF metres) const { return origin + onPicture(metres); }

} // namespace orbane::pointage
