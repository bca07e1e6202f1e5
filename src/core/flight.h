#pragma once

#include <memory>
#include <optional>

namespace orbane {

class DragFlight;

// The ballon's bounce at a ground contact: both velocity components multiplied by kRestitution
// and the vertical one reversed; it rests once that vertical speed is below kRestSpeed.
inline constexpr float kRestitution = 0.7f;
inline constexpr float kRestSpeed = 2.0f; // m.s-1

// The projectile's flight from its initial conditions: the one motion law read by the tick,
// the bounce arcs, the vectors, the graphs and the exported tables. In the vacuum it is the
// closed form; with `air` set, the same launch integrated in the air, read at t since the launch.
struct Flight
{
    double x0 = 0.0, y0 = 0.0;   // m
    double vox = 0.0, voy = 0.0; // m.s-1
    double g = 9.8;              // m.s-2
    double masse = 0.45;         // kg
    std::shared_ptr<const DragFlight> air{};

    double x(double t) const { return air ? airX(t) : x0 + vox * t; }
    double y(double t) const { return air ? airY(t) : y0 + voy * t - 0.5 * g * t * t; }
    double vx(double t) const { return air ? airVx(t) : vox; }
    double vy(double t) const { return air ? airVy(t) : voy - g * t; }
    double speed(double t) const;
    double kinetic(double t) const;    // Ec
    double potential(double t) const;  // Ep, zero on the ground
    double mechanical(double t) const; // Em = Ec + Ep
    double dragWork(double t) const;   // W(f) since the launch, zero in the vacuum

    // The same launch in the vacuum.
    Flight vacuum() const;

    // Time until the projectile is back at height 0, never negative; nothing when it cannot be
    // computed (no field, or a start below the ground that never reaches it).
    // In the air, the time of the first contact.
    std::optional<double> timeOfFlight() const;

private:
    double airX(double t) const;
    double airY(double t) const;
    double airVx(double t) const;
    double airVy(double t) const;
};

} // namespace orbane
