#include "core/settinglocks.h"

#include "core/options.h"

#include <algorithm>

namespace orbane {

namespace {

using S = FixableSetting;

// The air's law sits under its option in the "Affichage" panel and is fixed with it.
void keepDragLaw(Controls &into, const Controls &from)
{
    into.dragLinear = from.dragLinear;
    into.dragK = from.dragK;
    into.dragCx = from.dragCx;
    into.dragRho = from.dragRho;
}

} // namespace

Controls SettingLocks::kept(const Controls &incoming, const Controls &current) const
{
    Controls c = incoming;
    if (!isFree(S::Place))
        c.Combo1 = current.Combo1;
    if (!isFree(S::Projectile))
        c.Combo2 = current.Combo2;
    for (int n = 1; n <= 4; ++n)
        if (!isFree(boxSetting(n)))
            c.box(n) = current.box(n);
    if (!isFree(S::Interval))
        c.chrono = current.chrono;
    for (const Option &o : options())
        if (const auto s = settingOf(o); s && !isFree(*s))
            o.field(c) = o.value(current);
    if (!isFree(S::Display))
        keepDragLaw(c, current);
    return c;
}

FixableSetting boxSetting(int box)
{
    constexpr S settings[] = {S::X0, S::Y0, S::V0, S::Alpha};
    return settings[std::clamp(box, 1, 4) - 1];
}

QString fixedSettingHint()
{
    return QStringLiteral("Réglage fixé par l'exercice");
}

std::optional<FixableSetting> settingOf(const Option &option)
{
    switch (option.tab) {
    case OptionTab::Vectors:
        return S::Vectors;
    case OptionTab::Display:
        return S::Display;
    default:
        return std::nullopt;
    }
}

} // namespace orbane
