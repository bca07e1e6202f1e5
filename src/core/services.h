#pragma once

#include <QString>

// Side effects that leave the core go through these small interfaces, so tests can script
// message boxes and observe sounds and beeps without a screen or a sound card.
namespace orbane {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

class Dialogs
{
public:
    virtual ~Dialogs();
    // A modal message box; returns the button pressed.
    virtual MsgAnswer message(const QString &prompt, const QString &title, MsgIcon icon,
                              MsgButtons buttons = MsgButtons::Ok) = 0;
};

// The wave-sound device: "Open" prepares a file, "Play" plays it from its start (restarting a
// sound still playing), "Close" releases it. A file that cannot be opened leaves it silent.
class SoundDevice
{
public:
    virtual ~SoundDevice();
    virtual void open(const QString &path) = 0;
    virtual void play() = 0;
    virtual void close() = 0;
};

// Sound made by the program itself, stereo at 44 100 frames a second, pulled by the output.
class PcmSource
{
public:
    static constexpr int kRate = 44100;
    virtual ~PcmSource();
    // Writes `frames` frames (left, right, each in -1..1) and returns how many it wrote: fewer
    // means the sound has ended.
    virtual int render(float *stereo, int frames) = 0;
};

// The audio output mixes the sources it plays; without an audio device it stays silent.
// A source stays the caller's, and must be stopped before it goes.
class AudioOut
{
public:
    virtual ~AudioOut();
    virtual void start(PcmSource *source) = 0; // a source already playing goes on
    virtual void stop(PcmSource *source) = 0;
};

class Beeper
{
public:
    virtual ~Beeper();
    virtual void beep() = 0;
};

// Silent stand-ins, used until the program plugs in the real ones.
class NullDialogs final : public Dialogs
{
public:
    MsgAnswer message(const QString &, const QString &, MsgIcon, MsgButtons buttons) override;
};

class NullSound final : public SoundDevice
{
public:
    void open(const QString &) override {}
    void play() override {}
    void close() override {}
};

class NullAudio final : public AudioOut
{
public:
    void start(PcmSource *) override {}
    void stop(PcmSource *) override {}
};

class NullBeeper final : public Beeper
{
public:
    void beep() override {}
};

struct Services
{
    Dialogs *dialogs = nullptr;
    SoundDevice *sound = nullptr;
    Beeper *beeper = nullptr;
    AudioOut *audio = nullptr;
};

} // namespace orbane
