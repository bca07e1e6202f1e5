#include "core/drag.h"
#include "graphs/frame.h"
#include "graphs/livegraph.h"
#include "graphtesting.h"

#include <gtest/gtest.h>

using namespace orbane::graphs;
using namespace orbane::graphs::test;

namespace {
// Launched from the ground at 18,5 m/s upward and 2 m/s forward, g = 10: a 3,7 s flight.
const Flight kFlight{0.0, 0.0, 2.0, 18.5, 10.0, 0.5};
const Choice kPositions{1, 1, 0, 0, 0, 0, 0, 0};
const Choice kVx{0, 0, 1, 0, 0, 0, 0, 0};
const Choice kVy{0, 0, 0, 1, 0, 0, 0, 0};
} // namespace

TEST(LiveGraph, FrameOfAThreePointSevenSecondFlight)
{
    LiveGraph g;
    ASSERT_EQ(g.repgraphe(kFlight, kPositions), LiveGraph::Outcome::Drawn);
    EXPECT_NEAR(g.tvol(), 3.7, 1e-12);
    EXPECT_EQ(g.echt(), 4);
    EXPECT_EQ(g.expt(), 0);
    EXPECT_FALSE(g.axeneg());
    const Surface &s = g.surface();
    // Value axis and its head, time axis at the bottom and its head (the tip's last point is
    // left out, as by every line).
    EXPECT_EQ(at(s, 20, 100), kBlack);
    EXPECT_EQ(at(s, 20, 5), kBlack);
    EXPECT_EQ(at(s, 150, 200), kBlack);
    EXPECT_EQ(at(s, 279, 200), kBlack);
    EXPECT_EQ(at(s, 272, 196), kBlack);
    EXPECT_EQ(at(s, 272, 204), kBlack);
    // One division per second: vertical grid lines every 60 units.
    for (int x : {80, 140, 200, 260})
        EXPECT_EQ(at(s, x, 100), kGrid) << x;
    EXPECT_EQ(at(s, 110, 90), kWhite);
    // y rises to 17,1 m: an 18 m range in 2 m divisions, 20 units apart.
    EXPECT_EQ(g.echy(), 18);
    EXPECT_EQ(at(s, 100, 180), kGrid);
    EXPECT_EQ(at(s, 100, 40), kGrid);
    EXPECT_EQ(at(s, 100, 50), kWhite);
    // The legend: x(t) in blue, then y(t) in red on the next line; scale texts in black.
    EXPECT_GT(countNear(s, QRect(280, 54, 60, 14), kBlue), 5);
    EXPECT_GT(countNear(s, QRect(280, 70, 60, 14), kRed), 5);
    EXPECT_GT(countNear(s, QRect(30, 4, 150, 12), kBlack), 20);
    EXPECT_GT(countNear(s, QRect(280, 120, 70, 40), kBlack), 20);
}

TEST(LiveGraph, SignChangeMovesTheZeroLineToTheMiddle)
{
    LiveGraph g;
    ASSERT_EQ(g.repgraphe(kFlight, kVy), LiveGraph::Outcome::Drawn);
    EXPECT_TRUE(g.axeneg());
    const Surface &s = g.surface();
    EXPECT_EQ(at(s, 150, 110), kBlack);
    EXPECT_EQ(at(s, 150, 200), kGrid); // the bottom is a grid line now, not the axis
    // vy from 18,5 to -18,5: 20 (pasgrad 2) doubled to 40, divisions of 9 units both ways.
    EXPECT_EQ(g.echy(), 40);
    EXPECT_EQ(at(s, 100, 101), kGrid);
    EXPECT_EQ(at(s, 100, 119), kGrid);
}

