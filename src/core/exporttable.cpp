#include "core/exporttable.h"

#include <QStringList>
#include <cmath>

namespace orbane::exporttable {

namespace {

QString number(double value, int decimals, Separator separator)
{
    if (std::abs(value) * std::pow(10.0, decimals) < 0.5)
        value = 0.0; // no "-0.0000"
    QString text = QString::number(value, 'f', decimals);
    if (separator == Separator::Comma)
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

QString row(const std::vector<std::pair<double, int>> &cells, Separator separator)
{
    QStringList parts;
    for (const auto &[value, decimals] : cells)
        parts << number(value, decimals, separator);
    return parts.join(QLatin1Char('\t'));
}

QString flightRow(const Flight &f, double t, Separator separator)
{
    const double x = f.x0 + f.vox * t;
    const double y = f.y0 + f.voy * t - 0.5 * f.g * t * t;
    const double vy = f.voy - f.g * t;
    const double v2 = f.vox * f.vox + vy * vy;
    const double ec = 0.5 * f.masse * v2;
    const double ep = f.masse * f.g * y;
    return row({{t, 3}, {x, 4}, {y, 4}, {f.vox, 4}, {vy, 4}, {std::sqrt(v2), 4}, {ec, 4},
                {ep, 4}, {ec + ep, 4}},
               separator);
}

} // namespace

double Flight::timeOfFlight() const
{
    const double disc = voy * voy + 2.0 * g * y0;
    if (g <= 0.0 || disc < 0.0)
        return 0.0;
    return std::max(0.0, (voy + std::sqrt(disc)) / g);
}

QString flightTable(const Flight &flight, double step, Separator separator, const QString &eol)
{
    QString out = QStringLiteral("t\tx\ty\tvx\tvy\tv\tEc\tEp\tEm") + eol;
    const double end = flight.timeOfFlight();
    if (!(step > 0.0))
        step = end > 0.0 ? end : 1.0;
    // Counted steps, not accumulated times: no drift and no near-duplicate last line.
    const long long steps = static_cast<long long>(std::floor(end / step + 1e-9));
    for (long long i = 0; i <= steps; ++i)
        out += flightRow(flight, double(i) * step, separator) + eol;
    if (double(steps) * step < end - 1e-9)
        out += flightRow(flight, end, separator) + eol;
    return out;
}

QString photoTable(const std::vector<PhotoPosition> &photos, Separator separator,
                   const QString &eol)
{
    QString out = QStringLiteral("t\tx\ty") + eol;
    for (const PhotoPosition &p : photos)
        out += row({{p.t, 3}, {p.x, 4}, {p.y, 4}}, separator) + eol;
    return out;
}

} // namespace orbane::exporttable
