#include "graphs/windowgraph.h"
#include "graphtesting.h"

#include <gtest/gtest.h>

using namespace orbane::graphs;
using namespace orbane::graphs::test;

namespace {
const Flight kFlight{0.0, 0.0, 2.0, 18.5, 10.0, 0.5}; // 3,7 s
const Choice kPositions{1, 1, 0, 0, 0, 0, 0, 0};
} // namespace

TEST(WindowGraph, TableOfAThreePointSevenSecondFlight)
{
    WindowGraph g;
    g.tracegraphe(kFlight, kPositions);
    const ValueTable &t = g.table();
    ASSERT_EQ(t.rows, 19);
    EXPECT_EQ(t.cols(), 3);
    EXPECT_EQ(t.quantities, (QList<int>{0, 1}));
    ASSERT_EQ(t.cells.size(), 19);
    EXPECT_EQ(t.cells.first(), (QStringList{"0,00  ", "0,00  ", "0,00  "}));
    EXPECT_EQ(t.cells[1][0], QStringLiteral("0,20  "));
    // Row 18: t = 3,6, x = 7,2, y = 18,5·3,6 - 5·3,6² = 1,8.
    EXPECT_EQ(t.cells.last(), (QStringList{"3,60  ", "7,20  ", "1,80  "}));
}

TEST(WindowGraph, PointsTabAndCrossesMarkTheRows)
{
    WindowGraph g;
    g.tracegraphe(kFlight, kPositions);
    const PointsTab &p = g.pointstab();
    // Time range 4 s over 360 units: one row (0,2 s) every 18 units.
    for (int r = 0; r < 19; ++r)
        EXPECT_EQ(p[0][r], 20 + 18 * r) << r;
    EXPECT_EQ(p[0][19], 0);
    // x(t) on an 18 m range (the y range wins): x = 7,2 m at row 18 is 380 - 360·7,2/18.
    EXPECT_EQ(g.ranges().value.span(), 18.0);
    EXPECT_EQ(p[1][18], 236);
    EXPECT_EQ(p[2][0], 380);
    // A five-pixel cross centred on each row's point.
    const Surface &s = g.surface();
    for (int d : {-2, -1, 1, 2}) {
        EXPECT_EQ(at(s, p[0][18] + d, p[1][18]), kBlue) << d;
        EXPECT_EQ(at(s, p[0][18], p[1][18] + d), kBlue) << d;
    }
    EXPECT_NE(at(s, p[0][18] + 3, p[1][18]), kBlue);
    EXPECT_NE(at(s, p[0][18] - 3, p[1][18]), kBlue);
}

TEST(WindowGraph, FrameInTheWindowsUnits)
{
    WindowGraph g;
    g.tracegraphe(kFlight, kPositions);
    const Surface &s = g.surface();
    EXPECT_EQ(g.yzero(), 380);
    EXPECT_EQ(at(s, 20, 200), kBlack);   // value axis
    EXPECT_EQ(at(s, 300, 380), kBlack);  // time axis
    EXPECT_EQ(at(s, 399, 380), kBlack);  // up to its tip
    for (int x : {110, 200, 290, 380})   // one second = 90 units
        EXPECT_EQ(at(s, x, 30), kGrid) << x;
    EXPECT_EQ(at(s, 100, 340), kGrid);   // 2 m = 40 units
    // The left edge of the picture is x = -36.
    EXPECT_EQ(s.toPixel(-36, 0), QPoint(0, 0));
    // Time scale text starts at y = 330 on the right of the axis.
    EXPECT_GT(countNear(s, QRect(400, 330, 70, 40), kBlack), 20);
    EXPECT_EQ(countNear(s, QRect(400, 210, 70, 40), kBlack), 0);
}

TEST(WindowGraph, SignChangeCentresTheZeroLine)
{
    WindowGraph g;
    g.tracegraphe(kFlight, {0, 0, 0, 1, 0, 0, 0, 0});
    const Surface &s = g.surface();
    EXPECT_EQ(g.yzero(), 200);
    EXPECT_EQ(at(s, 300, 200), kBlack);
    // 40 (doubled) in divisions of 2: 18 units both ways from 200.
    EXPECT_EQ(at(s, 100, 182), kGrid);
    EXPECT_EQ(at(s, 100, 218), kGrid);
    EXPECT_EQ(at(s, 100, 380), kGrid);
    EXPECT_GT(countNear(s, QRect(400, 210, 70, 40), kBlack), 20);
}

TEST(WindowGraph, TheCurveEndsAtTheEndOfTheFlight)
{
    WindowGraph g;
    g.tracegraphe(kFlight, {1, 0, 0, 0, 0, 0, 0, 0});
    // x(t) ends at t = 3,7 (x = 353) with x = 7,4 m on an 8 m range (y = 380 - 360·7,4/8 = 47);
    // the last row's cross (t = 3,6) stops at x = 346. The end point itself is left out.
    EXPECT_EQ(g.ranges().value.span(), 8.0);
    EXPECT_GT(countNear(g.surface(), QRect(350, 45, 3, 5), kBlue, 0), 0);
    EXPECT_EQ(countNear(g.surface(), QRect(354, 20, 20, 361), kBlue, 0), 0);
}

TEST(WindowGraph, NoFlightClearsGraphAndTable)
{
    WindowGraph g;
    g.tracegraphe(kFlight, kPositions);
    ASSERT_EQ(g.table().rows, 19);
    g.tracegraphe({0, 0, 2, -3, 10, 1}, kPositions);
    EXPECT_TRUE(allWhite(g.image()));
    EXPECT_EQ(g.table().rows, 0);
    EXPECT_FALSE(g.framed());
}

TEST(WindowGraph, NoChoiceKeepsThePreviousDrawing)
{
    WindowGraph g;
    g.tracegraphe(kFlight, kPositions);
    const QImage before = g.image().copy();
    g.tracegraphe(kFlight, Choice{});
    EXPECT_EQ(g.image(), before);
    EXPECT_EQ(g.table().rows, 19);
}

TEST(WindowGraph, ReadOutConvertsUnitsToTimeAndValue)
{
    WindowGraph g;
    g.tracegraphe(kFlight, kPositions);
    EXPECT_DOUBLE_EQ(g.timeAt(20), 0.0);
    EXPECT_DOUBLE_EQ(g.timeAt(200), 2.0);
    EXPECT_DOUBLE_EQ(g.valueAt(380), 0.0);
    EXPECT_DOUBLE_EQ(g.valueAt(20), 18.0);
    EXPECT_EQ(WindowGraph::cellText(-12.346), QStringLiteral("-12,35  "));
    EXPECT_EQ(WindowGraph::cellText(1.6), QStringLiteral("1,60  "));
}