TEST(LiveGraph, NoFlightLeavesAnEmptySurfaceAndNoCurve)
{
    LiveGraph g;
    ASSERT_EQ(g.repgraphe(kFlight, kPositions), LiveGraph::Outcome::Drawn);
    const struct
    {
        const char *name;
        Flight flight;
    } cases[] = {{"thrown down from the ground", {0, 0, 2, -3, 10, 1}},
                 {"no field", {0, 1, 2, 3, 0, 1}},
                 {"below the ground for ever", {0, -5, 2, 1, 10, 1}}};
    for (const auto &c : cases) {
        EXPECT_EQ(g.repgraphe(c.flight, kPositions), LiveGraph::Outcome::Nothing) << c.name;
        EXPECT_TRUE(allWhite(g.image())) << c.name;
        EXPECT_EQ(g.tracegraphe(c.flight, kPositions, 0.4, 0.04, false),
                  LiveGraph::Outcome::Nothing)
            << c.name;
        EXPECT_TRUE(allWhite(g.image())) << c.name;
    }
}

TEST(LiveGraph, NothingChosenAsksForTheMenu)
{
    LiveGraph g;
    EXPECT_EQ(g.repgraphe(kFlight, Choice{}), LiveGraph::Outcome::Menu);
    EXPECT_EQ(g.tracegraphe(kFlight, Choice{}, 1.0, 0.04, false), LiveGraph::Outcome::Menu);
    // Before launch or during a bounce nothing is asked at all.
    EXPECT_EQ(g.tracegraphe(kFlight, Choice{}, 0.0, 0.04, false), LiveGraph::Outcome::Nothing);
}

TEST(LiveGraph, EachRedrawAddsThePieceOfItsTimeStep)
{
    LiveGraph g;
    g.repgraphe(kFlight, kVx); // vx = 2 m/s: range 2, the line lies at the top, y = 20
    const Surface &s = g.surface();
    ASSERT_EQ(g.tracegraphe(kFlight, kVx, 1.0, 0.04, false), LiveGraph::Outcome::Drawn);
    // From t = 0,96 (x = 77,6) to t = 1 (x = 80, left out).
    EXPECT_EQ(at(s, 78, 20), kBlue);
    EXPECT_EQ(at(s, 79, 20), kBlue);
    EXPECT_NE(at(s, 77, 20), kBlue);
    EXPECT_NE(at(s, 81, 20), kBlue);
}

TEST(LiveGraph, AtTwoDevicePixelsPerPixelThePieceIsDrawnAtTheDevicesPixels)
{
    LiveGraph plain, g;
    g.setDeviceRatio(2.0);
    for (LiveGraph *graph : {&plain, &g}) {
        graph->repgraphe(kFlight, kVx);
        graph->tracegraphe(kFlight, kVx, 1.0, 0.04, false);
    }
    EXPECT_EQ(g.image(), plain.image()); // the picture copied and printed stays as it was
    const QImage &d = g.deviceImage();
    ASSERT_EQ(d.size(), LiveGraph::kSize * 2);
    EXPECT_EQ(d.devicePixelRatio(), 2.0);
    // Units (x, y) cover device pixels from 2 (x - 3), 2 (y - 3): the value axis at x = 20 is
    // two device columns wide.
    EXPECT_EQ(d.pixelColor(34, 100), kBlack);
    EXPECT_EQ(d.pixelColor(35, 100), kBlack);
    EXPECT_EQ(d.pixelColor(36, 100), kWhite);
    // vx from x = 77,6 to 80 on y = 20: two device rows, and the piece reaches x = 80 itself,
    // which a stretched picture (whose lines leave out their last pixel) would not.
    for (int y : {34, 35}) {
        EXPECT_EQ(d.pixelColor(151, y), kBlue) << y;
        EXPECT_EQ(d.pixelColor(154, y), kBlue) << y;
        EXPECT_NE(d.pixelColor(156, y), kBlue) << y;
    }
    EXPECT_NE(d.pixelColor(151, 33), kBlue);
    EXPECT_NE(d.pixelColor(151, 36), kBlue);
    g.setDeviceRatio(1.0);
    EXPECT_TRUE(g.deviceImage().isNull());
}

