// Scene backgrounds (409 x 800). The program draws axes, grid and vectors over the sky in
// thin white / yellow / red lines, so the sky stays calm and mid-toned; detail is kept to
// the horizon and to the ground, whose surface is the row kGround.
#include "generators.h"

#include "common.h"
#include "jpeg.h"

#include <QDir>

#include <functional>
#include <vector>

namespace gen {
namespace {

constexpr int W = 409;
constexpr int H = 800;
constexpr int kGround = 452;

class Canvas
{
public:
    Canvas() : px_(size_t(W) * H) {}
    Rgb &at(int x, int y) { return px_[size_t(y) * W + x]; }
    void blend(int x, int y, Rgb c, double a)
    {
        if (x < 0 || y < 0 || x >= W || y >= H || a <= 0)
            return;
        Rgb &d = at(x, y);
        d = mix(d, c, clamp01(a));
    }
    QImage toImage(uint32_t seed) const
    {
        QImage img(W, H, QImage::Format_RGB32);
        for (int y = 0; y < H; ++y) {
            auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
            for (int x = 0; x < W; ++x) {
                // Half-step dither avoids banding in the long sky gradients once compressed.
                const double d = (rand01(x, y, 99, seed) - 0.5) / 255.0;
                const Rgb c = px_[size_t(y) * W + x] + Rgb{d, d, d};
                line[x] = toQRgb(c);
            }
        }
        return img;
    }

private:
    std::vector<Rgb> px_;
};

// Fills a silhouette layer whose top edge is ridge(x) (in pixels, may be fractional) down to
// the ground line. Horizontal supersampling keeps steep edges smooth.
void fillLayer(Canvas &cv, const std::function<double(double)> &ridge,
               const std::function<Rgb(int, int, double)> &colour)
{
    constexpr int kSub = 4;
    for (int x = 0; x < W; ++x) {
        double r[kSub];
        double top = kGround;
        for (int s = 0; s < kSub; ++s) {
            r[s] = ridge(x + (s + 0.5) / kSub);
            top = std::min(top, r[s]);
        }
        for (int y = std::max(0, int(std::floor(top))); y < kGround; ++y) {
            double cov = 0;
            for (double rs : r)
                cov += clamp01(y + 1 - rs);
            cov /= kSub;
            if (cov > 0)
                cv.blend(x, y, colour(x, y, y - (r[0] + r[kSub - 1]) / 2), cov);
        }
    }
}

// Small cumulus: a union of soft spheres (a row along a flat base, a few larger ones on
// top), shaded as volumes lit from the upper left, with noisy, feathered edges.
void cloud(Canvas &cv, double cx, double cy, double len, double alpha, uint32_t seed, Rgb top,
           Rgb bottom)
{
    Rand rnd(seed);
    struct Puff
    {
        double x, y, r;
    };
    std::vector<Puff> puffs;
    const int base = 4 + int(len / 25);
    for (int i = 0; i < base; ++i) {
        const double t = (i + 0.5) / base - 0.5;
        const double r = len * rnd.range(0.11, 0.16);
        puffs.push_back({cx + t * len * 0.85, cy - r * 0.55, r});
    }
    const int domes = 2 + int(len / 40);
    for (int i = 0; i < domes; ++i) {
        const double t = (i + rnd.range(0.3, 0.7)) / domes - 0.5;
        const double r = len * rnd.range(0.17, 0.23) * (1 - 0.8 * t * t);
        puffs.push_back({cx + t * len * 0.5, cy - r * 1.05, r});
    }
    const double lx = -0.5, ly = -0.65, lz = 0.57;
    const int x0 = int(cx - len), x1 = int(cx + len), y0 = int(cy - len * 0.7), y1 = int(cy + 3);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const double wob = 1 + 0.22 * (fbm(x / 5.0, y / 5.0, 4, seed + 5) - 0.5);
            double best = -1e9, light = 0, cover = 0;
            for (const Puff &p : puffs) {
                const double dx = (x + 0.5 - p.x) / p.r, dy = (y + 0.5 - p.y) / p.r;
                const double d = std::sqrt(dx * dx + dy * dy) * wob;
                cover = std::max(cover, smoothstep(1.0, 0.6, d));
                if (d >= 1)
                    continue;
                const double nz = std::sqrt(1 - d * d);
                const double z = p.r * nz - p.y * 0.05;
                if (z > best) {
                    best = z;
                    light = clamp01(dx * lx + dy * ly + nz * lz);
                }
            }
            // Flat underside.
            cover *= smoothstep(cy + 2, cy - 1.5, y + 0.5);
            if (cover <= 0)
                continue;
            const double under = smoothstep(cy - len * 0.12, cy + 1, y + 0.5);
            const double shade = clamp01(0.25 + 0.75 * light - 0.3 * under);
            cv.blend(x, y, mix(bottom, top, shade), cover * alpha);
        }
}

// Shaded pebble on the ground, lit from the top-left.
void pebble(Canvas &cv, double cx, double cy, double rx, double ry, Rgb base, uint32_t seed)
{
    for (int y = int(cy - ry - 2); y <= int(cy + ry + 3); ++y)
        for (int x = int(cx - rx - 2); x <= int(cx + rx + 3); ++x) {
            if (y < kGround)
                continue;
            // Contact shadow, offset down-right.
            const double sx = (x + 0.5 - cx - rx * 0.25) / (rx * 1.15);
            const double sy = (y + 0.5 - cy - ry * 0.35) / (ry * 1.1);
            const double sd = std::sqrt(sx * sx + sy * sy);
            cv.blend(x, y, Rgb{0, 0, 0}, 0.35 * (1 - smoothstep(0.6, 1.0, sd)));
        }
    constexpr int kSub = 3;
    for (int y = int(cy - ry - 1); y <= int(cy + ry + 1); ++y)
        for (int x = int(cx - rx - 1); x <= int(cx + rx + 1); ++x) {
            if (y < kGround)
                continue;
            double cov = 0;
            Rgb acc{};
            for (int sy = 0; sy < kSub; ++sy)
                for (int sx = 0; sx < kSub; ++sx) {
                    const double px = x + (sx + 0.5) / kSub, py = y + (sy + 0.5) / kSub;
                    const double ang = std::atan2(py - cy, px - cx);
                    const double wob = 1 + 0.18 * (valueNoise(std::cos(ang) * 1.5 + 3, std::sin(ang) * 1.5 + 3,
                                                              seed) -
                                                   0.5);
                    const double nx = (px - cx) / (rx * wob), ny = (py - cy) / (ry * wob);
                    const double d2 = nx * nx + ny * ny;
                    if (d2 > 1)
                        continue;
                    const double nz = std::sqrt(1 - d2);
                    const double lit = clamp01(-0.55 * nx - 0.6 * ny + 0.58 * nz);
                    const double grain = 0.9 + 0.2 * rand01(int(px * 3), int(py * 3), 5, seed);
                    acc = acc + base * ((0.45 + 0.75 * lit) * grain);
                    cov += 1;
                }
            if (cov > 0)
                cv.blend(x, y, acc * (1.0 / cov), cov / (kSub * kSub));
        }
}

// Bowl-shaped crater seen at a grazing angle: shadowed near wall, lit far wall and rim.
void crater(Canvas &cv, double cx, double cy, double rx, double ry)
{
    for (int y = int(cy - ry - 3); y <= int(cy + ry + 3); ++y)
        for (int x = int(cx - rx - 3); x <= int(cx + rx + 3); ++x) {
            if (y < kGround + 2)
                continue;
            const double nx = (x + 0.5 - cx) / rx, ny = (y + 0.5 - cy) / ry;
            const double d = std::sqrt(nx * nx + ny * ny);
            if (d < 1) {
                // Inside: dark on the side facing the light, lighter on the far wall.
                const double side = -0.7 * nx - 0.7 * ny;
                const double k = 0.78 - 0.22 * side * (1 - d * 0.3);
                Rgb &p = cv.at(x, y);
                const double a = smoothstep(1.0, 0.85, d);
                p = mix(p, p * k, a);
            } else if (d < 1.35) {
                // Raised rim catches the light on the far side.
                const double side = 0.7 * nx + 0.7 * ny;
                const double a = (1 - smoothstep(1.0, 1.35, d)) * 0.22 * (0.4 + side);
                if (a > 0)
                    cv.blend(x, y, Rgb{1, 1, 1}, a);
                else
                    cv.blend(x, y, Rgb{0, 0, 0}, -a);
            }
        }
}

double depthDarkening(int y, double strength)
{
    const double t = double(y - kGround) / (H - kGround);
    return 1 - strength * std::pow(clamp01(t), 0.85);
}

// Relief shading for distant landforms: compares noise left and right of the pixel so
// faces turned to the sun (on the left) are lighter. Works in 2D, without streaks.
double relief(double x, double y, double sx, double sy, uint32_t seed)
{
    return (fbm((x - 1) / sx, y / sy, 3, seed) - fbm((x + 1) / sx, y / sy, 3, seed)) * sx;
}

void skyGradient(Canvas &cv, Rgb top, Rgb horizon, double curve)
{
    for (int y = 0; y < kGround; ++y) {
        const double t = std::pow(double(y) / (kGround - 1), curve);
        const Rgb c = mix(top, horizon, t);
        for (int x = 0; x < W; ++x)
            cv.at(x, y) = c;
    }
}

// ---------------------------------------------------------------------------------------
QImage earthScene()
{
    Canvas cv;
    const Rgb skyTop = hex(0x3470b8), skyHorizon = hex(0x95c3e6);
    skyGradient(cv, skyTop, skyHorizon, 1.25);

    // A few high, faint clouds, mostly towards the sides.
    cloud(cv, 62, 62, 78, 0.5, 11, hex(0xffffff), hex(0xaec4dc));
    cloud(cv, 236, 34, 56, 0.36, 12, hex(0xffffff), hex(0xaec4dc));
    cloud(cv, 366, 104, 66, 0.42, 13, hex(0xffffff), hex(0xaec4dc));
    cloud(cv, 150, 132, 36, 0.22, 14, hex(0xffffff), hex(0xbccde0));

    // Far hills, hazy blue-green, then nearer greener hills.
    const Rgb farHill = mix(skyHorizon, hex(0x4f8a78), 0.42);
    fillLayer(
        cv, [](double x) { return kGround - 14 - 34 * std::pow(fbm(x / 110.0, 3.7, 4, 21), 1.6) * 1.5; },
        [&](int x, int y, double depth) {
            const double tex = fbm(x / 14.0, y / 10.0, 3, 22) - 0.5;
            return mix(farHill, skyHorizon, 0.12 * smoothstep(20, 0, depth)) * (1 + 0.05 * tex);
        });
    const Rgb nearHill = mix(skyHorizon, hex(0x4c8a3c), 0.62);
    auto nearRidge = [](double x) {
        return kGround - 5 - 22 * std::pow(fbm(x / 75.0 + 40, 8.1, 4, 23), 1.8) * 1.7;
    };
    fillLayer(cv, nearRidge, [&](int x, int y, double depth) {
        const double tex = fbm(x / 10.0, y / 6.0, 4, 24) - 0.5;
        const double lit = smoothstep(12, 0, depth) * 0.07;
        return nearHill * (1 + 0.12 * tex + lit);
    });
    // Small rounded trees standing on the nearer hills.
    Rand trees(25);
    for (int i = 0; i < 16; ++i) {
        const double tx = trees.range(0, W);
        const double base = nearRidge(tx);
        if (base > kGround - 6)
            continue;
        const double r = trees.range(2.2, 4.2);
        const double ty = base - r * 0.9;
        const Rgb col = mix(nearHill, hex(0x2f5f2a), 0.45);
        for (int y = int(ty - r - 2); y <= int(base + 1); ++y)
            for (int x = int(tx - r - 2); x <= int(tx + r + 2); ++x) {
                double cov = 0;
                double light = 0;
                for (int s = 0; s < 9; ++s) {
                    const double px = x + (s % 3 + 0.5) / 3, py = y + (s / 3 + 0.5) / 3;
                    const double dx = (px - tx) / r, dy = (py - ty) / (r * 1.15);
                    if (dx * dx + dy * dy < 1) {
                        cov += 1;
                        light += clamp01(-0.6 * dx - 0.6 * dy);
                    }
                }
                if (cov > 0)
                    cv.blend(x, y, col * (0.92 + 0.25 * light / cov), cov / 9 * 0.9);
            }
    }

    // Ground: a turf band, then soil strata, then bedrock.
    for (int y = kGround; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int d = y - kGround;
            const double turf = 15 + 7 * fbm(x / 18.0, 1.3, 3, 31);
            Rgb c;
            const double blades = valueNoise(x * 0.85, y * 0.16, 32);
            const double patch = fbm(x / 22.0, y / 9.0, 4, 33);
            const Rgb grass = mix(hex(0x3b7424), hex(0x74ad3e), patch) * (0.8 + 0.38 * blades);
            const double beds = std::sin((y + 14 * fbm(x / 70.0, y / 50.0, 3, 34)) * 0.085);
            const Rgb soil = mix(hex(0x5b3c24), hex(0x7d5838), 0.5 + 0.5 * beds) *
                             (0.85 + 0.3 * fbm(x / 6.0, y / 4.0, 3, 35));
            const double rockLine = 600 + 30 * (fbm(x / 60.0, 2.2, 4, 36) - 0.5);
            const Rgb rock = mix(hex(0x6e5f4f), hex(0x978672), fbm(x / 12.0, y / 8.0, 4, 37));
            if (d < turf) {
                c = grass * (1 - 0.012 * d);
                if (d == 0)
                    c = c * 1.16;
                else if (d == 1)
                    c = c * 1.07;
                // Roots: the turf frays into the soil underneath.
                c = mix(c, soil, smoothstep(turf - 6, turf, d + 4 * (blades - 0.5)));
            } else if (y < rockLine) {
                c = soil;
            } else {
                c = mix(soil, rock, smoothstep(rockLine, rockLine + 14, y));
            }
            const double grain = (rand01(x, y, 1, 38) - 0.5) * 0.08;
            c = c * (1 + grain) * depthDarkening(y, 0.5);
            cv.at(x, y) = c;
        }
    // Cracks in the bedrock.
    for (int y = 600; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const double n = fbm(x / 28.0, y / 28.0, 4, 39);
            const double line = std::abs(n - 0.5);
            if (line < 0.012)
                cv.blend(x, y, Rgb{0.15, 0.11, 0.08}, 0.35 * (1 - line / 0.012) * smoothstep(600, 640, y));
        }
    Rand stones(40);
    for (int i = 0; i < 70; ++i) {
        const double y = stones.range(kGround + 24, H - 4);
        const double s = stones.range(1.5, 5.5);
        const double k = stones.range(0.75, 1.05);
        pebble(cv, stones.range(0, W), y, s * 1.4, s, hex(0x9a8f80) * k * depthDarkening(int(y), 0.4),
               400 + i);
    }
    return cv.toImage(1);
}

// ---------------------------------------------------------------------------------------
void paintEarthGlobe(Canvas &cv, double cx, double cy, double r)
{
    constexpr int kSub = 4;
    // Sun from the upper left: a gibbous Earth.
    const double lx = -0.72, ly = -0.25, lz = 0.64;
    const Rgb ocean = hex(0x1c4f9c), oceanDeep = hex(0x123a78), land = hex(0x5c8a48),
              desert = hex(0xb49c6a), cloudCol = hex(0xf4f7fb);
    for (int y = int(cy - r - 6); y <= int(cy + r + 6); ++y)
        for (int x = int(cx - r - 6); x <= int(cx + r + 6); ++x) {
            Rgb acc{};
            int inside = 0;
            for (int s = 0; s < kSub * kSub; ++s) {
                const double px = (x + (s % kSub + 0.5) / kSub - cx) / r;
                const double py = (y + (s / kSub + 0.5) / kSub - cy) / r;
                const double d2 = px * px + py * py;
                if (d2 >= 1)
                    continue;
                const double pz = std::sqrt(1 - d2);
                // Tilt the globe so the swirls do not line up with the screen.
                const double tx = px * 0.94 + pz * 0.34, tz = -px * 0.34 + pz * 0.94;
                const double ty = py;
                const double cont = fbm3(tx * 1.7 + 4, ty * 1.7, tz * 1.7, 5, 51);
                Rgb surf = mix(oceanDeep, ocean, smoothstep(0.3, 0.5, cont));
                if (cont > 0.55)
                    surf = mix(land, desert, smoothstep(0.6, 0.7, fbm3(tx * 4, ty * 4, tz * 4, 3, 52)));
                // Polar caps.
                surf = mix(surf, cloudCol, smoothstep(0.82, 0.9, std::abs(ty)));
                // Swirled clouds: warp the lookup along latitude bands.
                const double warp = fbm3(tx * 2.5, ty * 2.5, tz * 2.5, 3, 53);
                const double cl = fbm3(tx * 3.2 + warp * 2.2, ty * 5.0 + warp, tz * 3.2, 5, 54);
                surf = mix(surf, cloudCol, smoothstep(0.48, 0.68, cl) * 0.92);
                const double lambert = px * lx + py * ly + pz * lz;
                const double day = smoothstep(-0.08, 0.25, lambert);
                const double shade = 0.25 + 0.85 * clamp01(lambert);
                Rgb c = mix(hex(0x03060c), surf * shade, day);
                // Thin bright atmosphere at the lit limb.
                c = c + hex(0x6fa8ff) * (std::pow(1 - pz, 3) * 0.6 * day);
                acc = acc + c;
                ++inside;
            }
            const double px = (x + 0.5 - cx), py = (y + 0.5 - cy);
            const double dist = std::sqrt(px * px + py * py) - r;
            if (inside > 0)
                cv.blend(x, y, acc * (1.0 / inside), double(inside) / (kSub * kSub));
            if (dist > -1) {
                // Outer glow on the day side only.
                const double side = clamp01((px * lx + py * ly) / (std::hypot(px, py) + 1e-9) + 0.3);
                cv.blend(x, y, hex(0x5c93e6), std::exp(-std::max(dist, 0.0) / 1.6) * 0.45 * side);
            }
        }
}

QImage moonScene()
{
    Canvas cv;
    skyGradient(cv, hex(0x020204), hex(0x0a0b10), 2.0);

    // Sparse, dim stars: single soft points so they never read as drawn marks.
    Rand stars(60);
    for (int i = 0; i < 48; ++i) {
        const double x = stars.range(4, W - 4), y = stars.range(4, 380);
        if (std::hypot(x - 320, y - 90) < 42)
            continue;
        const double b = stars.range(0.18, 0.5) * (i < 4 ? 1.5 : 1.0);
        const double sigma = i < 4 ? 0.75 : 0.5;
        const Rgb tint = mix(hex(0xcfd9ff), hex(0xffe9c9), stars.next());
        for (int yy = int(y) - 2; yy <= int(y) + 2; ++yy)
            for (int xx = int(x) - 2; xx <= int(x) + 2; ++xx) {
                const double dx = xx + 0.5 - x, dy = yy + 0.5 - y;
                cv.blend(xx, yy, tint, b * std::exp(-(dx * dx + dy * dy) / (2 * sigma * sigma)));
            }
    }
    paintEarthGlobe(cv, 320, 90, 28);

    // Distant crater rims and massifs: hard-edged (no air), lit from the left.
    auto farRidge = [](double x) {
        return kGround - 10 - 40 * std::pow(fbm(x / 130.0, 1.1, 4, 61), 2.0) * 1.8;
    };
    auto nearRidge = [](double x) {
        return kGround - 3 - 16 * std::pow(fbm(x / 60.0 + 9, 2.3, 4, 62), 2.2) * 2.2;
    };
    auto slopeShade = [](const std::function<double(double)> &f, double x) {
        return std::clamp((f(x + 1.5) - f(x - 1.5)) / 3.0, -1.5, 1.5);
    };
    fillLayer(cv, farRidge, [&](int x, int y, double depth) {
        // Faces turned to the left catch the sun; shade fades with depth below the crest.
        const double s = slopeShade(farRidge, x) * std::exp(-depth / 6.0);
        const double r = relief(x, y, 14, 7, 63);
        return hex(0x3e3e42) * (1 + 0.3 * s + 0.18 * r);
    });
    fillLayer(cv, nearRidge, [&](int x, int y, double depth) {
        const double s = slopeShade(nearRidge, x) * std::exp(-depth / 4.0);
        const double r = relief(x, y, 10, 5, 64);
        return hex(0x56555a) * (1 + 0.35 * s + 0.18 * r + 0.08 * smoothstep(3, 0, depth));
    });

    for (int y = kGround; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int d = y - kGround;
            const double mottle = fbm(x / 16.0, y / 9.0, 5, 65);
            Rgb c = mix(hex(0x6f6d6a), hex(0x9a9893), mottle);
            // Compacted layers underneath the loose dust.
            const double band = std::sin((y + 18 * fbm(x / 90.0, y / 60.0, 3, 66)) * 0.06);
            c = mix(c, c * (0.86 + 0.08 * band), smoothstep(10, 60, d));
            if (d == 0)
                c = c * 1.14;
            else if (d == 1)
                c = c * 1.06;
            const double grain = (rand01(x, y, 2, 67) - 0.5) * 0.16;
            c = c * (1 + grain) * depthDarkening(y, 0.55);
            cv.at(x, y) = c;
        }
    Rand cr(68);
    for (int i = 0; i < 26; ++i) {
        const double y = cr.range(kGround + 8, H - 10);
        const double r = cr.range(2.5, 10) * (1 + double(y - kGround) / 400);
        crater(cv, cr.range(0, W), y, r, r * 0.4);
    }
    Rand clasts(69);
    for (int i = 0; i < 80; ++i) {
        const double y = clasts.range(kGround + 4, H - 3);
        const double s = clasts.range(0.9, 3.2);
        pebble(cv, clasts.range(0, W), y, s * 1.3, s, hex(0x8c8a86) * clasts.range(0.7, 1.1) *
                                                      depthDarkening(int(y), 0.45),
               500 + i);
    }
    return cv.toImage(2);
}

// ---------------------------------------------------------------------------------------
struct Mesa
{
    double x, halfTop, slope, height;
};

double mesaRidge(double x, const std::vector<Mesa> &mesas, uint32_t seed, double dunes)
{
    double h = dunes * fbm(x / 50.0, 0.7, 3, seed);
    for (const Mesa &m : mesas) {
        // Each side of the table ends at a slightly different place.
        const double side = x < m.x ? -1 : 1;
        const double half = m.halfTop * (1 + 0.25 * (fbm(m.x + side, 3.3, 1, seed + 2) - 0.5));
        const double d = std::abs(x - m.x) - half;
        double p;
        if (d <= 0) {
            p = 1 - 0.05 * fbm(x / 5.0, m.x, 3, seed + 1);
        } else {
            // A steep cap-rock cliff, then a concave scree slope down to the plain.
            const double c = d / m.slope;
            p = c < 0.25 ? 1 - 0.5 * smoothstep(0, 0.25, c) : 0.5 * std::exp(-(c - 0.25) * 2.2);
            p *= 0.95 + 0.1 * fbm(x / 4.0, m.x, 3, seed + 3);
        }
        h = std::max(h, m.height * p);
    }
    return kGround - h;
}

QImage marsScene()
{
    Canvas cv;
    const Rgb skyTop = hex(0x935836), skyHorizon = hex(0xc28a5c);
    skyGradient(cv, skyTop, skyHorizon, 1.1);
    // Dust haze hanging just above the horizon.
    for (int y = 360; y < kGround; ++y)
        for (int x = 0; x < W; ++x)
            cv.blend(x, y, hex(0xd4a074), 0.3 * smoothstep(370, kGround, y) *
                                              (0.8 + 0.4 * fbm(x / 60.0, y / 20.0, 3, 71)));
    // Thin high dust veils.
    for (int y = 10; y < 150; ++y)
        for (int x = 0; x < W; ++x) {
            const double v = fbm(x / 90.0, y / 14.0, 4, 72);
            cv.blend(x, y, hex(0xc48a5c), smoothstep(0.55, 0.75, v) * 0.25);
        }

    const std::vector<Mesa> far = {{52, 34, 40, 30}, {214, 22, 34, 19}, {348, 40, 44, 34}};
    const std::vector<Mesa> near = {{128, 12, 26, 12}, {286, 8, 20, 8}};
    const Rgb farCol = mix(skyHorizon, hex(0x9a5a3c), 0.45);
    const Rgb nearCol = mix(skyHorizon, hex(0x8a4a2c), 0.62);
    auto farR = [&](double x) { return mesaRidge(x, far, 73, 8); };
    auto nearR = [&](double x) { return mesaRidge(x, near, 74, 5); };
    auto layered = [](Rgb base, const std::function<double(double)> &ridge, uint32_t seed) {
        return [base, ridge, seed](int x, int y, double depth) {
            // Sun from the left: left-facing cliffs are lighter.
            const double s = std::clamp((ridge(x + 1.5) - ridge(x - 1.5)) / 3.0, -1.0, 1.0);
            const double strata = std::sin(y * 0.55 + 3 * fbm(x / 30.0, y / 10.0, 2, seed));
            const double r = relief(x, y, 10, 6, seed + 3);
            return base * (1 + 0.14 * s * std::exp(-depth / 12) + 0.025 * strata + 0.08 * r);
        };
    };
    fillLayer(cv, farR, layered(farCol, farR, 75));
    fillLayer(cv, nearR, layered(nearCol, nearR, 76));
    // The far plain fades into the dust, which sets the dark foreground ground apart.
    for (int y = 425; y < kGround; ++y)
        for (int x = 0; x < W; ++x)
            cv.blend(x, y, hex(0xc9936a), 0.55 * smoothstep(425, kGround - 1, y));

    for (int y = kGround; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int d = y - kGround;
            const double mottle = fbm(x / 14.0, y / 8.0, 5, 77);
            Rgb c = mix(hex(0x7e3f24), hex(0xa85b34), mottle);
            // Layered sediments in alternating rust and tan, gently folded.
            const double warp = 22 * fbm(x / 110.0, y / 90.0, 3, 78);
            const double band = 0.5 + 0.5 * std::sin((y + warp) * 0.07);
            const double band2 = 0.5 + 0.5 * std::sin((y + warp) * 0.19 + 1.3);
            Rgb strata = mix(hex(0x7a3a22), hex(0xa8673e), band);
            strata = mix(strata, hex(0x5e2c1a), 0.35 * smoothstep(0.75, 1.0, band2));
            c = mix(c, strata * (0.9 + 0.2 * mottle), smoothstep(12, 50, d));
            // Sunlit dusty crust on the very top rows.
            if (d == 0)
                c = mix(c, hex(0xb8703f), 0.3);
            else if (d == 1)
                c = mix(c, hex(0xb8703f), 0.12);
            const double grain = (rand01(x, y, 3, 79) - 0.5) * 0.14;
            c = c * (1 + grain) * depthDarkening(y, 0.55);
            cv.at(x, y) = c;
        }
    Rand peb(80);
    for (int i = 0; i < 90; ++i) {
        // More pebbles near the surface, fewer at depth.
        const double y = kGround + 3 + std::pow(peb.next(), 1.6) * (H - kGround - 8);
        const double s = peb.range(0.9, 4.5) * (y < kGround + 30 ? 0.7 : 1.0);
        const Rgb col = mix(hex(0x8a4a2e), hex(0x6a4a3c), peb.next()) * peb.range(0.85, 1.2);
        pebble(cv, peb.range(0, W), y, s * 1.35, s, col * depthDarkening(int(y), 0.35), 600 + i);
    }
    return cv.toImage(3);
}

} // namespace

bool writeScenes(const QString &dataDir)
{
    bool ok = QDir().mkpath(dataDir);
    ok &= saveJpeg444(earthScene(), dataDir + "/terre.jpg", 90);
    ok &= saveJpeg444(moonScene(), dataDir + "/lune.jpg", 90);
    ok &= saveJpeg444(marsScene(), dataDir + "/mars.jpg", 90);
    return ok;
}

} // namespace gen
