#pragma once

#include "config/filelists.h"
#include "core/services.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace orbane {
class Simulation;
}

namespace orbane::config {

class ConfigSession;

// The save window `enregistrer`: a file name typed or picked among the configuration files of
// a folder, and "ENREGISTRER". It opens on the save place (SavePlace::shared()). Modal; it
// closes (accepted) once the file is written.
class Enregistrer : public QDialog
{
    Q_OBJECT
public:
    // mainWindow places the window and is left alone otherwise; it may be null.
    Enregistrer(Simulation &sim, ConfigSession &session, Dialogs &dialogs, QWidget *mainWindow);

    // "ENREGISTRER".
    void Command1_Click();

private:
    void File1_PathChange();
    void File1_DblClick(const QString &name);
    void restorePointer();

    Simulation &m_sim;
    ConfigSession &m_session;
    Dialogs &m_dialogs;
    FileLists m_lists; // Drive1, Dir1, File1
    QLineEdit *m_text1 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
};

// Places a configuration window 20 pixels right of and below the main window's corner.
void placeBesideMainWindow(QWidget *window, const QWidget *mainWindow);

} // namespace orbane::config
