#pragma once

#include "core/services.h"

#include <QObject>
#include <QString>
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
    // A sound is ready to play (its file exists and the device was prepared).
    bool isPrepared() const { return m_effect != nullptr; }

private:
    static constexpr int kPrepareDelayMs = 150;
    void prepare();
    std::unique_ptr<QSoundEffect> m_effect;
    QString m_path;
    QObject m_guard; // cancels a pending preparation when the device goes away
};

} // namespace orbane
