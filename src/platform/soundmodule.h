#pragma once

#include "core/services.h"

#include <QObject>
#include <QString>
#include <memory>

namespace orbane {

// The impact sound, from the sound module (liborbane_sound), loaded a moment after the window
// appears: the audio system and its twenty-odd libraries then stay out of the program's start.
// Without the module the impacts are silent, as without an audio device.
class ModuleSound final : public SoundDevice
{
public:
    explicit ModuleSound(QString moduleDir);
    ~ModuleSound() override;
    void open(const QString &path) override;
    void play() override;
    void close() override;
    // The module was found and its sound device made.
    bool isLoaded() const { return m_device != nullptr; }

    static constexpr int kLoadDelayMs = 150;

private:
    SoundDevice *device();
    void loadWithFile();

    QString m_moduleDir;
    std::unique_ptr<SoundDevice> m_device;
    bool m_tried = false;
    QString m_path;
    QObject m_guard; // cancels a pending load when the sound goes away
};

// The program's own sounds, through the same module, loaded the first time one plays.
class ModuleAudio final : public AudioOut
{
public:
    explicit ModuleAudio(QString moduleDir);
    ~ModuleAudio() override;
    void start(PcmSource *source) override;
    void stop(PcmSource *source) override;
    bool isLoaded() const { return m_output != nullptr; }

private:
    AudioOut *output();

    QString m_moduleDir;
    std::unique_ptr<AudioOut> m_output;
    bool m_tried = false;
};

} // namespace orbane
