#include "core/drag.h"
#include "core/options.h"
#include "core/tables.h"
#include "scene/vectors.h"
#include "scenefixture.h"

#include <cmath>

using namespace orbane;
using VectorsTest = orbane::test::SceneFixture;

namespace {
const QColor kRed(255, 0, 0);
}

TEST_F(VectorsTest, ArrowHeadsOfAxisParallelVectors)
{
    struct Case
    {
        double cx, cy;
        QPoint stroke1, stroke2; // ends of the two strokes, relative to the tip
    };
    const Case cases[] = {
        {50, 0, {-10, -5}, {-10, 5}},  // right
        {-50, 0, {10, -5}, {10, 5}},   // left
        {0, 50, {5, -10}, {-5, -10}},  // down
        {0, -50, {5, 10}, {-5, 10}},   // up
        {0, 0, {-10, -5}, {-10, 5}},   // a zero vector points right
    };
    for (const Case &c : cases) {
        canvas().clear();
        renderer->fleche(200, 200, c.cx, c.cy, kRed);
        const QImage img = shown();
        const QPoint tip(200 + int(c.cx), 200 + int(c.cy));
        EXPECT_EQ(img.pixelColor(tip), kRed) << c.cx << "," << c.cy;
        EXPECT_EQ(img.pixelColor(tip + c.stroke1), kRed) << c.cx << "," << c.cy;
        EXPECT_EQ(img.pixelColor(tip + c.stroke2), kRed) << c.cx << "," << c.cy;
        // Nothing past the tip along the shaft.
        const QPoint beyond = tip + QPoint(c.cx > 0 ? 2 : c.cx < 0 ? -2 : 0,
                                           c.cy > 0 ? 2 : c.cy < 0 ? -2 : 0);
        if (beyond != tip) {
            EXPECT_NE(img.pixelColor(beyond), kRed) << c.cx << "," << c.cy;
        }
    }
}

TEST_F(VectorsTest, ObliqueArrowHeadIsTenPixelsBackAndFiveAside)
{
    renderer->fleche(100, 100, 30, 40, kRed); // a 3-4-5 direction
    const QImage img = shown();
    // Back point (130 - 6, 140 - 8); strokes 5 pixels across: (+4, -3) and (-4, +3).
    EXPECT_EQ(img.pixelColor(128, 129), kRed);
    EXPECT_EQ(img.pixelColor(120, 135), kRed);
    EXPECT_EQ(img.pixelColor(130, 140), kRed);
}

TEST_F(VectorsTest, BeforeLaunchOnlyTheWeightShows)
{
    for (int i : {5, 6, 7, 12})
        test::controlsOf(sim).Check[i] = true;
    sim.Check_Click(5, sim.c.Check[5]);
    const QImage before = shown();
    const auto count = [&](const QImage &img, Rgb c) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            n += countInRow(img, y, 0, 408, colour(c));
        return n;
    };
    EXPECT_EQ(count(before, sim.c.Label4[0]), 0);
    EXPECT_EQ(count(before, sim.c.Label4[1]), 0);
    EXPECT_EQ(count(before, sim.c.Label4[2]), 0);
    EXPECT_GT(count(before, sim.c.Label4[7]), 100);

    sim.command15_Click();
    sim.Timer1_Timer();
    sim.command16_Click(); // paused at t > 0: all appear
    sim.Check_Click(5, sim.c.Check[5]);
    const QImage after = shown();
    for (int i : {0, 1, 2, 3, 7})
        EXPECT_GT(count(after, sim.c.Label4[i]), 10) << i;
}

TEST_F(VectorsTest, WeightArrowLengthsOnEarth)
{
    test::controlsOf(sim).Check[12] = true;
    ASSERT_EQ(vectorscale::force(sim.c.VScroll3), 30);
    sim.Check_Click(12, sim.c.Check[12]);
    const QColor cyan = colour(sim.c.Label4[7]);
    EXPECT_EQ(lowest(shown(), 30, cyan), 436 + 132); // 30 x 0.45 x 9.8 = 132.3

    sim.Combo2_Click(test::kRocher);
    sim.Check_Click(12, sim.c.Check[12]);
    EXPECT_EQ(lowest(shown(), 30, cyan), 436 + 54); // 30 x 1830 x 9.8 / 10 000 = 53.8
    EXPECT_EQ(vectorscale::forceLegend(test::kRocher), QStringLiteral("10 000 N"));
    EXPECT_EQ(vectorscale::forceLegend(2), QStringLiteral("1 N"));
}

