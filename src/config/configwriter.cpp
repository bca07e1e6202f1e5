#include "config/configwriter.h"

#include "config/configformat.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace orbane::config {

namespace {

// The bytes of an existing file past the configuration's records; they are carried over.
bool readTail(const QString &path, QByteArray *tail, QString *detail)
{
    if (!QFileInfo::exists(path))
        return true;
    QFile old(path);
    if (!old.open(QIODevice::ReadOnly)) {
        *detail = QStringLiteral("cannot read the existing file: ") + old.errorString();
        return false;
    }
    if (old.size() > kImageSize && old.seek(kImageSize))
        *tail = old.readAll();
    return true;
}

} // namespace

WriteResult writeConfig(const QString &path, const Controls &controls)
{
    WriteResult result;
    const auto image = encode(controls, &result.detail);
    if (!image)
        return result;
    QByteArray tail;
    if (!readTail(path, &tail, &result.detail))
        return result;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.detail = file.errorString();
        return result;
    }
    if (file.write(image->bytes()) != image->bytes().size() || file.write(tail) != tail.size()) {
        result.detail = file.errorString();
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.detail = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace orbane::config
