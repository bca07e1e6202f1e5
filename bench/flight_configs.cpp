// Writes the configurations bench/flight_cpu.sh flies, with the number of ticks of one flight
// of each: the program's own configuration as it opens, everything on, and mark mode.
//
//   flight_configs DATA_DIR OUT_DIR    (prints "NAME TICKS" per configuration written)
#include "config/configloader.h"
#include "config/configwriter.h"
#include "core/services.h"
#include "core/simulation.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <cstdio>
#include <initializer_list>

using namespace orbane;

namespace {

// The ticks from "Simulation" (or the camera) to the projectile's rest.
int flightTicks(Simulation &sim, bool camera)
{
    sim.command18_Click();
    camera ? sim.command12_Click() : sim.command15_Click();
    int ticks = 0;
    for (; sim.d.timer1 && ticks < 100000; ++ticks)
        sim.Timer1_Timer();
    sim.command18_Click();
    return ticks;
}

bool write(const QString &data, const QString &out, const char *name, bool camera,
           std::initializer_list<int> checks)
{
    NullDialogs dialogs;
    Simulation sim(data);
    if (!config::loadConfig(QDir(data).filePath(QStringLiteral("ORBANE.P08")), sim, dialogs).ok())
        return false;
    if (checks.size() != 0)
        for (int i = 1; i <= 12; ++i)
            sim.Check_Click(i, std::find(checks.begin(), checks.end(), i) != checks.end());
    const QString path = QDir(out).filePath(QString::fromLatin1(name) + QStringLiteral(".P08"));
    if (!config::writeConfig(path, sim.c).ok)
        return false;
    std::printf("%s %d\n", name, flightTicks(sim, camera));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: flight_configs DATA_DIR OUT_DIR\n", stderr);
        return 2;
    }
    const QString data = QString::fromLocal8Bit(argv[1]), out = QString::fromLocal8Bit(argv[2]);
    // The same options as frame_bench's lessons.
    const bool ok = write(data, out, "default", false, {}) &&
                    write(data, out, "everything", true, {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}) &&
                    write(data, out, "marks", true, {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12});
    return ok ? 0 : 1;
}
