#include "core/simulation.h"
#include "benchmain.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace orbane;

// One core tick over whole flights: the default bouncing ball, from launch to rest.
static void BM_TickWholeFlight(benchmark::State &state)
{
    QTemporaryDir dir;
    Simulation sim(dir.path());
    sim.Form_Load();
    std::int64_t ticks = 0;
    for (auto _ : state) {
        sim.command15_Click();
        while (sim.d.timer1) {
            sim.Timer1_Timer();
            ++ticks;
        }
    }
    state.counters["ticks_per_flight"] =
        benchmark::Counter(double(ticks) / double(state.iterations()));
    state.counters["ns_per_tick"] =
        benchmark::Counter(double(ticks), benchmark::Counter::kIsRate |
                                              benchmark::Counter::kInvert);
    state.counters["ticks_per_s"] = benchmark::Counter(double(ticks), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TickWholeFlight)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv) { return runBenchmarks<QCoreApplication>(argc, argv); }
