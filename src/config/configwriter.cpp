#include "config/configwriter.h"

#include "config/configformat.h"
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

// The new records take the place of the old ones past the swatches; an option an earlier save
// turned on is turned off there when it is now off.
void mergeTail(const records::Image &image, QByteArray *tail)
{
    const qint64 written = image.bytes().size() - kImageSize;
    if (written > 0) {
        tail->remove(0, qMin(written, qint64(tail->size())));
        return;
    }
    if (laterOptionOn(*tail, 1)) {
        records::Image off;
        off.set(1, spacedDecimal(0));
        tail->replace(0, records::kRecordSize, off.bytes());
    }
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
    mergeTail(*image, &tail);
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
