#include "app/feuillep.h"
#include "config/configwriter.h"
#include "core/handshake.h"
#include "core/recordfile.h"
#include "support/doubles.h"
#include "support/programdir.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTextEdit>
#include <QLabel>
#include <QToolButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace orbane;

namespace {
struct MainWindowTest : ::testing::Test
{
    test::ProgramDir dir;
    test::ScriptedDialogs dialogs;
    test::RecordingSound sound;
    test::CountingBeeper beeper;
    Services services{&dialogs, &sound, &beeper};
};
} // namespace

TEST_F(MainWindowTest, OpensOnTheEarthWithTheBallReady)
{
    FeuilleP w(dir.path(), &services);
    ASSERT_TRUE(w.load());
    EXPECT_EQ(w.size(), QSize(800, 600));
    auto *combo1 = w.findChild<QComboBox *>(QStringLiteral("Combo1"));
    auto *combo2 = w.findChild<QComboBox *>(QStringLiteral("Combo2"));
    ASSERT_TRUE(combo1 && combo2);
    EXPECT_EQ(combo1->currentText(), QStringLiteral("Terre"));
    EXPECT_EQ(combo2->currentText(), QStringLiteral("ballon (450 g)"));
    EXPECT_EQ(combo2->count(), 5);
    EXPECT_EQ(w.findChild<QLabel *>(QStringLiteral("Label3"))->text(),
              QStringLiteral(" Date: t = 0,00 s."));
    auto *projectile = w.findChild<QLabel *>(QStringLiteral("projectile"));
    ASSERT_TRUE(projectile);
    EXPECT_EQ(projectile->pos(), QPoint(14, 420));
    EXPECT_EQ(records::readFile(handshake::path(dir.path()), 10).text, QStringLiteral("OUI"));

    // The Earth picture is the scene's background: sky above, ground at the bottom.
    const QImage scene = w.renderer().canvas().composed();
    const QColor sky = scene.pixelColor(200, 150);
    EXPECT_GT(sky.blue(), sky.red());
}

TEST_F(MainWindowTest, SimulationFliesTheBallAndClosingWritesNon)
{
    {
        FeuilleP w(dir.path(), &services);
        ASSERT_TRUE(w.load());
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        auto *go = w.findChild<QToolButton *>(QStringLiteral("command15"));
        ASSERT_TRUE(go && go->isEnabled());
        QTest::mouseClick(go, Qt::LeftButton);
        EXPECT_TRUE(w.timer1().isActive());
        auto *projectile = w.findChild<QLabel *>(QStringLiteral("projectile"));
        EXPECT_FALSE(projectile->isVisible()); // drawn by the scene while flying
        for (int i = 0; i < 20; ++i)
            w.sim().Timer1_Timer();
        EXPECT_EQ(w.findChild<QLabel *>(QStringLiteral("Label3"))->text(),
                  QStringLiteral(" Date: t = 0,80 s."));
        // The ball is painted on the scene at its place.
        const QImage scene = w.renderer().canvas().composed();
        const QPoint centre(int(w.sim().d.projLeft) + 16, int(w.sim().d.projTop) + 16);
        EXPECT_NE(scene.pixelColor(centre), w.renderer().canvas().persistent().pixelColor(centre));

        auto *pause = w.findChild<QToolButton *>(QStringLiteral("command16"));
        QTest::mouseClick(pause, Qt::LeftButton);
        EXPECT_FALSE(w.timer1().isActive());
        w.close();
    }
    EXPECT_EQ(records::readFile(handshake::path(dir.path()), 10).text, QStringLiteral("NON"));
}

TEST_F(MainWindowTest, MissingEarthPictureRefusesToStart)
{
    dir.remove(QStringLiteral("terre.jpg"));
    FeuilleP w(dir.path(), &services);
    EXPECT_FALSE(w.load());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].prompt.contains(dir.file(QStringLiteral("terre.jpg"))));
}

