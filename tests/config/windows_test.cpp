#include "config/configfixture.h"
#include "config/configformat.h"
#include "config/configsession.h"
#include "config/enregistrer.h"
#include "config/filelists.h"
#include "config/ouvrir.h"
#include "core/saveplace.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace orbane;
using namespace orbane::config;
using test::dataFile;
using test::readBytes;

namespace {

// A folder with configuration files in both cases, other files and two sub-folders; the
// windows start on it, below a main window standing at (100, 80).
struct ConfigWindows : test::ConfigTest
{
    QString work;
    ConfigSession session;
    QWidget mainWindow;
    std::unique_ptr<QSignalSpy> titles;

    void SetUp() override
    {
        test::ConfigTest::SetUp();
        work = path(QStringLiteral("travail"));
        QDir(dir.path()).mkpath(QStringLiteral("travail/sous"));
        QDir(dir.path()).mkpath(QStringLiteral("travail/dossier.P08"));
        copyData(QStringLiteral("custom.P08"), QStringLiteral("travail/a.P08"));
        copyData(QStringLiteral("custom.P08"), QStringLiteral("travail/b.p08"));
        copyData(QStringLiteral("custom.P08"), QStringLiteral("travail/c.txt"));
        copyData(QStringLiteral("custom.P08"), QStringLiteral("travail/d.P08.bak"));
        copyData(QStringLiteral("lowercase.P08"), QStringLiteral("travail/sous/minuscule.P08"));
        session.setCurrentFolder(work);
        SavePlace::shared().remember(QDir(work).filePath(QStringLiteral("saved.P08")));
        mainWindow.move(100, 80);
        titles =
            std::make_unique<QSignalSpy>(&session, &ConfigSession::titleChanged);
    }

    template <class W> static W *child(QWidget *w, const char *name)
    {
        auto *found = w->findChild<W *>(QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }

    static QStringList items(QListWidget *list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }

    static void show(QDialog &w)
    {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }

    static QListWidgetItem *item(QListWidget *list, const QString &text)
    {
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text().trimmed() == text)
                return list->item(i);
        ADD_FAILURE() << "no item " << text.toStdString();
        return nullptr;
    }

    static void clickItem(QListWidget *list, const QString &text)
    {
        const QRect r = list->visualItemRect(item(list, text));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }

