#include "graphs/rangestudy.h"

#include "core/numberformat.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace orbane::graphs::rangestudy {

namespace {

constexpr int kSteps = 900; // 0,1° against the angle
// The study flies some 960 launches in the air: at 20 ms, Runge-Kutta agrees with the
// simulation's 1 ms flight to about 1e-9 of the range for a tenth of the cost, and the flight
// still shortens the step where a strong drag asks for it.
constexpr double kAirStep = 20.0 * DragFlight::kStep;

// The flight at `x` of the variable, the other launch value kept.
std::optional<FlightSummary> summaryAt(const FlightSource &source, const Launch &l, Variable v,
                                       double x)
{
    return v == Variable::Angle ? source(l.v0, x) : source(x, l.alphaDeg);
}

// A launch with no flight never wins a maximum.
double valueOr(const std::optional<FlightSummary> &s, Measure q)
{
    return s ? valueOf(*s, q) : -std::numeric_limits<double>::infinity();
}

// Golden section on [a, b]: about 1e-8 of the bracket, where the flat top leaves the values
// equal to rounding.
double goldenSection(const std::function<double(double)> &f, double a, double b)
{
    const double r = (std::sqrt(5.0) - 1.0) / 2.0;
    double c = b - r * (b - a), d = a + r * (b - a);
    double fc = f(c), fd = f(d);
    for (int i = 0; i < 200 && b - a > 1e-12; ++i) {
        if (fc >= fd) {
            b = d, d = c, fd = fc;
            c = b - r * (b - a), fc = f(c);
        } else {
            a = c, c = d, fc = fd;
            d = a + r * (b - a), fd = f(d);
        }
    }
    return (a + b) / 2.0;
}

// The launch of `base` at v0 and α, from x = 0 so that a range is the landing's x.
Flight launchAt(const Flight &base, double v0, double alphaDeg)
{
    const double rad = alphaDeg * std::numbers::pi / 180.0;
    Flight f = base.vacuum(); // an integration in the air belongs to its own launch
    f.x0 = 0.0;
    f.vox = v0 * std::cos(rad);
    f.voy = v0 * std::sin(rad);
    return f;
}

// The vertex of the parabola through x - h, x, x + h: the rounding of the values around the
// top no longer limits the position, only the third derivative does (as h²).
double parabolaVertex(const std::function<double(double)> &f, double x, double lo, double hi)
{
    constexpr double h = 1e-4;
    for (int i = 0; i < 2; ++i) {
        if (x - h < lo || x + h > hi)
            return x;
        const double fm = f(x - h), f0 = f(x), fp = f(x + h);
        const double curvature = fp - 2.0 * f0 + fm;
        if (!(curvature < 0.0))
            return x;
        const double shift = h * (fm - fp) / (2.0 * curvature);
        if (std::abs(shift) > h)
            return x;
        x += shift;
    }
    return x;
}

exchange::Column column(const QString &name, const QString &unit, const QString &symbol,
                        const QString &quantity, int decimals)
{
    return {
        .name = name, .unit = unit, .symbol = symbol, .quantity = quantity, .decimals = decimals};
}

// The three quantities' columns; those of a curve in the air say so, in their name and after
// their unit.
void appendQuantityColumns(exchange::Table &t, const QString &of)
{
    const QString suffix = of.isEmpty() ? QString() : QStringLiteral("_air");
    const QString quantitySuffix = of.isEmpty() ? QString() : QLatin1Char(' ') + of;
    const struct
    {
        const char *name;
        Measure q;
        const char *quantity;
    } columns[] = {{"portee", Measure::Range, "Portée"},
                   {"hmax", Measure::Height, "Hauteur"},
                   {"duree", Measure::Duration, "Durée"}};
    for (const auto &c : columns) {
        exchange::Column col =
            column(QLatin1String(c.name) + suffix, quantityUnit(c.q), quantityName(c.q),
                   QString::fromUtf8(c.quantity) + quantitySuffix, 4);
        col.of = of;
        t.columns.push_back(col);
    }
}

void appendCells(exchange::Row &row, const Point &p)
{
    for (Measure q : {Measure::Range, Measure::Height, Measure::Duration})
        row.push_back(p.flight ? std::optional<double>(valueOf(*p.flight, q)) : std::nullopt);
}

} // namespace

FlightSource vacuumSource(const Flight &base)
{
    return [base](double v0, double alphaDeg) -> std::optional<FlightSummary> {
        const Flight f = launchAt(base, v0, alphaDeg);
        const auto t = f.timeOfFlight();
        if (!t)
            return std::nullopt;
        const double rise = std::max(f.voy, 0.0);
        return FlightSummary{f.x(*t), f.y0 + rise * rise / (2.0 * f.g), *t};
    };
}