TEST_F(MainWindowTest, ClosingAsksFirstAboutAModifiedTextThenToQuit)
{
    FeuilleP w(dir.path(), &services);
    ASSERT_TRUE(w.load());
    w.show();
    w.fich()->setText(dir.file(QStringLiteral("CHUTE.RTF")));
    w.supertext()->setReadOnly(false);
    w.supertext()->setPlainText(QStringLiteral("Ma réponse"));
    ASSERT_EQ(w.sim().s.textemodif, 1);

    dialogs.answers = {MsgAnswer::Cancel}; // keep the text
    EXPECT_FALSE(w.close());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Abandon des données?"));
    EXPECT_EQ(dialogs.shown[0].prompt, QStringLiteral("Attention: perte des modifications du texte."));
    EXPECT_EQ(dialogs.shown[0].buttons, MsgButtons::OkCancel);

    dialogs.answers = {MsgAnswer::Ok, MsgAnswer::Cancel}; // lose the text, but stay
    EXPECT_FALSE(w.close());
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[2].title, QStringLiteral("Fermer"));
    EXPECT_EQ(dialogs.shown[2].prompt, QStringLiteral("Quitter vraiment Orbane 1S ?"));
    EXPECT_EQ(records::readFile(handshake::path(dir.path()), 10).text, QStringLiteral("OUI"));

    dialogs.answers = {MsgAnswer::Ok, MsgAnswer::Ok};
    EXPECT_TRUE(w.close());
    EXPECT_EQ(records::readFile(handshake::path(dir.path()), 10).text, QStringLiteral("NON"));
    EXPECT_EQ(sound.closes, 2); // the projectile's sound at start-up, then the unloading
}

TEST_F(MainWindowTest, FileNameBoxShowsTheEndOfALongPath)
{
    FeuilleP w(dir.path(), &services);
    ASSERT_TRUE(w.load());
    const QString path = QStringLiteral("/home/eleve/Documents/Physique/Terminale/chute.rtf");
    w.fich()->setText(path);
    EXPECT_EQ(w.fich()->cursorPosition(), path.size());
    EXPECT_EQ(w.fich()->toolTip(), path);
    // The welcome text is written while the box is empty: it is no modification.
    w.fich()->clear();
    w.supertext()->setPlainText(QStringLiteral("x"));
    EXPECT_EQ(w.sim().s.textemodif, 0);
}

TEST_F(MainWindowTest, FilesGivenOnTheCommandLineOpenLikeTheOpenWindow)
{
    // A configuration written for Mars with the apple.
    Controls saved;
    saved.Combo1 = 2;
    saved.Combo2 = 0;
    saved.Text3 = QStringLiteral("12,00");
    const QString good = dir.file(QStringLiteral("mars.P08"));
    ASSERT_TRUE(config::writeConfig(good, saved).ok);
    {
        FeuilleP w(dir.path(), &services);
        ASSERT_TRUE(w.load());
        w.openFile(good);
        EXPECT_EQ(w.sim().c.Combo1, 2);
        EXPECT_EQ(w.sim().c.Combo2, 0);
        EXPECT_FLOAT_EQ(w.sim().s.gpes, 3.71f);
        EXPECT_EQ(w.sim().c.Text3, QStringLiteral("12,00"));
        EXPECT_TRUE(w.windowTitle().endsWith(good));
        EXPECT_TRUE(dialogs.shown.empty());
    }
    // A damaged file gives the loader's message and leaves the start-up state.
    const QString bad = dir.file(QStringLiteral("abime.P08"));
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("\x08\x00ORBANE1S", 10));
    f.close();
    FeuilleP w(dir.path(), &services);
    ASSERT_TRUE(w.load());
    w.openFile(bad);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt, QStringLiteral("Lecture impossible sur disque"));
    EXPECT_EQ(w.sim().c.Combo1, 0);
    EXPECT_EQ(w.sim().c.Text3, QStringLiteral("15,00"));

    w.openFile(dir.file(QStringLiteral("introuvable.P08")));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].title, QStringLiteral("impossible d'ouvrir ce fichier"));
    EXPECT_TRUE(dialogs.shown[1].prompt.contains(QStringLiteral("introuvable.P08 est introuvable")));
}

