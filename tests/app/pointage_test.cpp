#include "appfixture.h"
#include "pointage/pointagewindow.h"

#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

using namespace orbane;
using PointageEntryTest = orbane::test::AppFixture;

// "Pointage…" waits for a still scene with three photographs, and the window it opens reads a
// clicked pixel exactly as the scene's coordinate tool tip does.
TEST_F(PointageEntryTest, OpensOnAStillChronophotographAndConvertsAsTheToolTip)
{
    auto *button = child<QPushButton>("pointage");
    EXPECT_FALSE(button->isEnabled());
    EXPECT_TRUE(button->toolTip().startsWith(QStringLiteral("Il faut au moins trois")));
    child<QToolButton>("command12")->click(); // the camera starts the flight
    w->timer1().stop();
    for (int i = 0; i < 20; ++i)
        w->sim().Timer1_Timer();
    EXPECT_FALSE(button->isEnabled()) << "the flight is running";
    child<QToolButton>("command16")->click(); // pause
    ASSERT_TRUE(button->isEnabled());
    button->click();
    auto *window = w->findChild<pointage::PointageWindow *>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());

    QWidget *scene = child<QWidget>("Picture2");
    for (const QPoint pixel : {QPoint(30, 436), QPoint(47, 401), QPoint(300, 99)}) {
        QTest::mouseMove(scene, pixel);
        window->clearPoints();
        window->addPoint(pixel);
        const QString x = window->table()->item(0, 2)->text();
        const QString y = window->table()->item(0, 3)->text();
        EXPECT_EQ(scene->toolTip(), QStringLiteral("x = %1 m ; y = %2 m.").arg(x, y));
    }
}
