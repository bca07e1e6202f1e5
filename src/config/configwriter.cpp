#include "config/configwriter.h"

#include "config/configformat.h"
#include "config/laterrecords.h"
#include "core/diskerror.h"
#include "core/regularfile.h"
#include "core/savefile.h"

#include <QFile>
#include <cerrno>

namespace orbane::config {

namespace {

// The bytes of an existing file past the configuration's records; they are carried over.
// Anything but a regular file is left for the save to refuse.
bool readTail(const QString &path, QByteArray *tail, WriteResult *result)
{
    qint64 size = 0;
    if (files::inspect(path, &size) != files::Problem::None || size <= kImageSize)
        return true;
    QFile old;
    files::ReadResult why;
    if (!files::openRegular(old, path, QIODevice::ReadOnly, &why) || !old.seek(kImageSize)) {
        result->reason = why.ok() ? files::reasonFor(EIO) : why.reason();
        result->detail = QStringLiteral("cannot read the existing file");
        return false;
    }
    *tail = old.readAll();
    return true;
}

// Record n of the tail, when it says another value than the controls hold now, says theirs.
// An unreadable record says nothing and is kept as it stands, as is one that does not count
// with the controls now.
void refresh(const LaterRecord &row, const Controls &controls, int n, QByteArray *tail)
{
    if (!row.counts(controls))
        return;
    Controls was = controls;
    readLater(row, records::decode(*tail, n), was);
    const QString now = laterText(row, controls);
    if (laterText(row, was) == now)
        return;
    records::Image rec;
    rec.set(1, now);
    tail->replace(qint64(n - 1) * records::kRecordSize, records::kRecordSize, rec.bytes());
}

// The new records take the place of the old ones past the swatches. Past the records written,
// the later options hold their absent values: one that an earlier save wrote otherwise is
// rewritten, and records this version does not know are kept.
void mergeTail(const records::Image &image, const Controls &controls, QByteArray *tail)
{
    const int written = int(image.bytes().size() / records::kRecordSize);
    for (const LaterRecord &row : laterRecords()) {
        if (row.record > written)
            refresh(row, controls, row.record - kRecordCount, tail);
    }
    const qint64 replaced = qint64(written - kRecordCount) * records::kRecordSize;
    tail->remove(0, qMin(replaced, qint64(tail->size())));
}

} // namespace

WriteResult writeConfig(const QString &path, const Controls &controls)
{
    WriteResult result;
    const auto image = encode(controls, &result.detail);
    if (!image) {
        result.reason = QStringLiteral("une valeur dépasse 126 caractères");
        return result;
    }
    QByteArray tail;
    if (!readTail(path, &tail, &result))
        return result;
    mergeTail(*image, controls, &tail);
    const saving::SaveResult saved = saving::saveFile(path, [&](QIODevice &file) {
        return file.write(image->bytes()) == image->bytes().size() && file.write(tail) == tail.size();
    });
    result.ok = saved.ok;
    result.reason = saved.reason;
    if (!saved.ok)
        result.detail = saved.reason;
    return result;
}

} // namespace orbane::config
