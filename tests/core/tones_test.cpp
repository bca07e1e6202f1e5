#include "core/tones.h"
#include "core/flightsound.h"
#include "support/doubles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace orbane;
using namespace orbane::tones;

namespace {

constexpr int kRate = PcmSource::kRate;

// Upward zero crossings of one channel per second: the tone's frequency.
double frequency(const std::vector<float> &stereo, int channel)
{
    int crossings = 0;
    for (std::size_t i = 2 + std::size_t(channel); i < stereo.size(); i += 2)
        if (stereo[i - 2] < 0.0f && stereo[i] >= 0.0f)
            ++crossings;
    return crossings / (double(stereo.size()) / 2.0 / kRate);
}

double rms(const std::vector<float> &stereo, int channel)
{
    double sum = 0.0;
    for (std::size_t i = std::size_t(channel); i < stereo.size(); i += 2)
        sum += double(stereo[i]) * stereo[i];
    return std::sqrt(sum / (double(stereo.size()) / 2.0));
}

// Half a second of the tone once it has settled on a height and a position.
std::vector<float> settled(double level, double position)
{
    TrajectoryTone tone;
    tone.follow(level, position);
    auto out = std::vector<float>(std::size_t(kRate));
    tone.render(out.data(), kRate / 2); // the glide
    tone.render(out.data(), kRate / 2);
    return out;
}

} // namespace

TEST(TonesTest, PitchRisesWithHeightAndBalanceFollowsX)
{
    const double low = frequency(settled(0.0, 0.5), 0);
    const double middle = frequency(settled(0.5, 0.5), 0);
    const double high = frequency(settled(1.0, 0.5), 0);
    EXPECT_NEAR(low, kLowHz, 3.0);
    EXPECT_NEAR(middle, 440.0, 3.0); // one octave up at half the scene's height
    EXPECT_NEAR(high, kHighHz, 3.0);

    const std::vector<float> left = settled(0.5, 0.1), right = settled(0.5, 0.9);
    EXPECT_GT(rms(left, 0), 3.0 * rms(left, 1));
    EXPECT_GT(rms(right, 1), 3.0 * rms(right, 0));
    EXPECT_NEAR(rms(left, 0), rms(right, 1), 1e-3); // the same loudness on either side
}

TEST(TonesTest, HushFadesOutAndTheMixerDropsAnEndedSound)
{
    TrajectoryTone tone;
    tone.follow(0.3, 0.5);
    auto out = std::vector<float>(std::size_t(kRate));
    tone.render(out.data(), kRate / 2);
    tone.hush();
    tone.render(out.data(), kRate / 2);
    EXPECT_LT(rms(std::vector<float>(out.end() - 2000, out.end()), 0), 1e-4);
    EXPECT_FALSE(tone.sounding());

    BufferSource curve;
    curve.setSound(curveSound({-1.0, 0.0, 2.0}, 0.1));
    Mixer mixer;
    mixer.add(&curve);
    mixer.add(&tone);
    auto mixed = std::vector<float>(std::size_t(2 * kRate));
    EXPECT_EQ(mixer.render(mixed.data(), kRate), kRate);
    EXPECT_FALSE(mixer.empty()); // the tone goes on, the curve has ended
    mixer.remove(&tone);
    EXPECT_TRUE(mixer.empty());
}

TEST(TonesTest, CurveRisesInPitchAndIsNoisyWhileNegative)
{
    // A straight rise from -1 to 1 over two seconds: the second half is clean and higher.
    std::vector<double> values;
    for (int i = 0; i <= 100; ++i)
        values.push_back(-1.0 + 0.02 * i);
    const std::vector<float> sound = curveSound(values, 2.0);
    ASSERT_EQ(sound.size(), std::size_t(4 * kRate));
    const auto quarter = [&](int k) {
        return std::vector<float>(sound.begin() + k * kRate, sound.begin() + (k + 1) * kRate);
    };
    // Upper half of the pitch range only: two octaves from 220 Hz.
    EXPECT_GT(frequency(quarter(3), 1), frequency(quarter(2), 1));
    EXPECT_GT(frequency(quarter(0), 0), 0.0);
    // The noise makes the negative part cross zero far more often than its pitch alone, at most
    // a quarter of the way up the range there.
    EXPECT_GT(frequency(quarter(0), 0), 2.0 * pitch(0.25));
    EXPECT_LT(frequency(quarter(3), 1), kHighHz + 5.0);
}

namespace {

struct FakeAudio final : AudioOut
{
    QList<PcmSource *> playing;
    void start(PcmSource *s) override
    {
        if (!playing.contains(s))
            playing << s;
    }
    void stop(PcmSource *s) override { playing.removeAll(s); }
};

// What the flight sounds like now, once the tone has glided there.
double heardFrequency(TrajectoryTone &tone)
{
    auto out = std::vector<float>(std::size_t(kRate / 5) * 2);
    tone.render(out.data(), kRate / 5);
    tone.render(out.data(), kRate / 5);
    return frequency(out, 0);
}

} // namespace

TEST(FlightSoundTest, TheToneRisesToTheApexAndStopsWithTheFlight)
{
    QTemporaryDir dir;
    test::Rig rig{dir.path()};
    Simulation &sim = rig.sim;
    sim.Form_Load();
    sim.Combo1_Click(test::kMoon);
    sim.TextN_Change(3, QStringLiteral("6"));
    sim.TextN_Change(4, QStringLiteral("80"));
    sim.voxvoy();
    FakeAudio audio;
    FlightSound sound(sim, audio);
    sim.command15_Click();
    sim.Timer1_Timer();
    EXPECT_TRUE(audio.playing.isEmpty()); // off until chosen

    sound.setEnabled(true);
    sim.Timer1_Timer();
    ASSERT_EQ(audio.playing.size(), 1);
    const double y1 = sim.s.xy[1];
    const double low = heardFrequency(sound.tone());
    EXPECT_NEAR(low, pitch(FlightSound::level(y1)), 10.0);
    while (sim.s.temps < 3.6f) // the apex of 6 m.s-1 under 80° on the Moon, at 3,65 s
        sim.Timer1_Timer();
    const double high = heardFrequency(sound.tone());
    EXPECT_GT(high, low * 1.5);
    EXPECT_NEAR(high, pitch(FlightSound::level(sim.s.xy[1])), 10.0);

    rig.runUntilStopped();
    heardFrequency(sound.tone());
    EXPECT_FALSE(sound.tone().sounding());
    sound.setEnabled(false);
    EXPECT_TRUE(audio.playing.isEmpty());
}
