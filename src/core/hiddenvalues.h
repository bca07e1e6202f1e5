#pragma once

#include "core/settinglocks.h"

#include <QString>
#include <array>

// The values an open exercise hides from the pupil. The simulation computes with the true
// values; every text the pupil can read or save shows "???" in their place.
namespace orbane {

// In the order of the exercise files' hidden values, which the exercises check against this one.
enum class SecretValue { G, Mass, V0, Alpha };
inline constexpr int kSecretValues = 4;

struct HiddenValues
{
    std::array<bool, kSecretValues> hidden{};

    bool isHidden(SecretValue s) const { return hidden[std::size_t(s)]; }
    bool any() const;
    // The weight m·g is known only when neither g nor the mass is hidden.
    bool weightHidden() const { return isHidden(SecretValue::G) || isHidden(SecretValue::Mass); }
    // A hidden value cannot be changed either: g is the place's, the mass the projectile's.
    SettingLocks fixing(SettingLocks locks) const;
};

namespace masked {

// What stands for a hidden value.
QString mark();
// `text` itself, or the mark when `hide`.
QString unless(bool hide, const QString &text);
// The place's name, "Planète inconnue" when g is hidden.
QString placeName(const HiddenValues &h, int index);
// The projectile's list text, without its mass when the mass is hidden: "ballon".
QString projectileName(const HiddenValues &h, int index);
// Why `what` ("Exportation") cannot be had while a value is hidden.
QString unavailable(const QString &what);

} // namespace masked

} // namespace orbane
