#include "exchange/tables.h"

#include "core/quantities.h"

#include <cmath>

namespace orbane::exchange {

namespace {

Column quantityColumn(const Quantity &q)
{
    const QuantityGroupInfo &group = groupInfo(q.group);
    return {.name = QString::fromLatin1(q.column),
            .unit = QString::fromUtf8(group.plainUnit),
            .symbol = QString::fromUtf8(q.letter) + QString::fromUtf8(q.index),
            .quantity = QString::fromUtf8(group.title)};
}

Row flightRow(const Flight &f, double t)
{
    Row row{t};
    for (int i = 0; i < kQuantities; ++i)
        if (quantityShown(i, f))
            row.emplace_back(quantityValue(i, f, t));
    return row;
}

} // namespace

Column timeColumn()
{
    return {.name = QStringLiteral("t"),
            .unit = QStringLiteral("s"),
            .symbol = QStringLiteral("t"),
            .quantity = QStringLiteral("Date"),
            .decimals = 3};
}

Column positionColumn(const QString &axis, const QString &of)
{
    return {.name = axis,
            .unit = QStringLiteral("m"),
            .symbol = axis,
            .quantity = QStringLiteral("Position"),
            .of = of};
}

Table flightTable(const Flight &flight, double step)
{
    Table table;
    table.columns.push_back(timeColumn());
    for (int i = 0; i < kQuantities; ++i)
        if (quantityShown(i, flight))
            table.columns.push_back(quantityColumn(kQuantityTable[std::size_t(i)]));
    const double end = flight.timeOfFlight().value_or(0.0);
    if (!(step > 0.0))
        step = end > 0.0 ? end : 1.0;
    // Counted steps, not accumulated times: no drift and no near-duplicate last line.
    const long long steps = static_cast<long long>(std::floor(end / step + 1e-9));
    for (long long i = 0; i <= steps; ++i)
        table.rows.push_back(flightRow(flight, double(i) * step));
    if (double(steps) * step < end - 1e-9)
        table.rows.push_back(flightRow(flight, end));
    return table;
}

Table photoTable(const std::vector<PhotoPosition> &photos)
{
    const QString of = QStringLiteral("du centre du projectile à chaque chronophotographie");
    Table table;
    table.columns = {timeColumn(), positionColumn(QStringLiteral("x"), of),
                     positionColumn(QStringLiteral("y"), of)};
    for (const PhotoPosition &p : photos)
        table.rows.push_back({p.t, p.x, p.y});
    return table;
}

} // namespace orbane::exchange
