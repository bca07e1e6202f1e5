#include "scene/dashes.h"

#include <QLineF>

namespace orbane::dashes {

std::vector<std::vector<QPointF>> runsInside(std::span<const QPointF> points, const QRectF &area)
{
    const auto inside = [&](QPointF p) {
        return p.x() >= area.left() && p.x() <= area.right() && p.y() >= area.top() &&
               p.y() <= area.bottom();
    };
    std::vector<std::vector<QPointF>> runs(1);
    for (const QPointF &p : points) {
        if (inside(p)) {
            runs.back().push_back(p);
            continue;
        }
        if (!runs.back().empty())
            runs.emplace_back();
    }
    std::erase_if(runs, [](const std::vector<QPointF> &run) { return run.size() < 2; });
    return runs;
}

void forEachDash(std::span<const QPointF> points, Pattern pattern, const Sink &dash)
{
    if (points.size() < 2)
        return;
    bool on = true;
    double left = pattern.on; // of the current dash or gap
    QPointF start = points.front();
    for (std::size_t i = 1; i < points.size(); ++i) {
        QPointF a = points[i - 1];
        const QPointF b = points[i];
        double length = QLineF(a, b).length();
        while (length >= left) {
            const QPointF cut = a + (b - a) * (left / length);
            if (on)
                dash(start, cut);
            on = !on;
            start = a = cut;
            length -= left;
            left = on ? pattern.on : pattern.off;
        }
        left -= length;
    }
    if (on)
        dash(start, points.back());
}

void dashInside(std::span<const QPointF> points, const QRectF &area, Pattern pattern,
                const Sink &dash)
{
    for (const std::vector<QPointF> &run : runsInside(points, area))
        forEachDash(run, pattern, dash);
}

} // namespace orbane::dashes
