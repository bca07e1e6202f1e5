#include "graphs/windowgraph.h"

#include "core/numberformat.h"

#include <algorithm>
#include <cmath>

namespace orbane::graphs {

const FrameGeometry WindowGraph::kGeometry{360.0, 360.0, 380.0, 200.0, 400.0, 330.0, 210.0};

WindowGraph::WindowGraph() : m_surface(kSize, kOrigin) {}

WindowGraph::WindowGraph(QPainter &painter) : m_surface(painter, kSize, kOrigin) {}

QString WindowGraph::cellText(double value) { return numfmt::fixed(value, 2) + QStringLiteral("  "); }

void WindowGraph::tracegraphe(const Flight &flight, const Choice &choice)
{
    if (!anyChecked(choice))
        return;
    m_surface.clear();
    m_framed = false;
    m_table = ValueTable{};
    for (auto &column : m_pointstab)
        column.fill(0);
    m_tvol = flight.timeOfFlight().value_or(0.0);
    if (m_tvol <= 0.0)
        return;
    m_ranges = computeRanges(flight, choice, m_tvol);
    if (!m_ranges.found())
        return;
    m_yzero = int(zeroLine(kGeometry, m_ranges));
    drawFrame(m_surface, kGeometry, m_ranges, choice);
    drawCurves(flight, choice);
    m_framed = true;
    fillTable(flight, choice);
}

void WindowGraph::drawCurves(const Flight &flight, const Choice &choice)
{
    const double h = m_tvol / 360.0;
    // Each piece runs from t - h to t; the last one is stretched to end exactly at tvol.
    for (int step = 0; step <= 361; ++step) {
        double t = step * h;
        const bool last = t + h > m_tvol;
        if (last)
            t = m_tvol;
        drawCurvePieces(m_surface, kGeometry, m_ranges, flight, choice, std::max(0.0, t - h), t);
        if (last)
            break;
    }
}

void WindowGraph::cross(double x, double y, const QColor &colour)
{
    m_surface.line(x - 2, y, x + 3, y, colour);
    m_surface.line(x, y - 2, x, y + 3, colour);
}

void WindowGraph::fillTable(const Flight &flight, const Choice &choice)
{
    for (int i = 0; i < kQuantities; ++i)
        if (choice[i])
            m_table.quantities << i;
    const double p = m_ranges.time.span() / 20.0;
    m_table.rows = std::min(int(std::floor(m_tvol / p)) + 1, ValueTable::kMaxRows);
    for (int r = 0; r < m_table.rows; ++r) {
        const double t = r * p;
        QStringList row{cellText(t)};
        const double x = timeToX(kGeometry, m_ranges, t);
        m_pointstab[0][r] = qint16(std::lround(x));
        int k = 1;
        for (int q : m_table.quantities) {
            const double v = value(q, flight, t);
            row << cellText(v);
            const double y = valueToY(kGeometry, m_ranges, v);
            cross(x, y, colour(q));
            m_pointstab[k][r] = qint16(std::clamp(std::lround(y), -32768L, 32767L));
            ++k;
        }
        m_table.cells << row;
    }
}

double WindowGraph::timeAt(double x) const
{
    return (x - kPlotLeft) * m_ranges.time.span() / kGeometry.timeWidth;
}

double WindowGraph::valueAt(double y) const
{
    return (m_yzero - y) * m_ranges.value.span() / kGeometry.valueHeight;
}

} // namespace orbane::graphs
