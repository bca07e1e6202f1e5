// One full redraw of the graph window for three quantities (vx, vy, v): the curves, the crosses
// and the table of values, against the 16 ms of a frame.
#include "core/simulation.h"
#include "graphs/graphes.h"
#include "graphs/livegraph.h"
#include "graphs/windowgraph.h"

#include <QApplication>
#include <QPixmap>
#include <benchmark/benchmark.h>

using namespace orbane;
using namespace orbane::graphs;

namespace {

constexpr double kFrameMs = 16.0;
const Choice kVelocities{0, 0, 1, 1, 1, 0, 0, 0};

// A long flight on the Moon: 20 m/s at 60 degrees.
Simulation &moonFlight()
{
    static Simulation sim{QString()};
    sim.c.Text1 = QStringLiteral("0");
    sim.c.Text2 = QStringLiteral("2");
    sim.s.gpes = 1.6f;
    sim.s.vox = 10.0f;
    sim.s.voy = 17.32f;
    sim.c.Check13 = kVelocities;
    return sim;
}

// Share of a 16 ms frame taken by one iteration.
void reportFrame(benchmark::State &state)
{
    state.counters["frame_share"] = benchmark::Counter(
        double(state.iterations()) * kFrameMs * 1e-3,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The graph and the table's contents, without widgets.
void BM_WindowGraphHeadless(benchmark::State &state)
{
    const Flight f = flightOf(moonFlight());
    WindowGraph g;
    for (auto _ : state) {
        g.tracegraphe(f, kVelocities);
        benchmark::DoNotOptimize(g.image().constBits());
    }
    reportFrame(state);
}
BENCHMARK(BM_WindowGraphHeadless)->Unit(benchmark::kMillisecond);

// The window's redraw: graph, crosses, the grid of text cells and its header.
void BM_GraphesRedraw(benchmark::State &state)
{
    Graphes window(moonFlight(), {}, nullptr);
    for (auto _ : state)
        window.tracegraphe();
    reportFrame(state);
}
BENCHMARK(BM_GraphesRedraw)->Unit(benchmark::kMillisecond);

// The redraw followed by painting the whole window, as a screen update would.
void BM_GraphesRedrawAndPaint(benchmark::State &state)
{
    Graphes window(moonFlight(), {}, nullptr);
    for (auto _ : state) {
        window.tracegraphe();
        QPixmap shot = window.grab();
        benchmark::DoNotOptimize(shot.cacheKey());
    }
    reportFrame(state);
}
BENCHMARK(BM_GraphesRedrawAndPaint)->Unit(benchmark::kMillisecond);

// For comparison: one live-graph frame, drawn at each launch.
void BM_LiveGraphFrame(benchmark::State &state)
{
    const Flight f = flightOf(moonFlight());
    LiveGraph g;
    for (auto _ : state)
        benchmark::DoNotOptimize(g.repgraphe(f, kVelocities));
    reportFrame(state);
}
BENCHMARK(BM_LiveGraphFrame)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
