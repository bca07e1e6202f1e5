#pragma once

#include <QDateTime>
#include <QStringList>

namespace orbane {
class Simulation;
}

namespace orbane::print {

// The lines under a printed scene or graph: the place and the projectile, the launch values,
// the date of the print and a line for the pupil's name.
QStringList printCaption(const Simulation &sim, const QDateTime &when);

} // namespace orbane::print
