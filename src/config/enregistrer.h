#pragma once

#include "core/services.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace orbane {
class Simulation;
}

namespace orbane::config {

class ConfigSession;
class DriveList;
class FileList;
class FolderList;

// The save window `enregistrer`: a file name typed or picked among the configuration files of
// a folder, and "ENREGISTRER". Modal; it closes (accepted) once the file is written.
class Enregistrer : public QDialog
{
    Q_OBJECT
public:
    // mainWindow places the window and is left alone otherwise; it may be null.
    Enregistrer(Simulation &sim, ConfigSession &session, Dialogs &dialogs, QWidget *mainWindow);

    // "ENREGISTRER".
    void Command1_Click();

private:
    void Drive1_Change();
    void File1_PathChange();
    void File1_DblClick(const QString &name);
    void restorePointer();

    Simulation &m_sim;
    ConfigSession &m_session;
    Dialogs &m_dialogs;
    DriveList *m_drive1 = nullptr;
    FolderList *m_dir1 = nullptr;
    FileList *m_file1 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
};

// Places a configuration window 20 pixels right of and below the main window's corner.
void placeBesideMainWindow(QWidget *window, const QWidget *mainWindow);

// The lists open on `folder` (the last one used), or the nearest readable one.
void openListsOnFolder(const QString &folder, DriveList *drive, FolderList *dir, FileList *file);

// A drive chosen: the folder list moves there; the drive list then follows the folder list
// (a drive that cannot be read leaves both where they were); the file list follows.
void followDrive(DriveList *drive, FolderList *dir, FileList *file);

} // namespace orbane::config
