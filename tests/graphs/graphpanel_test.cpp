#include "graphs/graphpanel.h"
#include "graphtesting.h"
#include "scene/scenefixture.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace orbane;
using namespace orbane::graphs;
using namespace orbane::graphs::test;
namespace gt = orbane::graphs::test;

namespace {

struct GraphPanelTest : orbane::test::SceneFixture
{
    std::unique_ptr<GraphPanel> panel;
    int openings = 0;
    Qt::CursorShape cursorWhileOpen = Qt::ArrowCursor;

    void SetUp() override
    {
        SceneFixture::SetUp();
        panel = std::make_unique<GraphPanel>(sim);
        QObject::connect(panel.get(), &GraphPanel::graphWindowRequested, [this] {
            ++openings;
            cursorWhileOpen = panel->command5()->cursor().shape();
        });
    }
    void TearDown() override
    {
        panel.reset();
        SceneFixture::TearDown();
    }
    void click(int index) { panel->choicePanel()->box(index)->click(); }
    Choice choice() const { return sim.c.Check13; }
};

} // namespace

TEST_F(GraphPanelTest, StartUpOpensTheChoicePanelWithAfficherDisabled)
{
    ChoicePanel *p5 = panel->choicePanel();
    EXPECT_FALSE(p5->isHidden());
    EXPECT_EQ(p5->geometry(), QRect(2, 2, 357, 205));
    EXPECT_FALSE(p5->command6()->isEnabled());
    int shown = 0; // W(f) waits for a flight in the air
    for (QCheckBox *box : p5->findChildren<QCheckBox *>(QStringLiteral("Check13")))
        shown += box->isHidden() ? 0 : 1;
    EXPECT_EQ(shown, 8);
    EXPECT_EQ(p5->box(4)->geometry().topLeft(), QPoint(48, 96));
    EXPECT_EQ(p5->box(7)->geometry().topLeft(), QPoint(248, 152));
}

