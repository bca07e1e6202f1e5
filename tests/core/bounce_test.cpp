#include "core/tables.h"
#include "support/doubles.h"

#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace orbane;
using orbane::test::Rig;

namespace {
struct BallDrop
{
    std::vector<double> arcPeaks;    // highest y of each arc (the first is the drop)
    std::vector<float> contactTimes; // temps at each ground contact
    int ticks = 0;
};

// Drops the ball and records its arcs until it rests.
BallDrop dropBall(Rig &rig, const char *y0)
{
    Simulation &sim = rig.sim;
    sim.TextN_Change(2, QString::fromLatin1(y0));
    sim.TextN_Change(3, QStringLiteral("0"));
    sim.voxvoy();
    sim.command18_Click();
    sim.command15_Click();
    BallDrop f;
    f.arcPeaks.push_back(sim.s.xy[1]);
    bool rising = false;
    double previous = sim.s.xy[1];
    while (sim.d.timer1 && f.ticks < 5000) {
        const int before = rig.sound.plays;
        const qint16 phaseBefore = sim.s.enrebond;
        sim.Timer1_Timer();
        ++f.ticks;
        const bool contact = (phaseBefore == 0 && sim.s.enrebond == 1) ||
                             (phaseBefore == 2 && sim.d.projTop == 420.0 && sim.s.xy[1] == 0.0);
        if (contact || rig.sound.plays > before)
            f.contactTimes.push_back(sim.s.temps);
        const double y = sim.s.xy[1];
        if (y > previous)
            rising = true;
        else if (rising && y < previous) {
            f.arcPeaks.push_back(previous);
            rising = false;
        }
        previous = y;
    }
    return f;
}

struct BounceTest : ::testing::Test
{
    QTemporaryDir dir;
    Rig rig{dir.path()};
    void SetUp() override { rig.sim.Form_Load(); }
};
} // namespace

TEST_F(BounceTest, BallDroppedFromTwoMetresOnTheEarth)
{
    ASSERT_EQ(rig.sim.c.Combo2, test::kBallon);
    const BallDrop f = dropBall(rig, "2");
    ASSERT_FALSE(rig.sim.d.timer1) << "the ball never came to rest";
    ASSERT_GE(f.contactTimes.size(), 2u);
    // sqrt(2 * 2 / 9.8) = 0.639 s: the first tick below the ground is t = 0.64 s.
    EXPECT_NEAR(f.contactTimes.front(), 0.64, 1e-4);
    // Each arc is lower than the one before, roughly by 0.7^2.
    ASSERT_GE(f.arcPeaks.size(), 3u);
    for (std::size_t i = 1; i < f.arcPeaks.size(); ++i) {
        EXPECT_LT(f.arcPeaks[i], f.arcPeaks[i - 1]);
        EXPECT_NEAR(f.arcPeaks[i] / f.arcPeaks[i - 1], 0.49, 0.12) << i;
    }
    // At rest: t back to 0, the ball on the ground where it stopped (straight down here).
    EXPECT_EQ(rig.sim.s.temps, 0.0f);
    EXPECT_EQ(rig.sim.s.enrebond, 0);
    EXPECT_EQ(rig.sim.d.projTop, 420.0);
    EXPECT_EQ(rig.sim.d.projLeft, 14.0);
    EXPECT_TRUE(rig.sim.d.projVisible);
    EXPECT_LT(std::abs(rig.sim.s.vyrebond), 2.0f);
    // A sound at every contact: the landing and each later contact.
    EXPECT_EQ(rig.sound.plays, int(f.contactTimes.size()));
    EXPECT_EQ(rig.beeper.beeps, 0);
}

