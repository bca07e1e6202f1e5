#include "graphs/ranges.h"

#include "config/configloader.h"
#include "support/doubles.h"
#include "support/programdir.h"

#include <gtest/gtest.h>
#include <limits>
#include <utility>
#include <vector>

using namespace orbane::graphs;

TEST(RangeSearch, SmallestMantissaNotBelowTheMaximum)
{
    const struct
    {
        const char *name;
        double maximum;
        Range expected; // mantissa (after rounding), exponent, pasgrad
    } cases[] = {
        {"3,7 s flight: 4 s, 1 s divisions", 3.7, {4, 0, 1}},
        {"11,3 s flight: 12 s, 2 s divisions", 11.3, {12, 0, 2}},
        {"0,26 s flight: 30 x 10^-2, 0,05 s divisions", 0.26, {30, -2, 5}},
        {"just above 2,9 goes to the next power", 2.95, {3, 0, 1}},
        {"11 rounds up to 12", 11.0, {12, 0, 2}},
        {"23 rounds up to 25", 23.0, {25, 0, 5}},
        {"26 rounds up to 30", 26.0, {30, 0, 5}},
        {"exact 20", 20.0, {20, 0, 5}},
        {"large", 4.2e10, {5, 10, 1}},
        {"tiny", 4e-7, {4, -7, 1}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(findRange(c.maximum), c.expected) << c.name;
}

TEST(RangeSearch, NothingFoundOutsideTheSearch)
{
    EXPECT_FALSE(findRange(3e11).found());
    EXPECT_FALSE(findRange(std::numeric_limits<double>::quiet_NaN()).found());
    EXPECT_FALSE(findRange(std::numeric_limits<double>::infinity()).found());
}

TEST(RangeSearch, DivisionAndSpan)
{
    const Range r = findRange(0.26);
    EXPECT_NEAR(r.span(), 0.30, 1e-15);
    EXPECT_NEAR(r.division(), 0.05, 1e-15);
}

TEST(Ranges, PositiveValuesKeepTheZeroLineAtTheBottom)
{
    // Dropped from 4.9 m: y(t) from 4.9 down to 0, flight 1 s.
    const Flight f{0, 4.9, 0, 0, 9.8, 1};
    const Ranges r = computeRanges(f, {0, 1, 0, 0, 0, 0, 0, 0}, 1.0);
    EXPECT_FALSE(r.axeneg);
    EXPECT_EQ(r.low, 0.0);
    EXPECT_NEAR(r.high, 4.9, 1e-12);
    EXPECT_EQ(r.value, (Range{5, 0, 1}));
    EXPECT_EQ(r.time, (Range{10, -1, 2}));
}

TEST(Ranges, SignChangeDoublesTheValueRange)
{
    // vy from +9.8 to -9.8 over 2 s: symmetric range around the middle line.
    const Flight f{0, 0, 0, 9.8, 9.8, 1};
    const Ranges r = computeRanges(f, {0, 0, 0, 1, 0, 0, 0, 0}, 2.0);
    EXPECT_TRUE(r.axeneg);
    EXPECT_NEAR(r.low, -9.8, 1e-9);
    EXPECT_NEAR(r.high, 9.8, 1e-9);
    // 9.8 -> 10 (pasgrad 2), doubled after the rounding.
    EXPECT_EQ(r.value, (Range{20, 0, 2}));
}

TEST(Ranges, AllZeroValuesStillGetARange)
{
    // vx of a vertical launch.
    const Flight f{0, 0, 0, 9.8, 9.8, 1};
    const Ranges r = computeRanges(f, {0, 0, 1, 0, 0, 0, 0, 0}, 2.0);
    EXPECT_FALSE(r.axeneg);
    EXPECT_DOUBLE_EQ(r.high, 0.00001);
    EXPECT_TRUE(r.found());
    EXPECT_GE(r.value.span(), 0.00001 * (1 - 1e-12));
}

TEST(Ranges, EnergiesAreScaledOnTheMechanicalEnergy)
{
    // Ep alone still gets the range of Em, the largest energy.
    const Flight f{0, 2, 3, 4, 10, 0.5};
    const Ranges ep = computeRanges(f, {0, 0, 0, 0, 0, 0, 1, 0}, 1.0);
    const Ranges em = computeRanges(f, {0, 0, 0, 0, 0, 0, 0, 1}, 1.0);
    EXPECT_EQ(ep.value, em.value);
    EXPECT_NEAR(ep.high, value(7, f, 0), 1e-9);
}

// Positions of a flight that ends on the ground are never negative, though y at the landing
// comes out of the computation as about -6e-14 m: the zero line stays at the bottom for the
// shipped exercises' throws and for the Moon at 45°, while vy still gets a centred one.
TEST(Ranges, PositionsDownToTheGroundKeepTheZeroLineAtTheBottom)
{
    const orbane::test::ProgramDir dir;
    orbane::test::Rig rig(dir.path());
    orbane::Simulation &sim = rig.sim;
    sim.Form_Load();
    std::vector<std::pair<QString, Flight>> flights;
    for (const QString &name : {QStringLiteral("PORTEE.P08"), QStringLiteral("ENERGIE.P08")}) {
        ASSERT_TRUE(orbane::config::loadConfig(dir.file(name), sim, rig.dialogs).ok());
        flights.emplace_back(name, sim.flight());
    }
    sim.Combo1_Click(orbane::test::kMoon);
    sim.TextN_Change(4, QStringLiteral("45,00"));
    sim.Text4_LostFocus();
    flights.emplace_back(QStringLiteral("Lune, 45°"), sim.flight());

    const Choice x{1, 0, 0, 0, 0, 0, 0, 0}, y{0, 1, 0, 0, 0, 0, 0, 0}, both{1, 1, 0, 0, 0, 0, 0, 0};
    for (const auto &[name, f] : flights) {
        const double tvol = f.timeOfFlight().value_or(0.0);
        ASSERT_GT(tvol, 0.0) << name.toStdString();
        for (const Choice &c : {x, y, both}) {
            const Ranges r = computeRanges(f, c, tvol);
            EXPECT_FALSE(r.axeneg) << name.toStdString();
            EXPECT_EQ(r.low, 0.0) << name.toStdString();
        }
        EXPECT_TRUE(computeRanges(f, {0, 0, 0, 1, 0, 0, 0, 0}, tvol).axeneg) << name.toStdString();
    }
}
