#include "core/recordfile.h"

#include "core/cp1252.h"
#include "core/regularfile.h"

#include <QFile>
#include <QIODevice>

namespace orbane::records {

static qint64 offsetOf(int n) { return qint64(n - 1) * kRecordSize; }

Record decode(const QByteArray &image, int n)
{
    if (n < 1)
        return {{}, Status::Missing};
    const qint64 start = offsetOf(n);
    if (start >= image.size())
        return {{}, Status::Missing};
    if (start + 2 > image.size())
        return {{}, Status::Corrupt};
    const auto lo = static_cast<unsigned char>(image[start]);
    const auto hi = static_cast<unsigned char>(image[start + 1]);
    const int length = lo | (hi << 8);
    if (length > kMaxText || start + 2 + length > image.size())
        return {{}, Status::Corrupt};
    return {cp1252::decode(image.mid(start + 2, length)), Status::Ok};
}

static QByteArray encodeRecord(const QString &text, bool *ok)
{
    const QByteArray bytes = cp1252::encode(text);
    *ok = bytes.size() <= kMaxText;
    if (!*ok)
        return {};
    QByteArray rec(kRecordSize, '\0');
    rec[0] = char(bytes.size() & 0xFF);
    rec[1] = char((bytes.size() >> 8) & 0xFF);
    rec.replace(2, bytes.size(), bytes);
    return rec;
}

bool Image::set(int n, const QString &text)
{
    bool ok = false;
    const QByteArray rec = encodeRecord(text, &ok);
    if (!ok || n < 1)
        return false;
    const qint64 start = offsetOf(n);
    if (m_bytes.size() < start + kRecordSize)
        m_bytes.resize(start + kRecordSize, '\0');
    m_bytes.replace(start, kRecordSize, rec);
    return true;
}

Record read(QIODevice &device, int n)
{
    if (n < 1 || !device.seek(offsetOf(n)))
        return {{}, Status::Missing};
    const QByteArray rec = device.read(kRecordSize);
    if (rec.isEmpty())
        return {{}, Status::Missing};
    // Decode as record 1 of a one-record image: same bounds checks.
    return decode(rec, 1);
}

bool write(QIODevice &device, int n, const QString &text)
{
    bool ok = false;
    const QByteArray rec = encodeRecord(text, &ok);
    if (!ok || n < 1)
        return false;
    const qint64 start = offsetOf(n);
    if (device.size() < start) {
        // Fill the gap so earlier records read as empty rather than as garbage.
        if (!device.seek(device.size()))
            return false;
        const QByteArray gap(start - device.size(), '\0');
        if (device.write(gap) != gap.size())
            return false;
    }
    return device.seek(start) && device.write(rec) == rec.size();
}

Record readFile(const QString &path, int n)
{
    QFile f;
    if (!files::openRegular(f, path, QIODevice::ReadWrite) &&
        !files::openRegular(f, path, QIODevice::ReadOnly))
        return {{}, Status::Missing};
    return read(f, n);
}

bool writeFile(const QString &path, int n, const QString &text)
{
    QFile f;
    if (!files::openRegular(f, path, QIODevice::ReadWrite))
        return false;
    return write(f, n, text) && f.flush();
}

} // namespace orbane::records
