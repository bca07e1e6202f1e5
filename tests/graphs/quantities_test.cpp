#include "core/numberformat.h"
#include "exchange/format.h"
#include "exchange/tables.h"
#include "graphs/quantities.h"
#include "support/doubles.h"

#include <QStringList>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace orbane::graphs;

namespace {
// x0 = 1, y0 = 2, vox = 3, voy = 4, g = 10, m = 0.5
const Flight kFlight{1.0, 2.0, 3.0, 4.0, 10.0, 0.5};
std::optional<double> timeOfFlight(const Flight &f)
{
    return f.timeOfFlight();
}
} // namespace

TEST(Quantities, FormulasAtHalfASecond)
{
    // At t = 0.5: x = 2.5, y = 2 + 2 - 1.25, vy = -1, v² = 10, Ec = ½·0.5·10, Ep = 0.5·10·2.75.
    const struct
    {
        int index;
        double expected;
    } cases[] = {{0, 2.5}, {1, 2.75},  {2, 3.0},  {3, -1.0}, {4, std::sqrt(10.0)},
                 {5, 2.5}, {6, 13.75}, {7, 16.25}};
    for (const auto &c : cases)
        EXPECT_NEAR(value(c.index, kFlight, 0.5), c.expected, 1e-12) << "index " << c.index;
}

TEST(Quantities, RangeSamplingUsesMechanicalEnergyForEveryEnergy)
{
    for (int i : {5, 6, 7})
        EXPECT_DOUBLE_EQ(sampledValue(i, kFlight, 0.3), value(7, kFlight, 0.3)) << i;
    for (int i : {0, 1, 2, 3, 4})
        EXPECT_DOUBLE_EQ(sampledValue(i, kFlight, 0.3), value(i, kFlight, 0.3)) << i;
}

TEST(Quantities, TimeOfFlight)
{
    // Dropped from 4.9 m with g = 9.8: one second.
    EXPECT_NEAR(*timeOfFlight({0, 4.9, 0, 0, 9.8, 1}), 1.0, 1e-12);
    // Thrown up at 9.8 m/s from the ground: two seconds.
    EXPECT_NEAR(*timeOfFlight({0, 0, 5, 9.8, 9.8, 1}), 2.0, 1e-12);
    // Thrown down from the ground: no flight.
    EXPECT_EQ(*timeOfFlight({0, 0, 5, -3, 9.8, 1}), 0.0);
    // Must fail: no field; below the ground and never reaching it.
    EXPECT_FALSE(timeOfFlight({0, 1, 0, 0, 0, 1}).has_value());
    EXPECT_FALSE(timeOfFlight({0, -5, 0, 1, 9.8, 1}).has_value());
}

TEST(Quantities, GroupRuleKeepsOneGroup)
{
    const struct
    {
        const char *name;
        Choice before;
        int clicked;
        Choice after;
    } cases[] = {
        {"y added to x", {1, 1, 0, 0, 0, 0, 0, 0}, 1, {1, 1, 0, 0, 0, 0, 0, 0}},
        {"v replaces positions", {1, 1, 0, 0, 1, 0, 0, 0}, 4, {0, 0, 0, 0, 1, 0, 0, 0}},
        {"vy joins v", {0, 0, 0, 1, 1, 0, 0, 0}, 3, {0, 0, 0, 1, 1, 0, 0, 0}},
        {"Ec replaces velocities", {0, 0, 1, 1, 1, 1, 0, 0}, 5, {0, 0, 0, 0, 0, 1, 0, 0}},
        {"x replaces energies", {1, 0, 0, 0, 0, 1, 1, 1}, 0, {1, 0, 0, 0, 0, 0, 0, 0}},
        {"vx replaces x and Em", {1, 0, 1, 0, 0, 0, 0, 1}, 2, {0, 0, 1, 0, 0, 0, 0, 0}},
        {"an unchecked box changes nothing", {1, 0, 0, 0, 1, 0, 0, 0}, 2, {1, 0, 0, 0, 1, 0, 0, 0}},
    };
    for (const auto &c : cases) {
        Choice choice = c.before;
        applyGroupRule(choice, c.clicked);
        EXPECT_EQ(choice, c.after) << c.name;
    }
}

TEST(Quantities, UnitFollowsTheGroup)
{
    EXPECT_EQ(unitOf({0, 1, 0, 0, 0, 0, 0, 0}).text, QStringLiteral(" m"));
    const Unit velocity = unitOf({0, 0, 0, 1, 0, 0, 0, 0});
    EXPECT_EQ(velocity.text, QStringLiteral(" m · s"));
    EXPECT_EQ(velocity.exponent, QStringLiteral("-1"));
    EXPECT_EQ(unitOf({0, 0, 0, 0, 0, 0, 1, 0}).text, QStringLiteral(" J"));
    EXPECT_TRUE(unitOf({}).text.isEmpty());
}

TEST(Quantities, LegendsAndColours)
{
    const QColor blue(0, 0, 255), red(255, 0, 0), green(0, 128, 0);
    const struct
    {
        int index;
        const char *shown;
        QColor colour;
    } cases[] = {{0, "x(t)", blue},  {1, "y(t)", red},   {2, "vx(t)", blue}, {3, "vy(t)", red},
                 {4, "v(t)", green}, {5, "Ec(t)", blue}, {6, "Ep(t)", red},  {7, "Em(t)", green}};
    for (const auto &c : cases) {
        const Legend l = legend(c.index);
        EXPECT_EQ(l.letter + l.index + l.rest, QString::fromUtf8(c.shown));
        EXPECT_EQ(colour(c.index), c.colour) << c.index;
    }
    EXPECT_EQ(legend(3).index, QStringLiteral("y"));
}

// The tick's read-outs, the graphs' values and the exported rows come from one motion law.
TEST(Quantities, GraphExportAndReadoutsAgreeOnEveryPlace)
{
    QTemporaryDir dir;
    orbane::test::Rig rig(dir.path());
    orbane::Simulation &sim = rig.sim;
    sim.Form_Load();
    for (int place = 0; place < 3; ++place) {
        sim.Combo1_Click(place);
        sim.command15_Click();
        int checked = 0;
        while (sim.d.timer1 && sim.s.enrebond == 0 && checked < 400) {
            sim.Timer1_Timer();
            if (!sim.d.timer1 || sim.s.enrebond != 0)
                break;
            const double t = sim.s.temps;
            const Flight f = sim.flight();
            const double x = value(0, f, t), y = value(1, f, t);
            EXPECT_EQ(sim.d.Label1, QStringLiteral("Coordonnées : x = ") +
                                        orbane::numfmt::readout(x) + QStringLiteral(" m ; y = ") +
                                        orbane::numfmt::readout(std::max(y, 0.0)) +
                                        QStringLiteral(" m. "));
            const QStringList row =
                orbane::exchange::writeDelimited(orbane::exchange::flightTable(f, t),
                                                 {u'\t', orbane::exchange::Decimal::Point})
                    .split(QStringLiteral("\r\n"))[2]
                    .split(QLatin1Char('\t'));
            int column = 1;
            for (int q = 0; q < kQuantities; ++q)
                if (orbane::quantityShown(q, f)) {
                    EXPECT_NEAR(row[column++].toDouble(), value(q, f, t), 5e-5) << place << t;
                }
            ++checked;
        }
        EXPECT_GT(checked, 10) << place;
        sim.command18_Click();
    }
}