TEST(LiveGraph, NothingIsAddedBeforeLaunchOrDuringABounce)
{
    LiveGraph g;
    g.repgraphe(kFlight, kVx);
    const QImage frame = g.image().copy();
    EXPECT_EQ(g.tracegraphe(kFlight, kVx, 1.0, 0.04, true), LiveGraph::Outcome::Nothing);
    EXPECT_EQ(g.tracegraphe(kFlight, kVx, 0.0, 0.04, false), LiveGraph::Outcome::Nothing);
    EXPECT_EQ(g.image(), frame);

    // In the air the bounces are read from the same flight: nothing past its first landing.
    Flight air = kFlight;
    air.air =
        std::make_shared<const orbane::DragFlight>(kFlight, orbane::DragLaw::linear(0.05), true);
    g.repgraphe(air, kVx);
    const QImage airFrame = g.image().copy();
    ASSERT_GT(air.air->contacts().size(), 1u);
    const double later = air.air->contacts()[1].t - 0.01;
    EXPECT_EQ(g.tracegraphe(air, kVx, later, 0.04, false), LiveGraph::Outcome::Nothing);
    EXPECT_EQ(g.image(), airFrame);
}

TEST(LiveGraph, TheLastPieceReachesTheEndOfTheFlight)
{
    LiveGraph g;
    g.repgraphe(kFlight, kVx);
    // t = 3,68 + 0,04 passes 3,7: the piece ends at tvol (x = 242) instead of 3,68.
    g.tracegraphe(kFlight, kVx, 3.68, 0.04, false);
    EXPECT_EQ(at(g.surface(), 241, 20), kBlue);
    EXPECT_NE(at(g.surface(), 243, 20), kBlue);
}

TEST(LiveGraph, FlatZeroCurveLiesOnTheZeroLine)
{
    const Flight vertical{0, 0, 0, 9.8, 9.8, 1};
    LiveGraph g;
    ASSERT_EQ(g.repgraphe(vertical, kVx), LiveGraph::Outcome::Drawn);
    EXPECT_FALSE(g.axeneg());
    g.tracegraphe(vertical, kVx, 1.0, 0.04, false);
    const double x = 20 + 240 * 0.98 / (g.echt() * std::pow(10.0, g.expt()));
    EXPECT_EQ(at(g.surface(), x, 200), kBlue);
}

// In the air, the vacuum's y(t) from the same launch is dashed in y's colour over the frame of
// the flight in the air, at the vacuum's values; it goes with the option.
TEST(LiveGraph, TheVacuumCurveIsDashedInTheQuantitysColour)
{
    Flight air = kFlight;
    air.air =
        std::make_shared<const orbane::DragFlight>(kFlight, orbane::DragLaw::linear(0.1), false);
    const Choice y{0, 1, 0, 0, 0, 0, 0, 0};
    LiveGraph g;
    g.showVacuum(true);
    ASSERT_EQ(g.repgraphe(air, y), LiveGraph::Outcome::Drawn);
    const Flight vacuum = air.vacuum();
    const double end = std::min(g.tvol(), *vacuum.timeOfFlight());
    int drawn = 0, columns = 0;
    for (int x = 21; x < int(timeToX(LiveGraph::kGeometry, g.ranges(), end)); ++x) {
        const double t =
            (x - kPlotLeft) / (timeToX(LiveGraph::kGeometry, g.ranges(), 1.0) - kPlotLeft);
        const double v = valueToY(LiveGraph::kGeometry, g.ranges(), vacuum.y(t));
        if (v < kPlotTop)
            continue; // clipped to the frame
        ++columns;
        drawn += countNear(g.surface(), QRect(x, int(v) - 2, 1, 5), kRed, 0) > 0;
    }
    EXPECT_GT(columns, 100);
    EXPECT_GT(drawn, columns / 3);
    EXPECT_LT(drawn, columns * 9 / 10); // the gaps
    const QRect plot(21, 0, 238, 200);
    EXPECT_TRUE(g.showVacuum(false));
    EXPECT_EQ(countNear(g.surface(), plot, kRed, 0), 0);
}
