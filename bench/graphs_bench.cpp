// One full redraw of the graph window for three quantities (vx, vy, v): the curves, the crosses
// and the table of values, against the 16 ms of a frame.
#include "core/options.h"
#include "core/simulation.h"
#include "graphs/graphes.h"
#include "graphs/livegraph.h"
#include "graphs/rangestudywindow.h"
#include "graphs/windowgraph.h"
#include "benchmain.h"

#include <QApplication>
#include <QPixmap>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>

using namespace orbane;
using namespace orbane::graphs;

namespace {

constexpr double kFrameMs = 16.0;
const Choice kVelocities{0, 0, 1, 1, 1, 0, 0, 0};

// A long flight on the Moon: 20 m/s at 60 degrees.
Simulation &moonFlight()
{
    static Simulation sim{QString()};
    static const bool ready = [] {
        sim.Combo1_Click(1);
        sim.TextN_Change(1, QStringLiteral("0"));
        sim.TextN_Change(2, QStringLiteral("2"));
        sim.TextN_Change(3, QStringLiteral("20"));
        sim.TextN_Change(4, QStringLiteral("60"));
        sim.voxvoy();
        for (int i = 0; i < kQuantities; ++i)
            sim.Check13_Click(i, kVelocities[i]);
        return true;
    }();
    Q_UNUSED(ready);
    return sim;
}

// Wall time of each iteration, reported as the share of a 16 ms frame it takes.
class FrameShare
{
public:
    explicit FrameShare(benchmark::State &state) : m_state(state) {}
    ~FrameShare()
    {
        const double perIteration = m_total.count() / double(std::max<int64_t>(1, m_state.iterations()));
        m_state.counters["frame_share"] = perIteration / kFrameMs;
    }
    template <typename F> void time(F &&work)
    {
        const auto start = std::chrono::steady_clock::now();
        work();
        m_total += std::chrono::steady_clock::now() - start;
    }

private:
    benchmark::State &m_state;
    std::chrono::duration<double, std::milli> m_total{0};
};

// The graph and the table's contents, without widgets.
void BM_WindowGraphHeadless(benchmark::State &state)
{
    const Flight f = moonFlight().flight();
    WindowGraph g;
    FrameShare share(state);
    for (auto _ : state) {
        share.time([&] { g.tracegraphe(f, kVelocities); });
        benchmark::DoNotOptimize(g.image().constBits());
    }
}
BENCHMARK(BM_WindowGraphHeadless)->Unit(benchmark::kMillisecond);

// The window's redraw: graph, crosses, the grid of text cells and its header.
void BM_GraphesRedraw(benchmark::State &state)
{
    Graphes window(moonFlight(), {}, nullptr);
    FrameShare share(state);
    for (auto _ : state)
        share.time([&] { window.tracegraphe(); });
}
BENCHMARK(BM_GraphesRedraw)->Unit(benchmark::kMillisecond);

// The redraw followed by painting the whole window, as a screen update would.
void BM_GraphesRedrawAndPaint(benchmark::State &state)
{
    Graphes window(moonFlight(), {}, nullptr);
    FrameShare share(state);
    for (auto _ : state) {
        share.time([&] {
            window.tracegraphe();
            QPixmap shot = window.grab();
            benchmark::DoNotOptimize(shot.cacheKey());
        });
    }
}
BENCHMARK(BM_GraphesRedrawAndPaint)->Unit(benchmark::kMillisecond);

// "Écouter la courbe": from the press to the three seconds of sound ready to play.
void BM_ListenToCurve(benchmark::State &state)
{
    Graphes window(moonFlight(), {}, nullptr);
    for (auto _ : state)
        window.ecouterCourbe_Click();
}
BENCHMARK(BM_ListenToCurve)->Unit(benchmark::kMillisecond);

// For comparison: one live-graph frame, drawn at each launch.
void BM_LiveGraphFrame(benchmark::State &state)
{
    const Flight f = moonFlight().flight();
    LiveGraph g;
    FrameShare share(state);
    for (auto _ : state)
        share.time([&] { benchmark::DoNotOptimize(g.repgraphe(f, kVelocities)); });
}
BENCHMARK(BM_LiveGraphFrame)->Unit(benchmark::kMillisecond);

// The range study's whole refresh: opening the window (both curves sampled and marked, the
// air's some 960 flights among them), or what a tick's change costs once it is open.
void BM_RangeStudyRefresh(benchmark::State &state)
{
    const bool drag = state.range(0) != 0, tick = state.range(1) != 0;
    Simulation sim{QString()};
    sim.Combo2_Click(2); // the ballon
    sim.TextN_Change(1, QStringLiteral("0"));
    sim.TextN_Change(2, QStringLiteral("0"));
    sim.TextN_Change(3, QStringLiteral("15"));
    sim.TextN_Change(4, QStringLiteral("45"));
    sim.voxvoy();
    sim.setOption(*option(QStringLiteral("drag")), drag);
    RangeStudyWindow open(sim, nullptr, nullptr);
    for (auto _ : state) {
        if (tick) {
            emit sim.changed();
        } else {
            RangeStudyWindow window(sim, nullptr, nullptr);
            benchmark::DoNotOptimize(window.markText().size());
        }
    }
}
BENCHMARK(BM_RangeStudyRefresh)
    ->ArgNames({"drag", "tick"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) { return runBenchmarks<QApplication>(argc, argv); }
