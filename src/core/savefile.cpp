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
#include <vector>

namespace orbane::saving {

using files::reasonFor;

namespace {

Disk g_systemDisk;
Disk *g_disk = &g_systemDisk;

const QString kMark = QStringLiteral("~orbane.");
const QString kSuffix = QStringLiteral(".tmp");
const QString kBackup = QStringLiteral(".old"); // before kSuffix: an old file set aside

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
        QString process = entry.mid(prefix.size(), entry.size() - prefix.size() - kSuffix.size());
        if (process.endsWith(kBackup))
            process.chop(kBackup.size());
        bool number = false;
        const qint64 pid = process.toLongLong(&number);
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

// A file written and flushed to its temporary, waiting to replace its target.
struct Pending
{
    QString target;
    QString temporary;
    bool existed = false; // the target was there before: it is set aside, not lost
};

// Checks the target, sweeps the temporaries of dead runs and fills a new temporary; on failure
// nothing is left behind.
SaveResult writeTemporary(const QString &path, const Writer &writer, Pending *pending)
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
    const int error = fill(fd, writer, &produced);
    if (error != 0 || !produced) {
        ::unlink(native(temporary).constData());
        return failed(error != 0 ? reasonFor(error)
                                 : QStringLiteral("le contenu n'a pas pu être préparé"));
    }
    *pending = {target, temporary, S_ISREG(st.st_mode)};
    return {true, {}};
}

Writer bytesWriter(const QByteArray &bytes)
{
    return [&bytes](QIODevice &file) { return file.write(bytes) == bytes.size(); };
}

// Where the old file waits while a save of several files is not over.
QString backupName(const Pending &p)
{
    return p.temporary.chopped(kSuffix.size()) + kBackup + kSuffix;
}

bool renamed(const QString &from, const QString &to)
{
    return g_disk->rename(native(from).constData(), native(to).constData()) == 0;
}

// Puts the new file in place, the old one set aside first; false with errno set on failure,
// the old file back in place.
bool replace(const Pending &p)
{
    if (p.existed && !renamed(p.target, backupName(p)))
        return false;
    if (renamed(p.temporary, p.target))
        return true;
    const int error = errno;
    if (p.existed)
        renamed(backupName(p), p.target);
    errno = error;
    return false;
}

// Undoes the replacements made, the last first: each old file back, each new file gone.
void restore(const std::vector<Pending> &pending, std::size_t done)
{
    while (done-- > 0) {
        const Pending &p = pending[done];
        if (p.existed)
            renamed(backupName(p), p.target);
        else
            ::unlink(native(p.target).constData());
    }
}

void removeTemporaries(const std::vector<Pending> &pending, std::size_t from)
{
    for (std::size_t i = from; i < pending.size(); ++i)
        ::unlink(native(pending[i].temporary).constData());
}

// saveAll; `at` ends on the file at fault.
SaveResult saveEach(const std::vector<FileImage> &images, std::size_t *at)
{
    for (*at = 0; *at < images.size(); ++*at) {
        struct stat st {};
        QString reason;
        if (targetRefused(finalTarget(images[*at].path), &st, &reason))
            return failed(reason);
    }
    std::vector<Pending> pending(images.size());
    for (*at = 0; *at < images.size(); ++*at) {
        const SaveResult made =
            writeTemporary(images[*at].path, bytesWriter(images[*at].bytes), &pending[*at]);
        if (!made) {
            pending.resize(*at);
            removeTemporaries(pending, 0);
            return made;
        }
    }
    for (*at = 0; *at < pending.size(); ++*at) {
        if (!replace(pending[*at])) {
            const int error = errno;
            restore(pending, *at);
            removeTemporaries(pending, *at);
            return failed(reasonFor(error));
        }
    }
    for (const Pending &p : pending) {
        if (p.existed)
            ::unlink(native(backupName(p)).constData());
        syncFolder(p.target);
    }
    return {true, {}};
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
    Pending pending;
    if (SaveResult made = writeTemporary(path, writer, &pending); !made)
        return made;
    if (!renamed(pending.temporary, pending.target)) {
        const int error = errno;
        ::unlink(native(pending.temporary).constData());
        return failed(reasonFor(error));
    }
    syncFolder(pending.target);
    return {true, {}};
}

SaveResult saveBytes(const QString &path, const QByteArray &bytes)
{
    return saveFile(path, bytesWriter(bytes));
}

SaveResult saveAll(const std::vector<FileImage> &images, QString *fault)
{
    std::size_t at = 0;
    const SaveResult result = saveEach(images, &at);
    if (!result && fault)
        *fault = images[at].path;
    return result;
}

} // namespace orbane::saving