    static void doubleClickItem(QListWidget *list, const QString &text)
    {
        const QRect r = list->visualItemRect(item(list, text));
        // The view only takes a double click on the item it saw pressed.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }

    static void type(QLineEdit *box, const QString &text)
    {
        box->clear();
        QTest::keyClicks(box, text);
    }

    void expectSavedHere(const QString &file)
    {
        ASSERT_TRUE(QFileInfo(file).isFile()) << file.toStdString();
        const Decoded d = decode(readBytes(file), Controls{});
        ASSERT_TRUE(d.controls);
        EXPECT_EQ(*d.controls, sim().c);
        EXPECT_EQ(session.fichconfig(), file);
        ASSERT_FALSE(titles->isEmpty());
        EXPECT_EQ(titles->last()[0].toString(), QStringLiteral("Orbane 1S - ") + file);
    }

    void expectMessages(std::initializer_list<const char *> prompts)
    {
        QStringList shown, want;
        for (const auto &m : dialogs().shown)
            shown << m.prompt;
        for (const char *p : prompts)
            want << QString::fromUtf8(p);
        EXPECT_EQ(shown, want);
    }
};

} // namespace

// ---- save window --------------------------------------------------------------------------

TEST_F(ConfigWindows, SaveWindowOpensBesideTheMainWindowOnTheLastPath)
{
    session.setFichconfig(QStringLiteral("/ailleurs/dernier.P08"));
    Enregistrer w(sim(), session, dialogs(), &mainWindow);
    EXPECT_EQ(w.objectName(), QStringLiteral("enregistrer"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Enregistrer les paramètres."));
    EXPECT_EQ(w.pos(), QPoint(120, 100));
    // Never the loaded exercise's own file: a neutral name in the save place.
    EXPECT_EQ(child<QLineEdit>(&w, "Text1")->text(), QStringLiteral("Configuration.P08"));
    EXPECT_EQ(child<FolderList>(&w, "Dir1")->path(), work);
    EXPECT_EQ(child<FileList>(&w, "File1")->path(), work);
    // "*.P08" whatever the case, files only.
    EXPECT_EQ(items(child<FileList>(&w, "File1")),
              (QStringList{QStringLiteral("a.P08"), QStringLiteral("b.p08")}));
    EXPECT_EQ(child<QPushButton>(&w, "Command1")->text(), QStringLiteral("ENREGISTRER"));
    EXPECT_EQ(child<QPushButton>(&w, "Command2")->text(), QStringLiteral("ANNULER"));
    EXPECT_FALSE(child<DriveList>(&w, "Drive1")->drive().isEmpty());
}

TEST_F(ConfigWindows, TypedNamesAreSavedWithTheP08Extension)
{
    const struct
    {
        QString typed, file;
    } rows[] = {
        {QStringLiteral("essai"), work + QStringLiteral("/essai.P08")},
        {QStringLiteral("essai2.txt"), work + QStringLiteral("/essai2.P08")},
        {path(QStringLiteral("autre/tir")), path(QStringLiteral("autre/tir.P08"))},
        {path(QStringLiteral("mon.dossier/essai.txt")),
         path(QStringLiteral("mon.dossier/essai.P08"))},
    };
    QDir(dir.path()).mkpath(QStringLiteral("autre"));
    QDir(dir.path()).mkpath(QStringLiteral("mon.dossier"));
    for (const auto &row : rows) {
        Enregistrer w(sim(), session, dialogs(), &mainWindow);
        show(w);
        type(child<QLineEdit>(&w, "Text1"), row.typed);
        QTest::mouseClick(child<QPushButton>(&w, "Command1"), Qt::LeftButton);
        EXPECT_FALSE(w.isVisible()) << row.typed.toStdString();
        EXPECT_EQ(w.result(), QDialog::Accepted);
        expectSavedHere(row.file);
        EXPECT_EQ(session.currentFolder(), work);
    }
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("mon.P08"))));
    expectMessages({});
}

TEST_F(ConfigWindows, ANameWithNothingLeftIsRefused)
{
    for (const QString &typed : {QStringLiteral(".P08"), QStringLiteral("   "), QString()}) {
        dialogs().shown.clear();
        Enregistrer w(sim(), session, dialogs(), &mainWindow);
        show(w);
        type(child<QLineEdit>(&w, "Text1"), typed);
        QTest::mouseClick(child<QPushButton>(&w, "Command1"), Qt::LeftButton);
        expectMessages({"Il faut donner un nom au fichier!"});
        EXPECT_EQ(dialogs().shown[0].title, QStringLiteral("Enregistrement impossible"));
        EXPECT_EQ(dialogs().shown[0].icon, MsgIcon::Critical);
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor); // the hourglass is gone
    }
    EXPECT_EQ(QDir(work).entryList(QDir::Files).size(), 4);
    EXPECT_TRUE(titles->isEmpty());
}

TEST_F(ConfigWindows, EnterInTheNameBoxSaves)
{
    Enregistrer w(sim(), session, dialogs(), &mainWindow);
    show(w);
    type(child<QLineEdit>(&w, "Text1"), QStringLiteral("entree"));
    QTest::keyClick(child<QLineEdit>(&w, "Text1"), Qt::Key_Return);
    expectSavedHere(work + QStringLiteral("/entree.P08"));
    EXPECT_FALSE(w.isVisible());
}

