#pragma once

#include <QString>

// The hand-shake file TEMP1S.TMP, shared with the courseware suite. It sits in the program's
// folder, where the suite looks for it, except in an installed copy: a system folder is not
// written at run time, so an installed copy keeps it in the user's data folder.
namespace orbane::handshake {

inline constexpr int kRunningRecord = 10;
inline constexpr int kExerciseRecord = 31;

// The file the install rules put beside an installed copy of the program.
inline constexpr char kInstalledMark[] = "orbane1s-installed";

// The folder of TEMP1S.TMP: the program's folder, or "orbane1s" in the user's data folder
// (~/.local/share) when the program is an installed copy or its folder cannot be written.
QString folder(const QString &programDir);
QString path(const QString &programDir);
// Record 10: "OUI" while the program runs, "NON" once it has closed. Failures are ignored.
void markRunning(const QString &programDir);
void markStopped(const QString &programDir);
// Record 31: the name of an exercise handed over by the suite, emptied once read. A name is
// taken once: when the record cannot be emptied (a read-only exchange file), the same name is
// not taken again in this run.
class HandOver
{
public:
    struct Taken
    {
        QString name;          // trimmed; empty when nothing was handed over
        bool stuck = false;    // the record kept the name: the exchange file is read-only
    };
    Taken take(const QString &programDir);

private:
    QString m_stuck; // the name the record still holds
};

} // namespace orbane::handshake
