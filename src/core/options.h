#pragma once

#include "core/controls.h"
#include "core/simstate.h"

#include <QString>
#include <span>

// The options of the panels (check boxes), each described once: the panels build, bind,
// refresh and hint their boxes from this table, the simulation dispatches a change by it, and
// the configuration file saves each one in the record it names.
namespace orbane {

// What the simulation does when an option changes.
enum class OptionReaction {
    Later,              // taken into account at the next redraw
    Redraw,             // the scene is drawn again at once
    AxesFollow,         // "Afficher la grille" follows the axes, then a redraw
    ConstructionFollows, // "Afficher la construction" follows Δv, then a redraw
    TrajectoryBreaks,   // the trajectory starts again from the next point
};

// The tabs that hold options, as the tab strip numbers them.
enum class OptionTab { Parameters = 1, Display = 2, Vectors = 3, Chrono = 4 };

// A flag of the controls, as its accessor reaches it. The accessor only names the field; reading
// through it never writes.
using FlagField = bool &(*)(Controls &);
inline bool flagOf(FlagField field, const Controls &c) { return field(const_cast<Controls &>(c)); }

struct Option
{
    const char *objectName; // the check box's name: "Check5", "speed", "secondLaw"
    const char *caption;
    const char *hint; // shown in the hint line; null when the option has none
    FlagField field;
    OptionReaction reaction;
    // Whether the box can be changed now; null when it always can.
    bool (*enabled)(const Controls &, const Display &);
    int record; // the configuration file's record that saves it
    OptionTab tab;
    int x, y; // top-left corner in the panel, pixels

    bool value(const Controls &c) const { return flagOf(field, c); }
    bool isEnabled(const Controls &c, const Display &d) const { return !enabled || enabled(c, d); }
    QString name() const { return QString::fromLatin1(objectName); }
    QString text() const { return QString::fromUtf8(caption); }
    QString hintText() const { return hint ? QString::fromUtf8(hint) : QString(); }
};

std::span<const Option> options();
// "Frottements de l'air"; its law's records follow it.
inline constexpr int kDragRecord = 37;
// "Afficher la force de frottement".
inline constexpr int kDragForceRecord = 43;
// The option named so; null when there is none.
const Option *option(const QString &objectName);
// Check1..Check12.
const Option &checkOption(int index);

} // namespace orbane
