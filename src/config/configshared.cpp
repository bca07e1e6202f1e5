#include "config/configshared.h"

#include <QDir>

namespace orbane::config {

ConfigShared &ConfigShared::instance()
{
    static ConfigShared shared;
    return shared;
}

QString ConfigShared::currentFolder() const
{
    return m_currentFolder.isEmpty() ? QDir::currentPath() : m_currentFolder;
}

void ConfigShared::setCurrentFolder(const QString &folder)
{
    m_currentFolder = QDir::cleanPath(QDir(folder).absolutePath());
}

void ConfigShared::announceTitle(const QString &path)
{
    emit titleChanged(windowTitleFor(path));
}

QString &fichconfig()
{
    return ConfigShared::instance().fichconfig;
}

QString windowTitleFor(const QString &path)
{
    return QStringLiteral("Orbane 1S - ") + path;
}

} // namespace orbane::config
