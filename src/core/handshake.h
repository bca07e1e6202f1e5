#pragma once

#include <QString>

// The hand-shake file TEMP1S.TMP in the program's folder, shared with the courseware suite.
namespace orbane::handshake {

inline constexpr int kRunningRecord = 10;
inline constexpr int kExerciseRecord = 31;

QString path(const QString &programDir);
// Record 10: "OUI" while the program runs, "NON" once it has closed. Failures are ignored.
void markRunning(const QString &programDir);
void markStopped(const QString &programDir);
// Reads record 31 and empties it: the name of an exercise handed over by the suite, or "".
QString takeExercise(const QString &programDir);

} // namespace orbane::handshake
