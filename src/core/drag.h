#pragma once

#include "core/flight.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace orbane {

struct Vector2
{
    double x = 0.0, y = 0.0;
};

// The air's force on the projectile, opposed to its velocity.
struct DragLaw
{
    enum class Kind { Linear, Quadratic };
    Kind kind = Kind::Linear;
    double coefficient = 0.0; // linear: k in kg.s-1; quadratic: ½·ρ·Cx·S in kg.m-1

    static DragLaw none() { return {}; }
    static DragLaw linear(double k) { return {Kind::Linear, k}; } // f = -k·v
    // f = -½·ρ·Cx·S·|v|·v with S = π·d²/4.
    static DragLaw quadratic(double rho, double cx, double diameter);

    Vector2 force(Vector2 velocity) const; // N, for a velocity in m.s-1
};

// What the integration carries: the motion and the work of the drag since the launch, which
// grows by f·v, so that Em(t) - Em(0) = W(f) between the contacts.
struct DragState
{
    double x = 0.0, y = 0.0;   // m
    double vx = 0.0, vy = 0.0; // m.s-1
    double work = 0.0;         // J
};

struct DragSample
{
    double t = 0.0;
    DragState state;
    Vector2 force;                         // N
    double kinetic = 0.0, potential = 0.0; // J, Ep zero on the ground
    double mechanical = 0.0;               // Em = Ec + Ep
    double contactLoss = 0.0; // J taken by the bounces before t, so Em(t) - Em(0) = W - loss
};

struct GroundContact
{
    double t = 0.0, x = 0.0;
    Vector2 before, after; // velocities; after is zero where the projectile stops
};

// A flight in the air integrated ahead, from the launch to the landing (or, for a projectile
// that bounces, to its rest), by fourth-order Runge-Kutta at a fixed step, so that a tick only
// reads it. Each ground contact is found inside the step that crosses y = 0, the ground of the
// vacuum flight; the bounce keeps the vacuum one's rule.
class DragFlight
{
public:
    static constexpr double kStep = 1e-3;             // s
    static constexpr std::size_t kMaxSteps = 1000000; // a longer flight is cut there

    // The step is shortened where the law's own time scale asks for it (a strong drag).
    DragFlight(const Flight &launch, const DragLaw &law, bool bounces, double step = kStep);

    // The motion at t (s since the launch), taken within [0, end()]; a partial step from the
    // node before t, so the reading is as accurate as the nodes.
    DragSample at(double t) const;
    // The last contact's time, or the last integrated time when the flight never lands.
    double end() const { return m_end; }
    bool landed() const { return !m_contacts.empty(); }
    // The highest point's time before the first contact: where vy vanishes, found to 1e-12 s
    // inside its step; 0 for a launch that does not rise.
    double apexTime() const;
    const std::vector<GroundContact> &contacts() const { return m_contacts; }
    double step() const { return m_step; }

private:
    struct Arc
    {
        double t0;
        std::size_t first, count; // its nodes in m_nodes, m_step apart from t0
        double lossBefore;        // J taken by the contacts before it
    };
    struct Landing
    {
        double t;
        DragState state;
    };

    DragState rate(const DragState &s) const;
    DragState advance(const DragState &s, double h) const;
    std::optional<Landing> flyArc(double t0, const DragState &start);
    double crossing(const DragState &from) const;
    bool bounce(const Landing &landing, bool bounces);
    double kinetic(Vector2 v) const;

    double m_g, m_mass;
    DragLaw m_law;
    double m_step;
    std::vector<DragState> m_nodes;
    std::vector<Arc> m_arcs;
    std::vector<GroundContact> m_contacts;
    double m_end = 0.0;
    double m_loss = 0.0;
};

} // namespace orbane
