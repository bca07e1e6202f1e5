#include "core/numberformat.h"
#include "core/options.h"
#include "core/tables.h"
#include "support/doubles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace orbane;
using orbane::test::Rig;

namespace {
struct TickTest : ::testing::Test
{
    QTemporaryDir dir;
    Rig rig{dir.path()};
    Simulation &sim = rig.sim;

    void SetUp() override { sim.Form_Load(); }

    void setInitial(const char *x0, const char *y0, const char *v, const char *a)
    {
        sim.TextN_Change(1, QString::fromLatin1(x0));
        sim.TextN_Change(2, QString::fromLatin1(y0));
        sim.TextN_Change(3, QString::fromLatin1(v));
        sim.TextN_Change(4, QString::fromLatin1(a));
        sim.voxvoy();
        sim.command18_Click();
    }
};
} // namespace

TEST_F(TickTest, FirstTickWithTheDefaults)
{
    sim.command15_Click();
    ASSERT_TRUE(sim.d.timer1);
    EXPECT_FALSE(sim.d.projVisible); // the redraw draws it from now on
    sim.Timer1_Timer();

    const double a = 77.0 * 3.1415927 / 180.0;
    const double x = 0.04 * 15.0 * std::cos(a);
    const double y = 0.04 * 15.0 * std::sin(a) - 4.9 * 0.04 * 0.04;
    EXPECT_EQ(sim.d.Label3, QStringLiteral(" Date: t = 0,04 s."));
    EXPECT_EQ(sim.d.Label1, QStringLiteral("Coordonnées : x = 0,13 m ; y = 0,58 m. "));
    EXPECT_NEAR(sim.s.xy[0], x, 1e-6);
    EXPECT_NEAR(sim.s.xy[1], y, 1e-6);
    EXPECT_NEAR(sim.d.projLeft, 14.0 + 36.0 * x, 1e-4);
    EXPECT_NEAR(sim.d.projTop, 420.0 - 36.0 * y, 1e-4);
    EXPECT_EQ(sim.d.ombreLeft, sim.d.projLeft);
    EXPECT_FALSE(sim.d.command3Enabled); // "Menu" and "Agrandir" off during the flight
    EXPECT_FALSE(sim.d.command5Enabled);
    EXPECT_EQ(rig.hooks.majaffs, 1);
}

TEST_F(TickTest, PositionFollowsTheClosedFormLawWithoutDrift)
{
    sim.command15_Click();
    for (int i = 0; i < 50; ++i)
        sim.Timer1_Timer();
    const double t = sim.s.temps;
    EXPECT_NEAR(t, 2.0, 1e-4);
    EXPECT_NEAR(sim.s.xy[0], double(sim.s.vox) * t, 1e-9);
    EXPECT_NEAR(sim.s.xy[1], double(sim.s.voy) * t - 0.5 * double(sim.s.gpes) * t * t, 1e-9);
}

TEST_F(TickTest, SlowMotionAdvancesEightTimesLess)
{
    sim.speed_Click(true);
    sim.command15_Click();
    sim.Timer1_Timer();
    EXPECT_FLOAT_EQ(sim.s.temps, 0.005f);
    EXPECT_FLOAT_EQ(sim.s.dt, 0.005f);
    for (int i = 0; i < 7; ++i)
        sim.Timer1_Timer();
    EXPECT_NEAR(sim.s.temps, 0.04, 1e-6);
    EXPECT_EQ(sim.d.Label3, QStringLiteral(" Date: t = 0,04 s."));
}