TEST_F(ConfigWindows, ChangingFolderKeepsOnlyTheFileNameOfATypedPath)
{
    Enregistrer w(sim(), session, dialogs(), &mainWindow);
    show(w);
    type(child<QLineEdit>(&w, "Text1"), work + QStringLiteral("/tir.P08"));
    auto *dir1 = child<FolderList>(&w, "Dir1");
    dir1->setCurrentItem(item(dir1, QStringLiteral("sous")));
    QTest::keyClick(dir1, Qt::Key_Return);
    EXPECT_EQ(dir1->path(), work + QStringLiteral("/sous"));
    EXPECT_EQ(child<FileList>(&w, "File1")->path(), work + QStringLiteral("/sous"));
    EXPECT_EQ(child<QLineEdit>(&w, "Text1")->text(), QStringLiteral("tir.P08"));
    QTest::mouseClick(child<QPushButton>(&w, "Command1"), Qt::LeftButton);
    expectSavedHere(work + QStringLiteral("/sous/tir.P08"));

    // Both windows reopen on that folder; the save window offers the name just saved.
    Enregistrer again(sim(), session, dialogs(), &mainWindow);
    EXPECT_EQ(child<FolderList>(&again, "Dir1")->path(), work + QStringLiteral("/sous"));
    EXPECT_EQ(child<QLineEdit>(&again, "Text1")->text(), QStringLiteral("tir.P08"));
    Ouvrir open(sim(), session, dialogs(), &mainWindow);
    EXPECT_EQ(child<FolderList>(&open, "Dir1")->path(), work + QStringLiteral("/sous"));

    // The shortcuts beside the folder list lead home and to the documents.
    QTest::mouseClick(child<QPushButton>(&open, "dossierPersonnel"), Qt::LeftButton);
    EXPECT_EQ(child<FileList>(&open, "File1")->path(), QDir::homePath());
    ASSERT_TRUE(QDir().mkpath(SavePlace::shared().documents()));
    QTest::mouseClick(child<QPushButton>(&open, "documents"), Qt::LeftButton);
    EXPECT_EQ(child<FileList>(&open, "File1")->path(), SavePlace::shared().documents());
}

