#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <optional>

namespace orbane {
class Simulation;
}

// The eight quantities plotted against time: x, y, vx, vy, v, Ec, Ep, Em, in three unit groups.
namespace orbane::graphs {

inline constexpr int kQuantities = 8;
using Choice = std::array<bool, kQuantities>;

// The initial conditions the curves are computed from (exact motion law).
struct Flight
{
    double x0 = 0.0, y0 = 0.0;
    double vox = 0.0, voy = 0.0;
    double gpes = 9.8;
    double masse = 0.45;
};

// x0 and y0 as typed in the parameter boxes, the rest from the shared state.
Flight flightOf(const Simulation &sim);

enum class Group { Position, Velocity, Energy };
Group groupOf(int index);

// Value of quantity `index` at time t; each energy with its own formula.
double value(int index, const Flight &f, double t);
// Value used when searching the ranges: the energies are represented by Em alone.
double sampledValue(int index, const Flight &f, double t);

// Time until the projectile is back at height 0; nothing when it cannot be computed
// (no field, or a start below the ground that never reaches it).
std::optional<double> timeOfFlight(const Flight &f);

QColor colour(int index);

// A label with an optional lowered index: "v" "x" "(t)", or "x(t)" "" "".
struct Legend
{
    QString letter, index, rest;
};
Legend legend(int index);

// The unit written after the value scale: " m", " m · s" with exponent "-1", or " J".
struct Unit
{
    QString text, exponent;
};
Unit unitOf(const Choice &choice);

bool anyChecked(const Choice &choice);
int checkedCount(const Choice &choice);

// One group at a time: checking a box unchecks the boxes of the other groups.
void applyGroupRule(Choice &choice, int clicked);

} // namespace orbane::graphs
