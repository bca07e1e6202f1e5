#include "platform/soundentry.h"

#include "platform/qtsound.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT orbane::SoundDevice *orbane_create_sound_device()
{
    return new orbane::QtSound;
}
