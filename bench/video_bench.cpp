// What a pupil waits for with a filmed throw: the video opened to its first frame in the
// pointage window, a step to the next frame painted, the ball followed from one click, and the
// model fitted. On a synthetic 640 × 480 throw of 300 frames in H.264 (as a phone films it) and,
// when it is there, on the classroom video beside the source tree.
#include "core/simulation.h"
#include "pointage/calibrationpanel.h"
#include "pointage/framebar.h"
#include "pointage/mediaparts.h"
#include "pointage/pointagewindow.h"
#include "video/synthvideo.h"
#include "video/videofile.h"

#include "benchmain.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

using namespace orbane;
using namespace orbane::pointage;

namespace {

const testvideo::Scene &phoneScene()
{
    static const testvideo::Scene scene = [] {
        testvideo::Scene s;
        s.size = {640, 480};
        s.count = 300;
        s.rate = 240; // a slow-motion throw: 300 frames over 1,25 s
        s.flight = {.origin = {40, 440}, .x0 = 0, .y0 = 0, .v0x = 2.4, .v0y = 5.9, .g = 9.81, .scale = 200};
        return s;
    }();
    return scene;
}

// The synthetic video, written once per run.
QString phoneVideo()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("lancer.mp4"));
        const char *codec = testvideo::hasEncoder("libx264") ? "libx264" : "mpeg4";
        return testvideo::encode(testvideo::render(phoneScene()), file, codec).isEmpty() ? file : QString();
    }();
    return path;
}

QString videoFor(int which)
{
    return which == 0 ? phoneVideo()
                      : QStringLiteral(ORBANE_SHARED_VIDEOS "/velo-balle.avi");
}

MediaSource sourceOf(const QString &path)
{
    const video::Decoded d = video::decodeVideo(path);
    return {.path = path, .video = true, .frames = d.frames, .times = d.times,
            .irregular = d.irregular, .warning = d.warning};
}

void BM_OpenToFirstFrame(benchmark::State &state)
{
    const QString path = videoFor(int(state.range(0)));
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        state.SkipWithError("no video");
        return;
    }
    Simulation sim(QStringLiteral(ORBANE_DATA_DIR));
    for (auto _ : state) {
        PointageWindow window(sim, sourceOf(path), PointageActions{}, nullptr);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            state.SkipWithError("the window was not shown");
        QApplication::processEvents();
    }
}

void BM_NextFramePainted(benchmark::State &state)
{
    Simulation sim(QStringLiteral(ORBANE_DATA_DIR));
    PointageWindow window(sim, sourceOf(phoneVideo()), PointageActions{}, nullptr);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        state.SkipWithError("the window was not shown");
    FrameBar *frames = window.media()->frames;
    int frame = 0;
    for (auto _ : state) {
        frame = (frame + 1) % frames->frameCount();
        frames->setFrame(frame);
        QApplication::processEvents();
    }
}

void BM_TrackAndFit(benchmark::State &state)
{
    Simulation sim(QStringLiteral(ORBANE_DATA_DIR));
    PointageWindow window(sim, sourceOf(phoneVideo()), PointageActions{}, nullptr);
    const testvideo::Throw &flight = phoneScene().flight;
    Calibration c;
    c.scaleFrom = {0, 0};
    c.scaleTo = {flight.scale, 0};
    c.length = 1.0;
    c.origin = flight.origin;
    window.media()->calibration->setCalibration(c);
    const bool fitOnly = state.range(0) == 1;
    if (fitOnly)
        window.trackFrom(flight.at(0));
    for (auto _ : state) {
        if (!fitOnly) {
            window.clearPoints();
            window.media()->frames->setFrame(0); // the tracking ends on its last frame
            window.trackFrom(flight.at(0));
        }
        window.fitModel();
    }
    state.counters["points"] = window.measurement().count();
    if (!window.media()->fit)
        state.SkipWithError("no fit");
    else
        state.counters["g"] = window.media()->fit->g.value;
}

} // namespace

// 0: the synthetic phone video; 1: the classroom video.
BENCHMARK(BM_OpenToFirstFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_NextFramePainted)->Unit(benchmark::kMillisecond)->UseRealTime();
// 0: the ball followed over the whole video, then fitted; 1: the fit alone.
BENCHMARK(BM_TrackAndFit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv) { return runBenchmarks<QApplication>(argc, argv); }
