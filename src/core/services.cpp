#include "core/services.h"

namespace orbane {

Dialogs::~Dialogs() = default;
SoundDevice::~SoundDevice() = default;
Beeper::~Beeper() = default;
PcmSource::~PcmSource() = default;
AudioOut::~AudioOut() = default;

MsgAnswer NullDialogs::message(const QString &, const QString &, MsgIcon, MsgButtons buttons)
{
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::Yes
                                                                              : MsgAnswer::Ok;
}

} // namespace orbane
