#include "core/hiddenvalues.h"

#include "core/tables.h"

#include <algorithm>

namespace orbane {

bool HiddenValues::any() const
{
    return std::ranges::any_of(hidden, [](bool h) { return h; });
}

SettingLocks HiddenValues::fixing(SettingLocks locks) const
{
    const auto fix = [&locks](FixableSetting s) { locks.free[std::size_t(s)] = false; };
    if (isHidden(SecretValue::G))
        fix(FixableSetting::Place);
    if (isHidden(SecretValue::Mass))
        fix(FixableSetting::Projectile);
    if (isHidden(SecretValue::V0))
        fix(FixableSetting::V0);
    if (isHidden(SecretValue::Alpha))
        fix(FixableSetting::Alpha);
    return locks;
}

namespace masked {

QString mark()
{
    return QStringLiteral("???");
}

QString unless(bool hide, const QString &text)
{
    return hide ? mark() : text;
}

QString placeName(const HiddenValues &h, int index)
{
    return h.isHidden(SecretValue::G) ? QStringLiteral("Planète inconnue")
                                      : orbane::placeName(index);
}

QString projectileName(const HiddenValues &h, int index)
{
    const QString name = orbane::projectileName(index);
    if (!h.isHidden(SecretValue::Mass))
        return name;
    const qsizetype open = name.indexOf(QStringLiteral(" ("));
    return open < 0 ? name : name.left(open);
}

QString unavailable(const QString &what)
{
    return what + QStringLiteral(" indisponible : l'exercice cache une valeur.");
}

} // namespace masked

} // namespace orbane
