#include "core/drag.h"
#include "core/tables.h"
#include "benchmain.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cmath>
#include <numbers>

using namespace orbane;

// A whole flight in the air integrated ahead: the ballon on Terre at 15 m.s-1 and 45°, quadratic
// law with its usual Cx, from the launch to its rest after the bounces (or to the first landing).
static void BM_DragWholeFlight(benchmark::State &state)
{
    const Place &terre = place(0);
    const Projectile &ballon = projectile(2);
    const double a = std::numbers::pi / 4.0;
    const Flight launch{0.0, 0.0, 15.0 * std::cos(a), 15.0 * std::sin(a), double(terre.g),
                        double(ballon.mass)};
    const DragLaw law =
        DragLaw::quadratic(terre.airDensity, ballon.dragCoefficient, ballon.diameter);
    const bool bounces = state.range(0) != 0;
    double flown = 0.0;
    for (auto _ : state) {
        const DragFlight f(launch, law, bounces);
        benchmark::DoNotOptimize(f.contacts().back().x);
        flown = f.end();
    }
    state.counters["flight_s"] = flown;
}
BENCHMARK(BM_DragWholeFlight)->ArgName("bounces")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv) { return runBenchmarks<QCoreApplication>(argc, argv); }
