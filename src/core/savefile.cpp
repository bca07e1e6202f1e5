#include "core/savefile.h"

#include "core/diskerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSysInfo>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbane::saving {

using files::reasonFor;

namespace {

Disk g_systemDisk;
Disk *g_disk = &g_systemDisk;

const QString kMark = QStringLiteral("~orbane.");
const QString kSuffix = QStringLiteral(".tmp");

QByteArray native(const QString &path) { return QFile::encodeName(path); }

// The temporary file's name starts with the target's, cut so that the whole name stays within
// what a folder entry may hold.
QString stemOf(const QString &fileName)
{
    QString stem = fileName;
    while (native(stem).size() > 100)
        stem.chop(1);
    return stem;
}

QString host()
{
    QString name = QSysInfo::machineHostName().left(40);
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return name.isEmpty() ? QStringLiteral("local") : name;
}

QString prefixFor(const QString &target)
{
    return QLatin1Char('.') + stemOf(QFileInfo(target).fileName()) + kMark;
}

// The file a symbolic link finally points to: that is the file to replace.
QString finalTarget(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.absoluteFilePath();
}

bool processGone(qint64 pid)
{
    return pid > 0 && pid != qint64(::getpid()) && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

// Temporary files of this program for this target, made on this machine by a process that no
// longer runs (or by this one, when removing it failed before).
void removeStaleTemporaries(const QString &target)
{
    const QFileInfo info(target);
    const QString prefix = prefixFor(target) + host() + QLatin1Char('.');
    const QDir folder = info.absoluteDir();
    const QStringList entries =
        folder.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (!entry.startsWith(prefix) || !entry.endsWith(kSuffix))
            continue;
        bool number = false;
        const qint64 pid =
            entry.mid(prefix.size(), entry.size() - prefix.size() - kSuffix.size()).toLongLong(&number);
        if (number && (pid == qint64(::getpid()) || processGone(pid)))
            ::unlink(native(folder.filePath(entry)).constData());
    }
}

// Writes straight to the temporary file through the disk; the first failure sticks, so that
// the save fails even when the writer goes on as if nothing happened.
class TemporaryFile final : public QIODevice
{
public:
    TemporaryFile(int fd, Disk &disk) : m_fd(fd), m_disk(disk) {}
    int failure() const { return m_errno; }
    bool isSequential() const override { return false; }
    qint64 size() const override
    {
        struct stat st {};
        return ::fstat(m_fd, &st) == 0 ? qint64(st.st_size) : 0;
    }
    bool seek(qint64 pos) override
    {
        return ::lseek(m_fd, off_t(pos), SEEK_SET) >= 0 && QIODevice::seek(pos);
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        qint64 done = 0;
        while (m_errno == 0 && done < size) {
            const qint64 n = m_disk.write(m_fd, data + done, size - done);
            if (n > 0)
                done += n;
            else if (n == 0)
                m_errno = ENOSPC; // no progress: the disk takes nothing more
            else if (errno != EINTR)
                m_errno = errno;
        }
        return m_errno == 0 ? done : -1;
    }

private:
    int m_fd;
    Disk &m_disk;
    int m_errno = 0;
};

SaveResult failed(const QString &reason) { return {false, reason}; }

// The renaming is kept once the folder's entry reaches the disk; a failure here is not the
// save's, since the new file is already in place.
void syncFolder(const QString &target)
{
    const int fd = ::open(native(QFileInfo(target).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// An existing target must be a regular file that may be written.
bool targetRefused(const QString &target, struct stat *st, QString *reason)
{
    if (::stat(native(target).constData(), st) != 0) {
        st->st_mode = 0;
        return false; // a new file: the folder decides
    }
    if (S_ISDIR(st->st_mode))
        *reason = reasonFor(EISDIR);
    else if (!S_ISREG(st->st_mode))
        *reason = files::notRegularReason();
    else if (::access(native(target).constData(), W_OK) != 0)
        *reason = errno == EACCES ? QStringLiteral("le fichier est en lecture seule") : reasonFor(errno);
    return !reason->isEmpty();
}

// Writes, flushes and closes the temporary file; the errno of the first failure, or 0.
int fill(int fd, const Writer &writer, bool *produced)
{
    TemporaryFile device(fd, *g_disk);
    device.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    *produced = writer(device);
    device.close();
    int error = device.failure();
    if (error == 0 && *produced && g_disk->fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0 && errno != EINTR)
        error = errno;
    return error;
}

} // namespace

qint64 Disk::write(int fd, const char *data, qint64 size) { return ::write(fd, data, size_t(size)); }
int Disk::fsync(int fd) { return ::fsync(fd); }
int Disk::rename(const char *from, const char *to) { return ::rename(from, to); }

UseDisk::UseDisk(Disk &disk) : m_previous(g_disk) { g_disk = &disk; }
UseDisk::~UseDisk() { g_disk = m_previous; }

QString temporaryName(const QString &target)
{
    const QFileInfo info(finalTarget(target));
    return info.absoluteDir().filePath(prefixFor(info.filePath()) + host() + QLatin1Char('.') +
                                       QString::number(::getpid()) + kSuffix);
}

SaveResult saveFile(const QString &path, const Writer &writer)
{
    const QString target = finalTarget(path);
    struct stat st {};
    QString reason;
    if (targetRefused(target, &st, &reason))
        return failed(reason);
    removeStaleTemporaries(target);

    const QString temporary = temporaryName(target);
    const mode_t mode = S_ISREG(st.st_mode) ? (st.st_mode & 07777) : 0666;
    const int fd = ::open(native(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0)
        return failed(reasonFor(errno));
    if (S_ISREG(st.st_mode))
        ::fchmod(fd, mode); // the umask must not narrow the old file's permissions

    bool produced = false;
    int error = fill(fd, writer, &produced);
    if (error == 0 && produced &&
        g_disk->rename(native(temporary).constData(), native(target).constData()) != 0)
        error = errno;
    if (error != 0 || !produced) {
        ::unlink(native(temporary).constData());
        return failed(error != 0 ? reasonFor(error)
                                 : QStringLiteral("le contenu n'a pas pu être préparé"));
    }
    syncFolder(target);
    return {true, {}};
}

SaveResult saveBytes(const QString &path, const QByteArray &bytes)
{
    return saveFile(path, [&bytes](QIODevice &file) { return file.write(bytes) == bytes.size(); });
}

} // namespace orbane::saving
