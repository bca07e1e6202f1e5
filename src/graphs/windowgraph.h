#pragma once

#include "graphs/frame.h"
#include "graphs/quantities.h"
#include "graphs/ranges.h"
#include "graphs/surface.h"

#include <QList>
#include <QStringList>
#include <array>

namespace orbane::graphs {

// The table of values: one row every twentieth of the time range, the time in column 0 and
// one column per chosen quantity.
struct ValueTable
{
    static constexpr int kMaxRows = 31;
    int rows = 0;
    QList<int> quantities;          // index of the quantity in each value column
    QList<QStringList> cells;       // cells[r][c]
    int cols() const { return int(quantities.size()) + 1; }
};

// `pointstab`(0, r): x of row r's time on the graph; (k, r): y of the k-th value column.
using PointsTab = std::array<std::array<qint16, ValueTable::kMaxRows>, 1 + largestGroup()>;

// The graph window's graph `Picture1` (the left edge is x = -36) for the whole flight, with the
// rows of its table marked by crosses. Headless.
class WindowGraph
{
public:
    static constexpr QSize kSize{508, 412};
    static constexpr QPoint kOrigin{-36, 0};
    static const FrameGeometry kGeometry;

    WindowGraph();
    // The same graph drawn through a painter scaled to its pixels (a print).
    explicit WindowGraph(QPainter &painter);

    // Clears and draws the whole graph, then builds the table. Nothing happens without a choice.
    void tracegraphe(const Flight &flight, const Choice &choice);

    const QImage &image() const { return m_surface.image(); }
    const Surface &surface() const { return m_surface; }
    const ValueTable &table() const { return m_table; }
    const PointsTab &pointstab() const { return m_pointstab; }
    const Ranges &ranges() const { return m_ranges; }
    double tvol() const { return m_tvol; }
    int yzero() const { return m_yzero; }
    bool framed() const { return m_framed; }

    // Read-out under the pointer: time at x and value at y, in the graph's units.
    double timeAt(double x) const;
    double valueAt(double y) const;

    // Texts of the cells: "###########0.00" followed by two blanks.
    static QString cellText(double value);

private:
    void drawCurves(const Flight &flight, const Choice &choice);
    void fillTable(const Flight &flight, const Choice &choice);
    void cross(double x, double y, const QColor &colour);

    Surface m_surface;
    double m_tvol = 0.0;
    Ranges m_ranges;
    int m_yzero = 380;
    bool m_framed = false;
    ValueTable m_table;
    PointsTab m_pointstab{};
};

} // namespace orbane::graphs
