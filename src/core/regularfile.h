#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

class QFile;

// Readers open regular files only. A folder, a device, a pipe or a socket is refused before it
// is opened (opening a pipe waits for a writer, reading a device may never end), and the check
// is made again on the opened file, so that nothing swapped in meanwhile gets through.
namespace orbane::files {

enum class Problem {
    None,
    Missing,    // no such file
    Folder,     // the name is a folder's
    Special,    // a device, a pipe or a socket
    Unreadable, // the system refused to open or read it
    TooLarge,   // over the reader's limit; not read at all
};

struct ReadResult
{
    QByteArray data;
    Problem problem = Problem::None;
    int errnum = 0;   // the system's error, for Missing and Unreadable
    qint64 size = 0;  // the file's size, when known
    qint64 limit = 0; // the reader's limit, for TooLarge
    bool ok() const { return problem == Problem::None; }
    // Why the file could not be read, in French ("ce nom désigne un dossier"...).
    QString reason() const;
};

// What stands in the way of reading `path` as a regular file, seen without opening it, with
// the system's error when the look itself failed (a loop of links, no permission...).
ReadResult examine(const QString &path);
Problem inspect(const QString &path, qint64 *size = nullptr);

// Opens a regular file into `file`. With a write mode a missing file is created (and an
// existing one never truncated). False, with the problem, when the path is anything else or
// the system refuses.
bool openRegular(QFile &file, const QString &path, QIODevice::OpenMode mode,
                 ReadResult *why = nullptr);

// The first `bytes` bytes of a regular file (all of it when it is shorter).
ReadResult readStart(const QString &path, qint64 bytes);
// A whole regular file; one larger than `limit` is refused without being read.
ReadResult readAll(const QString &path, qint64 limit);

// A size for the user: "4 Mo", "1,5 Mo", "12 ko".
QString sizeText(qint64 bytes);

} // namespace orbane::files
