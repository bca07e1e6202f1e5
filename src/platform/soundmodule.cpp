#include "platform/soundmodule.h"

#include "platform/soundentry.h"

#include <QDir>
#include <QLibrary>
#include <QTimer>

namespace orbane {

ModuleSound::ModuleSound(QString moduleDir) : m_moduleDir(std::move(moduleDir)) {}

ModuleSound::~ModuleSound() = default;

SoundDevice *ModuleSound::device()
{
    if (m_device || m_tried)
        return m_device.get();
    m_tried = true;
    // Never unloaded: the device's code lives in the module.
    QLibrary module(QDir(m_moduleDir).filePath(QStringLiteral("orbane_sound")));
    const auto create = reinterpret_cast<CreateSoundDevice>(module.resolve(kCreateSoundDevice));
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

} // namespace orbane
