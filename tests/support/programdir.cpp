#include "support/programdir.h"

#include <QDir>
#include <QFile>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

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

namespace {

// The capabilities that let root write a read-only file, in this thread's effective set.
constexpr quint32 kFileOverrides =
    (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

bool setFileOverrides(bool on)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0 || !(data[0].permitted & kFileOverrides))
        return false;
    data[0].effective = on ? data[0].effective | (data[0].permitted & kFileOverrides)
                           : data[0].effective & ~kFileOverrides;
    return syscall(SYS_capset, &header, data) == 0;
}

} // namespace

ReadOnlyFile::ReadOnlyFile(const QString &path) : m_path(path)
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    m_dropped = setFileOverrides(false);
}

ReadOnlyFile::~ReadOnlyFile()
{
    if (m_dropped)
        setFileOverrides(true);
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                      QFile::ReadOther);
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

} // namespace orbane::test
