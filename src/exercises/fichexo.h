#pragma once

#include "exercises/preview.h"

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace orbane::config {
class DriveList;
class FolderList;
} // namespace orbane::config

namespace orbane::exercises {

class ExerciseCommands;
class ExerciseFileList;
class TitleBand;

// The exercise chooser `Fichexo` ("Ouvrir un exercice"): it lies over the main window, lists
// the exercise files of a folder, previews the selected one and opens it. Modal; it closes
// (accepted) once an exercise has been opened.
class Fichexo : public QDialog
{
    Q_OBJECT
public:
    Fichexo(ExerciseCommands &commands, QWidget *mainWindow);

    // The file click: the folder of the list, then the file, then its preview.
    void File1_Click(const QString &name);
    // `apercu`: shows the preview of `fichierexo`.
    void apercu();
    // `ouvreur`: opens the selected exercise.
    void ouvreur_Click();
    // The folder shown by the lists.
    void showFolder(const QString &folder);

    QString fichierexo() const;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildList();
    void buildPreview();
    void coverMainWindow(QWidget *mainWindow);
    void followDrive();
    void listFolder(const QString &folder);
    void showWaiting(bool on);

    ExerciseCommands &m_commands;
    bool m_activated = false;
    TitleBand *m_tito = nullptr;
    QFrame *m_frame1 = nullptr;
    config::DriveList *m_drive1 = nullptr;
    config::FolderList *m_dir1 = nullptr;
    ExerciseFileList *m_file1 = nullptr;
    QLineEdit *m_fichierexo = nullptr;
    QWidget *m_previewPanel = nullptr;
    QLabel *m_titratexo = nullptr;
    QLabel *m_intratro = nullptr;
    QLabel *m_label4 = nullptr;
    std::array<QLabel *, 3> m_image4{};
    QLabel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr;
    QLabel *m_label1 = nullptr;
    QPlainTextEdit *m_text1 = nullptr;
    QToolButton *m_ouvreur = nullptr;
    QToolButton *m_image5 = nullptr;
    QFrame *m_frame2 = nullptr;
};

} // namespace orbane::exercises
