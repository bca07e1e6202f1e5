#include "core/tables.h"
#include "scenefixture.h"

#include <cmath>

using namespace orbane;
using RedrawTest = orbane::test::SceneFixture;

namespace {
// True when the projectile's picture (opaque at its centre) lies at this top-left corner.
bool projectileAt(const QImage &img, QPoint topLeft)
{
    return img.pixelColor(topLeft + QPoint(16, 16)) != QColor(Qt::black);
}
} // namespace

TEST_F(RedrawTest, ImagePhotographWithProjectionsLeavesThreeCopies)
{
    test::controlsOf(sim).Check[9] = false;
    test::controlsOf(sim).Check[11] = true;
    sim.TextN_Change(2, QStringLiteral("5"));
    sim.TextN_Change(3, QStringLiteral("3"));
    sim.voxvoy();
    sim.command18_Click();
    for (int i = 0; i < 5; ++i)
        sim.command16_Click(); // five single steps
    sim.command12_Click();     // records, photograph at the next tick
    sim.Timer1_Timer();
    ASSERT_EQ(sim.s.photo, 1);
    const QPoint place(int(std::lround(sim.d.projLeft)), int(std::lround(sim.d.projTop)));
    canvas().clear();
    const QImage kept = canvas().persistent();
    EXPECT_TRUE(projectileAt(kept, place));
    EXPECT_TRUE(projectileAt(kept, QPoint(16, place.y())));
    EXPECT_TRUE(projectileAt(kept, QPoint(place.x(), 420)));
    EXPECT_FALSE(projectileAt(kept, QPoint(200, 100)));
}

TEST_F(RedrawTest, FrozenVectorsAreDrawnOnceOnThePhotographTick)
{
    test::controlsOf(sim).Check[5] = true;
    test::controlsOf(sim).Check[9] = true;
    sim.command12_Click(); // records and launches: photograph at t = 0, then every 0.3 s
    for (int i = 0; i < 9; ++i)
        sim.Timer1_Timer();
    ASSERT_EQ(sim.s.photo, 1);
    EXPECT_TRUE(renderer->vectorsFrozen());
    // The frozen velocity stays in the persistent picture after a clear.
    const QPointF b = renderer->base(false);
    const QPointF v = renderer->velocityAt(sim.s.temps);
    const QPoint mid(int(std::lround(b.x() + 10 * v.x())), int(std::lround(b.y() + 10 * v.y())));
    canvas().clear();
    EXPECT_EQ(canvas().persistent().pixelColor(mid), colour(sim.c.Label4[0]));
    sim.Timer1_Timer();
    EXPECT_FALSE(renderer->vectorsFrozen()); // between photographs the vectors are live
}

TEST_F(RedrawTest, MarksAreCrossesThatVanishWhenForgotten)
{
    test::controlsOf(sim).Check[2] = true;
    test::controlsOf(sim).Check[10] = true;
    sim.TextN_Change(2, QStringLiteral("6"));
    sim.TextN_Change(3, QStringLiteral("0"));
    sim.voxvoy();
    sim.command18_Click();
    sim.command12_Click();
    sim.Timer1_Timer(); // mark at t = 0
    ASSERT_EQ(renderer->marks().nbphotos(), 1);
    const PhotoMark m = renderer->marks().marks[0];
    EXPECT_EQ(m.x, 30);
    EXPECT_EQ(m.y, 436 - 6 * 36);
    const QColor cross = colour(sim.c.Label4[6]);
    QImage img = shown();
    for (QPoint d : {QPoint(-3, 0), QPoint(3, 0), QPoint(0, -3), QPoint(0, 3)})
        EXPECT_EQ(img.pixelColor(QPoint(m.x, m.y) + d), cross);
    EXPECT_NE(img.pixelColor(m.x + 6, m.y), cross);
    // No picture of the projectile is frozen in mark mode.
    canvas().clear();
    EXPECT_EQ(canvas().persistent().pixelColor(m.x, m.y), QColor(Qt::black));

    for (int i = 0; i < 20 && sim.d.timer1; ++i)
        sim.Timer1_Timer();
    EXPECT_GE(renderer->marks().nbphotos(), 3);
    sim.Command13_Click(); // "Effacer" forgets the marks
    EXPECT_EQ(renderer->marks().nbphotos(), 0);
    img = shown();
    EXPECT_NE(img.pixelColor(m.x + 3, m.y), cross);
}

