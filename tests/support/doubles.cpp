#include "support/doubles.h"

#include <QFileInfo>

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

bool CountingHooks::loadBackground(const QString &path)
{
    loaded << path;
    return !requireFiles || QFileInfo(path).isFile();
}

Rig::Rig(const QString &programDir) : sim(programDir)
{
    sim.setServices({&dialogs, &sound, &beeper});
    sim.setSceneHooks(&hooks);
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
