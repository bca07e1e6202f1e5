// The live frame as the user gets it: the real main window, a flight running, and for each
// frame the tick plus the paint events it causes (the repaint is measured, not only the tick).
// CPU time is the whole process's, so work handed to other threads counts too.
#include "app/feuillep.h"
#include "app/tabstrip.h"
#include "core/options.h"
#include "graphs/graphpanel.h"

#include "canvascopy.h"
#include "benchmain.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <benchmark/benchmark.h>

using namespace orbane;

namespace {

// An audio output that pulls what a sound card would for each 20 ms frame.
struct PullingAudio final : AudioOut
{
    std::vector<PcmSource *> sources;
    std::vector<float> buffer = std::vector<float>(2 * PcmSource::kRate / 50);
    void start(PcmSource *s) override { sources.push_back(s); }
    void stop(PcmSource *s) override { std::erase(sources, s); }
    void pull()
    {
        for (PcmSource *s : sources)
            s->render(buffer.data(), int(buffer.size() / 2));
    }
};

struct QuietServices
{
    NullDialogs dialogs;
    NullSound sound;
    NullBeeper beeper;
    PullingAudio audio;
    Services all{&dialogs, &sound, &beeper, &audio};
};

// The main window over a copy of the program's data, shown and exposed.
struct Window
{
    QTemporaryDir dir;
    QuietServices services;
    std::unique_ptr<FeuilleP> w;
    bool camera = false;

    Window()
    {
        const QDir data(QStringLiteral(ORBANE_DATA_DIR));
        for (const QString &name : data.entryList(QDir::Files))
            QFile::copy(data.filePath(name), dir.filePath(name));
        w = std::make_unique<FeuilleP>(dir.path(), &services.all);
        w->load();
        w->show();
        for (int i = 0; i < 200 && !(w->windowHandle() && w->windowHandle()->isExposed()); ++i)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        // The bench drives the ticks itself: the window's timer must not add its own.
        QObject::disconnect(&w->timer1(), &QTimer::timeout, nullptr, nullptr);
        settle();
    }

    Simulation &sim() { return w->sim(); }

    void options(std::initializer_list<int> checks)
    {
        for (int i = 1; i <= 12; ++i)
            sim().Check_Click(i, std::find(checks.begin(), checks.end(), i) != checks.end());
    }
    void showGraph(std::initializer_list<int> quantities)
    {
        auto *panel = w->findChild<graphs::GraphPanel *>(QStringLiteral("frame1"));
        for (int q : quantities)
            panel->Check13_Click(q, true);
        panel->Command6_Click();
        w->onglets()->setOnglet(5);
    }
    void restart()
    {
        sim().command18_Click();
        if (camera)
            sim().command12_Click();
        else
            sim().command15_Click();
        settle();
    }
    // One frame: the tick, the paint events it causes and its 20 ms of sound.
    void frame()
    {
        w->tick();
        QApplication::processEvents();
        services.audio.pull();
    }
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
};

void runFlights(benchmark::State &state, Window &win)
{
    win.restart();
    for (auto _ : state) {
        if (!win.sim().d.timer1) {
            state.PauseTiming();
            win.restart();
            state.ResumeTiming();
        }
        win.frame();
    }
    // The CPU column is the process's CPU per frame; beside it, one full copy of the canvas.
    state.counters["canvas_copy_us"] = canvasCopyNs() / 1000.0;
}

// A lesson with the camera on and the live graph of x(t) and y(t) on screen.
void cameraLesson(benchmark::State &state, std::initializer_list<int> checks)
{
    Window win;
    win.options(checks);
    win.showGraph({0, 1});
    win.camera = true;
    runFlights(state, win);
}

} // namespace

// Trajectory, axes, velocity and weight, thick lines: the common lesson.
static void BM_FrameCommonLesson(benchmark::State &state)
{
    Window win;
    win.options({1, 4, 5, 8, 10, 12});
    runFlights(state, win);
}
BENCHMARK(BM_FrameCommonLesson)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// The common lesson in the air: the ballon under the quadratic law, whose flight each frame
// reads from its integration.
static void BM_FrameDragLesson(benchmark::State &state)
{
    Window win;
    win.options({1, 4, 5, 8, 10, 12});
    win.sim().setOption(*option(QStringLiteral("drag")), true);
    runFlights(state, win);
}
BENCHMARK(BM_FrameDragLesson)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// The common lesson heard: "Son de la trajectoire" on, its tone made for every frame.
static void BM_FrameCommonLessonHeard(benchmark::State &state)
{
    Window win;
    win.options({1, 4, 5, 8, 10, 12});
    win.w->findChild<QAction *>(QStringLiteral("flightSound"))->setChecked(true);
    runFlights(state, win);
}
BENCHMARK(BM_FrameCommonLessonHeard)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// Every scene option, the grid, photographs every 300 ms with their vectors, and the live
// graph of x(t) and y(t) on screen.
static void BM_FrameEverythingOn(benchmark::State &state)
{
    cameraLesson(state, {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
}
BENCHMARK(BM_FrameEverythingOn)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// Everything on, photographs marked by their centre only.
static void BM_FrameMarkMode(benchmark::State &state)
{
    cameraLesson(state, {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12});
}
BENCHMARK(BM_FrameMarkMode)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// The same lessons without the axes and the grid, which every tick draws again: the difference
// is what keeping them out of the tick could save.
static void BM_FrameCommonLessonWithoutAxes(benchmark::State &state)
{
    Window win;
    win.options({4, 5, 8, 10, 12});
    runFlights(state, win);
}
BENCHMARK(BM_FrameCommonLessonWithoutAxes)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

static void BM_FrameEverythingOnWithoutAxes(benchmark::State &state)
{
    cameraLesson(state, {4, 5, 6, 7, 8, 9, 10, 11, 12});
}
BENCHMARK(BM_FrameEverythingOnWithoutAxes)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv) { return runBenchmarks<QApplication>(argc, argv); }