TEST_F(RedrawTest, ColourChangeRecoloursTheMostRecentMarkOnly)
{
    test::controlsOf(sim).Check[2] = true;
    test::controlsOf(sim).Check[11] = true;
    sim.TextN_Change(2, QStringLiteral("8"));
    sim.TextN_Change(3, QStringLiteral("4"));
    sim.TextN_Change(4, QStringLiteral("0"));
    sim.voxvoy();
    sim.command18_Click();
    sim.command12_Click();
    for (int i = 0; i < 12; ++i)
        sim.Timer1_Timer();
    ASSERT_GE(renderer->marks().nbphotos(), 2);
    sim.command16_Click();
    const QColor before = colour(sim.c.Label4[6]);
    test::controlsOf(sim).Label4[6] = rgb(0, 255, 0);
    test::controlsOf(sim).Label4[8] = rgb(255, 255, 255);
    sim.Check_Click(5, sim.c.Check[5]); // any redraw
    const QImage img = shown();
    const PhotoMark &older = renderer->marks().marks[renderer->marks().nbphotos() - 2];
    const PhotoMark &latest = renderer->marks().marks.back();
    EXPECT_EQ(img.pixelColor(latest.x + 3, latest.y), QColor(0, 255, 0));
    EXPECT_EQ(img.pixelColor(older.x + 3, older.y), before);
    // Projections of the latest mark on the vertical axis, in swatch 8.
    EXPECT_EQ(img.pixelColor(27, latest.y), QColor(255, 255, 255));
}

TEST_F(RedrawTest, MarkRecordingStopsAtTheSixteenBitCount)
{
    for (int i = 0; i < PhotoMarks::kMax; ++i)
        renderer->recordMark({qint16(30 + i % 300), 100, 0, 0, false});
    test::controlsOf(sim).Check[2] = true;
    sim.command12_Click();
    sim.Timer1_Timer();
    EXPECT_EQ(renderer->marks().nbphotos(), PhotoMarks::kMax);
}

TEST_F(RedrawTest, RecheckingTheTrajectoryRestartsItAtTheCurrentPoint)
{
    test::controlsOf(sim).Check[8] = true;
    sim.command15_Click();
    std::vector<QPoint> centres;
    const auto step = [&] {
        sim.Timer1_Timer();
        const QPointF p = renderer->base(true);
        centres.emplace_back(int(std::lround(p.x())), int(std::lround(p.y())));
    };
    for (int i = 0; i < 5; ++i)
        step();
    sim.Check_Click(8, false);
    for (int i = 0; i < 5; ++i)
        step();
    sim.Check_Click(8, true);
    for (int i = 0; i < 3; ++i)
        step();
    const QImage kept = canvas().persistent();
    const QColor yellow = colour(sim.c.Label4[5]);
    // Whether the segment between two centres was drawn: yellow around its middle.
    const auto drawn = [&](int a, int b) {
        const QPoint mid = (centres[a] + centres[b]) / 2;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (kept.pixelColor(mid + QPoint(dx, dy)) == yellow)
                    return true;
        return false;
    };
    // Launch point of the trajectory: the picture's centre at the initial position.
    EXPECT_EQ(kept.pixelColor(QPoint(30, 436)), yellow);
    EXPECT_TRUE(drawn(1, 2));
    EXPECT_TRUE(drawn(3, 4));
    for (int i = 4; i < 10; ++i) // nothing while unchecked, nor joining the gap
        EXPECT_FALSE(drawn(i, i + 1)) << i;
    EXPECT_TRUE(drawn(10, 11));
    EXPECT_TRUE(drawn(11, 12));
}

TEST_F(RedrawTest, RedrawBetweenTicksDoesNotTakeThePhotographAgain)
{
    test::controlsOf(sim).Check[2] = true;
    sim.TextN_Change(2, QStringLiteral("6"));
    sim.TextN_Change(3, QStringLiteral("0"));
    sim.voxvoy();
    sim.command18_Click();
    sim.command12_Click();
    sim.Timer1_Timer();
    ASSERT_EQ(renderer->marks().nbphotos(), 1);
    sim.Check_Click(5, true); // an option clicked before the next tick
    sim.Check_Click(1, sim.c.Check[1]);
    EXPECT_EQ(renderer->marks().nbphotos(), 1);
    sim.Timer1_Timer(); // 0.04 s: no photograph due
    EXPECT_EQ(renderer->marks().nbphotos(), 1);
}
