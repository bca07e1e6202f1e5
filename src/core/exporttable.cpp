#include "core/exporttable.h"

#include "core/quantities.h"

#include <QStringList>
#include <cmath>

namespace orbane::exporttable {

QString number(double value, int decimals, Separator separator)
{
    if (std::abs(value) * std::pow(10.0, decimals) < 0.5)
        value = 0.0; // no "-0.0000"
    QString text = QString::number(value, 'f', decimals);
    if (separator == Separator::Comma)
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

namespace {

QString row(const std::vector<std::pair<double, int>> &cells, Separator separator)
{
    QStringList parts;
    for (const auto &[value, decimals] : cells)
        parts << number(value, decimals, separator);
    return parts.join(QLatin1Char('\t'));
}

QString flightHeader()
{
    QString header = QStringLiteral("t");
    for (const Quantity &q : kQuantityTable)
        header += QLatin1Char('\t') + QLatin1String(q.column);
    return header;
}

QString flightRow(const Flight &f, double t, Separator separator)
{
    std::vector<std::pair<double, int>> cells{{t, 3}};
    for (int i = 0; i < kQuantities; ++i)
        cells.emplace_back(quantityValue(i, f, t), 4);
    return row(cells, separator);
}

} // namespace

QString flightTable(const Flight &flight, double step, Separator separator, const QString &eol)
{
    QString out = flightHeader() + eol;
    const double end = flight.timeOfFlight().value_or(0.0);
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
