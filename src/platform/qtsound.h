#pragma once

#include "core/services.h"

#include <memory>

class QSoundEffect;

namespace orbane {

// The impact sound through QSoundEffect, which neither crashes nor blocks without an audio
// device. A file that does not exist leaves the device closed and impacts silent.
class QtSound final : public SoundDevice
{
public:
    QtSound();
    ~QtSound() override;
    void open(const QString &path) override;
    void play() override;
    void close() override;

private:
    std::unique_ptr<QSoundEffect> m_effect;
};

} // namespace orbane
