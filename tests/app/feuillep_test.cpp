#include "app/feuillep.h"
#include "core/handshake.h"
#include "core/recordfile.h"
#include "support/doubles.h"
#include "support/programdir.h"

#include <QComboBox>
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
