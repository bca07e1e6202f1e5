// Impact sounds, synthesised: decaying sines with pitch envelopes for the body of the
// sound, filtered noise bursts for the contact. 44.1 kHz, 16-bit mono, -3 dBFS peak.
#include "generators.h"

#include "common.h"
#include "wav.h"

#include <functional>
#include <iterator>
#include <vector>

namespace gen {
namespace {

constexpr int kRate = 44100;
constexpr double kPeak = 0.70794578; // -3 dBFS

// RBJ biquad, enough for low-pass, high-pass and band-pass shaping of noise.
class Biquad
{
public:
    enum Kind { LowPass, HighPass, BandPass };
    Biquad(Kind kind, double freq, double q)
    {
        const double w = 2 * kPi * freq / kRate, cw = std::cos(w), alpha = std::sin(w) / (2 * q);
        double b0 = 0, b1 = 0, b2 = 0;
        switch (kind) {
        case LowPass:
            b0 = (1 - cw) / 2, b1 = 1 - cw, b2 = (1 - cw) / 2;
            break;
        case HighPass:
            b0 = (1 + cw) / 2, b1 = -(1 + cw), b2 = (1 + cw) / 2;
            break;
        case BandPass:
            b0 = alpha, b1 = 0, b2 = -alpha;
            break;
        }
        const double a0 = 1 + alpha;
        b0_ = b0 / a0, b1_ = b1 / a0, b2_ = b2 / a0;
        a1_ = -2 * cw / a0, a2_ = (1 - alpha) / a0;
    }
    double operator()(double x)
    {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_, x1_ = x, y2_ = y1_, y1_ = y;
        return y;
    }

private:
    double b0_, b1_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

class Noise
{
public:
    explicit Noise(uint32_t seed) : r_(seed) {}
    double operator()() { return r_.next() * 2 - 1; }

private:
    Rand r_;
};

// Sine whose frequency glides exponentially from f0 to f1 with time constant tauF,
// with an exponential amplitude decay tauA.
class Glide
{
public:
    Glide(double f0, double f1, double tauF, double tauA, double amp)
        : f0_(f0), f1_(f1), tauF_(tauF), tauA_(tauA), amp_(amp)
    {
    }
    double operator()(double t)
    {
        const double f = f1_ + (f0_ - f1_) * std::exp(-t / tauF_);
        phase_ += 2 * kPi * f / kRate;
        return amp_ * std::exp(-t / tauA_) * std::sin(phase_);
    }

private:
    double f0_, f1_, tauF_, tauA_, amp_;
    double phase_ = 0;
};

// Removes DC, fades both ends to zero and scales to the target peak.
std::vector<double> finish(std::vector<double> s, double fadeIn, double fadeOut)
{
    Biquad dc(Biquad::HighPass, 25, 0.707);
    for (double &v : s)
        v = dc(v);
    const size_t nIn = size_t(fadeIn * kRate), nOut = size_t(fadeOut * kRate);
    for (size_t i = 0; i < nIn && i < s.size(); ++i)
        s[i] *= 0.5 - 0.5 * std::cos(kPi * double(i) / nIn);
    for (size_t i = 0; i < nOut && i < s.size(); ++i)
        s[s.size() - 1 - i] *= 0.5 - 0.5 * std::cos(kPi * double(i) / nOut);
    double peak = 0;
    for (double v : s)
        peak = std::max(peak, std::abs(v));
    if (peak > 0)
        for (double &v : s)
            v *= kPeak / peak;
    return s;
}

std::vector<double> render(double seconds, const std::function<double(double)> &voice)
{
    std::vector<double> s(size_t(seconds * kRate));
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = voice(double(i) / kRate);
    return s;
}

// Apple: a soft, dull thud with a hint of squash.
std::vector<double> pom()
{
    Glide body(165, 88, 0.035, 0.06, 1.0);
    Glide low(80, 62, 0.05, 0.09, 0.35);
    Noise n(11);
    Biquad lp(Biquad::LowPass, 700, 0.8), lp2(Biquad::LowPass, 700, 0.8);
    Biquad squish(Biquad::BandPass, 1600, 1.2);
    return finish(render(0.30,
                         [&](double t) {
                             const double w = n();
                             const double thump = lp2(lp(w)) * 2.2 * std::exp(-t / 0.018);
                             const double wet = squish(w) * 0.22 * std::exp(-t / 0.012);
                             return body(t) + low(t) + thump + wet;
                         }),
                  0.003, 0.05);
}

// Stone: a short, bright knock with a few inharmonic modes.
std::vector<double> bim()
{
    struct Mode
    {
        double f, tau, amp;
    };
    const Mode modes[] = {{1420, 0.040, 1.0}, {2310, 0.028, 0.6}, {3570, 0.018, 0.4}, {4980, 0.010, 0.25}};
    std::vector<double> phase(std::size(modes), 0.0);
    Noise n(12);
    Biquad hp(Biquad::HighPass, 2500, 0.7);
    Biquad lp(Biquad::LowPass, 9000, 0.7);
    Glide knock(520, 380, 0.01, 0.016, 0.55);
    return finish(render(0.20,
                         [&](double t) {
                             double v = 0;
                             for (size_t i = 0; i < std::size(modes); ++i) {
                                 phase[i] += 2 * kPi * modes[i].f / kRate;
                                 v += modes[i].amp * std::exp(-t / modes[i].tau) * std::sin(phase[i]);
                             }
                             const double click = lp(hp(n())) * 1.4 * std::exp(-t / 0.0025);
                             return 0.55 * v + click + knock(t);
                         }),
                  0.0015, 0.04);
}

// Ball: a rubbery "boing" thump whose pitch drops, with a small wobble.
std::vector<double> bam()
{
    double phase = 0;
    Glide thump(120, 70, 0.03, 0.05, 0.7);
    Noise n(13);
    Biquad lp(Biquad::LowPass, 1800, 0.9);
    return finish(render(0.42,
                         [&](double t) {
                             const double wobble = 1 + 0.035 * std::sin(2 * kPi * 17 * t) * std::exp(-t / 0.12);
                             const double f = (175 + 170 * std::exp(-t / 0.045)) * wobble;
                             phase += 2 * kPi * f / kRate;
                             const double env = (1 - std::exp(-t / 0.002)) * std::exp(-t / 0.11);
                             const double tone = env * (std::sin(phase) + 0.22 * std::sin(2 * phase) +
                                                        0.08 * std::sin(3 * phase));
                             const double slap = lp(n()) * 0.5 * std::exp(-t / 0.008);
                             return tone + thump(t) + slap;
                         }),
                  0.002, 0.08);
}

// Rock: a heavy, deep impact followed by a rumble and settling gravel.
std::vector<double> boum()
{
    Glide sub(68, 38, 0.08, 0.2, 1.0);
    Glide body(120, 62, 0.05, 0.09, 0.55);
    Noise n(14), g(15);
    Biquad rumble1(Biquad::LowPass, 220, 0.7), rumble2(Biquad::LowPass, 220, 0.7);
    Biquad crack(Biquad::BandPass, 1100, 0.9);
    Biquad gravel(Biquad::BandPass, 2200, 1.5), gravelLp(Biquad::LowPass, 3500, 0.7);
    Rand grains(16);
    double grainEnv = 0, grainSmooth = 0;
    return finish(render(0.58,
                         [&](double t) {
                             const double w = n();
                             const double r = rumble2(rumble1(w)) * 3.2 * std::exp(-t / 0.17) *
                                              (0.8 + 0.2 * std::sin(2 * kPi * 9 * t));
                             const double c = crack(w) * 0.6 * std::exp(-t / 0.012);
                             // Sparse grains trickling after the hit.
                             if (t > 0.03 && grains.next() < 0.004 * std::exp(-t / 0.18))
                                 grainEnv = grains.range(0.3, 1.0);
                             grainEnv *= 0.993;
                             // Smoothed onset so each grain is a tick, not a click.
                             grainSmooth += (grainEnv - grainSmooth) * 0.04;
                             const double gr = gravelLp(gravel(g())) * grainSmooth * 0.35;
                             return sub(t) + body(t) + r + c + gr;
                         }),
                  0.002, 0.1);
}

} // namespace

bool writeSounds(const QString &dataDir)
{
    bool ok = true;
    const std::string dir = dataDir.toStdString();
    ok &= writeWav16(dir + "/pom.wav", pom(), kRate);
    ok &= writeWav16(dir + "/bim.wav", bim(), kRate);
    ok &= writeWav16(dir + "/bam.wav", bam(), kRate);
    ok &= writeWav16(dir + "/boum.wav", boum(), kRate);
    return ok;
}

} // namespace gen
