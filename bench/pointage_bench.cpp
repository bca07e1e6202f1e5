// Placing a point in the pointage window, table and picture updated and painted, with as many
// points placed before it as the argument says.
#include "core/simulation.h"
#include "pointage/pointagewindow.h"

#include "benchmain.h"

#include <QApplication>
#include <QTableWidget>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cmath>

using namespace orbane;
using namespace orbane::pointage;

namespace {

// A long flight photographed at every tick: one photograph for each point to place.
std::vector<exporttable::PhotoPosition> photographs(int count)
{
    std::vector<exporttable::PhotoPosition> photos;
    for (int i = 0; i < count; ++i) {
        const double t = 0.02 * i;
        photos.push_back({t, 0.3 * t, std::abs(20.0 * t - 4.9 * t * t)});
    }
    return photos;
}

void BM_PlacePoint(benchmark::State &state)
{
    const int before = int(state.range(0));
    Simulation sim(QStringLiteral(ORBANE_DATA_DIR));
    sim.restorePhotographs(photographs(before + 1));
    QImage picture(409, 800, QImage::Format_RGB32);
    picture.fill(Qt::darkGray);
    PointageWindow window(sim, picture, PointageActions{}, nullptr);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        state.SkipWithError("the window was not shown");
    for (int i = 0; i < before; ++i)
        window.addPoint(window.measurement().photoPixel(i));
    QApplication::processEvents();
    const QPointF next = window.measurement().photoPixel(before);
    for (auto _ : state) {
        window.addPoint(next);
        QApplication::processEvents(); // the table's layout and the paints
        state.PauseTiming();
        window.undoPoint();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    if (window.table()->rowCount() != before)
        state.SkipWithError("the table lost its rows");
}

} // namespace

BENCHMARK(BM_PlacePoint)->Arg(0)->Arg(100)->Arg(1500)->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) { return runBenchmarks<QApplication>(argc, argv); }
