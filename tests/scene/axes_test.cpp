#include "scenefixture.h"

using namespace orbane;
using AxesTest = orbane::test::SceneFixture;

TEST_F(AxesTest, TicksWithoutTheGrid)
{
    test::controlsOf(sim).Check[1] = true;
    test::controlsOf(sim).Check[3] = false;
    renderer->repere();
    const QImage img = shown();
    const QColor white(Qt::white);
    // Twelve ticks on the vertical axis, from X = 28 to 33.
    EXPECT_EQ(countInColumn(img, 28, 30, 799, white), 12); // the arrow head is above 30
    for (int y = 40; y <= 436; y += 36) {
        EXPECT_EQ(img.pixelColor(28, y), white) << y;
        EXPECT_EQ(img.pixelColor(33, y), white) << y;
        if (y != 436) { // the horizontal axis goes on from there
            EXPECT_NE(img.pixelColor(34, y), white) << y;
        }
        EXPECT_NE(img.pixelColor(27, y), white) << y;
    }
    // Eleven ticks on the horizontal axis, from Y = 433 to 439.
    EXPECT_EQ(countInRow(img, 439, 0, 390, white), 11); // the arrow head is beyond 390
    for (int x = 30; x <= 390; x += 36) {
        EXPECT_EQ(img.pixelColor(x, 433), white) << x;
        EXPECT_EQ(img.pixelColor(x, 439), white) << x;
        EXPECT_NE(img.pixelColor(x, 440), white) << x;
    }
    // No grid inside the field.
    EXPECT_EQ(countInRow(img, 400, 35, 390, white), 0);
}

TEST_F(AxesTest, AxesAndArrowHeads)
{
    test::controlsOf(sim).Check[3] = false;
    renderer->repere();
    const QImage img = shown();
    const QColor white(Qt::white);
    EXPECT_EQ(countInRow(img, 436, 30, 402, white), 402 - 30 + 1);
    EXPECT_EQ(countInColumn(img, 30, 20, 436, white), 436 - 20 + 1);
    EXPECT_NE(img.pixelColor(403, 436), white);
    EXPECT_NE(img.pixelColor(30, 19), white);
    for (QPoint p : {QPoint(394, 440), QPoint(394, 432), QPoint(398, 438), QPoint(34, 28),
                     QPoint(26, 28), QPoint(32, 24)})
        EXPECT_EQ(img.pixelColor(p), white) << p.x() << "," << p.y();
}

TEST_F(AxesTest, DottedGridLiesUnderTheSolidAxes)
{
    test::controlsOf(sim).Check[3] = true;
    renderer->repere();
    const QImage img = shown();
    const QColor white(Qt::white);
    // A grid line is one pixel in two, from X = 30 to 390.
    const int dots = countInRow(img, 400, 31, 389, white);
    EXPECT_GE(dots, 175);
    EXPECT_LE(dots, 195);
    EXPECT_NE(img.pixelColor(391, 400), white);
    const int vdots = countInColumn(img, 390, 41, 435, white);
    EXPECT_GE(vdots, 190);
    EXPECT_LE(vdots, 210);
    // The solid axes cover the grid lines under them.
    EXPECT_EQ(countInRow(img, 436, 30, 390, white), 361);
    EXPECT_EQ(countInColumn(img, 30, 40, 436, white), 397);
    // The grid has no ticks outside the field.
    EXPECT_NE(img.pixelColor(28, 400), white);
}

TEST_F(AxesTest, CheckingTheAxesEnablesTheGridOptionAndKeepsItsValue)
{
    test::controlsOf(sim).Check[3] = true;
    sim.Check_Click(1, true);
    EXPECT_TRUE(sim.d.check3Enabled);
    EXPECT_EQ(countInRow(shown(), 400, 31, 389, QColor(Qt::white)) > 100, true);
    sim.Check_Click(1, false);
    EXPECT_FALSE(sim.d.check3Enabled);
    EXPECT_TRUE(sim.c.Check[3]);
    EXPECT_EQ(countInColumn(shown(), 30, 20, 436, QColor(Qt::white)), 0);
}

TEST_F(AxesTest, SwatchFourRecoloursAxesAtTheNextRedraw)
{
    test::controlsOf(sim).Check[1] = true;
    test::controlsOf(sim).Label4[4] = rgb(0, 200, 0);
    sim.Check_Click(3, sim.c.Check[3]);
    EXPECT_EQ(at(30, 200), QColor(0, 200, 0));
    EXPECT_EQ(at(200, 436), QColor(0, 200, 0));
}
