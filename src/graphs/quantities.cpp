#include "graphs/quantities.h"

#include "core/simulation.h"

#include <algorithm>
#include <cmath>

namespace orbane::graphs {

Flight flightOf(const Simulation &sim)
{
    return {sim.x0(), sim.y0(), double(sim.s.vox), double(sim.s.voy), double(sim.s.gpes),
            double(sim.s.masse)};
}

Group groupOf(int index)
{
    if (index <= 1)
        return Group::Position;
    if (index <= 4)
        return Group::Velocity;
    return Group::Energy;
}

static double vy(const Flight &f, double t) { return f.voy - f.gpes * t; }
static double height(const Flight &f, double t) { return f.y0 + f.voy * t - 0.5 * f.gpes * t * t; }
static double kinetic(const Flight &f, double t)
{
    return 0.5 * f.masse * (vy(f, t) * vy(f, t) + f.vox * f.vox);
}
static double potential(const Flight &f, double t) { return f.masse * f.gpes * height(f, t); }

double value(int index, const Flight &f, double t)
{
    switch (index) {
    case 0: return f.x0 + f.vox * t;
    case 1: return height(f, t);
    case 2: return f.vox;
    case 3: return vy(f, t);
    case 4: return std::sqrt(vy(f, t) * vy(f, t) + f.vox * f.vox);
    case 5: return kinetic(f, t);
    case 6: return potential(f, t);
    case 7: return kinetic(f, t) + potential(f, t);
    default: return 0.0;
    }
}

double sampledValue(int index, const Flight &f, double t)
{
    return groupOf(index) == Group::Energy ? value(7, f, t) : value(index, f, t);
}

std::optional<double> timeOfFlight(const Flight &f)
{
    const double disc = f.voy * f.voy + 2.0 * f.gpes * f.y0;
    if (disc < 0.0 || f.gpes == 0.0)
        return std::nullopt;
    const double t = (f.voy + std::sqrt(disc)) / f.gpes;
    if (!std::isfinite(t))
        return std::nullopt;
    return t;
}

QColor colour(int index)
{
    static const QColor blue(0, 0, 255), red(255, 0, 0), green(0, 128, 0);
    static const std::array<QColor, kQuantities> colours = {blue, red,  blue, red,
                                                           green, blue, red,  green};
    return colours.at(std::clamp(index, 0, kQuantities - 1));
}

Legend legend(int index)
{
    const QString t = QStringLiteral("(t)");
    switch (index) {
    case 0: return {QStringLiteral("x(t)"), {}, {}};
    case 1: return {QStringLiteral("y(t)"), {}, {}};
    case 2: return {QStringLiteral("v"), QStringLiteral("x"), t};
    case 3: return {QStringLiteral("v"), QStringLiteral("y"), t};
    case 4: return {QStringLiteral("v(t)"), {}, {}};
    case 5: return {QStringLiteral("E"), QStringLiteral("c"), t};
    case 6: return {QStringLiteral("E"), QStringLiteral("p"), t};
    case 7: return {QStringLiteral("E"), QStringLiteral("m"), t};
    default: return {};
    }
}

Unit unitOf(const Choice &choice)
{
    if (choice[0] || choice[1])
        return {QStringLiteral(" m"), {}};
    if (choice[2] || choice[3] || choice[4])
        return {QStringLiteral(" m · s"), QStringLiteral("-1")};
    if (choice[5] || choice[6] || choice[7])
        return {QStringLiteral(" J"), {}};
    return {};
}

bool anyChecked(const Choice &choice)
{
    return std::any_of(choice.begin(), choice.end(), [](bool b) { return b; });
}

int checkedCount(const Choice &choice)
{
    return int(std::count(choice.begin(), choice.end(), true));
}

void applyGroupRule(Choice &choice, int clicked)
{
    if (clicked < 0 || clicked >= kQuantities || !choice[clicked])
        return;
    const Group keep = groupOf(clicked);
    for (int i = 0; i < kQuantities; ++i)
        if (groupOf(i) != keep)
            choice[i] = false;
}

} // namespace orbane::graphs
