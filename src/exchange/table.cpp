#include "exchange/table.h"

#include <QStringList>

namespace orbane::exchange {

namespace {

// "a", "a et b", "a, b et c".
QString listed(const QStringList &symbols)
{
    if (symbols.size() < 2)
        return symbols.join(QString());
    return symbols.mid(0, symbols.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" et ") +
           symbols.last();
}

} // namespace

QString describe(const Table &table)
{
    const std::vector<Column> &columns = table.columns;
    QStringList lists;
    for (std::size_t i = 0; i < columns.size();) {
        const Column &first = columns[i];
        QStringList symbols;
        for (; i < columns.size() && columns[i].quantity == first.quantity; ++i)
            symbols << columns[i].symbol;
        QString list = listed(symbols) + QStringLiteral(" (") + first.unit + QLatin1Char(')');
        if (!first.of.isEmpty())
            list += QLatin1Char(' ') + first.of;
        lists << list;
    }
    QString text = lists.join(QStringLiteral(", "));
    if (!table.note.isEmpty())
        text += QStringLiteral(" ; ") + table.note;
    return text;
}

} // namespace orbane::exchange
