#pragma once

#include "config/configloader.h"
#include "core/services.h"

#include <QObject>
#include <QString>

namespace orbane {
class Simulation;
}

namespace orbane::config {

// What the file windows share for the whole run: the configuration last saved or loaded, and
// the folder they start on. The main window owns it and hands it to the windows that need it.
class ConfigSession : public QObject
{
    Q_OBJECT
public:
    explicit ConfigSession(QObject *parent = nullptr);

    // `fichconfig`: full path of the configuration being saved or loaded; empty at start.
    const QString &fichconfig() const { return m_fichconfig; }
    void setFichconfig(const QString &path) { m_fichconfig = path; }

    // The name the save window offers: the configuration's own once the user saved it in this
    // run, so that saving again keeps it; otherwise a neutral one, never a shipped exercise's.
    QString saveName() const;
    // The user saved the configuration to `path`.
    void markSaved(const QString &path) { m_saved = path; }

    // The folder the open and save windows and the exercise chooser start on (the process's
    // folder until one of them changes it), so each reopens on the folder last used.
    QString currentFolder() const;
    void setCurrentFolder(const QString &folder);

    // `chargeconfig`: the file becomes `fichconfig` and is loaded; when it loaded, the main
    // window is told its new title.
    LoadResult chargeconfig(Simulation &sim, const QString &path, Dialogs &dialogs);

    // Tells the main window its new title after a successful save or load.
    void announceTitle(const QString &path);

signals:
    void titleChanged(const QString &title);

private:
    QString m_fichconfig;
    QString m_saved; // last saved by the user in this run
    QString m_currentFolder;
};

// "Orbane 1S - " + path.
QString windowTitleFor(const QString &path);

} // namespace orbane::config
