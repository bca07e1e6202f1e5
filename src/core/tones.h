#pragma once

#include "core/services.h"

#include <cstdint>
#include <utility>
#include <vector>

// The sounds that let a pupil hear a flight and a curve: the program makes them itself, so they
// can be checked sample by sample without a sound card.
namespace orbane::tones {

inline constexpr double kLowHz = 220.0;  // the ground, or a curve's lowest value
inline constexpr double kHighHz = 880.0; // the top of the scene, or a curve's highest value

// Two octaves from 0 to 1, each octave the same length: equal heights sound equal steps.
double pitch(double level);
// Left and right gains for a position from 0 (left edge) to 1 (right edge), at constant power.
std::pair<double, double> balance(double position);

// Adds up the sources playing; one that ends is dropped.
class Mixer final : public PcmSource
{
public:
    void add(PcmSource *source);
    void remove(PcmSource *source);
    bool empty() const { return m_sources.empty(); }
    int render(float *stereo, int frames) override;

private:
    std::vector<PcmSource *> m_sources;
    std::vector<float> m_scratch;
};

// The flight's sound: a soft continuous tone that glides to the height and the position it is
// given, a click for each photograph and a dull thud at each contact with the ground.
class TrajectoryTone final : public PcmSource
{
public:
    // `level` 0 at the ground to 1 at the top of the scene, `position` 0 to 1 left to right.
    void follow(double level, double position);
    void hush(); // fades out, for a pause or the end of the flight
    void click();
    void thud(double position);
    bool sounding() const { return m_amp > 1e-4 || m_ampTarget > 0.0; }
    int render(float *stereo, int frames) override; // never ends

    static constexpr double kLevel = 0.18; // the tone stays under the clicks and the thud

private:
    double m_phase = 0.0, m_freq = kLowHz, m_freqTarget = kLowHz;
    double m_amp = 0.0, m_ampTarget = 0.0;
    double m_left = 0.7071, m_right = 0.7071, m_leftTarget = 0.7071, m_rightTarget = 0.7071;
    int m_click = 0; // frames left of the click
    int m_thud = 0;
    double m_thudLeft = 0.7071, m_thudRight = 0.7071;
    std::uint32_t m_noise = 22222u;
};

// A curve heard from left to right in `seconds`: the pitch follows the value between its lowest
// and highest, the balance follows the time, and a soft noise plays while the value is negative.
std::vector<float> curveSound(const std::vector<double> &values, double seconds);

// Plays a sound once, then ends.
class BufferSource final : public PcmSource
{
public:
    void setSound(std::vector<float> stereo);
    void rewind() { m_at = 0; }
    int render(float *stereo, int frames) override;

private:
    std::vector<float> m_samples;
    std::size_t m_at = 0;
};

} // namespace orbane::tones
