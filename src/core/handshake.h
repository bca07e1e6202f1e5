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
