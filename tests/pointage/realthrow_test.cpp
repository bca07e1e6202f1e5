#include "pointage/calibrationpanel.h"
#include "pointage/fit.h"
#include "pointage/framebar.h"
#include "pointage/measurefile.h"
#include "pointage/mediaparts.h"
#include "pointage/pointagewindow.h"
#include "pointage/pointageview.h"
#include "support/doubles.h"
#include "video/synthvideo.h"
#include "video/tracker.h"
#include "video/videofile.h"

#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTemporaryDir>
#include <QUndoStack>
#include <cmath>
#include <gtest/gtest.h>

using namespace orbane;
using namespace orbane::pointage;

namespace {

// The calibration a pupil makes on a synthetic throw: a metre is `scale` pixels, the origin is
// the flight's.
Calibration calibrationOf(const testvideo::Throw &flight)
{
    Calibration c;
    c.scaleFrom = {10, 10};
    c.scaleTo = {10 + flight.scale, 10};
    c.length = 1.0;
    c.origin = flight.origin;
    return c;
}

std::vector<FitPoint> pointsOf(const Measurement &m)
{
    std::vector<FitPoint> points;
    for (int i = 0; i < m.count(); ++i)
        points.push_back({m.time(i), m.position(i).x(), m.position(i).y()});
    return points;
}

struct RealThrow : ::testing::Test
{
    QTemporaryDir dir;
    test::Rig rig{dir.path()};
    testvideo::Scene scene;

    void SetUp() override
    {
        rig.sim.Form_Load();
        scene.size = {400, 300};
        scene.flight = {.origin = {30, 260}, .x0 = 0, .y0 = 0, .v0x = 2.5, .v0y = 3.2, .g = 9.81, .scale = 100};
        // Irregular frames, as a phone films them: 30 images per second, with jitter.
        scene.count = 18;
        for (int i = 0; i < scene.count; ++i)
            scene.times.push_back(i / 30.0 + (i % 3 == 1 ? 0.006 : 0.0));
    }
    MediaSource encoded(const QString &name)
    {
        const testvideo::Frames frames = testvideo::render(scene);
        const QString path = dir.filePath(name);
        EXPECT_TRUE(testvideo::encode(frames, path, "mpeg4").isEmpty());
        const video::Decoded d = video::decodeVideo(path);
        return {.path = path, .video = true, .frames = d.frames, .times = d.times,
                .irregular = d.irregular, .warning = d.warning};
    }
};

} // namespace

// The whole path: a video decoded, calibrated, the ball followed from one click, the model
// fitted; undone in one step; the measurement saved and read back onto the same video.
TEST_F(RealThrow, AVideoTrackedAndFittedGivesGAndKeepsItsMeasurement)
{
    MediaSource source = encoded(QStringLiteral("lancer.mkv"));
    ASSERT_EQ(int(source.frames.size()), scene.count);
    EXPECT_TRUE(source.irregular);
    PointageActions actions;
    actions.dialogs = &rig.dialogs;
    PointageWindow window(rig.sim, source, actions, nullptr);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Pointage de la vidéo « lancer.mkv »"));
    MediaParts &media = *window.media();
    media.calibration->setCalibration(calibrationOf(scene.flight));
    ASSERT_EQ(window.trackFrom(scene.flight.at(0) + QPointF(3, -2)), scene.count);
    const Measurement &m = window.measurement();
    EXPECT_DOUBLE_EQ(m.time(5), source.times[5]);
    window.fitModel();
    ASSERT_TRUE(media.fit && media.fit->ok());
    EXPECT_NEAR(media.fit->g.value, 9.81, 0.005 * 9.81);
    EXPECT_NEAR(media.fit->v0x.value, 2.5, 0.02);
    EXPECT_LT(media.fit->rms, 0.005);

    const QString saved = dir.filePath(QStringLiteral("mesure.o1m"));
    ASSERT_TRUE(window.saveMeasureTo(saved));
    const Marks tracked{m.points(), m.frames()};
    window.undoStack()->undo();
    EXPECT_EQ(m.count(), 0);
    EXPECT_FALSE(media.fit) << "the fit went with its points";

    PointageWindow reopened(rig.sim, source, actions, nullptr);
    ASSERT_TRUE(reopened.openMeasureFrom(saved));
    EXPECT_EQ(reopened.measurement().points(), tracked.points);
    EXPECT_EQ(reopened.measurement().frames(), tracked.frames);
    EXPECT_EQ(reopened.media()->calibration->calibration(), calibrationOf(scene.flight));
    // A damaged measurement changes nothing and says why.
    QFile bad(saved);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("{\"format\": \"autre chose\"}");
    bad.close();
    ASSERT_FALSE(reopened.openMeasureFrom(saved));
    EXPECT_EQ(reopened.measurement().points(), tracked.points);
    ASSERT_FALSE(rig.dialogs.shown.empty());
    EXPECT_TRUE(rig.dialogs.shown.back().prompt.contains(QStringLiteral("mesure.o1m")));

    // A click beside the frame's own point moves it; one near another frame's point places the
    // frame's own. The picture is shown twice as large.
    reopened.media()->frames->setFrame(5);
    PointageView *view = reopened.view();
    // A click lands on the whole picture pixel under it.
    const auto click = [view](QPointF pixel) {
        const QPoint at = (2 * pixel).toPoint();
        QTest::mouseClick(view, Qt::LeftButton, {}, at);
        return QPointF(at.x() / 2, at.y() / 2);
    };
    const QPointF moved = click(reopened.measurement().pixel(5) + QPointF(3, 0));
    EXPECT_EQ(reopened.measurement().pixel(5), moved);
    EXPECT_EQ(reopened.measurement().count(), scene.count);
    EXPECT_EQ(reopened.media()->frames->frame(), 6) << "the next frame comes by itself";
    const QPointF placed = click(moved + QPointF(0, 2));
    EXPECT_EQ(reopened.measurement().pixel(6), placed);
}

// Over 100 noisy videos the uncertainty the fit states covers the true g as it should.
TEST_F(RealThrow, TheStatedUncertaintyCoversTheTrueGOnNoisyVideos)
{
    scene.blur = 0.8;
    scene.radius = 6;
    const testvideo::Frames clean = testvideo::render(scene);
    int covered = 0, runs = 0;
    for (unsigned seed = 1; seed <= 100; ++seed) {
        const testvideo::Frames frames = testvideo::withNoise(clean, 12, seed);
        Measurement m({}, 0.1, 9.81);
        m.setCalibration(calibrationOf(scene.flight));
        m.setFrameTimes(frames.times);
        for (const video::TrackPoint &p : video::track(frames.images, 0, frames.centres[0]))
            m.add(p.centre, p.frame);
        const FitResult fit = fitVacuum(pointsOf(m));
        ASSERT_TRUE(fit.ok()) << seed;
        ++runs;
        covered += std::abs(fit.g.value - 9.81) <= 2 * fit.g.sigma ? 1 : 0;
    }
    std::printf("true g within 2 sigma: %d / %d\n", covered, runs);
    EXPECT_GE(covered, 90);
}
