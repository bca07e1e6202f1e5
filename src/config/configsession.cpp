#include "config/configsession.h"

#include <QDir>
#include <QFileInfo>

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

QString ConfigSession::saveName() const
{
    return !m_saved.isEmpty() && m_saved == m_fichconfig ? QFileInfo(m_saved).fileName()
                                                         : QStringLiteral("Configuration.P08");
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
