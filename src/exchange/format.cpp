#include "exchange/format.h"

#include <QStringList>
#include <cmath>

namespace orbane::exchange {

QString number(double value, int decimals, Decimal decimal)
{
    if (std::abs(value) * std::pow(10.0, decimals) < 0.5)
        value = 0.0; // no "-0.0000"
    QString text = QString::number(value, 'f', decimals);
    if (decimal == Decimal::Comma)
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

QString writeDelimited(const Table &table, const Format &format)
{
    QStringList names;
    for (const Column &column : table.columns)
        names << column.name;
    QString out = names.join(format.separator) + format.eol;
    for (const Row &row : table.rows) {
        QStringList cells;
        for (std::size_t c = 0; c < row.size() && c < table.columns.size(); ++c)
            cells << (row[c] ? number(*row[c], table.columns[c].decimals, format.decimal)
                             : QString());
        out += cells.join(format.separator) + format.eol;
    }
    return out;
}

const std::vector<FormatEntry> &formats()
{
    const QString tabs = QStringLiteral("Colonnes séparées par des tabulations");
    static const std::vector<FormatEntry> list = {
        {QStringLiteral("virgule"), QStringLiteral("virgule (tableur)"), tabs,
         {u'\t', Decimal::Comma}},
        {QStringLiteral("point"), QStringLiteral("point (Regressi, Python)"), tabs,
         {u'\t', Decimal::Point}},
        {QStringLiteral("pointVirgule"),
         QStringLiteral("virgule, colonnes séparées par « ; » (tableur français)"),
         QStringLiteral("Colonnes séparées par des points-virgules"), {u';', Decimal::Comma}},
    };
    return list;
}

} // namespace orbane::exchange
