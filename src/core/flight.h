#pragma once

#include <optional>

namespace orbane {

// The ballon's bounce at a ground contact: both velocity components multiplied by kRestitution
// and the vertical one reversed; it rests once that vertical speed is below kRestSpeed.
inline constexpr float kRestitution = 0.7f;
inline constexpr float kRestSpeed = 2.0f; // m.s-1

// The projectile's free flight in closed form from its initial conditions: the one motion law
// read by the tick, the bounce arcs, the vectors, the graphs and the exported tables.
struct Flight
{
    double x0 = 0.0, y0 = 0.0;   // m
    double vox = 0.0, voy = 0.0; // m.s-1
    double g = 9.8;              // m.s-2
    double masse = 0.45;         // kg

    double x(double t) const { return x0 + vox * t; }
    double y(double t) const { return y0 + voy * t - 0.5 * g * t * t; }
    double vx(double) const { return vox; }
    double vy(double t) const { return voy - g * t; }
    double speed(double t) const;
    double kinetic(double t) const;    // Ec
    double potential(double t) const;  // Ep, zero on the ground
    double mechanical(double t) const; // Em = Ec + Ep

    // Time until the projectile is back at height 0, never negative; nothing when it cannot be
    // computed (no field, or a start below the ground that never reaches it).
    std::optional<double> timeOfFlight() const;
};

} // namespace orbane
