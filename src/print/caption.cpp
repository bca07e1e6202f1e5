#include "print/caption.h"

#include "core/numberformat.h"
#include "core/simulation.h"
#include "core/tables.h"

#include <QLocale>

namespace orbane::print {

namespace {
// A launch value as its box shows it, or a dash when the box holds no number.
QString valueOf(const std::optional<double> &value, const QString &unit)
{
    return value ? numfmt::box(*value) + unit : QStringLiteral("—");
}
} // namespace

QStringList printCaption(const Simulation &sim, const QDateTime &when)
{
    const Launch &l = sim.launch;
    const HiddenValues &h = sim.hidden();
    const QString v0 =
        masked::unless(h.isHidden(SecretValue::V0), valueOf(l.v, QStringLiteral(" m/s")));
    const QString alpha =
        masked::unless(h.isHidden(SecretValue::Alpha), valueOf(l.alpha, QStringLiteral("°")));
    const QLocale french(QLocale::French);
    return {QStringLiteral("Lieu : %1        Projectile : %2")
                .arg(masked::placeName(h, sim.c.Combo1), masked::projectileName(h, sim.c.Combo2)),
            QStringLiteral("Lancement : x₀ = %1 ; y₀ = %2 ; v₀ = %3 ; α = %4")
                .arg(valueOf(l.x0, QStringLiteral(" m")), valueOf(l.y0, QStringLiteral(" m")), v0,
                     alpha),
            QStringLiteral("Imprimé le ") +
                french.toString(when, QStringLiteral("d MMMM yyyy 'à' HH'h'mm")),
            QStringLiteral("Nom : ") + QString(60, QLatin1Char('.'))};
}

} // namespace orbane::print
