#include "app/narrator.h"
#include "appfixture.h"

#include <QAccessible>
#include <QAction>

using namespace orbane;
using orbane::test::AppFixture;

using NarratorTest = AppFixture;

// Ctrl+D puts the scene's sentence on the notification, which takes no focus; with the events
// announced, the landing follows there.
TEST_F(NarratorTest, DescribeSceneAndTheLandingReachTheStatusLine)
{
    auto *line = child<AnnounceLine>("announceLine");
    auto *events = child<QAction>("announceEvents");
    auto *landingOnly = child<QAction>("announceLandingOnly");
    ASSERT_TRUE(line && events && landingOnly);
    QWidget *focus = QApplication::focusWidget();

    QTest::keyClick(w.get(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(line->accessibleName().startsWith(QStringLiteral("Terre, ballon de 450 g, lancé de")))
        << qPrintable(line->accessibleName());
    EXPECT_TRUE(line->accessibleName().contains(QStringLiteral("Prêt au lancer.")));
    EXPECT_EQ(QApplication::focusWidget(), focus);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(line)->role(), QAccessible::Notification);

    events->setChecked(true);
    landingOnly->setChecked(true);
    w->sim().command15_Click();
    while (w->sim().d.timer1)
        w->sim().Timer1_Timer();
    EXPECT_TRUE(line->accessibleName().startsWith(QStringLiteral("Impact : x = ")))
        << qPrintable(line->accessibleName());
}
