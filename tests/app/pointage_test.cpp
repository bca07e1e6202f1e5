#include "appfixture.h"
#include "core/numberformat.h"
#include "core/tables.h"
#include "pointage/calibrationpanel.h"
#include "pointage/mediaparts.h"
#include "pointage/pointagewindow.h"
#include "video/synthvideo.h"

#include <cmath>
#include <numbers>

#include <QDir>
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

// A throw filmed on the Moon, opened as the command line opens it: the video is read off the
// window's thread, measured, fitted, and "Simuler ce lancer" puts its launch in the boxes with
// the place its g gives.
TEST_F(PointageEntryTest, AFilmedThrowIsFittedAndReplayedOnThePlaceOfItsG)
{
    testvideo::Scene scene;
    scene.size = {480, 360};
    scene.count = 30;
    scene.rate = 10;
    scene.flight = {.origin = {40, 330}, .x0 = 0, .y0 = 0, .v0x = 1.2, .v0y = 2.0, .g = 1.62, .scale = 100};
    const QString path = QDir(dir.path()).filePath(QStringLiteral("lune.avi"));
    ASSERT_TRUE(testvideo::encode(testvideo::render(scene), path, "mjpeg").isEmpty());
    w->openFile(path);
    pointage::PointageWindow *window = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (window = w->findChild<pointage::PointageWindow *>()); }, 10000));
    pointage::Calibration metre;
    metre.scaleTo = {100, 0};
    metre.length = 1.0;
    metre.origin = scene.flight.origin;
    window->media()->calibration->setCalibration(metre);
    ASSERT_GE(window->trackFrom(scene.flight.at(0)), 20);
    window->fitModel();
    ASSERT_TRUE(window->media()->fit);
    window->findChild<QPushButton *>(QStringLiteral("simuler"))->click();
    const Controls &c = w->sim().c;
    EXPECT_EQ(QString::fromUtf8(places()[std::size_t(c.Combo1)].name), QStringLiteral("Lune"));
    EXPECT_NEAR(numfmt::parseOr(c.Text3, 0), std::hypot(1.2, 2.0), 0.02);
    EXPECT_NEAR(numfmt::parseOr(c.Text4, 0), std::atan2(2.0, 1.2) * 180 / std::numbers::pi, 0.2);
    EXPECT_TRUE(w->sim().d.timer1) << "the real throw is replayed";
}