TEST_F(VectorsTest, VelocityVariationAndItsConstructionMeetAtTheTip)
{
    sim.command15_Click();
    for (int i = 0; i < 10; ++i)
        sim.Timer1_Timer();
    sim.command16_Click();
    ASSERT_EQ(vectorscale::velocity(sim.c.VScroll1), 20);
    ASSERT_EQ(sim.c.UpDown1, 6);
    EXPECT_EQ(vectorscale::label9(sim.c.UpDown1), QStringLiteral("600"));

    const QPointF b = renderer->base(false);
    const int bx = int(std::lround(b.x()));
    const int tipY = int(std::lround(b.y() + 117.6)); // 20 x 9.8 x 6 / 10

    canvas().clear();
    renderer->deltaV();
    EXPECT_EQ(lowest(shown(), bx, colour(sim.c.Label4[1])), tipY);

    canvas().clear();
    renderer->constdeltaV();
    const QImage construction = shown();
    EXPECT_EQ(construction.pixelColor(bx, tipY), colour(sim.c.Label4[3]));
    // The first vector is the velocity at t + 0.3 s.
    const QPointF v = renderer->velocityAt(sim.s.temps + 0.3);
    const QPoint tip1(int(std::lround(b.x() + 20 * v.x())), int(std::lround(b.y() + 20 * v.y())));
    const QColor c1 = construction.pixelColor(tip1);
    EXPECT_TRUE(c1 == colour(sim.c.Label4[2]) || c1 == colour(sim.c.Label4[3]));
}

namespace {
// Pixels of `c` in the rectangle.
int countIn(const QImage &img, const QRect &r, const QColor &c)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += img.valid(x, y) && img.pixelColor(x, y) == c;
    return n;
}
} // namespace

// In flight m·Δv/Δt, in its own colour 16 pixels right of the weight's point, is as long as P
// and its head stays clear of P's; "Nommer les vecteurs" writes the symbols beside the heads.
TEST_F(VectorsTest, SecondLawArrowMatchesTheWeightBesideItAndBothAreNamed)
{
    sim.Check_Click(6, true);
    sim.Check_Click(12, true);
    sim.command15_Click();
    for (int i = 0; i < 10; ++i)
        sim.Timer1_Timer();
    sim.command16_Click();
    const int bx = int(std::lround(renderer->base(true).x()));
    const QColor law = colour(sim.c.secondLawColour), cyan = colour(sim.c.Label4[7]);
    const int weightTip = lowest(shown(), bx, cyan);
    EXPECT_EQ(lowest(shown(), bx + 16, law), -1);
    sim.secondLaw_Click(true);
    EXPECT_EQ(lowest(shown(), bx + 16, law), weightTip);
    // P's head spans bx ± 5 over 10 pixels above its tip: nothing of m·Δv/Δt there, nor
    // anything of P's head under m·Δv/Δt's.
    const QRect weightHead(bx - 5, weightTip - 10, 11, 11), lawHead = weightHead.translated(16, 0);
    EXPECT_EQ(countIn(shown(), weightHead.adjusted(0, 0, 3, 0), law), 0);
    EXPECT_EQ(countIn(shown(), lawHead.adjusted(-3, 0, 0, 0), cyan), 0);

    const QRect leftOfWeight(bx - 40, weightTip - 12, 32, 24);
    const QRect rightOfLaw(bx + 16 + 6, weightTip - 12, 60, 24);
    EXPECT_EQ(countIn(shown(), leftOfWeight, cyan), 0);
    EXPECT_EQ(countIn(shown(), rightOfLaw, law), 0);
    sim.setOption(*option(QStringLiteral("vectorNames")), true);
    EXPECT_GT(countIn(shown(), leftOfWeight, cyan), 5);
    EXPECT_GT(countIn(shown(), rightOfLaw, law), 5);
    // Drawn again at twice the size (a projector, paper), the name is written at that size, not
    // its picture stretched: some 2 x 2 block of its pixels is not of one colour.
    QImage twice(409 * 2, 800 * 2, QImage::Format_RGB32);
    QPainter painter(&twice);
    painter.scale(2, 2);
    renderer->canvas().paintScaled(painter, Canvas::Ink::Screen);
    painter.end();
    const QImage name = twice.copy(QRect(rightOfLaw.topLeft() * 2, rightOfLaw.size() * 2));
    EXPECT_GT(countIn(name, name.rect(), law), 20);
    bool written = false;
    for (int y = 0; y + 1 < name.height() && !written; y += 2)
        for (int x = 0; x + 1 < name.width() && !written; x += 2) {
            const QRgb c = name.pixel(x, y);
            written = name.pixel(x + 1, y) != c || name.pixel(x, y + 1) != c ||
                      name.pixel(x + 1, y + 1) != c;
        }
    EXPECT_TRUE(written);

    sim.Check_Click(7, false); // not without the construction
    EXPECT_EQ(lowest(shown(), bx + 16, law), -1);
}

TEST_F(VectorsTest, VelocityVectorFollowsTheScale)
{
    test::controlsOf(sim).Check[5] = true;
    sim.TextN_Change(4, QStringLiteral("0"));
    sim.TextN_Change(2, QStringLiteral("5"));
    sim.TextN_Change(3, QStringLiteral("5"));
    sim.voxvoy();
    sim.command18_Click();
    sim.command16_Click(); // one step
    test::controlsOf(sim).VScroll1 = 40;   // 10 pixels per m.s-1
    sim.Check_Click(5, sim.c.Check[5]);
    const QPointF b = renderer->base(false);
    const QPointF v = renderer->velocityAt(sim.s.temps);
    const QPoint tip(int(std::lround(b.x() + 10 * v.x())), int(std::lround(b.y() + 10 * v.y())));
    EXPECT_EQ(at(tip.x(), tip.y()), colour(sim.c.Label4[0]));
    EXPECT_NEAR(10 * v.x(), 50.0, 1e-4);
}

