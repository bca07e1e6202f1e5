#pragma once

#include <QComboBox>
#include <QList>
#include <QListWidget>
#include <QStringList>
#include <QString>

class QPushButton;

// The drive, folder and file lists shared by the open and save windows.
namespace orbane::config {

struct Volume
{
    QString rootPath;
    QString name; // volume label, often empty
};

// `Drive1`: the mounted volumes.
class DriveList : public QComboBox
{
    Q_OBJECT
public:
    explicit DriveList(QWidget *parent = nullptr);

    static QList<Volume> mountedVolumes();
    // Replaces the volumes offered (tests offer their own).
    void setVolumes(const QList<Volume> &volumes);

    QString drive() const; // root path of the chosen volume
    // Chooses the volume that holds `path` without reporting a change.
    void setDriveOf(const QString &path);

signals:
    void driveChosen(const QString &rootPath); // by the user

private:
    QList<Volume> m_volumes;
};

// `Dir1`: the folders from the root down to the current one, then its sub-folders.
// A double click or Enter opens the highlighted folder.
class FolderList : public QListWidget
{
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    // False, and the list unchanged, when the folder cannot be read.
    bool setPath(const QString &path);
    // Opens the highlighted entry.
    void openHighlighted();

signals:
    void pathChanged(const QString &path);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fill();
    QString m_path;
};

// `File1`: the configuration files ("*.P08", whatever the case) of one folder.
class FileList : public QListWidget
{
    Q_OBJECT
public:
    // Lists the files of a folder whose names end in one of `suffixes`, whatever its case.
    explicit FileList(QWidget *parent = nullptr,
                      const QStringList &suffixes = {QStringLiteral(".P08")});

    QString path() const { return m_path; }
    void setPath(const QString &path);
    QString fileName() const; // the highlighted file, or empty
    // Highlights a file of the list; false when it is not listed.
    bool selectFile(const QString &name);

    static bool hasSuffix(const QString &fileName, const QString &suffix);

signals:
    void fileClicked(const QString &name);
    void fileDoubleClicked(const QString &name);
    void pathChanged(const QString &path);

private:
    QStringList m_suffixes;
    QString m_path;
};

// The drive, folder and configuration file lists of the open and save windows, and the
// shortcuts to the home ("Dossier personnel") and documents folders beside the folder list.
struct FileLists
{
    DriveList *drive = nullptr;
    FolderList *dir = nullptr;
    FileList *file = nullptr;
    QPushButton *home = nullptr;
    QPushButton *documents = nullptr;
};

// The three lists and the two shortcuts, made in their tab order.
FileLists makeFileLists(QWidget *parent);

// The lists open on `folder` (the last one used), or the nearest readable one; from then on the
// folder list follows the chosen drive and the shortcuts, and the file list the folder list.
void openFileLists(const FileLists &lists, const QString &folder);

} // namespace orbane::config
