#include "config/configsession.h"

#include <QDir>

namespace orbane::config {

ConfigSession::ConfigSession(QObject *parent) : QObject(parent) {}

QString ConfigSession::currentFolder() const
{
    return m_currentFolder.isEmpty() ? QDir::currentPath() : m_currentFolder;
}

void ConfigSession::setCurrentFolder(const QString &folder)
{
    m_currentFolder = QDir::cleanPath(QDir(folder).absolutePath());
}

LoadResult ConfigSession::chargeconfig(Simulation &sim, const QString &path, Dialogs &dialogs)
{
    m_fichconfig = path;
    const LoadResult result = loadConfig(path, sim, dialogs);
    if (result.ok())
        announceTitle(path);
    return result;
}

void ConfigSession::announceTitle(const QString &path) { emit titleChanged(windowTitleFor(path)); }

QString windowTitleFor(const QString &path) { return QStringLiteral("Orbane 1S - ") + path; }

} // namespace orbane::config
