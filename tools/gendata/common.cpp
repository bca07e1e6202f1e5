#include "common.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

namespace gen {

uint32_t hash(int x, int y, int z, uint32_t seed)
{
    uint32_t h = seed * 0x9E3779B1u;
    h ^= uint32_t(x) * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= uint32_t(y) * 0xC2B2AE3Du;
    h = (h << 17) | (h >> 15);
    h ^= uint32_t(z) * 0x27D4EB2Fu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

double rand01(int x, int y, int z, uint32_t seed)
{
    return (hash(x, y, z, seed) & 0xffffff) / double(0x1000000);
}

static double fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

double valueNoise(double x, double y, uint32_t seed)
{
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    const double tx = fade(x - fx), ty = fade(y - fy);
    const double a = rand01(ix, iy, 0, seed), b = rand01(ix + 1, iy, 0, seed);
    const double c = rand01(ix, iy + 1, 0, seed), d = rand01(ix + 1, iy + 1, 0, seed);
    return lerp(lerp(a, b, tx), lerp(c, d, tx), ty);
}

double valueNoise3(double x, double y, double z, uint32_t seed)
{
    const double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    const int ix = int(fx), iy = int(fy), iz = int(fz);
    const double tx = fade(x - fx), ty = fade(y - fy), tz = fade(z - fz);
    auto r = [&](int dx, int dy, int dz) { return rand01(ix + dx, iy + dy, iz + dz, seed); };
    const double x00 = lerp(r(0, 0, 0), r(1, 0, 0), tx), x10 = lerp(r(0, 1, 0), r(1, 1, 0), tx);
    const double x01 = lerp(r(0, 0, 1), r(1, 0, 1), tx), x11 = lerp(r(0, 1, 1), r(1, 1, 1), tx);
    return lerp(lerp(x00, x10, ty), lerp(x01, x11, ty), tz);
}

double fbm(double x, double y, int octaves, uint32_t seed, double gain)
{
    double sum = 0, amp = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * valueNoise(x, y, seed + uint32_t(o) * 7919u);
        norm += amp;
        amp *= gain;
        // Slight rotation between octaves hides the lattice axes.
        const double nx = x * 1.6 - y * 1.2, ny = x * 1.2 + y * 1.6;
        x = nx + 17.3;
        y = ny - 4.1;
    }
    return sum / norm;
}

double fbm3(double x, double y, double z, int octaves, uint32_t seed, double gain)
{
    double sum = 0, amp = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * valueNoise3(x, y, z, seed + uint32_t(o) * 7919u);
        norm += amp;
        amp *= gain;
        x = x * 2.03 + 3.1;
        y = y * 2.01 - 1.7;
        z = z * 1.97 + 5.3;
    }
    return sum / norm;
}

QImage downsample(const QImage &bigIn, int factor)
{
    const QImage big = bigIn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = big.width() / factor, h = big.height() / factor;
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    const double n = factor * factor;
    for (int y = 0; y < h; ++y) {
        auto *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            double a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < factor; ++sy) {
                const auto *src = reinterpret_cast<const QRgb *>(big.constScanLine(y * factor + sy));
                for (int sx = 0; sx < factor; ++sx) {
                    const QRgb p = src[x * factor + sx];
                    a += qAlpha(p);
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                }
            }
            dst[x] = qRgba(int(std::lround(r / n)), int(std::lround(g / n)), int(std::lround(b / n)),
                           int(std::lround(a / n)));
        }
    }
    return out;
}

QImage placeBottomCentre(const QImage &srcIn, int outW, int outH, int alphaThreshold)
{
    const QImage src = srcIn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Horizontal extent from the visible fringe, bottom from the solid part.
    int minX = src.width(), maxX = -1, maxY = -1;
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(src.pixel(x, y));
            if (a > alphaThreshold / 2) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
            if (a > alphaThreshold)
                maxY = std::max(maxY, y);
        }
    QImage out(outW, outH, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    if (maxX < 0)
        return out;
    const int dx = (outW - (maxX + minX + 1)) / 2;
    const int dy = outH - 1 - maxY;
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(dx, dy, src);
    return out;
}

bool savePng(const QImage &img, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return img.convertToFormat(QImage::Format_ARGB32).save(path, "PNG");
}

} // namespace gen