TEST_F(TickTest, PhotographTimeIsPulledBackToTheExactInterval)
{
    // Camera pressed at the initial position: recording starts and launches the animation.
    sim.command12_Click();
    ASSERT_EQ(sim.s.chronoactif, 1);
    ASSERT_TRUE(sim.d.timer1);
    EXPECT_TRUE(sim.d.recording);
    EXPECT_EQ(sim.d.Label5, QStringLiteral("Arrêter la chronophotographie"));

    sim.Timer1_Timer();
    EXPECT_EQ(sim.s.temps, 0.0f); // first photograph at t = 0
    EXPECT_EQ(sim.s.photo, 1);
    EXPECT_EQ(rig.hooks.repgraphes, 2); // start-up, then this launch

    sim.Timer1_Timer();                 // counts as a launch again
    EXPECT_EQ(rig.hooks.repgraphes, 3);
    EXPECT_FLOAT_EQ(sim.s.temps, 0.04f);
    EXPECT_EQ(sim.s.photo, 0);

    std::vector<QString> photoDates;
    for (int i = 0; i < 40 && sim.d.timer1; ++i) {
        sim.Timer1_Timer();
        if (sim.s.photo == 1)
            photoDates.push_back(sim.d.Label3);
    }
    ASSERT_GE(photoDates.size(), 3u);
    EXPECT_EQ(photoDates[0], QStringLiteral(" Date: t = 0,30 s."));
    EXPECT_EQ(photoDates[1], QStringLiteral(" Date: t = 0,60 s."));
    EXPECT_EQ(photoDates[2], QStringLiteral(" Date: t = 0,90 s."));
}

TEST_F(TickTest, NonBouncingProjectileStopsOnTheGround)
{
    test::controlsOf(sim).Combo2 = 0; // pomme
    sim.Combo2_Click(sim.c.Combo2);
    sim.command15_Click();
    const int ticks = rig.runUntilStopped();
    // Time of flight 2 * 14.6 / 9.8 = 2.98 s: 75 ticks.
    EXPECT_EQ(ticks, 75);
    EXPECT_FALSE(sim.d.timer1);
    EXPECT_EQ(sim.s.temps, 0.0f);
    EXPECT_EQ(sim.d.projTop, 420.0);
    EXPECT_TRUE(sim.d.projVisible);
    EXPECT_TRUE(sim.d.command3Enabled);
    EXPECT_TRUE(sim.d.Label1.endsWith(QStringLiteral("y = 0,00 m. ")));
    EXPECT_TRUE(sim.d.Label3 == QStringLiteral(" Date: t = 3,00 s."));
    EXPECT_EQ(rig.sound.plays, 1);
    EXPECT_EQ(rig.beeper.beeps, 0);
    // It lies where it landed, not back at the start.
    EXPECT_NEAR(sim.d.projLeft, 14.0 + 36.0 * 3.0 * double(sim.s.vox), 0.01);
}

TEST_F(TickTest, LandingIsSilentOnTheMoonOnly)
{
    test::controlsOf(sim).Combo2 = 1; // pierre
    sim.Combo2_Click(sim.c.Combo2);
    setInitial("0", "0", "5", "77"); // lands inside the scene everywhere
    for (int place : {1, 0, 2}) {
        sim.Combo1_Click(place);
        const int before = rig.sound.plays;
        sim.command15_Click();
        rig.runUntilStopped();
        EXPECT_EQ(rig.sound.plays - before, place == test::kMoon ? 0 : 1) << place;
    }
}

TEST_F(TickTest, LeavingTheScreenGoesBackToTheStartWithABeep)
{
    test::controlsOf(sim).Combo1 = 1; // the Moon: a long flight
    sim.Combo1_Click(sim.c.Combo1);
    setInitial("1", "2", "20", "10");
    sim.command15_Click();
    const int ticks = rig.runUntilStopped();
    EXPECT_LT(ticks, 40); // x passes 10 m well before landing
    EXPECT_EQ(rig.beeper.beeps, 1);
    EXPECT_FALSE(sim.d.timer1);
    EXPECT_EQ(sim.s.temps, 0.0f);
    EXPECT_DOUBLE_EQ(sim.d.projLeft, 14.0 + 36.0);
    EXPECT_DOUBLE_EQ(sim.d.projTop, 420.0 - 72.0);
    EXPECT_TRUE(sim.d.projVisible);
    EXPECT_FALSE(sim.c.Check[8]);
    EXPECT_EQ(rig.sound.plays, 0);
}