namespace {
// The air's force at the time shown, in pixels at the force scale of 30 pixels per newton.
QPointF dragTip(const Simulation &sim, QPointF base)
{
    const Vector2 f = sim.airFlight()->at(sim.s.temps).force;
    return base + QPointF(std::nearbyint(30.0 * f.x), -std::nearbyint(30.0 * f.y));
}
QPoint pixel(QPointF p) { return {int(std::lround(p.x())), int(std::lround(p.y()))}; }
const QColor kViolet = QColor::fromRgb(Controls::kDragForceColour);
} // namespace

// f at the force scale of P from the centre, named, kept on the photographs; only in the air
// and with its option.
TEST_F(VectorsTest, DragForceAtTheScaleOfTheWeightOnlyInTheAir)
{
    const Option &f = *option(QStringLiteral("dragForce"));
    EXPECT_FALSE(f.isEnabled(sim.c, sim.d));
    sim.Check_Click(12, true);
    sim.setOption(*option(QStringLiteral("drag")), true);
    EXPECT_TRUE(f.isEnabled(sim.c, sim.d));
    sim.setOption(f, true);
    test::controlsOf(sim).Check[9] = true;
    sim.command12_Click(); // photographs every 0.3 s from the launch
    for (int i = 0; i < 9; ++i) // as far as the second photograph
        sim.Timer1_Timer();
    ASSERT_EQ(sim.s.photo, 1);
    canvas().clear();
    EXPECT_GT(countIn(canvas().persistent(), canvas().persistent().rect(), kViolet), 20);
    sim.Timer1_Timer();
    sim.command16_Click();

    const QPointF b = renderer->base(true);
    const QPoint tip = pixel(dragTip(sim, b));
    EXPECT_GT(std::hypot(tip.x() - b.x(), tip.y() - b.y()), 20.0); // about 1 N at 12 m.s-1
    EXPECT_EQ(shown().pixelColor(tip), kViolet);
    EXPECT_LT(tip.x(), b.x()); // against the velocity, named on its left
    const QRect name(tip.x() - 30, tip.y() - 16, 22, 16);
    EXPECT_EQ(countIn(shown(), name, kViolet), 0);
    sim.setOption(*option(QStringLiteral("vectorNames")), true);
    EXPECT_GT(countIn(shown(), name, kViolet), 5);

    // The photographs keep theirs; the live drawing has none.
    const auto live = [&] {
        return countIn(canvas().transient(), canvas().transient().rect(), kViolet);
    };
    EXPECT_GT(live(), 20);
    sim.setOption(f, false);
    EXPECT_EQ(live(), 0);
    sim.setOption(f, true);
    sim.command18_Click();
    sim.setOption(*option(QStringLiteral("drag")), false); // the vacuum, the option kept
    EXPECT_FALSE(f.isEnabled(sim.c, sim.d));
    sim.command15_Click();
    for (int i = 0; i < 10; ++i)
        sim.Timer1_Timer();
    sim.command16_Click();
    EXPECT_EQ(live(), 0);
}

// In the air m·Δv/Δt stands beside the resultant P + f, which ends where f laid from P's tip
// ends: the second law read on the scene again.
TEST_F(VectorsTest, InTheAirSecondLawStandsBesideTheResultant)
{
    sim.Check_Click(6, true);
    sim.Check_Click(12, true);
    sim.secondLaw_Click(true);
    sim.setOption(*option(QStringLiteral("drag")), true);
    sim.command15_Click();
    for (int i = 0; i < 10; ++i)
        sim.Timer1_Timer();
    sim.command16_Click();
    const QPointF b = renderer->base(true);
    const QPointF weightTip = b + QPointF(0.0, 132.0);
    const QPoint sumTip = pixel(dragTip(sim, weightTip));
    const QColor cyan = colour(sim.c.Label4[7]), law = colour(sim.c.secondLawColour);
    EXPECT_EQ(shown().pixelColor(sumTip), cyan);
    EXPECT_EQ(shown().pixelColor(pixel(weightTip)), kViolet); // f from P's tip, head on the sum's
    // m·Δv/Δt is the mean of P + f over the interval: its tip within a pixel or two.
    int near = 0;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            near += shown().pixelColor(sumTip + QPoint(16 + dx, dy)) == law;
    EXPECT_GT(near, 0);
    // Rising, f points down: the sum ends under P's tip and its name under P's.
    ASSERT_GT(sumTip.y(), weightTip.y());
    const QRect name(sumTip.x() - 60, int(weightTip.y()) + 16, 52, 24);
    EXPECT_EQ(countIn(shown(), name, cyan), 0);
    sim.setOption(*option(QStringLiteral("vectorNames")), true);
    EXPECT_GT(countIn(shown(), name, cyan), 10);
}