TEST_F(BounceTest, EachContactKeepsSeventyPercentOfTheVelocity)
{
    Simulation &sim = rig.sim;
    sim.TextN_Change(4, QStringLiteral("85")); // steep enough to keep bouncing inside the scene
    sim.voxvoy();
    sim.command18_Click();
    sim.command15_Click();
    while (sim.s.enrebond != 1 && sim.d.timer1)
        sim.Timer1_Timer();
    ASSERT_EQ(sim.s.enrebond, 1);
    sim.Timer1_Timer(); // first arc starts
    EXPECT_EQ(sim.s.enrebond, 2);
    EXPECT_FLOAT_EQ(sim.s.vxrebond, 0.7f * sim.s.vox);
    EXPECT_NEAR(sim.s.vyrebond, -0.7f * (sim.s.voy - sim.s.gpes * sim.s.trebond), 1e-5);
    EXPECT_GT(sim.s.vyrebond, 0.0f);
    // The first arc starts 0.04 s after the contact.
    EXPECT_NEAR(sim.s.temps - sim.s.trebond, 0.04, 1e-6);
    const float vx = sim.s.vxrebond;
    const float trebond = sim.s.trebond;
    while (sim.s.trebond == trebond && sim.d.timer1)
        sim.Timer1_Timer();
    EXPECT_FLOAT_EQ(sim.s.vxrebond, 0.7f * vx);
}

TEST_F(BounceTest, SlowMotionStartsTheFirstArcTwentyMillisecondsLater)
{
    Simulation &sim = rig.sim;
    sim.speed_Click(true);
    sim.TextN_Change(2, QStringLiteral("1"));
    sim.TextN_Change(3, QStringLiteral("0"));
    sim.voxvoy();
    sim.command18_Click();
    sim.command15_Click();
    while (sim.s.enrebond != 1 && sim.d.timer1)
        sim.Timer1_Timer();
    sim.Timer1_Timer();
    ASSERT_EQ(sim.s.enrebond, 2);
    EXPECT_NEAR(sim.s.temps - sim.s.trebond, 0.02, 1e-6);
    const float t = sim.s.temps;
    sim.Timer1_Timer();
    EXPECT_NEAR(sim.s.temps - t, 0.005, 1e-6);
}

TEST_F(BounceTest, MoonBouncesAreSilentAndSlower)
{
    const BallDrop earth = dropBall(rig, "2");
    rig.sim.Combo1_Click(test::kMoon);
    const int playsBefore = rig.sound.plays;
    const BallDrop moon = dropBall(rig, "2");
    EXPECT_EQ(rig.sound.plays, playsBefore);
    ASSERT_FALSE(moon.contactTimes.empty());
    // sqrt(2 * 2 / 1.62) = 1.57 s.
    EXPECT_NEAR(moon.contactTimes.front(), 1.60, 0.04);
    EXPECT_GT(moon.contactTimes.front(), 2.0f * earth.contactTimes.front());
}

TEST_F(BounceTest, BallBouncingOffTheRightEdgeReturnsWithABeep)
{
    Simulation &sim = rig.sim;
    sim.TextN_Change(1, QStringLiteral("9")); // lands at 10.4 m, bounces past the edge
    sim.TextN_Change(3, QStringLiteral("4"));
    sim.TextN_Change(4, QStringLiteral("60"));
    sim.voxvoy();
    sim.command18_Click();
    sim.command15_Click();
    bool bounced = false;
    for (int i = 0; i < 2000 && sim.d.timer1; ++i) {
        sim.Timer1_Timer();
        bounced = bounced || sim.s.enrebond == 2;
    }
    EXPECT_TRUE(bounced);
    EXPECT_EQ(rig.beeper.beeps, 1);
    EXPECT_FALSE(sim.d.timer1);
    EXPECT_DOUBLE_EQ(sim.d.projLeft, 14.0 + 36.0 * 9.0);
    EXPECT_EQ(sim.s.enrebond, 0);
}

TEST_F(BounceTest, RestStopsTheRecording)
{
    Simulation &sim = rig.sim;
    sim.TextN_Change(2, QStringLiteral("1"));
    sim.TextN_Change(3, QStringLiteral("0"));
    sim.voxvoy();
    sim.command18_Click();
    sim.command12_Click(); // camera: records and launches
    ASSERT_EQ(sim.s.chronoactif, 1);
    rig.runUntilStopped();
    EXPECT_EQ(sim.s.chronoactif, 0);
    EXPECT_FALSE(sim.d.recording);
    EXPECT_EQ(sim.d.command12Tip, QStringLiteral("Chronophotographie"));
    EXPECT_EQ(sim.d.Label5, QStringLiteral("Activer la chronophotographie"));
}
