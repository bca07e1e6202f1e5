#pragma once

#include "core/tones.h"

#include <QObject>

namespace orbane {

class Simulation;

// "Son de la trajectoire": while the projectile flies, a tone whose pitch follows its height in
// the scene and whose balance follows x; a click at each photograph, a thud at each contact.
class FlightSound : public QObject
{
    Q_OBJECT
public:
    FlightSound(const Simulation &sim, AudioOut &out, QObject *parent = nullptr);
    ~FlightSound() override;

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool on);
    const tones::TrajectoryTone &tone() const { return m_tone; }
    tones::TrajectoryTone &tone() { return m_tone; }

    // Where a point of the scene sounds: 0 at the ground or the left edge, 1 at the top or the
    // right edge of the scene.
    static double level(double y);
    static double position(double x);

private:
    void onTicked();
    void onContact();
    void play();

    const Simulation &m_sim;
    AudioOut &m_out;
    tones::TrajectoryTone m_tone;
    bool m_enabled = false;
    bool m_playing = false;
};

} // namespace orbane
