#include "core/handshake.h"

#include "core/recordfile.h"
#include "core/tables.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace orbane::handshake {

QString folder(const QString &programDir)
{
    const bool installed = QFileInfo::exists(programFile(programDir, QLatin1String(kInstalledMark)));
    if (!installed && QFileInfo(programDir).isWritable())
        return programDir;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/orbane1s");
}

QString path(const QString &programDir)
{
    return programFile(folder(programDir), QStringLiteral("TEMP1S.TMP"));
}

namespace {

void write(const QString &programDir, int n, const QString &text)
{
    QDir().mkpath(folder(programDir)); // the user's data folder may not exist yet
    records::writeFile(path(programDir), n, text);
}

} // namespace

void markRunning(const QString &programDir) { write(programDir, kRunningRecord, QStringLiteral("OUI")); }

void markStopped(const QString &programDir) { write(programDir, kRunningRecord, QStringLiteral("NON")); }

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
