#pragma once

#include "core/services.h"
#include "platform/qtbeeper.h"
#include "platform/qtdialogs.h"
#include "platform/soundmodule.h"

#include <QCoreApplication>

namespace orbane {

// The program's real services, owned together.
struct QtServices
{
    QtDialogs dialogs;
    ModuleSound sound{QCoreApplication::applicationDirPath()};
    QtBeeper beeper;
    ModuleAudio audio{QCoreApplication::applicationDirPath()};
    Services all() { return {&dialogs, &sound, &beeper, &audio}; }
};

} // namespace orbane