TEST_F(TickTest, WithoutTheExitOptionTheFlightGoesOnToTheGround)
{
    test::controlsOf(sim).Check[4] = false;
    test::controlsOf(sim).Combo2 = 3; // pétanque, on Terre
    sim.Combo2_Click(sim.c.Combo2);
    setInitial("5", "11", "20", "45");
    sim.command15_Click();
    const int ticks = rig.runUntilStopped();
    EXPECT_GT(ticks, 60);
    EXPECT_EQ(rig.beeper.beeps, 0);
    EXPECT_EQ(rig.sound.plays, 1);
    EXPECT_GT(sim.d.projLeft, 400.0);
}

TEST_F(TickTest, LeavingThroughTheTopIsCaughtToo)
{
    setInitial("5", "11", "20", "90");
    sim.command15_Click();
    rig.runUntilStopped();
    EXPECT_EQ(rig.beeper.beeps, 1);
    EXPECT_DOUBLE_EQ(sim.d.projTop, 420.0 - 36.0 * 11.0);
}

TEST_F(TickTest, SingleStepOffTheScreenStopsInsteadOfSteppingForever)
{
    setInitial("10,03", "5", "20", "0");
    ASSERT_FALSE(sim.d.timer1);
    sim.command16_Click(); // one step: x passes 10.03 + 0.8 m, off the right edge
    EXPECT_EQ(rig.beeper.beeps, 1);
    EXPECT_FALSE(sim.d.timer1);
    EXPECT_EQ(sim.s.temps, 0.0f);
    EXPECT_NEAR(sim.d.projLeft, 14.0 + 36.0 * 10.03, 1e-9);
}

// In the air the tick reads the flight integrated at launch: its positions are DragFlight's at
// each tick's t, its contacts are the landing and the bounces, and it lands short of the
// vacuum flight from the same launch.
TEST_F(TickTest, WithAirTheTickReadsTheFlightIntegratedAtLaunch)
{
    setInitial("0", "0", "10", "45");
    sim.Check_Click(4, false); // the bounces go on past the edge
    const Flight vacuum = sim.flight();
    sim.setOption(*option(QStringLiteral("drag")), true);
    EXPECT_EQ(sim.dragText(DragBox::Cx), QStringLiteral("0,25")); // the ballon's
    EXPECT_EQ(sim.dragText(DragBox::Rho), QStringLiteral("1,20"));
    const DragFlight expected(vacuum, DragLaw::quadratic(1.2, 0.25, 0.22), true);
    ASSERT_GT(expected.contacts().size(), 2u);

    QSignalSpy landed(&sim, &Simulation::landed);
    QSignalSpy bounced(&sim, &Simulation::bounced);
    sim.command15_Click();
    for (int ticks = 0; ticks < 1000; ++ticks) {
        sim.Timer1_Timer();
        if (!sim.d.timer1)
            break;
        const DragState at = expected.at(sim.s.temps).state;
        ASSERT_DOUBLE_EQ(sim.s.xy[0], at.x) << sim.s.temps;
        ASSERT_DOUBLE_EQ(sim.s.xy[1], std::max(at.y, 0.0)) << sim.s.temps;
    }
    EXPECT_FALSE(sim.d.timer1);
    EXPECT_EQ(landed.count(), 1);
    EXPECT_EQ(bounced.count(), int(expected.contacts().size()) - 1);
    EXPECT_NEAR(sim.s.xy[0], expected.contacts().back().x, 1e-9);
    EXPECT_LT(expected.contacts().front().x, vacuum.x(*vacuum.timeOfFlight()) - 0.3);
}

// The Moon has no air: the option cannot be set there and a flight there is the vacuum's.
TEST_F(TickTest, TheMoonTakesTheAirAway)
{
    const Option &drag = *option(QStringLiteral("drag"));
    sim.setOption(drag, true);
    EXPECT_TRUE(drag.isEnabled(sim.c, sim.d));
    sim.Combo1_Click(1);
    EXPECT_FALSE(drag.isEnabled(sim.c, sim.d));
    EXPECT_FALSE(sim.c.drag);
    sim.command15_Click();
    sim.Timer1_Timer();
    EXPECT_EQ(sim.airFlight(), nullptr);
    EXPECT_NEAR(sim.s.xy[1], sim.flight().y(sim.s.temps), 1e-9);
}
