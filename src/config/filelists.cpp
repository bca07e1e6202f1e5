#include "config/filelists.h"

#include "core/saveplace.h"
#include "platform/dialogparts.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>
#include <algorithm>

namespace orbane::config {

namespace {

constexpr int kPathRole = Qt::UserRole;

bool lessCaseless(const QString &a, const QString &b)
{
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

// True when `path` lies in the tree rooted at `root`.
bool isUnder(const QString &path, const QString &root)
{
    if (root == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

} // namespace

// ---- drives --------------------------------------------------------------------------------

DriveList::DriveList(QWidget *parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("Drive1"));
    setAccessibleName(QStringLiteral("Lecteur"));
    setVolumes(mountedVolumes());
    connect(this, &QComboBox::activated, this, [this](int) { emit driveChosen(drive()); });
}

QList<Volume> DriveList::mountedVolumes()
{
    QList<Volume> out;
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &v : volumes) {
        if (v.isValid() && v.isReady())
            out.append({v.rootPath(), v.name()});
    }
    std::sort(out.begin(), out.end(),
              [](const Volume &a, const Volume &b) { return a.rootPath < b.rootPath; });
    return out;
}

void DriveList::setVolumes(const QList<Volume> &volumes)
{
    m_volumes = volumes;
    const QSignalBlocker quiet(this);
    clear();
    for (const Volume &v : m_volumes)
        addItem(style()->standardIcon(QStyle::SP_DriveHDIcon),
                v.name.isEmpty() ? v.rootPath
                                 : v.rootPath + QStringLiteral("  [") + v.name + QLatin1Char(']'));
}

QString DriveList::drive() const
{
    const int i = currentIndex();
    return i >= 0 && i < m_volumes.size() ? m_volumes[i].rootPath : QString();
}

void DriveList::setDriveOf(const QString &path)
{
    int best = -1;
    for (int i = 0; i < m_volumes.size(); ++i) {
        if (isUnder(path, m_volumes[i].rootPath) &&
            (best < 0 || m_volumes[i].rootPath.size() > m_volumes[best].rootPath.size()))
            best = i;
    }
    const QSignalBlocker quiet(this);
    setCurrentIndex(best);
}

// ---- folders -------------------------------------------------------------------------------

FolderList::FolderList(QWidget *parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("Dir1"));
    setAccessibleName(QStringLiteral("Dossiers"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        setCurrentItem(item);
        openHighlighted();
    });
}

bool FolderList::setPath(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isDir() || !info.isReadable() || !QDir(path).isReadable())
        return false;
    const QString clean = QDir::cleanPath(info.absoluteFilePath());
    if (clean == m_path)
        return true;
    m_path = clean;
    fill();
    emit pathChanged(m_path);
    return true;
}

void FolderList::openHighlighted()
{
    if (const QListWidgetItem *item = currentItem())
        setPath(item->data(kPathRole).toString());
}

void FolderList::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openHighlighted();
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void FolderList::fill()
{
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    auto add = [&](const QString &text, const QString &path, int depth, const QIcon &icon) {
        auto *item = new QListWidgetItem(icon, QString(depth * 2, QLatin1Char(' ')) + text, this);
        item->setData(kPathRole, path);
        return item;
    };

    // The chain from the root down to the current folder.
    QStringList parts = m_path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString walked = QStringLiteral("/");
    QListWidgetItem *current = add(walked, walked, 0, open);
    for (int i = 0; i < parts.size(); ++i) {
        walked = QDir::cleanPath(walked + QLatin1Char('/') + parts[i]);
        current = add(parts[i], walked, i + 1, open);
    }
    QFont bold = current->font();
    bold.setBold(true);
    current->setFont(bold);

    QStringList children = QDir(m_path).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(children.begin(), children.end(), lessCaseless);
    for (const QString &child : children)
        add(child, QDir(m_path).filePath(child), int(parts.size()) + 1, closed);

    setCurrentItem(current);
    scrollToItem(current);
}

// ---- files ---------------------------------------------------------------------------------

FileList::FileList(QWidget *parent, const QStringList &suffixes)
    : QListWidget(parent), m_suffixes(suffixes)
{
    setObjectName(QStringLiteral("File1"));
    setAccessibleName(QStringLiteral("Fichiers"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!fileName().isEmpty())
            emit fileClicked(fileName());
    });
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { emit fileDoubleClicked(item->text()); });
}

bool FileList::hasSuffix(const QString &fileName, const QString &suffix)
{
    return fileName.size() > suffix.size() && fileName.endsWith(suffix, Qt::CaseInsensitive);
}

void FileList::setPath(const QString &path)
{
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    const bool moved = clean != m_path;
    m_path = clean;
    QSignalBlocker quiet(this);
    clear();
    QStringList names;
    const QStringList all = QDir(m_path).entryList(QDir::Files);
    for (const QString &name : all) {
        if (std::any_of(m_suffixes.begin(), m_suffixes.end(),
                        [&name](const QString &suffix) { return hasSuffix(name, suffix); }))
            names << name;
    }
    std::sort(names.begin(), names.end(), lessCaseless);
    addItems(names);
    setCurrentRow(-1);
    quiet.unblock();
    if (moved)
        emit pathChanged(m_path);
}

QString FileList::fileName() const
{
    const QList<QListWidgetItem *> chosen = selectedItems();
    return chosen.isEmpty() ? QString() : chosen.first()->text();
}

bool FileList::selectFile(const QString &name)
{
    const QList<QListWidgetItem *> found = findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    setCurrentItem(found.first());
    return true;
}

// ---- the three together --------------------------------------------------------------------

namespace {

// A drive chosen: the folder list moves there; the drive list then follows the folder list
// (a drive that cannot be read leaves both where they were); the file list follows.
void followDrive(const FileLists &lists)
{
    lists.dir->setPath(lists.drive->drive());
    lists.drive->setDriveOf(lists.dir->path());
    lists.file->setPath(lists.dir->path());
}

// A folder that cannot be read leaves the lists where they were.
void goTo(const FileLists &lists, const QString &folder)
{
    if (lists.dir->setPath(folder))
        lists.drive->setDriveOf(lists.dir->path());
}

} // namespace

FileLists makeFileLists(QWidget *parent)
{
    FileLists lists;
    lists.drive = new DriveList(parent);
    lists.dir = new FolderList(parent);
    lists.file = new FileList(parent);
    lists.home = commandButton(QStringLiteral("dossierPersonnel"),
                               QStringLiteral("Dossier &personnel"), parent);
    lists.documents = commandButton(QStringLiteral("documents"), QStringLiteral("&Documents"), parent);
    return lists;
}

void openFileLists(const FileLists &lists, const QString &folder)
{
    const QStringList candidates = {folder, QDir::homePath(), QDir::rootPath()};
    for (const QString &candidate : candidates) {
        if (lists.dir->setPath(candidate))
            break;
    }
    lists.drive->setDriveOf(lists.dir->path());
    lists.file->setPath(lists.dir->path());

    QObject::connect(lists.drive, &DriveList::driveChosen, lists.drive,
                     [lists] { followDrive(lists); });
    QObject::connect(lists.dir, &FolderList::pathChanged, lists.file, &FileList::setPath);
    QObject::connect(lists.home, &QPushButton::clicked, lists.dir,
                     [lists] { goTo(lists, QDir::homePath()); });
    QObject::connect(lists.documents, &QPushButton::clicked, lists.dir,
                     [lists] { goTo(lists, SavePlace::shared().documents()); });
}

} // namespace orbane::config
