#include "core/drag.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orbane {

namespace {
// The step stays below this fraction of the time the drag takes to change the speed notably,
// so that a strong drag is followed as closely as a weak one.
constexpr double kRateFraction = 0.05;
constexpr double kCrossingTolerance = 1e-13; // s

DragState plus(const DragState &s, const DragState &d, double h)
{
    return {s.x + h * d.x, s.y + h * d.y, s.vx + h * d.vx, s.vy + h * d.vy, s.work + h * d.work};
}
} // namespace

DragLaw DragLaw::quadratic(double rho, double cx, double diameter)
{
    const double area = std::numbers::pi * diameter * diameter / 4.0;
    return {Kind::Quadratic, 0.5 * rho * cx * area};
}

Vector2 DragLaw::force(Vector2 v) const
{
    const double scale = kind == Kind::Linear ? coefficient : coefficient * std::hypot(v.x, v.y);
    return {-scale * v.x, -scale * v.y};
}

DragFlight::DragFlight(const Flight &launch, const DragLaw &law, bool bounces, double step)
    : m_g(launch.g), m_mass(launch.masse), m_law(law), m_step(step)
{
    // The largest rate at which the drag changes the velocity: k/m, or 2·c·|v|/m with |v|
    // never above the larger of the launch speed and the terminal one.
    double rate = law.coefficient / m_mass;
    if (law.kind == DragLaw::Kind::Quadratic && law.coefficient > 0.0) {
        const double terminal = std::sqrt(m_mass * std::max(m_g, 0.0) / law.coefficient);
        rate *= 2.0 * std::max(std::hypot(launch.vox, launch.voy), terminal);
    }
    if (rate > 0.0)
        m_step = std::min(m_step, kRateFraction / rate);

    double t0 = 0.0;
    DragState start{launch.x0, launch.y0, launch.vox, launch.voy, 0.0};
    while (const auto landing = flyArc(t0, start)) {
        if (!bounce(*landing, bounces))
            break;
        t0 = landing->t;
        start = {landing->state.x, 0.0, m_contacts.back().after.x, m_contacts.back().after.y,
                 landing->state.work};
    }
}

DragState DragFlight::rate(const DragState &s) const
{
    const Vector2 f = m_law.force({s.vx, s.vy});
    return {s.vx, s.vy, f.x / m_mass, f.y / m_mass - m_g, f.x * s.vx + f.y * s.vy};
}

DragState DragFlight::advance(const DragState &s, double h) const
{
    const DragState k1 = rate(s);
    const DragState k2 = rate(plus(s, k1, h / 2.0));
    const DragState k3 = rate(plus(s, k2, h / 2.0));
    const DragState k4 = rate(plus(s, k3, h));
    const auto mean = [&](double DragState::*c) {
        return (k1.*c + 2.0 * k2.*c + 2.0 * k3.*c + k4.*c) / 6.0;
    };
    const DragState d{mean(&DragState::x), mean(&DragState::y), mean(&DragState::vx),
                      mean(&DragState::vy), mean(&DragState::work)};
    return plus(s, d, h);
}

// One arc from the launch or a bounce, node by node until the step that crosses the ground.
// Nothing when it never comes back to the ground: below it and falling, or cut at kMaxSteps.
std::optional<DragFlight::Landing> DragFlight::flyArc(double t0, const DragState &start)
{
    m_arcs.push_back({t0, m_nodes.size(), 1, m_loss});
    m_nodes.push_back(start);
    m_end = t0;
    if (start.y <= 0.0 && start.vy <= 0.0) {
        if (start.y == 0.0)
            return Landing{t0, start};
        return std::nullopt;
    }
    Arc &arc = m_arcs.back();
    while (m_nodes.size() < kMaxSteps) {
        const DragState from = m_nodes.back();
        const DragState next = advance(from, m_step);
        const double t = t0 + double(arc.count - 1) * m_step;
        if (from.y > 0.0 && next.y <= 0.0) {
            const double s = crossing(from);
            DragState at = advance(from, s);
            at.y = 0.0;
            m_end = t + s;
            return Landing{m_end, at};
        }
        m_nodes.push_back(next);
        ++arc.count;
        m_end = t + m_step;
        if (next.y < 0.0 && next.vy <= 0.0)
            return std::nullopt;
    }
    return std::nullopt;
}

