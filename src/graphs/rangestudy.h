#pragma once

#include "core/drag.h"
#include "core/flight.h"
#include "exchange/table.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

// How the range, the highest point and the time of flight of a launch depend on its angle or on
// its speed, the other launch values staying those of the current flight. Headless.
namespace orbane::graphs::rangestudy {

// What a flight comes to: its range (m, from the launch point), its highest point above the
// ground (m) and its time of flight (s).
struct FlightSummary
{
    double range = 0.0, height = 0.0, duration = 0.0;
};

// The summary of the flight launched at v0 (m.s-1) and α (°); nothing when it never lands.
// The vacuum flight is one such source; another motion law is another.
using FlightSource = std::function<std::optional<FlightSummary>(double v0, double alphaDeg)>;

// The closed-form flight from the place, projectile and initial height of `base`.
FlightSource vacuumSource(const Flight &base);
// The same launches in the air, integrated by DragFlight up to their landing (no bounce).
FlightSource airSource(const Flight &base, const DragLaw &law);

enum class Measure { Range, Height, Duration };
enum class Variable { Angle, Speed };

double valueOf(const FlightSummary &s, Measure q);

// The launch that the study varies around.
struct Launch
{
    double v0 = 0.0, alphaDeg = 0.0;
};

struct Point
{
    double x = 0.0; // α (°) or v0 (m.s-1)
    std::optional<FlightSummary> flight;
};

// The marked point: the maximum against the angle, the current launch against v0 (every
// quantity grows with v0, so its maximum would only be the end of the axis).
struct Mark
{
    double x = 0.0, value = 0.0;
};

struct Study
{
    Variable variable = Variable::Angle;
    Launch launch{};
    double xMax = 90.0;
    std::vector<Point> points{};
};

// α from 0 to 90° every 0,1°, or v0 from 0 to twice the launch's (every 1/900 of it).
Study sample(const FlightSource &source, Variable variable, const Launch &launch);

// The maximum of a quantity against the angle, searched around the best sample by golden
// section and refined by a parabola, or the current launch's value against v0.
std::optional<Mark> mark(const FlightSource &source, const Study &study, Measure q);

// "portée maximale 23,0 m pour α = 45,0°", "portée 23,0 m pour v0 = 15,0 m.s⁻¹ (lancer actuel)".
QString markText(Variable variable, Measure q, const Mark &m);

// The study of one motion law with its marked point for the quantity shown.
struct Curve
{
    Study study{};
    std::optional<Mark> mark{};
};

// The curves' names, in the legend and before their marks when both curves are shown.
QString vacuumName(); // "dans le vide"
QString airName();    // "avec frottements"

// The curve's mark text, or that it has no flight; after `name` unless it is empty
// ("avec frottements : portée maximale 18,9 m pour α = 43,5°").
QString curveText(const Curve &curve, Measure q, const QString &name);

// Names and units of the quantity and of the variable, as the window writes them.
QString quantityName(Measure q);
QString quantityUnit(Measure q);
QString variableUnit(Variable v);

// The study's values: the variable and the three quantities, one row per sample, then the
// three in the air when there is a study in the air (sampled at the same values).
exchange::Table table(const Study &study, const Study *air, const QString &note);

} // namespace orbane::graphs::rangestudy