FlightSource airSource(const Flight &base, const DragLaw &law)
{
    return [base, law](double v0, double alphaDeg) -> std::optional<FlightSummary> {
        const Flight launch = launchAt(base, v0, alphaDeg);
        const DragFlight f(launch, law, false, kAirStep);
        if (!f.landed())
            return std::nullopt;
        const GroundContact &landing = f.contacts().front();
        return FlightSummary{landing.x, f.at(f.apexTime()).state.y, landing.t};
    };
}

double valueOf(const FlightSummary &s, Measure q)
{
    switch (q) {
    case Measure::Range:
        return s.range;
    case Measure::Height:
        return s.height;
    case Measure::Duration:
        return s.duration;
    }
    return 0.0;
}

Study sample(const FlightSource &source, Variable variable, const Launch &launch)
{
    Study study{.variable = variable, .launch = launch};
    study.xMax = variable == Variable::Angle ? 90.0 : std::max(2.0 * launch.v0, 1.0);
    for (int i = 0; i <= kSteps; ++i) {
        const double x = study.xMax * i / kSteps;
        study.points.push_back({x, summaryAt(source, launch, variable, x)});
    }
    return study;
}

std::optional<Mark> mark(const FlightSource &source, const Study &study, Measure q)
{
    const auto f = [&](double x) {
        return valueOr(summaryAt(source, study.launch, study.variable, x), q);
    };
    if (study.variable == Variable::Speed) {
        const double v = f(study.launch.v0);
        return std::isfinite(v) ? std::optional<Mark>(Mark{study.launch.v0, v}) : std::nullopt;
    }
    const auto best = std::max_element(study.points.begin(), study.points.end(),
                                       [q](const Point &a, const Point &b) {
                                           return valueOr(a.flight, q) < valueOr(b.flight, q);
                                       });
    if (best == study.points.end() || !best->flight)
        return std::nullopt;
    const double step = study.xMax / kSteps;
    const double lo = std::max(0.0, best->x - step), hi = std::min(study.xMax, best->x + step);
    const double x = parabolaVertex(f, goldenSection(f, lo, hi), 0.0, study.xMax);
    return Mark{x, f(x)};
}

QString quantityName(Measure q)
{
    switch (q) {
    case Measure::Range:
        return QStringLiteral("portée");
    case Measure::Height:
        return QStringLiteral("hauteur maximale");
    case Measure::Duration:
        return QStringLiteral("durée de vol");
    }
    return {};
}

QString quantityUnit(Measure q)
{
    return q == Measure::Duration ? QStringLiteral("s") : QStringLiteral("m");
}

QString variableUnit(Variable v)
{
    return v == Variable::Angle ? QStringLiteral("°") : QStringLiteral("m·s⁻¹");
}

QString markText(Variable variable, Measure q, const Mark &m)
{
    const QString value = numfmt::fixed(m.value, 1) + QLatin1Char(' ') + quantityUnit(q);
    if (variable == Variable::Speed)
        return quantityName(q) + QLatin1Char(' ') + value + QStringLiteral(" pour v0 = ") +
               numfmt::fixed(m.x, 1) + QLatin1Char(' ') + variableUnit(variable) +
               QStringLiteral(" (lancer actuel)");
    // The highest point is already a maximum in its name.
    const QString name =
        q == Measure::Height ? quantityName(q) : quantityName(q) + QStringLiteral(" maximale");
    return name + QLatin1Char(' ') + value + QStringLiteral(" pour α = ") + numfmt::fixed(m.x, 1) +
           QStringLiteral("°");
}

QString vacuumName()
{
    return QStringLiteral("dans le vide");
}
QString airName()
{
    return QStringLiteral("avec frottements");
}

QString curveText(const Curve &curve, Measure q, const QString &name)
{
    if (name.isEmpty())
        return curve.mark ? markText(curve.study.variable, q, *curve.mark)
                          : QStringLiteral("Aucun vol : le projectile n'atteint pas le sol.");
    return name + QStringLiteral(" : ") +
           (curve.mark ? markText(curve.study.variable, q, *curve.mark)
                       : QStringLiteral("aucun vol"));
}

exchange::Table table(const Study &study, const Study *air, const QString &note)
{
    exchange::Table t;
    t.note = note;
    if (study.variable == Variable::Angle)
        t.columns.push_back(column(QStringLiteral("alpha"), QStringLiteral("°"),
                                   QStringLiteral("α"), QStringLiteral("Angle de tir"), 1));
    else
        t.columns.push_back(column(QStringLiteral("v0"), QStringLiteral("m/s"),
                                   QStringLiteral("v0"), QStringLiteral("Vitesse initiale"), 3));
    appendQuantityColumns(t, {});
    if (air)
        appendQuantityColumns(t, airName());
    for (std::size_t i = 0; i < study.points.size(); ++i) {
        exchange::Row row{study.points[i].x};
        appendCells(row, study.points[i]);
        if (air)
            appendCells(row, air->points.at(i));
        t.rows.push_back(row);
    }
    return t;
}

} // namespace orbane::graphs::rangestudy
