#pragma once

#include "core/savefile.h"
#include "core/services.h"
#include "core/simulation.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

namespace orbane::test {

// Records every message box and answers with the queued answers (OK / Yes by default).
class ScriptedDialogs final : public Dialogs
{
public:
    struct Shown
    {
        QString prompt, title;
        MsgIcon icon;
        MsgButtons buttons;
    };
    std::vector<Shown> shown;
    std::deque<MsgAnswer> answers;

    MsgAnswer message(const QString &prompt, const QString &title, MsgIcon icon,
                      MsgButtons buttons) override;
};

class RecordingSound final : public SoundDevice
{
public:
    QStringList opened;
    int plays = 0;
    int closes = 0;
    void open(const QString &path) override { opened << path; }
    void play() override { ++plays; }
    void close() override { ++closes; }
};

class CountingBeeper final : public Beeper
{
public:
    int beeps = 0;
    void beep() override { ++beeps; }
};

// Scene hooks that only count calls; a place picture "loads" when its file exists.
class CountingHooks final : public SceneHooks
{
public:
    bool requireFiles = false;
    QStringList loaded;
    int clears = 0, reperes = 0, lespointsCalls = 0, majaffs = 0, repgraphes = 0;
    int trajectoryBreaks = 0;
    PhotoMarks marks; // as a scene records them

    bool loadBackground(const QString &path) override;
    void clearScene() override { ++clears; }
    void repere() override { ++reperes; }
    void lespoints() override { ++lespointsCalls; }
    void majaff() override { ++majaffs; }
    void forgetMarks() override { marks.clear(); }
    void breakTrajectory() override { ++trajectoryBreaks; }
};

// A disk that fills up part-way through a save, or fails the final renaming, as a full or
// failing disk does. Install it with saving::UseDisk.
class FaultyDisk final : public saving::Disk
{
public:
    qint64 room = -1;    // bytes it still takes before "no space left"; -1: no limit
    int renameError = 0; // errno of the final renaming, 0: it succeeds
    qint64 write(int fd, const char *data, qint64 size) override;
    int rename(const char *from, const char *to) override;
};

// Rows of the place and projectile lists the tests choose by name.
inline constexpr int kMoon = 1;
inline constexpr int kBallon = 2;
inline constexpr int kRocher = 4;

// Tests set a state up directly, where a handler would also react.
struct SimulationAccess
{
    static Controls &controls(Simulation &sim) { return sim.m_c; }
    static SimState &state(Simulation &sim) { return sim.m_s; }
    static Display &display(Simulation &sim) { return sim.m_d; }
};
inline Controls &controlsOf(Simulation &sim) { return SimulationAccess::controls(sim); }
inline SimState &stateOf(Simulation &sim) { return SimulationAccess::state(sim); }
inline Display &displayOf(Simulation &sim) { return SimulationAccess::display(sim); }

// A simulation wired to test doubles.
struct Rig
{
    explicit Rig(const QString &programDir);
    ScriptedDialogs dialogs;
    RecordingSound sound;
    CountingBeeper beeper;
    CountingHooks hooks;
    Simulation sim;

    // Ticks while the timer runs, at most maxTicks; returns the number of ticks run.
    int runUntilStopped(int maxTicks = 10000);
};

} // namespace orbane::test
