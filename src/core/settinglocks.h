#pragma once

#include "core/controls.h"

#include <QString>
#include <array>
#include <optional>

// The settings an open exercise may fix, so that the pupil works on the teacher's values. The
// simulation refuses the user's changes to a fixed setting, by whatever path they come.
namespace orbane {

struct Option;

// In the order of the exercise files' settings, which the exercises check against this one.
enum class FixableSetting { Place, Projectile, X0, Y0, V0, Alpha, Interval, Vectors, Display };
inline constexpr int kFixableSettings = 9;

struct SettingLocks
{
    std::array<bool, kFixableSettings> free{true, true, true, true, true, true, true, true, true};

    bool isFree(FixableSetting s) const { return free[std::size_t(s)]; }
    // `incoming` (a file's, an earlier state's) with each fixed setting as `current` holds it.
    Controls kept(const Controls &incoming, const Controls &current) const;
};

// What parameter box 1..4 (x0, y0, v0, α0) sets.
FixableSetting boxSetting(int box);

// What a control says while an exercise fixes it: hint, tool tip and description.
QString fixedSettingHint();

// The setting an option belongs to: the "Vecteurs" or the "Affichage" panel's; none for the
// chronophotography's options.
std::optional<FixableSetting> settingOf(const Option &option);

} // namespace orbane
