#include "core/regularfile.h"

#include "core/diskerror.h"

#include <QFile>
#include <QLocale>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbane::files {

namespace {

Problem kindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return Problem::None;
    return S_ISDIR(mode) ? Problem::Folder : Problem::Special;
}

Problem failedCall(int errnum)
{
    return errnum == ENOENT || errnum == ENOTDIR ? Problem::Missing : Problem::Unreadable;
}

int accessFlags(QIODevice::OpenMode mode)
{
    const bool reads = mode.testFlag(QIODevice::ReadOnly);
    const bool writes = mode.testFlag(QIODevice::WriteOnly);
    if (reads && writes)
        return O_RDWR | O_CREAT;
    return writes ? O_WRONLY | O_CREAT : O_RDONLY;
}

bool refuse(ReadResult *why, Problem problem, int errnum = 0)
{
    if (why) {
        why->problem = problem;
        why->errnum = errnum;
    }
    return false;
}

} // namespace

QString ReadResult::reason() const
{
    switch (problem) {
    case Problem::None:
        return {};
    case Problem::Missing:
        return QStringLiteral("le fichier n'existe pas");
    case Problem::Folder:
        return QStringLiteral("ce nom désigne un dossier");
    case Problem::Special:
        return notRegularReason();
    case Problem::Unreadable:
        return reasonFor(errnum);
    case Problem::TooLarge:
        return QStringLiteral("le fichier fait %1, au-delà de la taille maximale de %2")
            .arg(sizeText(size), sizeText(limit));
    }
    return {};
}

ReadResult examine(const QString &path)
{
    ReadResult result;
    struct stat st {};
    if (path.isEmpty()) {
        result.problem = Problem::Missing;
        result.errnum = ENOENT;
    } else if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        result.errnum = errno;
        result.problem = failedCall(result.errnum);
    } else {
        result.size = st.st_size;
        result.problem = kindOf(st.st_mode);
    }
    return result;
}

Problem inspect(const QString &path, qint64 *size)
{
    const ReadResult seen = examine(path);
    if (size && seen.problem != Problem::Missing && seen.problem != Problem::Unreadable)
        *size = seen.size;
    return seen.problem;
}

bool openRegular(QFile &file, const QString &path, QIODevice::OpenMode mode, ReadResult *why)
{
    const int flags = accessFlags(mode);
    const ReadResult seen = examine(path);
    if (!seen.ok() && !(seen.problem == Problem::Missing && (flags & O_CREAT)))
        return refuse(why, seen.problem, seen.errnum);
    // Non-blocking, so that a pipe put in place since the check does not hold the open.
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int error = errno;
        return refuse(why, failedCall(error), error);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return refuse(why, Problem::Unreadable, error);
    }
    if (const Problem kind = kindOf(st.st_mode); kind != Problem::None) {
        ::close(fd);
        return refuse(why, kind);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refuse(why, Problem::Unreadable, EIO);
    }
    if (why)
        why->size = st.st_size;
    return true;
}

ReadResult readStart(const QString &path, qint64 bytes)
{
    ReadResult result;
    QFile file;
    if (!openRegular(file, path, QIODevice::ReadOnly, &result))
        return result;
    result.data = file.read(bytes);
    if (file.error() != QFileDevice::NoError) {
        result.data.clear();
        result.problem = Problem::Unreadable;
        result.errnum = EIO;
    }
    return result;
}

ReadResult readAll(const QString &path, qint64 limit)
{
    ReadResult result;
    result.limit = limit;
    QFile file;
    if (!openRegular(file, path, QIODevice::ReadOnly, &result))
        return result;
    if (result.size > limit) {
        result.problem = Problem::TooLarge;
        return result;
    }
    // One byte more than allowed tells a file that grew since it was measured.
    result.data = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        result.data.clear();
        result.problem = Problem::Unreadable;
        result.errnum = EIO;
    } else if (result.data.size() > limit) {
        result.size = result.data.size();
        result.data.clear();
        result.problem = Problem::TooLarge;
    }
    return result;
}

QString sizeText(qint64 bytes)
{
    const QLocale french(QLocale::French);
    constexpr qint64 kMo = 1024 * 1024;
    if (bytes >= kMo)
        return french.toString(double(bytes) / kMo, 'g', bytes % kMo == 0 ? 12 : 3) +
               QStringLiteral(" Mo");
    if (bytes >= 1024)
        return french.toString(double(bytes) / 1024, 'g', 3) + QStringLiteral(" ko");
    return french.toString(bytes) + QStringLiteral(" octets");
}

} // namespace orbane::files