// The part of the step from `from` at which y reaches 0, by bisection on the Runge-Kutta step
// itself (so the contact lies on the same solution as the nodes), closed by a secant.
double DragFlight::crossing(const DragState &from) const
{
    double lo = 0.0, hi = m_step;
    double yLo = from.y, yHi = advance(from, hi).y;
    while (hi - lo > kCrossingTolerance) {
        const double mid = 0.5 * (lo + hi);
        if (mid <= lo || mid >= hi)
            break;
        const double y = advance(from, mid).y;
        if (y > 0.0) {
            lo = mid;
            yLo = y;
        } else {
            hi = mid;
            yHi = y;
        }
    }
    return yLo > yHi ? lo + (hi - lo) * yLo / (yLo - yHi) : hi;
}

// Records the contact; true when the projectile bounces off it and flies on.
bool DragFlight::bounce(const Landing &landing, bool bounces)
{
    const Vector2 before{landing.state.vx, landing.state.vy};
    const double r = double(kRestitution);
    Vector2 after{r * before.x, -r * before.y};
    const bool flies = bounces && std::abs(after.y) >= double(kRestSpeed);
    if (!flies)
        after = {};
    m_contacts.push_back({landing.t, landing.state.x, before, after});
    m_loss += kinetic(before) - kinetic(after);
    return flies;
}

DragSample DragFlight::at(double t) const
{
    t = std::clamp(t, 0.0, m_end);
    // A contact's time belongs to the arc it ends: the landing is read before its bounce, as
    // the vacuum flight's landing is.
    auto next = std::lower_bound(m_arcs.begin(), m_arcs.end(), t,
                                 [](const Arc &a, double time) { return a.t0 < time; });
    if (next == m_arcs.begin())
        ++next;
    const Arc &arc = *std::prev(next);
    const double steps = std::floor((t - arc.t0) / m_step);
    const std::size_t n = std::min(std::size_t(std::max(steps, 0.0)), arc.count - 1);
    const double h = std::max(0.0, t - (arc.t0 + double(n) * m_step));

    DragSample out;
    out.t = t;
    out.state = h > 0.0 ? advance(m_nodes[arc.first + n], h) : m_nodes[arc.first + n];
    const Vector2 v{out.state.vx, out.state.vy};
    out.force = m_law.force(v);
    out.kinetic = kinetic(v);
    out.potential = m_mass * m_g * out.state.y;
    out.mechanical = out.kinetic + out.potential;
    out.contactLoss = arc.lossBefore;
    return out;
}

// vy only falls while it is positive, so Newton's steps from the launch (its slope is the
// vertical acceleration), kept inside the bracket by bisection, close on its zero in a few
// readings; the height is stationary there, so an error of δ in time is only g·δ²/2 in height.
double DragFlight::apexTime() const
{
    constexpr double kTolerance = 1e-12; // s
    DragSample at = this->at(0.0);
    if (!(at.state.vy > 0.0))
        return 0.0;
    double lo = 0.0, hi = landed() ? m_contacts.front().t : m_end, t = 0.0;
    for (int i = 0; i < 100; ++i) {
        const double newton = t - at.state.vy / (at.force.y / m_mass - m_g);
        if (std::abs(newton - t) < kTolerance)
            break;
        t = newton > lo && newton < hi ? newton : 0.5 * (lo + hi);
        at = this->at(t);
        (at.state.vy > 0.0 ? lo : hi) = t;
    }
    return t;
}

double DragFlight::kinetic(Vector2 v) const
{
    return 0.5 * m_mass * (v.x * v.x + v.y * v.y);
}

} // namespace orbane
