#include "core/tones.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orbane::tones {

namespace {

constexpr double kRate = PcmSource::kRate;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
// The glide's time constant: long enough that no tick is heard as a step.
const double kGlide = 1.0 - std::exp(-1.0 / (0.03 * kRate));
constexpr int kClickFrames = int(0.012 * kRate);
constexpr int kThudFrames = int(0.18 * kRate);

double noise(std::uint32_t &state)
{
    state = state * 1664525u + 1013904223u;
    return double(state >> 8) / double(1u << 24) * 2.0 - 1.0;
}

} // namespace

double pitch(double level)
{
    return kLowHz * std::pow(kHighHz / kLowHz, std::clamp(level, 0.0, 1.0));
}

std::pair<double, double> balance(double position)
{
    const double angle = std::clamp(position, 0.0, 1.0) * std::numbers::pi / 2.0;
    return {std::cos(angle), std::sin(angle)};
}

void Mixer::add(PcmSource *source)
{
    if (std::find(m_sources.begin(), m_sources.end(), source) == m_sources.end())
        m_sources.push_back(source);
}

void Mixer::remove(PcmSource *source) { std::erase(m_sources, source); }

int Mixer::render(float *stereo, int frames)
{
    std::fill(stereo, stereo + 2 * frames, 0.0f);
    m_scratch.resize(std::size_t(2 * frames));
    for (std::size_t i = 0; i < m_sources.size();) {
        const int n = m_sources[i]->render(m_scratch.data(), frames);
        for (int k = 0; k < 2 * n; ++k)
            stereo[k] += m_scratch[std::size_t(k)];
        if (n < frames)
            m_sources.erase(m_sources.begin() + std::ptrdiff_t(i));
        else
            ++i;
    }
    for (int k = 0; k < 2 * frames; ++k)
        stereo[k] = std::clamp(stereo[k], -1.0f, 1.0f);
    return frames;
}

void TrajectoryTone::follow(double level, double position)
{
    m_freqTarget = pitch(level);
    std::tie(m_leftTarget, m_rightTarget) = balance(position);
    if (m_ampTarget == 0.0 && m_amp < 1e-4) {
        // A new flight starts where it is, not with a glide from the last one.
        m_freq = m_freqTarget;
        m_left = m_leftTarget;
        m_right = m_rightTarget;
    }
    m_ampTarget = kLevel;
}

void TrajectoryTone::hush() { m_ampTarget = 0.0; }

void TrajectoryTone::click() { m_click = kClickFrames; }

void TrajectoryTone::thud(double position)
{
    m_thud = kThudFrames;
    std::tie(m_thudLeft, m_thudRight) = balance(position);
}

int TrajectoryTone::render(float *stereo, int frames)
{
    for (int i = 0; i < frames; ++i) {
        m_freq += (m_freqTarget - m_freq) * kGlide;
        m_amp += (m_ampTarget - m_amp) * kGlide;
        m_left += (m_leftTarget - m_left) * kGlide;
        m_right += (m_rightTarget - m_right) * kGlide;
        m_phase = std::fmod(m_phase + kTwoPi * m_freq / kRate, kTwoPi);
        const double tone = m_amp * std::sin(m_phase);
        double left = tone * m_left, right = tone * m_right;
        if (m_click > 0) {
            const double age = double(kClickFrames - m_click) / kRate;
            const double c = 0.35 * std::exp(-age / 0.002) * std::sin(kTwoPi * 2000.0 * age);
            left += c;
            right += c;
            --m_click;
        }
        if (m_thud > 0) {
            const double age = double(kThudFrames - m_thud) / kRate;
            const double body = std::sin(kTwoPi * (90.0 - 120.0 * age) * age);
            const double d = 0.6 * std::exp(-age / 0.05) * (0.8 * body + 0.2 * noise(m_noise));
            left += d * m_thudLeft;
            right += d * m_thudRight;
            --m_thud;
        }
        stereo[2 * i] = float(left);
        stereo[2 * i + 1] = float(right);
    }
    return frames;
}

std::vector<float> curveSound(const std::vector<double> &values, double seconds)
{
    const auto frames = std::size_t(std::max(0.0, seconds) * kRate);
    std::vector<float> out(2 * frames, 0.0f);
    if (values.empty() || frames == 0)
        return out;
    const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    const double span = *hi - *lo;
    const double last = double(values.size() - 1);
    const auto fade = std::size_t(0.02 * kRate);
    double phase = 0.0;
    std::uint32_t state = 12345u;
    for (std::size_t i = 0; i < frames; ++i) {
        const double u = frames > 1 ? double(i) / double(frames - 1) : 0.0;
        // The value between the two samples this instant falls between.
        const double at = u * last;
        const auto k = std::min(std::size_t(at), values.size() - 1);
        const double next = values[std::min(k + 1, values.size() - 1)];
        const double value = values[k] + (next - values[k]) * (at - double(k));
        const double level = span > 0.0 ? (value - *lo) / span : 0.5;
        phase = std::fmod(phase + kTwoPi * pitch(level) / kRate, kTwoPi);
        double s = 0.3 * std::sin(phase);
        if (value < 0.0)
            s += 0.06 * noise(state);
        const double edge = double(std::min({i, frames - 1 - i, fade})) / double(fade);
        const auto [l, r] = balance(u);
        out[2 * i] = float(s * edge * l);
        out[2 * i + 1] = float(s * edge * r);
    }
    return out;
}

void BufferSource::setSound(std::vector<float> stereo)
{
    m_samples = std::move(stereo);
    m_at = 0;
}

int BufferSource::render(float *stereo, int frames)
{
    const auto left = (m_samples.size() - m_at) / 2;
    const auto n = std::min(std::size_t(frames), left);
    std::copy_n(m_samples.begin() + std::ptrdiff_t(m_at), 2 * n, stereo);
    m_at += 2 * n;
    return int(n);
}

} // namespace orbane::tones
