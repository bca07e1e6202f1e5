#pragma once

#include <QtGlobal>
#include <benchmark/benchmark.h>

// Every benchmark program's main: the application the measured code needs (a core, GUI or
// widgets application) on the offscreen platform unless another one is asked for (xcb under
// Xvfb, for instance), then the benchmarks.
template <class Application> int runBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
