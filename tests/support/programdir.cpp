#include "support/programdir.h"

#include <QDir>
#include <QFile>

namespace orbane::test {

ProgramDir::ProgramDir() { copy(QDir(QStringLiteral(ORBANE_DATA_DIR)).entryList(QDir::Files)); }

ProgramDir::ProgramDir(const QStringList &files) { copy(files); }

void ProgramDir::copy(const QStringList &files)
{
    const QDir data(QStringLiteral(ORBANE_DATA_DIR));
    for (const QString &name : files)
        QFile::copy(data.filePath(name), m_dir.filePath(name));
}

bool ProgramDir::remove(const QString &name) const { return QFile::remove(file(name)); }

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

} // namespace orbane::test
