#pragma once

namespace orbane {

class SoundDevice;

// The sound module's single entry point: makes a sound device, owned by the caller.
using CreateSoundDevice = SoundDevice *(*)();
inline constexpr char kCreateSoundDevice[] = "orbane_create_sound_device";

} // namespace orbane
