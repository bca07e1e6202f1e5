#include "core/tables.h"
#include "support/doubles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orbane;
using orbane::test::Rig;

namespace {
struct AnimationTest : ::testing::Test
{
    QTemporaryDir dir;
    Rig rig{dir.path()};
    Simulation &sim = rig.sim;
    void SetUp() override { sim.Form_Load(); }
};
} // namespace

TEST_F(AnimationTest, PauseStopsThenSingleSteps)
{
    sim.command15_Click();
    sim.Timer1_Timer();
    sim.Timer1_Timer();
    sim.command16_Click();
    EXPECT_FALSE(sim.d.timer1);
    EXPECT_FLOAT_EQ(sim.s.temps, 0.08f);
    EXPECT_FALSE(sim.d.projVisible); // paused: still drawn by the redraw
    sim.command16_Click();
    EXPECT_FALSE(sim.d.timer1);
    EXPECT_FLOAT_EQ(sim.s.temps, 0.12f);
    sim.command15_Click(); // resumes
    EXPECT_TRUE(sim.d.timer1);
}

TEST_F(AnimationTest, ProjectileThatCannotMoveDisablesTheAnimationButtons)
{
    sim.TextN_Change(4, QStringLiteral("-30"));
    sim.voxvoy();
    sim.command18_Click();
    EXPECT_FALSE(sim.d.animationButtons);
    sim.TextN_Change(4, QStringLiteral("77"));
    sim.TextN_Change(3, QStringLiteral("0"));
    sim.voxvoy();
    sim.command18_Click();
    EXPECT_FALSE(sim.d.animationButtons);
    // Even if pressed, "Simulation" starts nothing on the ground with no speed.
    sim.command15_Click();
    EXPECT_FALSE(sim.d.timer1);
    sim.TextN_Change(2, QStringLiteral("3"));
    sim.command18_Click();
    EXPECT_TRUE(sim.d.animationButtons);
}

TEST_F(AnimationTest, StopAndResetBringBackTheInitialSituation)
{
    sim.TextN_Change(1, QStringLiteral("2,5"));
    sim.TextN_Change(2, QStringLiteral("1"));
    sim.command18_Click();
    EXPECT_EQ(sim.d.Label1, QStringLiteral("Coordonnées : x = 2,50 m ; y = 1,00 m. "));
    sim.command12_Click();
    for (int i = 0; i < 10; ++i)
        sim.Timer1_Timer();
    sim.Image4_Click();
    EXPECT_FALSE(sim.d.timer1);
    EXPECT_EQ(sim.s.chronoactif, 0);
    EXPECT_EQ(sim.s.temps, 0.0f);
    EXPECT_TRUE(sim.s.affinit);
    EXPECT_TRUE(sim.d.projVisible);
    EXPECT_DOUBLE_EQ(sim.d.projLeft, 14.0 + 90.0);
    EXPECT_DOUBLE_EQ(sim.d.projTop, 420.0 - 36.0);
    EXPECT_EQ(sim.d.Label3, QStringLiteral(" Date: t = 0,00 s."));
}

TEST_F(AnimationTest, CameraWarnsWhenTheVariationIntervalIsNotTwiceThePhotoInterval)
{
    test::controlsOf(sim).Check[6] = true;
    test::controlsOf(sim).Check[9] = true;
    sim.command12_Click(); // 2 x 300 = 6 x 100: no warning
    EXPECT_TRUE(rig.dialogs.shown.empty());
    sim.command12_Click(); // stops recording
    EXPECT_EQ(sim.s.chronoactif, 0);
    EXPECT_TRUE(sim.d.timer1); // the animation goes on

    test::controlsOf(sim).UpDown1 = 5;
    sim.command12_Click();
    ASSERT_EQ(rig.dialogs.shown.size(), 1u);
    EXPECT_EQ(rig.dialogs.shown[0].title, QStringLiteral("Avertissement"));
    EXPECT_EQ(rig.dialogs.shown[0].icon, MsgIcon::Information);
    EXPECT_EQ(rig.dialogs.shown[0].prompt,
              QStringLiteral("Il est préférable que l'intervalle de temps qui permet de "
                             "représenter les variations\n"
                             "du vecteur vitesse soit le double de la durée entre deux "
                             "photographies.\n"
                             "Pour chaque photographie, la représentation sera calculée avec un "
                             "intervalle\n"
                             "de temps de 600 ms."));
    EXPECT_EQ(sim.s.chronoactif, 1);
}

TEST_F(AnimationTest, EffacerForgetsMarksAndReturnsToTheStart)
{
    sim.command15_Click();
    for (int i = 0; i < 10; ++i)
        sim.Timer1_Timer();
    rig.hooks.marks.add({50, 60, 0, 0, true});
    const int loads = rig.hooks.loaded.size();
    sim.Command13_Click();
    EXPECT_EQ(rig.hooks.marks.nbphotos(), 0);
    EXPECT_EQ(rig.hooks.loaded.size(), loads + 1); // bare picture reloaded
    EXPECT_FALSE(sim.d.timer1);
    EXPECT_EQ(sim.s.temps, 0.0f);
    EXPECT_EQ(sim.d.projTop, 420.0);
}
