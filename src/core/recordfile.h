#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// Files of 128-byte records numbered from 1, each holding one string as a 16-bit
// little-endian length followed by that many code-page-1252 bytes.
// This is the only reader and writer of that layout.
namespace orbane::records {

inline constexpr int kRecordSize = 128;
inline constexpr int kMaxText = kRecordSize - 2;

enum class Status {
    Ok,
    Missing, // the file ends before the record starts
    Corrupt, // length over 126, or the text is cut short
};

struct Record
{
    QString text;
    Status status = Status::Ok;
    bool ok() const { return status == Status::Ok; }
};

// Decodes record n of an in-memory image of a record file.
Record decode(const QByteArray &image, int n);

// Builds a record file image in memory; nothing is written if a text is too long.
class Image
{
public:
    // False (and the image unchanged) when the text does not fit in a record.
    bool set(int n, const QString &text);
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// Reads record n of an open device (random access).
Record read(QIODevice &device, int n);
// Writes record n in place: the file grows when needed, other records are kept.
bool write(QIODevice &device, int n, const QString &text);

// File helpers: opening creates a missing file and never truncates it; anything but a regular
// file is refused.
Record readFile(const QString &path, int n);
bool writeFile(const QString &path, int n, const QString &text);

} // namespace orbane::records
