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

namespace {

QString headerLine(const Table &table, const Format &format, QString Column::*field)
{
    QStringList cells;
    for (const Column &column : table.columns)
        cells << column.*field;
    return cells.join(format.separator) + format.eol;
}

QString rowLines(const Table &table, const Format &format)
{
    QString out;
    for (const Row &row : table.rows) {
        QStringList cells;
        for (std::size_t c = 0; c < row.size() && c < table.columns.size(); ++c)
            cells << (row[c] ? number(*row[c], table.columns[c].decimals, format.decimal)
                             : QString());
        out += cells.join(format.separator) + format.eol;
    }
    return out;
}

} // namespace

QString writeDelimited(const Table &table, const Format &format)
{
    return headerLine(table, format, &Column::name) + rowLines(table, format);
}

QString writeWithUnits(const Table &table, const Format &format)
{
    return headerLine(table, format, &Column::name) + headerLine(table, format, &Column::unit) +
           rowLines(table, format);
}

const std::vector<FormatEntry> &formats()
{
    const QString tabs = QStringLiteral("Colonnes séparées par des tabulations");
    const QString text = QStringLiteral("Texte tabulé (*.txt)");
    static const std::vector<FormatEntry> list = {
        {QStringLiteral("virgule"), QStringLiteral("Texte tabulé, virgule décimale"), tabs,
         {u'\t', Decimal::Comma}, writeDelimited, QStringLiteral(".txt"), text},
        {QStringLiteral("point"), QStringLiteral("Texte tabulé, point décimal (Regressi, Python)"),
         tabs, {u'\t', Decimal::Point}, writeDelimited, QStringLiteral(".txt"), text},
        // A ".csv" with ';' and the decimal comma opens in a French spreadsheet at a double click.
        {QStringLiteral("pointVirgule"), QStringLiteral("CSV (tableur) : « ; » et virgule décimale"),
         QStringLiteral("Colonnes séparées par des points-virgules"),
         {u';', Decimal::Comma}, writeWithUnits, QStringLiteral(".csv"),
         QStringLiteral("CSV (tableur) (*.csv)")},
    };
    return list;
}

} // namespace orbane::exchange