TEST_F(GraphPanelTest, ChoiceFollowsTheGroupRule)
{
    click(0);
    click(1);
    EXPECT_EQ(choice(), (Choice{1, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(panel->choicePanel()->command6()->isEnabled());
    click(4);
    EXPECT_EQ(choice(), (Choice{0, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_FALSE(panel->choicePanel()->box(0)->isChecked());
    // Unchecking the last box disables "Afficher" and leaves the graph as it was.
    const QImage before = panel->image();
    click(4);
    EXPECT_EQ(choice(), Choice{});
    EXPECT_FALSE(panel->choicePanel()->command6()->isEnabled());
    EXPECT_EQ(panel->image(), before);
}

TEST_F(GraphPanelTest, ChangingTheChoiceRedrawsTheFrame)
{
    click(3); // vy(t) of the default upward launch changes sign
    EXPECT_TRUE(panel->graph().axeneg());
    EXPECT_EQ(gt::at(panel->graph().surface(), 150, 110), kBlack);
    click(0); // x(t): zero line back at the bottom
    EXPECT_FALSE(panel->graph().axeneg());
    EXPECT_EQ(gt::at(panel->graph().surface(), 150, 200), kBlack);
}

TEST_F(GraphPanelTest, AfficherHidesAndMenuShowsTheChoicePanel)
{
    click(0);
    panel->choicePanel()->command6()->click();
    EXPECT_TRUE(panel->choicePanel()->isHidden());
    panel->command3()->click();
    EXPECT_FALSE(panel->choicePanel()->isHidden());
    // With nothing chosen, a new frame opens the panel again.
    panel->Command6_Click();
    orbane::test::controlsOf(sim).Check13 = {};
    panel->repgraphe();
    EXPECT_FALSE(panel->choicePanel()->isHidden());
}

TEST_F(GraphPanelTest, PointerAndHintOverTheGraph)
{
    QSignalSpy hints(panel.get(), &GraphPanel::hintChanged);
    const struct
    {
        double x;
        bool menuEnabled;
        bool enlarge;
        const char *hint;
    } cases[] = {
        {100, true, true, "Ce graphe peut être agrandi"},
        {269.5, true, true, "Ce graphe peut être agrandi"},
        {270, true, false, "Ce graphe peut être agrandi"},
        {100, false, false, "Le graphe est tracé pendant l'animation"},
    };
    for (const auto &c : cases) {
        orbane::test::displayOf(sim).command3Enabled = c.menuEnabled;
        panel->frame1_MouseMove(c.x, 50);
        const Qt::CursorShape shape = panel->cursor().shape();
        EXPECT_EQ(shape == Qt::BitmapCursor, c.enlarge) << c.x << " " << c.menuEnabled;
        EXPECT_EQ(c.enlarge ? Qt::BitmapCursor : Qt::ArrowCursor, shape);
        ASSERT_FALSE(hints.isEmpty());
        EXPECT_EQ(hints.takeLast().at(0).toString(), QString::fromUtf8(c.hint));
    }
}

TEST_F(GraphPanelTest, MouseEventsUseTheSurfaceUnits)
{
    panel->Command6_Click();
    panel->show();
    QSignalSpy hints(panel.get(), &GraphPanel::hintChanged);
    // Widget pixel 100 is unit 101: inside the enlarging part.
    QTest::mouseMove(panel.get(), QPoint(100, 100));
    EXPECT_EQ(panel->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(GraphPanel::toUnits(QPoint(268, 10)), QPointF(269, 11));
    QTest::mouseMove(panel.get(), QPoint(269, 100));
    EXPECT_EQ(panel->cursor().shape(), Qt::ArrowCursor);
    EXPECT_GE(hints.count(), 2);
    QSignalSpy choiceHints(panel.get(), &GraphPanel::hintChanged);
    panel->Command3_Click();
    QTest::mouseMove(panel->choicePanel(), QPoint(20, 20));
    ASSERT_FALSE(choiceHints.isEmpty());
    EXPECT_EQ(choiceHints.takeLast().at(0).toString(),
              QStringLiteral("Sélectionner le graphe qui sera affiché pendant l'animation"));
}

TEST_F(GraphPanelTest, ClickEnlargesOnlyWhereThePointerSaysSo)
{
    panel->frame1_MouseMove(300, 50);
    panel->frame1_Click();
    EXPECT_EQ(openings, 0);
    orbane::test::displayOf(sim).command3Enabled = false;
    panel->frame1_MouseMove(100, 50);
    panel->frame1_Click();
    EXPECT_EQ(openings, 0);
    orbane::test::displayOf(sim).command3Enabled = true;
    panel->frame1_MouseMove(100, 50);
    panel->frame1_Click();
    EXPECT_EQ(openings, 1);
    EXPECT_EQ(cursorWhileOpen, Qt::WaitCursor);
    EXPECT_EQ(panel->command5()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(panel->cursor().shape(), Qt::BitmapCursor); // the enlarging icon is back
}

TEST_F(GraphPanelTest, ButtonsFollowTheSimulation)
{
    sim.command15_Click();
    sim.Timer1_Timer();
    EXPECT_FALSE(panel->command3()->isEnabled());
    EXPECT_FALSE(panel->command5()->isEnabled());
    panel->command5()->click(); // disabled: nothing opens
    EXPECT_EQ(openings, 0);
    sim.Image4_Click();
    sim.command18_Click();
    EXPECT_TRUE(panel->command3()->isEnabled());
    panel->command5()->click();
    EXPECT_EQ(openings, 1);
}

TEST_F(GraphPanelTest, AFlightDrawsItsCurvesUntilTheFirstLanding)
{
    click(0);
    click(1);
    panel->Command6_Click();
    const double tvol = [&] {
        sim.command15_Click();
        return panel->graph().tvol();
    }();
    int ticks = 0;
    bool bounced = false;
    QImage atLanding;
    while (sim.d.timer1 && ticks < 2000) {
        sim.Timer1_Timer();
        ++ticks;
        if (sim.s.enrebond != 0 && !bounced) {
            bounced = true;
            atLanding = panel->image().copy();
        }
    }
    ASSERT_TRUE(bounced) << "the ball bounces";
    // Nothing was added during the bounces.
    EXPECT_EQ(panel->image(), atLanding);
    const Surface &s = panel->graph().surface();
    const double span = panel->graph().echt() * std::pow(10.0, panel->graph().expt());
    const double xEnd = 20 + 240 * tvol / span;
    EXPECT_GT(countNear(s, QRect(21, 21, int(xEnd) - 22, 178), kRed, 0), 50);
    EXPECT_GT(countNear(s, QRect(21, 21, int(xEnd) - 22, 178), kBlue, 0), 50);
    // Between the end of the flight and the legend (x = 280) nothing is drawn.
    const QRect after(int(xEnd) + 2, 21, 276 - int(xEnd), 178);
    ASSERT_GT(after.width(), 5);
    EXPECT_EQ(countNear(s, after, kRed, 0), 0);
    EXPECT_EQ(countNear(s, after, kBlue, 0), 0);
}

// A loaded configuration or exercise is a new situation: the last flight's curves go.
TEST_F(GraphPanelTest, LoadingAConfigurationClearsTheCurves)
{
    click(0); // x(t)
    panel->Command6_Click();
    sim.command15_Click();
    const QImage frame = panel->image();
    for (int i = 0; i < 20; ++i)
        sim.Timer1_Timer();
    ASSERT_NE(panel->image(), frame);
    sim.Image4_Click();
    sim.applyControls(sim.c);
    EXPECT_EQ(panel->image(), frame);
}
