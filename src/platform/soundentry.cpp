#include "platform/soundentry.h"

#include "platform/qtaudio.h"
#include "platform/qtsound.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT orbane::SoundDevice *orbane_create_sound_device()
{
    return new orbane::QtSound;
}

extern "C" Q_DECL_EXPORT orbane::AudioOut *orbane_create_audio_out()
{
    return new orbane::QtAudio;
}
