#include "support/doubles.h"

#include <QFileInfo>
#include <cerrno>

namespace orbane::test {

MsgAnswer ScriptedDialogs::message(const QString &prompt, const QString &title, MsgIcon icon,
                                   MsgButtons buttons)
{
    shown.push_back({prompt, title, icon, buttons});
    if (!answers.empty()) {
        const MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::Yes
                                                                              : MsgAnswer::Ok;
}

qint64 FaultyDisk::write(int fd, const char *data, qint64 size)
{
    if (room < 0)
        return Disk::write(fd, data, size);
    if (room == 0) {
        errno = ENOSPC;
        return -1;
    }
    const qint64 n = Disk::write(fd, data, qMin(size, room));
    if (n > 0)
        room -= n;
    return n;
}

int FaultyDisk::rename(const char *from, const char *to)
{
    if (renameError == 0)
        return Disk::rename(from, to);
    errno = renameError;
    return -1;
}

bool CountingHooks::loadBackground(const QString &path)
{
    loaded << path;
    return !requireFiles || QFileInfo(path).isFile();
}

Rig::Rig(const QString &programDir) : sim(programDir)
{
    sim.setServices({&dialogs, &sound, &beeper});
    sim.setSceneHooks(&hooks);
    // The live graph's frames: at start-up and at each launch.
    QObject::connect(&sim, &Simulation::reset, [this] { ++hooks.repgraphes; });
    QObject::connect(&sim, &Simulation::launched, [this] { ++hooks.repgraphes; });
}

int Rig::runUntilStopped(int maxTicks)
{
    int n = 0;
    while (sim.d.timer1 && n < maxTicks) {
        sim.Timer1_Timer();
        ++n;
    }
    return n;
}

} // namespace orbane::test
