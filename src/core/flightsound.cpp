#include "core/flightsound.h"

#include "core/simulation.h"
#include "core/units.h"

#include <algorithm>

namespace orbane {

FlightSound::FlightSound(const Simulation &sim, AudioOut &out, QObject *parent)
    : QObject(parent), m_sim(sim), m_out(out)
{
    connect(&sim, &Simulation::ticked, this, &FlightSound::onTicked);
    connect(&sim, &Simulation::photographed, this, [this] {
        if (m_enabled)
            m_tone.click();
    });
    connect(&sim, &Simulation::landed, this, &FlightSound::onContact);
    connect(&sim, &Simulation::bounced, this, &FlightSound::onContact);
    connect(&sim, &Simulation::stopped, this, [this] { m_tone.hush(); });
    connect(&sim, &Simulation::timerChanged, this, [this](bool on) {
        if (!on)
            m_tone.hush(); // a pause, a stop, the end of the flight
    });
}

FlightSound::~FlightSound()
{
    if (m_playing)
        m_out.stop(&m_tone);
}

double FlightSound::level(double y)
{
    return std::clamp(y / scene::metresY(0.0), 0.0, 1.0);
}

double FlightSound::position(double x)
{
    return std::clamp(x / scene::metresX(scene::kCanvasWidth), 0.0, 1.0);
}

void FlightSound::setEnabled(bool on)
{
    m_enabled = on;
    if (on)
        return;
    m_tone.hush();
    if (m_playing)
        m_out.stop(&m_tone);
    m_playing = false;
}

// The output is opened at the first flight heard, not when the option is ticked.
void FlightSound::play()
{
    if (!m_playing)
        m_out.start(&m_tone);
    m_playing = true;
}

void FlightSound::onTicked()
{
    if (!m_enabled)
        return;
    if (m_sim.d.timer1 && m_sim.s.temps > 0.0f) {
        m_tone.follow(level(m_sim.s.xy[1]), position(m_sim.s.xy[0]));
        play();
    } else {
        m_tone.hush(); // back at the initial position
    }
}

void FlightSound::onContact()
{
    if (!m_enabled)
        return;
    play();
    m_tone.thud(position(m_sim.s.xy[0]));
}

} // namespace orbane
