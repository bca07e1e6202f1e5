#include "pointage/calibration.h"
#include "pointage/measurement.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace orbane::pointage;

namespace {

// A video's flight: 80 pixels per metre, origin at (40, 260), y downward on the picture.
constexpr double kScale = 80.0, kG = 9.81;
QPointF truePixel(double t)
{
    const double x = 0.5 + 2.0 * t, y = 0.2 + 3.0 * t - kG * t * t / 2.0;
    return {40.0 + kScale * x, 260.0 - kScale * y};
}

Calibration level()
{
    Calibration c;
    c.scaleFrom = {68, 78};
    c.scaleTo = {68 + 3 * kScale, 78}; // a 3 m goal
    c.length = 3.0;
    c.origin = {40, 260};
    return c;
}

} // namespace

TEST(RealMeasure, CalibrationConvertsOnALevelAndOnATiltedAxis)
{
    const Calibration c = level();
    ASSERT_TRUE(c.valid());
    EXPECT_NEAR(c.toMetres({120, 180}).x(), 1.0, 1e-12);
    EXPECT_NEAR(c.toMetres({120, 180}).y(), 1.0, 1e-12);
    // A camera turned by 30°: the axis drawn along the ground, drawn either way round.
    Calibration tilted = c;
    tilted.tilted = true;
    const double a = 30.0 * std::numbers::pi / 180.0;
    tilted.axisFrom = {300, 100};
    tilted.axisTo = {300 - 100 * std::cos(a), 100 - 100 * std::sin(a)};
    const QPointF alongX = tilted.origin + kScale * QPointF(std::cos(a), std::sin(a));
    EXPECT_NEAR(tilted.toMetres(alongX).x(), 1.0, 1e-12);
    EXPECT_NEAR(tilted.toMetres(alongX).y(), 0.0, 1e-12);
    const QPointF up = tilted.origin + kScale * QPointF(std::sin(a), -std::cos(a));
    EXPECT_NEAR(tilted.toMetres(up).y(), 1.0, 1e-12);
    const QPointF back = tilted.toPixel(tilted.toMetres({123.5, 77.25}));
    EXPECT_NEAR(back.x(), 123.5, 1e-9);
    EXPECT_NEAR(back.y(), 77.25, 1e-9);
    Calibration flat = c;
    flat.scaleTo = flat.scaleFrom;
    EXPECT_FALSE(flat.valid());
}

// Irregular frames: the differences use each frame's own date, by either scheme; a point placed
// again on a frame moves it, and points placed out of order take their frames' order.
TEST(RealMeasure, DatedPointsGiveTheLawByBothSchemes)
{
    const std::vector<double> times = {0.0, 0.04, 0.07, 0.12, 0.16, 0.19, 0.24, 0.28};
    Measurement m({}, 0.5, kG);
    m.setCalibration(level());
    m.setFrameTimes(times);
    for (int f : {0, 1, 3, 2, 4, 5, 6, 7})
        m.add(truePixel(times[std::size_t(f)]), f);
    m.add(QPointF(1, 1), 5);
    m.add(truePixel(times[5]), 5);
    ASSERT_EQ(m.count(), 8);
    EXPECT_EQ(m.frames(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_DOUBLE_EQ(m.time(3), 0.12);
    // On a parabola the centred difference is exact for vx and for vy at the middle date.
    const auto v = m.velocity(3);
    ASSERT_TRUE(v);
    EXPECT_NEAR(v->x(), 2.0, 1e-9);
    EXPECT_NEAR(v->y(), 3.0 - kG * (0.07 + 0.16) / 2.0, 1e-9);
    EXPECT_FALSE(m.velocity(7));
    m.setScheme(Scheme::Forward);
    const auto forward = m.velocity(7 - 1);
    ASSERT_TRUE(forward);
    EXPECT_NEAR(forward->y(), 3.0 - kG * (0.24 + 0.28) / 2.0, 1e-9);
    EXPECT_FALSE(m.velocity(7));
    // m·Δv/Δt is P exactly on evenly spaced frames, by either scheme.
    Measurement even({}, 0.5, kG);
    even.setCalibration(level());
    std::vector<double> regular;
    for (int i = 0; i < 8; ++i)
        regular.push_back(0.04 * i);
    even.setFrameTimes(regular);
    for (int i = 0; i < 8; ++i)
        even.add(truePixel(regular[std::size_t(i)]), i);
    for (Scheme scheme : {Scheme::Centred, Scheme::Forward}) {
        even.setScheme(scheme);
        ASSERT_TRUE(even.force(3));
        EXPECT_NEAR(even.force(3)->y(), -0.5 * kG, 1e-9);
        EXPECT_NEAR(even.force(3)->x(), 0.0, 1e-9);
    }
}
