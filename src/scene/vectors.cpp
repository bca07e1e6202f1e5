#include "scene/vectors.h"

#include "core/tables.h"

namespace orbane::vectorscale {

QString forceLegend(int combo2)
{
    // Thousands grouped by a space: "10 000 N".
    QString digits = QString::number(projectile(combo2).newtonsPerUnit);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(' '));
    return digits + QStringLiteral(" N");
}

QString label9(int updown1) { return QString::number(updown1 * 100); }

} // namespace orbane::vectorscale
