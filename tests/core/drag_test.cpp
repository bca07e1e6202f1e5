#include "core/drag.h"
#include "core/tables.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace orbane;

namespace {
constexpr double kTick = 0.04; // s
constexpr int kTerre = 0, kLune = 1, kMars = 2;
constexpr int kBallon = 2;

Flight launch(int placeIndex, int projectileIndex, double y0, double v0 = 15.0,
              double degrees = 45.0)
{
    const double a = degrees * std::numbers::pi / 180.0;
    return {0.0, y0, v0 * std::cos(a), v0 * std::sin(a), double(place(placeIndex).g),
            double(projectile(projectileIndex).mass)};
}

DragLaw usualQuadratic(int placeIndex, int projectileIndex)
{
    const Projectile &p = projectile(projectileIndex);
    return DragLaw::quadratic(place(placeIndex).airDensity, p.dragCoefficient, p.diameter);
}

// Calls check(t, sample) at every tick time of the flight, its end included.
template <typename Check> void everyTick(const DragFlight &f, Check check)
{
    for (int i = 0; i * kTick < f.end(); ++i)
        check(i * kTick, f.at(i * kTick));
    check(f.end(), f.at(f.end()));
}

// The principal branch of Lambert's W on [-1/e, 0), by Halley's iteration from the series at
// the branch point.
double lambertW0(double z)
{
    const double p = std::sqrt(2.0 * (std::numbers::e * z + 1.0));
    double w = -1.0 + p - p * p / 3.0 + 11.0 / 72.0 * p * p * p;
    for (int i = 0; i < 50; ++i) {
        const double e = std::exp(w);
        const double r = w * e - z;
        const double step = r / (e * (w + 1.0) - (w + 2.0) * r / (2.0 * w + 2.0));
        w -= step;
        if (std::abs(step) <= 1e-17 * std::abs(w))
            break;
    }
    return w;
}

// The linear law's flight in closed form, v_T = m·g/k and tau = m/k.
struct LinearFlight
{
    Flight f;
    double k;
    double tau() const { return f.masse / k; }
    double vT() const { return f.masse * f.g / k; }
    double rise(double t) const { return -std::expm1(-t / tau()) * tau(); }
    double x(double t) const { return f.x0 + f.vox * rise(t); }
    double y(double t) const { return f.y0 + (f.voy + vT()) * rise(t) - vT() * t; }
    double vx(double t) const { return f.vox * std::exp(-t / tau()); }
    double vy(double t) const { return (f.voy + vT()) * std::exp(-t / tau()) - vT(); }
    // y(T) = 0 as u = T/tau = B - C·e^(-u), that is (u - B)·e^(u - B) = -C·e^(-B); the later
    // root is on the principal branch.
    double landing() const
    {
        const double c = (f.voy + vT()) / vT();
        const double b = f.y0 / (vT() * tau()) + c;
        return tau() * (b + lambertW0(-c * std::exp(-b)));
    }
};
} // namespace

TEST(DragFlightTest, LinearLawFollowsTheClosedFormAndLandsAtTheLambertRange)
{
    for (const int where : {kTerre, kMars})
        for (const double k : {0.05, 0.5}) {
            SCOPED_TRACE(testing::Message() << placeName(where).toStdString() << " k=" << k);
            const LinearFlight exact{launch(where, kBallon, where == kMars ? 2.0 : 0.0), k};
            const DragFlight f(exact.f, DragLaw::linear(k), false);
            everyTick(f, [&](double t, const DragSample &s) {
                EXPECT_NEAR(s.state.x, exact.x(t), 1e-9) << t;
                EXPECT_NEAR(s.state.y, exact.y(t), 1e-9) << t;
                EXPECT_NEAR(s.state.vx, exact.vx(t), 1e-9) << t;
                EXPECT_NEAR(s.state.vy, exact.vy(t), 1e-9) << t;
            });
            ASSERT_EQ(f.contacts().size(), 1u);
            const double range = exact.x(exact.landing());
            EXPECT_NEAR(f.contacts()[0].x, range, 1e-9 * range);
            EXPECT_NEAR(f.end(), exact.landing(), 1e-9 * exact.landing());
        }
}

