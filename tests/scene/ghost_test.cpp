#include "core/options.h"
#include "core/units.h"
#include "scenefixture.h"

#include <QLineF>
#include <algorithm>
#include <cmath>

using namespace orbane;

namespace {

struct GhostTest : test::SceneFixture
{
    void setUp(bool air, bool ghost)
    {
        sim.setOption(*option(QStringLiteral("drag")), air);
        sim.setOption(*option(QStringLiteral("vacuumGhost")), ghost);
    }
    // Records and launches, then flies a few ticks with their photographs.
    void launch()
    {
        sim.command12_Click();
        for (int i = 0; i < 20; ++i)
            sim.Timer1_Timer();
    }
};

std::vector<QPoint> ghostPixels(const QImage &img)
{
    std::vector<QPoint> out;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == SceneRenderer::ghostColour())
                out.emplace_back(x, y);
    return out;
}

// The vacuum's centre from the launch to the landing, in pixels of `scale` per scene pixel.
std::vector<QPointF> path(const Flight &vacuum, double scale)
{
    std::vector<QPointF> out;
    const double end = *vacuum.timeOfFlight();
    for (double t = 0.0; t <= end; t += 0.0005)
        out.emplace_back(scale * (scene::pixelX(vacuum.x(t)) + 0.5),
                         scale * (scene::pixelY(vacuum.y(t)) + 0.5));
    return out;
}

double distance(QPointF p, const std::vector<QPointF> &curve)
{
    double d = 1e9;
    for (const QPointF &q : curve)
        d = std::min(d, QLineF(p, q).length());
    return d;
}

// Every ghost pixel lies on the path, and the path is dashed: part of it is drawn, part not.
void expectDashedAlong(const QImage &img, const std::vector<QPointF> &curve, double scale)
{
    const std::vector<QPoint> ghost = ghostPixels(img);
    ASSERT_GT(ghost.size(), 100u);
    for (const QPoint &p : ghost)
        ASSERT_LE(distance(QPointF(p) + QPointF(0.5, 0.5), curve), 1.5 * scale)
            << p.x() << "," << p.y();
    // Along the path: how much of it is drawn, and how many gaps break it.
    int covered = 0, inside = 0, gaps = 0;
    bool was = true;
    for (const QPointF &q : curve) {
        const QPoint p(int(std::floor(q.x())), int(std::floor(q.y())));
        if (!img.rect().adjusted(1, 1, -1, -1).contains(p))
            continue;
        ++inside;
        bool near = false;
        for (int dy = -1; dy <= 1 && !near; ++dy)
            for (int dx = -1; dx <= 1 && !near; ++dx)
                near = img.pixelColor(p + QPoint(dx, dy)) == SceneRenderer::ghostColour();
        covered += near;
        gaps += was && !near;
        was = near;
    }
    EXPECT_GT(double(covered) / inside, 0.5);
    EXPECT_GT(gaps, 20);
}

} // namespace

// The vacuum's flight from the launch in the air is dashed on the scene, through a
// chronophotography, and on the chronophotograph at one and two device pixels per pixel.
TEST_F(GhostTest, TheVacuumFlightIsDashedWhereTheVacuumWouldTakeTheProjectile)
{
    for (int i = 0; i < Controls::kSwatches; ++i)
        EXPECT_NE(colour(sim.c.swatchColour(i)), SceneRenderer::ghostColour()) << i;
    setUp(true, true);
    launch();
    ASSERT_TRUE(sim.flight().air);
    const Flight vacuum = sim.flight().vacuum();
    const QImage scene = shown();
    expectDashedAlong(scene, path(vacuum, 1.0), 1.0);

    // Its highest pixels stand at the vacuum's apex, above the flight in the air.
    const double apexT = vacuum.voy / vacuum.g;
    const std::vector<QPoint> ghost = ghostPixels(scene);
    const int top = std::min_element(ghost.begin(), ghost.end(), [](QPoint a, QPoint b) {
                        return a.y() < b.y();
                    })->y();
    EXPECT_NEAR(top, scene::pixelY(vacuum.y(apexT)), 1.0);
    double middle = 0.0, n = 0.0;
    for (const QPoint &p : ghost)
        if (p.y() == top)
            middle += p.x(), n += 1.0;
    EXPECT_NEAR(middle / n, scene::pixelX(vacuum.x(apexT)), 4.0);
    const Flight air = sim.flight();
    double highest = 0.0;
    for (double t = 0.0; t < *air.timeOfFlight(); t += 0.01)
        highest = std::max(highest, air.y(t));
    EXPECT_GT(vacuum.y(apexT), highest + 0.5);

    const SceneRenderer::Chronophotograph photo = renderer->chronophotograph();
    expectDashedAlong(photo.picture, path(vacuum, 1.0), 1.0);
    expectDashedAlong(photo.at(2.0), path(vacuum, 2.0), 2.0);
}

// Not in the vacuum; it goes with the option, "Effacer" and a new projectile, and comes with
// the option during the flight it belongs to.
TEST_F(GhostTest, TheGhostGoesWithTheOptionTheSceneOrTheProjectile)
{
    setUp(false, true);
    launch();
    EXPECT_TRUE(ghostPixels(shown()).empty());

    sim.Image4_Click();
    setUp(true, false);
    launch();
    EXPECT_TRUE(ghostPixels(shown()).empty());
    sim.setOption(*option(QStringLiteral("vacuumGhost")), true);
    const std::vector<QPoint> drawn = ghostPixels(shown());
    EXPECT_FALSE(drawn.empty());
    sim.setOption(*option(QStringLiteral("vacuumGhost")), false);
    EXPECT_TRUE(ghostPixels(shown()).empty());
    EXPECT_TRUE(ghostPixels(renderer->chronophotograph().picture).empty());
    sim.setOption(*option(QStringLiteral("vacuumGhost")), true);
    EXPECT_EQ(ghostPixels(shown()), drawn);

    sim.Command13_Click();
    EXPECT_TRUE(ghostPixels(shown()).empty());
    launch();
    EXPECT_EQ(ghostPixels(shown()), drawn);
    sim.Combo2_Click(0);
    sim.Combo2_Click(2);
    EXPECT_TRUE(ghostPixels(shown()).empty());
}