TEST_F(ConfigWindows, DoubleClickingAnExistingFileAsksBeforeWritingOverIt)
{
    const QString file = work + QStringLiteral("/a.P08");
    const QByteArray old = readBytes(file);
    Enregistrer w(sim(), session, dialogs(), &mainWindow);
    show(w);
    dialogs().answers = {MsgAnswer::No};
    doubleClickItem(child<FileList>(&w, "File1"), QStringLiteral("a.P08"));
    expectMessages({"Ecraser le fichier existant?"});
    EXPECT_EQ(dialogs().shown[0].title, QStringLiteral("Ce fichier existe déjà!"));
    EXPECT_EQ(dialogs().shown[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(dialogs().shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(readBytes(file), old);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(child<QLineEdit>(&w, "Text1")->text(), file);

    dialogs().answers = {MsgAnswer::Yes};
    doubleClickItem(child<FileList>(&w, "File1"), QStringLiteral("a.P08"));
    expectSavedHere(file);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(ConfigWindows, AFileListedWithALowerCaseExtensionIsTheOneWrittenOver)
{
    Enregistrer w(sim(), session, dialogs(), &mainWindow);
    show(w);
    doubleClickItem(child<FileList>(&w, "File1"), QStringLiteral("b.p08"));
    expectMessages({"Ecraser le fichier existant?"});
    expectSavedHere(work + QStringLiteral("/b.p08"));
    EXPECT_FALSE(QFileInfo::exists(work + QStringLiteral("/b.P08")));
}

TEST_F(ConfigWindows, ABoxOf127CharactersCannotBeSavedAndTheOldFileStays)
{
    const QString file = work + QStringLiteral("/a.P08");
    const QByteArray old = readBytes(file);
    sim().TextN_Change(3, QString(127, QLatin1Char('5')));
    Enregistrer w(sim(), session, dialogs(), &mainWindow);
    show(w);
    type(child<QLineEdit>(&w, "Text1"), QStringLiteral("a"));
    QTest::mouseClick(child<QPushButton>(&w, "Command1"), Qt::LeftButton);
    ASSERT_EQ(dialogs().shown.size(), 2u);
    EXPECT_EQ(dialogs().shown[1].prompt,
              QStringLiteral("Ecriture impossible sur disque\n\nFichier : ") + file +
                  QStringLiteral("\nCause : une valeur dépasse 126 caractères."));
    EXPECT_EQ(dialogs().shown[1].title, QStringLiteral("Enregistrement impossible"));
    EXPECT_EQ(dialogs().shown[1].icon, MsgIcon::Critical);
    EXPECT_EQ(readBytes(file), old);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(titles->isEmpty());
}

TEST_F(ConfigWindows, AFullDiskOrAFailedRenamingKeepsTheOldFileAndSaysWhy)
{
    const QString file = work + QStringLiteral("/a.P08");
    const QByteArray old = readBytes(file);
    sim().TextN_Change(3, QStringLiteral("20"));
    for (const int renameError : {0, EIO}) {
        test::FaultyDisk disk;
        disk.room = renameError ? -1 : 4096; // cut in the last record
        disk.renameError = renameError;
        saving::UseDisk use(disk);
        dialogs().shown.clear();
        Enregistrer w(sim(), session, dialogs(), &mainWindow);
        show(w);
        type(child<QLineEdit>(&w, "Text1"), QStringLiteral("a"));
        QTest::mouseClick(child<QPushButton>(&w, "Command1"), Qt::LeftButton);
        ASSERT_EQ(dialogs().shown.size(), 2u);
        EXPECT_EQ(dialogs().shown[1].title, QStringLiteral("Enregistrement impossible"));
        EXPECT_EQ(dialogs().shown[1].prompt,
                  QStringLiteral("Ecriture impossible sur disque\n\nFichier : ") + file +
                      (renameError ? QStringLiteral("\nCause : erreur de lecture ou d'écriture du support.")
                                   : QStringLiteral("\nCause : le disque est plein.")));
        EXPECT_EQ(readBytes(file), old);
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
    }
    EXPECT_TRUE(titles->isEmpty());
    EXPECT_EQ(QDir(work).entryList({QStringLiteral("*a.P08*")}, QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("a.P08")});
}

TEST_F(ConfigWindows, AnnulerClosesWithoutSaving)
{
    Enregistrer w(sim(), session, dialogs(), &mainWindow);
    show(w);
    type(child<QLineEdit>(&w, "Text1"), QStringLiteral("jamais"));
    QTest::mouseClick(child<QPushButton>(&w, "Command2"), Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_FALSE(QFileInfo::exists(work + QStringLiteral("/jamais.P08")));
}

// ---- open window --------------------------------------------------------------------------

TEST_F(ConfigWindows, OuvrirWithoutAFileDoesNothing)
{
    Ouvrir w(sim(), session, dialogs(), &mainWindow);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Ouvrir une configuration"));
    EXPECT_EQ(w.pos(), QPoint(120, 100));
    show(w);
    const test::Snapshot before = snapshot();
    for (const QString &text : {QString(), QStringLiteral("   ")}) {
        type(child<QLineEdit>(&w, "ficharge"), text);
        QTest::mouseClick(child<QPushButton>(&w, "Command1"), Qt::LeftButton);
    }
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(child<QFrame>(&w, "Frame1")->isVisibleTo(&w));
    expectMessages({});
    EXPECT_EQ(snapshot(), before);
}

TEST_F(ConfigWindows, ClickingAFileNamesItAndMakesItsFolderCurrent)
{
    session.setCurrentFolder(work);
    Ouvrir w(sim(), session, dialogs(), &mainWindow);
    show(w);
    auto *dir1 = child<FolderList>(&w, "Dir1");
    dir1->setCurrentItem(item(dir1, QStringLiteral("sous")));
    QTest::keyClick(dir1, Qt::Key_Return);
    EXPECT_EQ(items(child<FileList>(&w, "File1")), QStringList{QStringLiteral("minuscule.P08")});
    EXPECT_EQ(session.currentFolder(), work); // not yet
    clickItem(child<FileList>(&w, "File1"), QStringLiteral("minuscule.P08"));
    EXPECT_EQ(child<QLineEdit>(&w, "ficharge")->text(),
              work + QStringLiteral("/sous/minuscule.P08"));
    EXPECT_EQ(session.currentFolder(), work + QStringLiteral("/sous"));
    EXPECT_TRUE(w.isVisible());
}

TEST_F(ConfigWindows, DoubleClickingAFileLoadsItAndCloses)
{
    Ouvrir w(sim(), session, dialogs(), &mainWindow);
    show(w);
    doubleClickItem(child<FileList>(&w, "File1"), QStringLiteral("a.P08"));
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_TRUE(child<QFrame>(&w, "Frame1")->isVisibleTo(&w)); // "Patience" was shown
    EXPECT_EQ(sim().c.Combo1, 2);
    EXPECT_EQ(sim().c.Label4[8], rgb(17, 34, 51));
    EXPECT_EQ(session.fichconfig(), work + QStringLiteral("/a.P08"));
    ASSERT_EQ(titles->size(), 1);
    EXPECT_EQ(titles->last()[0].toString(), QStringLiteral("Orbane 1S - ") + session.fichconfig());
    expectMessages({});
}

TEST_F(ConfigWindows, APathThatNamesNoFileIsReportedAndTheWindowStays)
{
    Ouvrir w(sim(), session, dialogs(), &mainWindow);
    show(w);
    const test::Snapshot before = snapshot();
    for (const QString &typed : {path(QStringLiteral("absent.P08")), work}) {
        dialogs().shown.clear();
        type(child<QLineEdit>(&w, "ficharge"), typed);
        QTest::mouseClick(child<QPushButton>(&w, "Command1"), Qt::LeftButton);
        expectMessages({"Nom de fichier incorrect ou chemin non valide"});
        EXPECT_EQ(dialogs().shown[0].title, QStringLiteral("impossible d'ouvrir ce fichier"));
        EXPECT_EQ(dialogs().shown[0].icon, MsgIcon::Critical);
    }
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(child<QFrame>(&w, "Frame1")->isVisibleTo(&w));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(ConfigWindows, AFileOfAnotherKindIsReportedAndNothingChanges)
{
    Ouvrir w(sim(), session, dialogs(), &mainWindow);
    show(w);
    const test::Snapshot before = snapshot();
    type(child<QLineEdit>(&w, "ficharge"), QStringLiteral("sous/minuscule.P08"));
    QTest::mouseClick(child<QPushButton>(&w, "Command1"), Qt::LeftButton);
    expectMessages({"Ce fichier ne correspond pas à cette application"});
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(titles->isEmpty());
}

TEST_F(ConfigWindows, ChoosingADriveMovesTheListsUnlessItCannotBeRead)
{
    const QString key = path(QStringLiteral("cle"));
    QDir(dir.path()).mkpath(QStringLiteral("cle"));
    copyData(QStringLiteral("custom.P08"), QStringLiteral("cle/sur-la-cle.P08"));
    Ouvrir w(sim(), session, dialogs(), &mainWindow);
    show(w);
    auto *drive1 = child<DriveList>(&w, "Drive1");
    drive1->setVolumes({{QStringLiteral("/"), QString()},
                        {key, QStringLiteral("CLE")},
                        {QStringLiteral("/volume-absent"), QStringLiteral("X")}});
    drive1->setCurrentIndex(1);
    emit drive1->activated(1);
    EXPECT_EQ(child<FolderList>(&w, "Dir1")->path(), key);
    EXPECT_EQ(items(child<FileList>(&w, "File1")), QStringList{QStringLiteral("sur-la-cle.P08")});
    EXPECT_EQ(drive1->drive(), key);

    drive1->setCurrentIndex(2);
    emit drive1->activated(2);
    EXPECT_EQ(child<FolderList>(&w, "Dir1")->path(), key);
    EXPECT_EQ(drive1->drive(), key);
    EXPECT_EQ(child<FileList>(&w, "File1")->path(), key);
}

TEST_F(ConfigWindows, TheDriveListShowsTheMountedVolumes)
{
    const QList<Volume> volumes = DriveList::mountedVolumes();
    ASSERT_FALSE(volumes.isEmpty());
    const bool hasRoot = std::any_of(volumes.begin(), volumes.end(), [](const Volume &v) {
        return v.rootPath == QLatin1String("/");
    });
    EXPECT_TRUE(hasRoot);
    DriveList list;
    EXPECT_EQ(list.count(), volumes.size());
    list.setDriveOf(work);
    EXPECT_TRUE(work.startsWith(list.drive()));
}
