#include "exercises/exercisepaths.h"

#include <QDir>
#include <QFileInfo>

namespace orbane::exercises {

QString withSeparator(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

QString folderOf(const QString &filePath)
{
    return withSeparator(QFileInfo(filePath).absolutePath());
}

static QString matchCaseless(const QDir &dir, const QString &part)
{
    if (dir.exists(part))
        return part;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString &e : entries)
        if (e.compare(part, Qt::CaseInsensitive) == 0)
            return e;
    return part;
}

QString resolve(const QString &folder, const QString &name)
{
    QString relative = name.trimmed();
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString plain = withSeparator(folder) + relative;
    if (relative.isEmpty() || QFileInfo::exists(plain))
        return plain;
    QString path = withSeparator(folder);
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts)
        path = withSeparator(path) + matchCaseless(QDir(path), part);
    return QFileInfo::exists(path) ? path : plain;
}

// True when the name, read from the folder, stays inside it.
static bool staysInside(const QString &name)
{
    QString relative = name.trimmed();
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool driveLetter = relative.size() >= 2 && relative[1] == QLatin1Char(':') &&
                             relative[0].isLetter();
    if (relative.startsWith(QLatin1Char('/')) || driveLetter)
        return false;
    int depth = 0;
    for (const QString &part : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String(".."))
            --depth;
        else if (part != QLatin1String("."))
            ++depth;
        if (depth < 0)
            return false;
    }
    return true;
}

std::optional<QString> resolveInside(const QString &folder, const QString &name)
{
    if (!staysInside(name))
        return std::nullopt;
    return resolve(folder, name);
}

} // namespace orbane::exercises
