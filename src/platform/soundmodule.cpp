#include "platform/soundmodule.h"

#include "platform/soundentry.h"

#include <QDir>
#include <QLibrary>
#include <QTimer>

namespace orbane {

namespace {

// Never unloaded: the objects' code lives in the module.
QFunctionPointer moduleEntry(const QString &moduleDir, const char *symbol)
{
    QLibrary module(QDir(moduleDir).filePath(QStringLiteral("orbane_sound")));
    return module.resolve(symbol);
}

} // namespace

ModuleSound::ModuleSound(QString moduleDir) : m_moduleDir(std::move(moduleDir)) {}

ModuleSound::~ModuleSound() = default;

SoundDevice *ModuleSound::device()
{
    if (m_device || m_tried)
        return m_device.get();
    m_tried = true;
    const auto create =
        reinterpret_cast<CreateSoundDevice>(moduleEntry(m_moduleDir, kCreateSoundDevice));
    if (create)
        m_device.reset(create());
    return m_device.get();
}

void ModuleSound::open(const QString &path)
{
    m_path = path;
    if (m_device) {
        m_device->open(path);
        return;
    }
    QTimer::singleShot(kLoadDelayMs, &m_guard, [this] { loadWithFile(); });
}

// Makes the device and gives it the current file, once: a device made earlier (by an impact,
// or an earlier pending load) already has it.
void ModuleSound::loadWithFile()
{
    if (m_device || m_path.isEmpty() || !device())
        return;
    m_device->open(m_path);
}

void ModuleSound::play()
{
    loadWithFile(); // an impact before the module is loaded loads it at once
    if (m_device)
        m_device->play();
}

void ModuleSound::close()
{
    m_path.clear();
    if (m_device)
        m_device->close();
}

ModuleAudio::ModuleAudio(QString moduleDir) : m_moduleDir(std::move(moduleDir)) {}

ModuleAudio::~ModuleAudio() = default;

AudioOut *ModuleAudio::output()
{
    if (!m_tried) {
        m_tried = true;
        if (const auto create =
                reinterpret_cast<CreateAudioOut>(moduleEntry(m_moduleDir, kCreateAudioOut)))
            m_output.reset(create());
    }
    return m_output.get();
}

void ModuleAudio::start(PcmSource *source)
{
    if (AudioOut *out = output())
        out->start(source);
}

void ModuleAudio::stop(PcmSource *source)
{
    if (m_output)
        m_output->stop(source);
}

} // namespace orbane
