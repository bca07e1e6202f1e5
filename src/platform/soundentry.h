#pragma once

namespace orbane {

class SoundDevice;
class AudioOut;

// The sound module's entry points: each makes its object, owned by the caller.
using CreateSoundDevice = SoundDevice *(*)();
inline constexpr char kCreateSoundDevice[] = "orbane_create_sound_device";
// And the output for the sounds the program makes itself.
using CreateAudioOut = AudioOut *(*)();
inline constexpr char kCreateAudioOut[] = "orbane_create_audio_out";

} // namespace orbane
