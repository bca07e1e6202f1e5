#pragma once

#include "core/services.h"
#include "platform/qtbeeper.h"
#include "platform/qtdialogs.h"
#include "platform/qtsound.h"

namespace orbane {

// The program's real services, owned together.
struct QtServices
{
    QtDialogs dialogs;
    QtSound sound;
    QtBeeper beeper;
    Services all() { return {&dialogs, &sound, &beeper}; }
};

} // namespace orbane
