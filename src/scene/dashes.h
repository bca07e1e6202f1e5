#pragma once

#include <QPointF>
#include <QRectF>
#include <functional>
#include <span>
#include <vector>

// A curve drawn in dashes, for the vacuum's flight beside the flight in the air: on the scene and
// on the live graph. Each dash is handed over as a segment, so a drawing replayed at another
// scale keeps the same dashes.
namespace orbane::dashes {

struct Pattern
{
    double on, off; // lengths along the curve, in the drawing's units
};

// The parts of a sampled curve whose points lie inside `area` (edges included), each at least a
// segment long: a point outside breaks the curve.
std::vector<std::vector<QPointF>> runsInside(std::span<const QPointF> points, const QRectF &area);

// The dashes of the polyline, walked along its length from its first point.
using Sink = std::function<void(QPointF from, QPointF to)>;
void forEachDash(std::span<const QPointF> points, Pattern pattern, const Sink &dash);

// Both: the dashes of each part inside `area`.
void dashInside(std::span<const QPointF> points, const QRectF &area, Pattern pattern,
                const Sink &dash);

} // namespace orbane::dashes