TEST_F(MainWindowTest, ARestartTakesUpTheStateAndKeepsTheFileInUse)
{
    Controls saved;
    saved.Combo1 = 2;
    const QString inUse = dir.file(QStringLiteral("mars.P08"));
    ASSERT_TRUE(config::writeConfig(inUse, saved).ok);
    QString carried;
    {
        FeuilleP before(dir.path(), &services);
        ASSERT_TRUE(before.load());
        before.show();
        before.openFile(inUse);
        auto *text3 = before.findChild<QLineEdit *>(QStringLiteral("Text3"));
        ASSERT_NE(text3, nullptr);
        text3->selectAll();
        QTest::keyClicks(text3, QStringLiteral("12"));
        QTest::keyClick(text3, Qt::Key_Return);
        ASSERT_EQ(before.sim().c.Text3, QStringLiteral("12,00")); // changed, not saved
        carried = before.carryOver();
    }
    ASSERT_TRUE(QFileInfo(carried).isFile());
    FeuilleP after(dir.path(), &services);
    ASSERT_TRUE(after.load());
    after.resume(carried, inUse);
    EXPECT_EQ(after.sim().c.Combo1, 2);
    EXPECT_EQ(after.sim().c.Text3, QStringLiteral("12,00"));
    EXPECT_TRUE(after.windowTitle().endsWith(inUse));
    EXPECT_FALSE(QFileInfo::exists(carried));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MainWindowTest, ExerciseHandedOverBySuiteOpensAtTheFirstActivation)
{
    records::writeFile(handshake::path(dir.path()), 31, QStringLiteral("CHUTE.E20"));
    FeuilleP w(dir.path(), &services);
    ASSERT_TRUE(w.load());
    w.show();
    QTest::qWait(50);
    EXPECT_EQ(records::readFile(handshake::path(dir.path()), 31).text, QString());
    EXPECT_TRUE(w.fich()->text().endsWith(QStringLiteral("CHUTE.E20"), Qt::CaseInsensitive))
        << w.fich()->text().toStdString();
    EXPECT_FALSE(w.supertext()->isReadOnly());
    EXPECT_EQ(w.sim().s.exocharge, 1);
    EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral("CHUTE.P08")));
    const QString text = w.supertext()->toPlainText();
    w.hide();
    w.show(); // a later activation finds nothing more
    QTest::qWait(50);
    EXPECT_EQ(w.supertext()->toPlainText(), text);
}

TEST_F(MainWindowTest, AHandOverThatCannotBeEmptiedIsTakenOnceAndSaidOnce)
{
    const QString exchange = handshake::path(dir.path());
    records::writeFile(exchange, 31, QStringLiteral("ABSENT.E20"));
    test::ReadOnlyFile readOnly(exchange);
    FeuilleP w(dir.path(), &services);
    ASSERT_TRUE(w.load());
    w.show();
    QTest::qWait(100);
    w.hide();
    w.show(); // a later activation finds the same name: it was taken already
    QTest::qWait(100);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Lecture impossible"));
    EXPECT_EQ(dialogs.shown[1].title, QStringLiteral("Fichier d'échange"));
    EXPECT_TRUE(dialogs.shown.back().prompt.contains(QStringLiteral("lecture seule")));
    EXPECT_EQ(records::readFile(exchange, 31).text, QStringLiteral("ABSENT.E20"));
    EXPECT_TRUE(w.close()); // the closing questions are answered OK
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MainWindowTest, ExerciseGivenOnTheCommandLineOpensLikeTheChooser)
{
    FeuilleP w(dir.path(), &services);
    ASSERT_TRUE(w.load());
    w.openFile(dir.file(QStringLiteral("HORIZ.E20")));
    EXPECT_TRUE(w.fich()->text().endsWith(QStringLiteral("HORIZ.E20"), Qt::CaseInsensitive));
    EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral("HORIZ.P08")));
    EXPECT_TRUE(dialogs.shown.empty());
}
