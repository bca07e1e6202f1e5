#include "core/handshake.h"

#include "core/recordfile.h"
#include "core/tables.h"

namespace orbane::handshake {

QString path(const QString &programDir) { return programFile(programDir, QStringLiteral("TEMP1S.TMP")); }

void markRunning(const QString &programDir)
{
    records::writeFile(path(programDir), kRunningRecord, QStringLiteral("OUI"));
}

void markStopped(const QString &programDir)
{
    records::writeFile(path(programDir), kRunningRecord, QStringLiteral("NON"));
}

QString takeExercise(const QString &programDir)
{
    const QString file = path(programDir);
    const records::Record rec = records::readFile(file, kExerciseRecord);
    records::writeFile(file, kExerciseRecord, QString());
    return rec.ok() ? rec.text : QString();
}

} // namespace orbane::handshake
