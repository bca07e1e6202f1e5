// Shared helpers for the data generator: colours, deterministic noise, image utilities.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace gen {

constexpr double kPi = 3.14159265358979323846;

// Linear RGB-ish colour in 0..1 used for per-pixel work; kept simple (sRGB values).
struct Rgb
{
    double r = 0, g = 0, b = 0;
};

inline Rgb hex(uint32_t v)
{
    return {((v >> 16) & 0xff) / 255.0, ((v >> 8) & 0xff) / 255.0, (v & 0xff) / 255.0};
}
inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator*(Rgb a, double k) { return {a.r * k, a.g * k, a.b * k}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Rgb mix(Rgb a, Rgb b, double t) { return a * (1 - t) + b * t; }

inline double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
inline double smoothstep(double e0, double e1, double x)
{
    const double t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}
inline double lerp(double a, double b, double t) { return a + (b - a) * t; }

inline QRgb toQRgb(Rgb c, double a = 1.0)
{
    auto q = [](double v) { return int(std::lround(clamp01(v) * 255.0)); };
    return qRgba(q(c.r), q(c.g), q(c.b), q(a));
}
inline QColor qc(uint32_t v, int alpha = 255)
{
    QColor c = QColor::fromRgb(v);
    c.setAlpha(alpha);
    return c;
}

// Hash-based noise: the same seed always gives the same pictures, so regenerating is stable.
uint32_t hash(int x, int y, int z, uint32_t seed);
double rand01(int x, int y, int z, uint32_t seed);
double valueNoise(double x, double y, uint32_t seed);
double valueNoise3(double x, double y, double z, uint32_t seed);
// Fractal sum of octaves, normalised to roughly 0..1.
double fbm(double x, double y, int octaves, uint32_t seed, double gain = 0.5);
double fbm3(double x, double y, double z, int octaves, uint32_t seed, double gain = 0.5);

// Small deterministic generator for placing decorations.
class Rand
{
public:
    explicit Rand(uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    double next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return (state_ & 0xffffff) / double(0x1000000);
    }
    double range(double a, double b) { return a + (b - a) * next(); }

private:
    uint32_t state_;
};

// Box-filter downsampling of a premultiplied image: gives clean antialiased edges
// for shapes computed per pixel at a higher resolution.
QImage downsample(const QImage &big, int factor);

// Moves the content so it is centred horizontally (on pixels above alphaThreshold / 2)
// and its solid part (above alphaThreshold) ends on the bottom row.
QImage placeBottomCentre(const QImage &src, int outW, int outH, int alphaThreshold);

bool savePng(const QImage &img, const QString &path);

} // namespace gen
