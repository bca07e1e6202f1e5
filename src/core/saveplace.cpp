#include "core/saveplace.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace orbane {

SavePlace::SavePlace(const QString &documents)
    : m_documents(documents.isEmpty() ? QDir::homePath() : QDir::cleanPath(documents))
{
}

QString SavePlace::folder()
{
    if (!m_lastSaved.isEmpty() && QFileInfo(m_lastSaved).isDir())
        return m_lastSaved;
    const QString own = ownFolder();
    if (QDir().mkpath(own))
        return own;
    return QFileInfo(m_documents).isDir() ? m_documents : QDir::homePath();
}

QString SavePlace::ownFolder() const { return m_documents + QStringLiteral("/Orbane 1S"); }

QString SavePlace::suggested(const QString &name) { return QDir(folder()).filePath(name); }

void SavePlace::remember(const QString &savedPath)
{
    savedIn(QFileInfo(savedPath).absolutePath());
}

SavePlace &SavePlace::shared()
{
    static SavePlace place(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return place;
}

} // namespace orbane
