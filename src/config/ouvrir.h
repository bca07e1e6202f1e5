#pragma once

#include "config/filelists.h"
#include "core/services.h"

#include <QDialog>

class QFrame;
class QLineEdit;
class QPushButton;

namespace orbane {
class Simulation;
}

namespace orbane::config {

class ConfigSession;

// The open window `ouvrir`: a configuration file picked among those of a folder, and
// "OUVRIR". Modal; it closes once a load has been tried (accepted when the file loaded).
class Ouvrir : public QDialog
{
    Q_OBJECT
public:
    // mainWindow places the window and is left alone otherwise; it may be null.
    Ouvrir(Simulation &sim, ConfigSession &session, Dialogs &dialogs, QWidget *mainWindow);

    // "OUVRIR".
    void Command1_Click();

private:
    void File1_Click(const QString &name);

    Simulation &m_sim;
    ConfigSession &m_session;
    Dialogs &m_dialogs;
    FileLists m_lists; // Drive1, Dir1, File1
    QLineEdit *m_ficharge = nullptr;
    QFrame *m_frame1 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
};

} // namespace orbane::config
