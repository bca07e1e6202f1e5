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

HandOver::Taken HandOver::take(const QString &programDir)
{
    const QString file = path(programDir);
    const records::Record rec = records::readFile(file, kExerciseRecord);
    const QString name = rec.ok() ? rec.text.trimmed() : QString();
    if (name.isEmpty() || name == m_stuck)
        return {};
    m_stuck.clear();
    if (!records::writeFile(file, kExerciseRecord, QString())) {
        m_stuck = name;
        return {name, true};
    }
    return {name, false};
}

} // namespace orbane::handshake
