#include "core/flight.h"

#include <algorithm>
#include <cmath>

namespace orbane {

double Flight::speed(double t) const { return std::sqrt(vy(t) * vy(t) + vox * vox); }

double Flight::kinetic(double t) const { return 0.5 * masse * (vy(t) * vy(t) + vox * vox); }

double Flight::potential(double t) const { return masse * g * y(t); }

double Flight::mechanical(double t) const { return kinetic(t) + potential(t); }

std::optional<double> Flight::timeOfFlight() const
{
    const double disc = voy * voy + 2.0 * g * y0;
    if (!(g > 0.0) || disc < 0.0)
        return std::nullopt;
    const double t = (voy + std::sqrt(disc)) / g;
    if (!std::isfinite(t))
        return std::nullopt;
    return std::max(0.0, t);
}

} // namespace orbane
