#include "config/savename.h"

#include <QDir>
#include <QFileInfo>

namespace orbane::config {

namespace {
const QString kExtension = QStringLiteral(".P08");
const QChar kSeparator = QLatin1Char('/');
} // namespace

std::optional<QString> savePath(const QString &typed, const QString &folder)
{
    QString text = typed.trimmed();
    for (;;) {
        const qsizetype cut = text.lastIndexOf(kSeparator) + 1;
        const QString name = text.mid(cut);
        if (name.isEmpty())
            return std::nullopt;
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        if (dot < 0)
            break;
        text = (text.left(cut) + name.left(dot)).trimmed();
    }
    if (!text.contains(kSeparator)) {
        QString dir = folder;
        if (!dir.endsWith(kSeparator))
            dir += kSeparator;
        text = dir + text;
    } else if (QDir::isRelativePath(text)) {
        text = QDir::cleanPath(QDir(folder).absoluteFilePath(text));
    }
    return text + kExtension;
}

QString existingSpelling(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() || !path.endsWith(kExtension))
        return path;
    const QString wanted = info.fileName();
    const QString base = wanted.chopped(kExtension.size());
    const QStringList names = info.dir().entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        if (name.startsWith(base) && name.size() == wanted.size() &&
            name.endsWith(kExtension, Qt::CaseInsensitive))
            return info.dir().filePath(name);
    }
    return path;
}

} // namespace orbane::config
