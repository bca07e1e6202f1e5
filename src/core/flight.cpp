#include "core/flight.h"

#include "core/drag.h"

#include <algorithm>
#include <cmath>

namespace orbane {

double Flight::speed(double t) const
{
    const double u = vx(t);
    return std::sqrt(vy(t) * vy(t) + u * u);
}

double Flight::kinetic(double t) const
{
    const double u = vx(t);
    return 0.5 * masse * (vy(t) * vy(t) + u * u);
}

double Flight::potential(double t) const
{
    return masse * g * y(t);
}

double Flight::dragWork(double t) const
{
    return air ? air->at(t).state.work : 0.0;
}

double Flight::airX(double t) const
{
    return air->at(t).state.x;
}
double Flight::airY(double t) const
{
    return air->at(t).state.y;
}
double Flight::airVx(double t) const
{
    return air->at(t).state.vx;
}
double Flight::airVy(double t) const
{
    return air->at(t).state.vy;
}

Flight Flight::vacuum() const
{
    Flight f = *this;
    f.air.reset();
    return f;
}

double Flight::mechanical(double t) const
{
    return kinetic(t) + potential(t);
}

std::optional<double> Flight::timeOfFlight() const
{
    if (air)
        return air->landed() ? std::optional(air->contacts().front().t) : std::nullopt;
    const double disc = voy * voy + 2.0 * g * y0;
    if (!(g > 0.0) || disc < 0.0)
        return std::nullopt;
    const double t = (voy + std::sqrt(disc)) / g;
    if (!std::isfinite(t))
        return std::nullopt;
    return std::max(0.0, t);
}

} // namespace orbane
