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
    QTimer::singleShot(kLoadDelayMs, &m_guard, [this] {
        if (SoundDevice *d = device(); d && !m_path.isEmpty())
            d->open(m_path);
    });
}

void ModuleSound::play()
{
    // An impact before the module is loaded loads it at once.
    if (!m_device && !m_path.isEmpty() && device())
        m_device->open(m_path);
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