TEST(DragFlightTest, QuadraticLawReachesTheExactFallAndTheFineStepsRange)
{
    // Dropped, the speed is v_T·tanh(g·t/v_T) and the fall (v_T²/g)·ln cosh(g·t/v_T), with
    // v_T = sqrt(m·g/(½·ρ·Cx·S)).
    const Flight drop = launch(kTerre, kBallon, 60.0, 0.0, 0.0);
    const Projectile &ballon = projectile(kBallon);
    const double area = std::numbers::pi * ballon.diameter * ballon.diameter / 4.0;
    const double vT = std::sqrt(drop.masse * drop.g /
                                (0.5 * place(kTerre).airDensity * ballon.dragCoefficient * area));
    everyTick(DragFlight(drop, usualQuadratic(kTerre, kBallon), false),
              [&](double t, const DragSample &s) {
                  const double u = drop.g * t / vT;
                  EXPECT_NEAR(s.state.vy, -vT * std::tanh(u), 1e-9) << t;
                  EXPECT_NEAR(s.state.y, drop.y0 - vT * vT / drop.g * std::log(std::cosh(u)), 1e-9)
                      << t;
              });

    for (const int where : {kTerre, kMars})
        for (const int what : {kBallon, 4}) {
            SCOPED_TRACE(testing::Message() << where << ' ' << what);
            const Flight l = launch(where, what, 1.0);
            const DragLaw law = usualQuadratic(where, what);
            const DragFlight f(l, law, false);
            const DragFlight reference(l, law, false, f.step() / 100.0);
            const double range = reference.contacts().at(0).x;
            EXPECT_NEAR(f.contacts().at(0).x, range, 1e-7 * range);
            EXPECT_LT(range, l.x(*l.timeOfFlight())); // the air shortens it
        }
}

TEST(DragFlightTest, MechanicalEnergyLostIsTheDragWorkAcrossTheBounces)
{
    const Flight l = launch(kTerre, kBallon, 0.0);
    for (const DragLaw &law : {DragLaw::linear(0.05), usualQuadratic(kTerre, kBallon)}) {
        const DragFlight f(l, law, true);
        const double em0 = f.at(0.0).mechanical;
        double work = 0.0;
        everyTick(f, [&](double t, const DragSample &s) {
            EXPECT_NEAR(s.mechanical - em0, s.state.work - s.contactLoss, 1e-6) << t;
            EXPECT_LE(s.state.work, work) << t; // the drag only takes energy
            work = s.state.work;
        });
        EXPECT_LT(work, -0.5);

        // The vacuum flight's bounce: both components times the restitution, the vertical one
        // reversed, until the rebound would be too slow; the flight goes on from each contact.
        const auto &contacts = f.contacts();
        ASSERT_GE(contacts.size(), 3u);
        const double r = double(kRestitution);
        for (std::size_t i = 0; i < contacts.size(); ++i) {
            const GroundContact &c = contacts[i];
            const bool last = i + 1 == contacts.size();
            EXPECT_EQ(last, r * std::abs(c.before.y) < double(kRestSpeed)) << i;
            EXPECT_DOUBLE_EQ(c.after.x, last ? 0.0 : r * c.before.x) << i;
            EXPECT_DOUBLE_EQ(c.after.y, last ? 0.0 : -r * c.before.y) << i;
            const DragSample s = f.at(c.t);
            EXPECT_NEAR(s.state.y, 0.0, 1e-12) << i;
            EXPECT_DOUBLE_EQ(s.state.x, c.x) << i;
            // The contact's time reads the landing, before the bounce; just after, the rebound.
            EXPECT_NEAR(s.state.vy, c.before.y, 1e-9) << i;
            if (!last) {
                EXPECT_NEAR(f.at(c.t + 1e-12).state.vy, c.after.y, 1e-9) << i;
            }
        }
        EXPECT_EQ(f.end(), contacts.back().t);
    }
}

TEST(DragFlightTest, NoDragIsTheVacuumParabola)
{
    // A long flight (13 s, 140 m on the Moon): round-off is relative to its size.
    const Flight l = launch(kLune, kBallon, 1.0);
    const double tof = *l.timeOfFlight();
    const double metres = 1e-12 * l.x(tof), speeds = 1e-12 * 15.0;
    for (const DragLaw &law : {DragLaw::none(), usualQuadratic(kLune, kBallon)}) {
        const DragFlight f(l, law, false);
        everyTick(f, [&](double t, const DragSample &s) {
            EXPECT_NEAR(s.state.x, l.x(t), metres) << t;
            EXPECT_NEAR(s.state.y, l.y(t), metres) << t;
            EXPECT_NEAR(s.state.vy, l.vy(t), speeds) << t;
            EXPECT_NEAR(s.mechanical, l.mechanical(t), 1e-12 * l.mechanical(0.0)) << t;
            EXPECT_EQ(s.state.work, 0.0) << t;
        });
        EXPECT_NEAR(f.end(), tof, 1e-12 * tof);
    }
}
