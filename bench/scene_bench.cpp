#include "core/simulation.h"
#include "scene/scenerenderer.h"

#include "canvascopy.h"
#include "benchmain.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>

using namespace orbane;

namespace {

struct Rig
{
    QTemporaryDir dir;
    std::unique_ptr<Simulation> sim;
    std::unique_ptr<SceneRenderer> renderer;

    Rig()
    {
        const QDir data(QStringLiteral(ORBANE_DATA_DIR));
        for (const QString &name : data.entryList(QDir::Files))
            QFile::copy(data.filePath(name), dir.filePath(name));
        sim = std::make_unique<Simulation>(dir.path());
        renderer = std::make_unique<SceneRenderer>(*sim);
        sim->setSceneHooks(renderer.get());
        sim->Form_Load();
        sim->Combo1_Click(1); // the Moon: long flights
        sim->Check_Click(4, false);
    }
    ~Rig() { sim->setSceneHooks(nullptr); }

    void options(std::initializer_list<int> checks, bool camera)
    {
        for (int i = 1; i <= 12; ++i)
            sim->Check_Click(i, std::find(checks.begin(), checks.end(), i) != checks.end());
        m_camera = camera;
        restart();
    }
    void restart()
    {
        sim->command18_Click();
        if (m_camera)
            sim->command12_Click();
        else
            sim->command15_Click();
    }
    void tick()
    {
        if (!sim->d.timer1)
            restart();
        sim->Timer1_Timer();
    }

private:
    bool m_camera = false;
};

void report(benchmark::State &state, double copyNs)
{
    state.counters["us_per_tick"] =
        benchmark::Counter(double(state.iterations()) * 1e-6,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["canvas_copy_ns"] = copyNs;
}

} // namespace

// One full composite of the 409 x 800 canvas: what a naive commit would cost.
static void BM_CanvasCopy(benchmark::State &state)
{
    QImage persistent(409, 800, QImage::Format_RGB32);
    QImage layer(409, 800, QImage::Format_ARGB32_Premultiplied);
    persistent.fill(Qt::gray);
    layer.fill(Qt::transparent);
    for (auto _ : state) {
        QPainter p(&persistent);
        p.drawImage(0, 0, layer);
    }
    report(state, canvasCopyNs());
}
BENCHMARK(BM_CanvasCopy)->Unit(benchmark::kMicrosecond);

// Trajectory, axes, velocity and weight: the common lesson.
static void BM_TickCommon(benchmark::State &state)
{
    Rig rig;
    rig.options({1, 5, 8, 10, 12}, false); // thick lines are the default
    for (auto _ : state)
        rig.tick();
    report(state, canvasCopyNs());
}
BENCHMARK(BM_TickCommon)->Unit(benchmark::kMicrosecond);

// Everything on, a photograph with frozen vectors at every tick (10 ms interval).
static void BM_TickWorstImageMode(benchmark::State &state)
{
    Rig rig;
    rig.sim->chrono_Change(QStringLiteral("10"));
    rig.options({1, 3, 5, 6, 7, 8, 9, 10, 11, 12}, true);
    for (auto _ : state)
        rig.tick();
    report(state, canvasCopyNs());
}
BENCHMARK(BM_TickWorstImageMode)->Unit(benchmark::kMicrosecond);

// Mark mode with 5 000 recorded marks and a new mark at every tick.
static void BM_TickWorstMarkMode(benchmark::State &state)
{
    Rig rig;
    rig.sim->chrono_Change(QStringLiteral("10"));
    for (int i = 0; i < 5000; ++i)
        rig.renderer->recordMark({qint16(30 + i % 360), qint16(40 + (i / 360) * 25), 0x0000ff,
                            0xfb4291, true});
    rig.options({1, 2, 3, 5, 6, 7, 8, 10, 11, 12}, true);
    for (auto _ : state)
        rig.tick();
    state.counters["marks"] = rig.renderer->marks().nbphotos();
    report(state, canvasCopyNs());
}
BENCHMARK(BM_TickWorstMarkMode)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv) { return runBenchmarks<QGuiApplication>(argc, argv); }
