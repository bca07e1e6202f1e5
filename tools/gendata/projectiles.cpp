// Projectile pictures (32 x 32, transparent) and their ground shadows.
// Each object is shaded per sample at 4x resolution and box-filtered down, which gives
// clean antialiased outlines. Light comes from the top-left, like the scene pictures.
#include "generators.h"

#include "common.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <array>
#include <functional>
#include <vector>

namespace gen {
namespace {

constexpr int kSize = 32;
constexpr int kSS = 4;

struct Vec3
{
    double x, y, z;
};
inline Vec3 normalize(Vec3 v)
{
    const double n = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / n, v.y / n, v.z / n};
}
inline double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

const Vec3 kLight = normalize({-0.55, -0.7, 0.62});

// One shaded sample: colour and coverage (0 = outside).
struct Sample
{
    Rgb c;
    double a = 0;
};

// Renders a sprite on a canvas of `logical` pixels, sampled kSS x kSS per pixel.
QImage renderBig(int logical, const std::function<Sample(double, double)> &shade)
{
    const int n = logical * kSS;
    QImage img(n, n, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < n; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < n; ++x) {
            const Sample s = shade((x + 0.5) / kSS, (y + 0.5) / kSS);
            line[x] = s.a > 0 ? qPremultiply(toQRgb(s.c, s.a)) : 0;
        }
    }
    return img;
}

double phong(Vec3 n, double shininess)
{
    // Viewer along +z: half vector between light and view.
    const Vec3 h = normalize({kLight.x, kLight.y, kLight.z + 1});
    return std::pow(std::max(0.0, dot(n, h)), shininess);
}

// ---------------------------------------------------------------------------------------
QImage apple()
{
    // Outline in logical pixels: two shoulders, a dip for the stalk, a slight dimple below.
    QPainterPath body;
    body.moveTo(16, 10.2);
    body.cubicTo(18.5, 7.2, 24.2, 6.6, 27.4, 9.6);
    body.cubicTo(30.4, 12.6, 30.2, 20.5, 27.6, 26.0);
    body.cubicTo(25.8, 30.2, 21.8, 32.3, 18.8, 31.9);
    body.cubicTo(17.6, 31.8, 16.8, 31.3, 16, 31.3);
    body.cubicTo(15.2, 31.3, 14.4, 31.8, 13.2, 31.9);
    body.cubicTo(10.2, 32.3, 6.2, 30.2, 4.4, 26.0);
    body.cubicTo(1.8, 20.5, 1.6, 12.6, 4.6, 9.6);
    body.cubicTo(7.8, 6.6, 13.5, 7.2, 16, 10.2);

    const Rgb deep = hex(0x7a0d0b), red = hex(0xcf2a1e), bright = hex(0xf2553a), gold = hex(0xe8b13c);
    // Slightly narrower than the drawn outline: about 26 px wide.
    body = QTransform().translate(16, 0).scale(0.91, 1).translate(-16, 0).map(body);
    QImage big = renderBig(kSize, [&](double x, double y) -> Sample {
        if (!body.contains(QPointF(x, y)))
            return {};
        const double nx = (x - 16) / 12.8, ny = (y - 19.6) / 13.0;
        const double d2 = std::min(nx * nx + ny * ny, 0.985);
        const Vec3 n = normalize({nx, ny, std::sqrt(1 - d2)});
        // Streaks radiating from the stalk, as on a real apple skin.
        const double ang = std::atan2(x - 16, y - 10.5);
        const double rad = std::hypot(x - 16, y - 10.5);
        const double streak = fbm(ang * 7.0, rad * 0.25, 3, 201);
        Rgb c = mix(red, bright, smoothstep(0.35, 0.75, streak) * 0.6);
        c = mix(c, deep, smoothstep(0.55, 0.3, streak) * 0.35);
        // A golden blush on the shaded lower-right side.
        c = mix(c, gold, smoothstep(0.2, 0.9, nx * 0.6 + ny * 0.5) * 0.25);
        // Darker cavity around the stalk.
        c = mix(c, deep, smoothstep(4.0, 0.5, rad) * 0.7);
        const double lambert = std::max(0.0, dot(n, kLight));
        c = c * (0.32 + 0.85 * lambert);
        c = c + Rgb{1, 1, 1} * (0.55 * phong(n, 40)) + Rgb{1, 0.9, 0.85} * (0.12 * phong(n, 6));
        // Soft bounce light from the ground along the bottom edge.
        c = c + hex(0x401008) * (smoothstep(0.6, 1.0, ny) * 0.6);
        return {c, 1};
    });

    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kSS, kSS);
    // Stalk.
    QPainterPath stalk;
    stalk.moveTo(16.1, 11.2);
    stalk.cubicTo(16.3, 8.0, 16.6, 5.5, 18.0, 3.2);
    QLinearGradient sg(15, 0, 18, 0);
    sg.setColorAt(0, qc(0x8a5a2e));
    sg.setColorAt(1, qc(0x3e2410));
    p.setPen(QPen(QBrush(sg), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stalk);
    // Leaf, tilted up to the right, with a midrib.
    p.save();
    p.translate(17.4, 5.6);
    p.rotate(-28);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(2.5, -3.4, 7.5, -3.6, 10.5, 0);
    leaf.cubicTo(7.5, 2.8, 2.5, 2.6, 0, 0);
    QLinearGradient lg(0, -3, 0, 3);
    lg.setColorAt(0, qc(0x8fd15a));
    lg.setColorAt(1, qc(0x2f7a25));
    p.setBrush(lg);
    p.setPen(QPen(qc(0x235e1c), 0.45));
    p.drawPath(leaf);
    p.setPen(QPen(qc(0xc9f0a0, 170), 0.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0.8, 0), QPointF(9.5, -0.1));
    p.restore();
    p.end();
    return big;
}

// ---------------------------------------------------------------------------------------
// Irregular rounded stone or rock: a lumpy ellipsoid with optional facets and cracks.
struct RockStyle
{
    double rx, ry;      // half size in logical pixels
    double lumpiness;   // radial noise amplitude
    int cuts;           // number of flat chipped faces
    double cutDepth;    // where the faces start (1 = only grazing the surface)
    double flatBottom;  // fraction of ry kept below the centre
    double facets;      // strength of planar facets
    double crack;       // how dark the facet borders are
    Rgb dark, light;    // albedo range
    uint32_t seed;
};

QImage rock(const RockStyle &st)
{
    constexpr int kCanvas = 48;
    const double cx = 24, cy = 24;
    std::vector<std::array<double, 3>> cuts;
    Rand rnd(st.seed);
    for (int i = 0; i < st.cuts; ++i) {
        const double a = 2 * kPi * (i + rnd.range(-0.3, 0.3)) / st.cuts;
        cuts.push_back({std::cos(a), std::sin(a), st.cutDepth + rnd.range(0, 0.13)});
    }
    auto radius = [&](double ang) {
        // Slightly higher on the left than on the right, like a stone that settled.
        const double lean = 0.06 * std::cos(ang + 2.3);
        return 1 + lean +
               st.lumpiness * (fbm(std::cos(ang) * 1.3 + 5, std::sin(ang) * 1.3 + 5, 3, st.seed) - 0.5);
    };
    auto height = [&](double x, double y) {
        const double ang = std::atan2(y - cy, x - cx);
        const double k = radius(ang);
        const double nx = (x - cx) / (st.rx * k), ny = (y - cy) / (st.ry * k);
        double h = 1 - (nx * nx + ny * ny);
        // Flat chipped faces: planes slicing the rounded body.
        for (const auto &cut : cuts)
            h = std::min(h, (cut[2] - nx * cut[0] - ny * cut[1]) * 1.6);
        return h;
    };
    // Facet cells: each gets its own tilt, which reads as chipped planes.
    auto cell = [&](double x, double y, double &edge) {
        const double s = 6.5;
        const double gx = x / s, gy = y / s;
        const int ix = int(std::floor(gx)), iy = int(std::floor(gy));
        double best = 1e9, second = 1e9;
        int bx = 0, by = 0;
        for (int j = -1; j <= 1; ++j)
            for (int i = -1; i <= 1; ++i) {
                const double px = ix + i + rand01(ix + i, iy + j, 1, st.seed);
                const double py = iy + j + rand01(ix + i, iy + j, 2, st.seed);
                const double d = std::hypot(gx - px, gy - py);
                if (d < best) {
                    second = best;
                    best = d;
                    bx = ix + i;
                    by = iy + j;
                } else if (d < second) {
                    second = d;
                }
            }
        edge = (second - best) * s;
        return std::pair<double, double>{rand01(bx, by, 3, st.seed) - 0.5, rand01(bx, by, 4, st.seed) - 0.5};
    };
    // Whole-pixel contact line, so the bottom row is fully opaque.
    const double bottom = std::floor(cy + st.ry * st.flatBottom);
    return placeBottomCentre(
        downsample(renderBig(kCanvas,
                             [&](double x, double y) -> Sample {
                                 if (y > bottom)
                                     return {};
                                 const double h = height(x, y);
                                 if (h <= 0)
                                     return {};
                                 const double e = 0.35;
                                 const double hx = height(x + e, y) - height(x - e, y);
                                 const double hy = height(x, y + e) - height(x, y - e);
                                 double edge = 9;
                                 const auto tilt = cell(x, y, edge);
                                 const double bump = 0.5;
                                 const double bx = fbm(x / 2.5, y / 2.5, 3, st.seed + 7) - 0.5;
                                 const double by = fbm(x / 2.5 + 9, y / 2.5, 3, st.seed + 7) - 0.5;
                                 Vec3 n = normalize({-hx * 4.2 + st.facets * tilt.first + bump * bx * 0.4,
                                                     -hy * 4.2 + st.facets * tilt.second + bump * by * 0.4,
                                                     std::sqrt(std::max(h, 0.02)) * 1.1});
                                 const double mottle = fbm(x / 4.0, y / 4.0, 4, st.seed + 11);
                                 Rgb c = mix(st.dark, st.light, mottle);
                                 // Speckles of lighter and darker minerals.
                                 const double sp = rand01(int(x * 2), int(y * 2), 5, st.seed);
                                 if (sp > 0.93)
                                     c = c * 1.18;
                                 else if (sp < 0.05)
                                     c = c * 0.75;
                                 const double lambert = std::max(0.0, dot(n, kLight));
                                 c = c * (0.2 + 1.05 * lambert) + Rgb{1, 1, 1} * (0.14 * phong(n, 14));
                                 // Cracks along the facet borders.
                                 if (st.facets > 0)
                                     c = c * (1 - st.crack * (1 - smoothstep(0.0, 0.5, edge)));
                                 // Occlusion towards the silhouette rounds the volume.
                                 c = c * (0.7 + 0.3 * smoothstep(0.0, 0.45, h));
                                 // Darken the underside where it meets the ground.
                                 c = c * (1 - 0.3 * smoothstep(bottom - 4, bottom, y));
                                 return {c, 1};
                             }),
                   kSS),
        kSize, kSize, 128);
}

// ---------------------------------------------------------------------------------------
QImage beachBall()
{
    const double r = 15, cx = 16, cy = kSize - r;
    // Axis of the gores, tilted towards the viewer and the upper right.
    const Vec3 axis = normalize({0.3, -0.78, 0.55});
    const Vec3 ref = normalize({1, 0.3, 0});
    // Orthonormal frame around the axis for measuring longitude.
    Vec3 u = normalize({ref.x - axis.x * dot(ref, axis), ref.y - axis.y * dot(ref, axis),
                        ref.z - axis.z * dot(ref, axis)});
    const Vec3 v{axis.y * u.z - axis.z * u.y, axis.z * u.x - axis.x * u.z, axis.x * u.y - axis.y * u.x};
    const Rgb colours[6] = {hex(0xe0322a), hex(0xf6f4ee), hex(0x2a62cc),
                            hex(0xe0322a), hex(0xf6f4ee), hex(0x2a62cc)};
    return renderBig(kSize, [&](double x, double y) -> Sample {
        const double nx = (x - cx) / r, ny = (y - cy) / r;
        const double d2 = nx * nx + ny * ny;
        if (d2 >= 1)
            return {};
        const Vec3 n{nx, ny, std::sqrt(1 - d2)};
        const double lon = std::atan2(dot(n, v), dot(n, u));
        const double seg = (lon + kPi) / (2 * kPi) * 6;
        const int idx = int(seg) % 6;
        Rgb c = colours[idx];
        // Thin seams between gores and a white cap around the valve.
        const double frac = seg - std::floor(seg);
        const double seam = std::min(frac, 1 - frac) * 2 * kPi / 6 * std::sqrt(1 - std::pow(dot(n, axis), 2));
        c = mix(c * 0.6, c, smoothstep(0.0, 0.05, seam));
        const double cap = dot(n, axis);
        if (cap > 0.88)
            c = mix(hex(0xf6f4ee), hex(0xbfc5cc), smoothstep(0.985, 0.995, cap));
        c = mix(c * 0.75, c, smoothstep(0.86, 0.89, std::abs(cap)));
        const double lambert = std::max(0.0, dot(n, kLight));
        c = c * (0.3 + 0.82 * lambert) + Rgb{1, 1, 1} * (0.6 * phong(n, 60) + 0.1 * phong(n, 8));
        // Fresnel-like rim darkening keeps the silhouette round.
        c = c * (1 - 0.25 * std::pow(d2, 3));
        return {c, 1};
    });
}

// ---------------------------------------------------------------------------------------
QImage boule()
{
    const double r = 13, cx = 16, cy = kSize - r;
    const Vec3 grooveAxis = normalize({0.8, -0.45, 0.4});
    return renderBig(kSize, [&](double x, double y) -> Sample {
        const double nx = (x - cx) / r, ny = (y - cy) / r;
        const double d2 = nx * nx + ny * ny;
        if (d2 >= 1)
            return {};
        const Vec3 n{nx, ny, std::sqrt(1 - d2)};
        // Mirror-like steel: reflect the view ray and look up a simple sky/ground environment.
        const Vec3 refl{2 * n.z * n.x, 2 * n.z * n.y, 2 * n.z * n.z - 1};
        const double up = -refl.y;
        Rgb env;
        if (up > 0)
            env = mix(hex(0x9ea7b2), hex(0xf2f5f8), smoothstep(0.0, 0.8, up));
        else
            env = mix(hex(0x7a7168), hex(0x3a3531), smoothstep(0.0, 0.7, -up));
        // A bright horizon band.
        env = env + Rgb{0.15, 0.15, 0.15} * std::exp(-up * up * 40);
        Rgb c = mix(hex(0x9aa1a9), env, 0.45);
        // Brushed micro-texture.
        c = c * (0.93 + 0.1 * valueNoise(x * 6, y * 0.7, 301));
        // Engraved parallel rings.
        const double t = dot(n, grooveAxis);
        for (double g : {-0.28, -0.08, 0.12}) {
            const double dist = std::abs(t - g);
            c = c * (1 - 0.55 * (1 - smoothstep(0.0, 0.045, dist)));
            // Lit lower lip of the groove.
            c = c + Rgb{0.2, 0.2, 0.2} * (1 - smoothstep(0.0, 0.03, std::abs(t - g + 0.05)));
        }
        const double lambert = std::max(0.0, dot(n, kLight));
        c = c * (0.45 + 0.6 * lambert) + Rgb{1, 1, 1} * (0.9 * phong(n, 90));
        c = c * (1 - 0.3 * std::pow(d2, 4));
        return {c, 1};
    });
}

// ---------------------------------------------------------------------------------------
struct Extent
{
    int left = kSize, right = -1;
};

Extent extent(const QImage &img)
{
    Extent e;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 64) {
                e.left = std::min(e.left, x);
                e.right = std::max(e.right, x);
            }
    return e;
}

// Soft contact shadow: an ellipse as wide as the object, on the bottom rows.
QImage shadow(const Extent &e)
{
    const double cx = (e.left + e.right + 1) / 2.0;
    const double rx = (e.right - e.left + 1) / 2.0 * 1.12, ry = 2.9, cy = 29.0;
    QImage img(kSize, kSize, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            double a = 0;
            for (int s = 0; s < 16; ++s) {
                const double px = x + (s % 4 + 0.5) / 4, py = y + (s / 4 + 0.5) / 4;
                const double dx = (px - cx) / rx, dy = (py - cy) / ry;
                const double d = std::sqrt(dx * dx + dy * dy);
                a += 0.45 * (1 - smoothstep(0.45, 1.0, d)) + 0.15 * (1 - smoothstep(0.0, 0.5, d));
            }
            a /= 16;
            img.setPixel(x, y, qRgba(18, 14, 10, int(std::lround(clamp01(a) * 255))));
        }
    return img;
}

} // namespace

bool writeProjectiles(const QString &dataDir)
{
    struct Item
    {
        const char *name;
        QImage img;
    };
    const RockStyle pebble{13.0, 10.2, 0.3, 7, 0.86, 0.88, 0.12, 0.0, hex(0x74767a), hex(0xb0b0ab), 401};
    const RockStyle boulder{16.0, 15.4, 0.3, 8, 0.78, 0.86, 0.6, 0.22, hex(0x5c5045), hex(0xa89a88), 402};
    const Item items[] = {
        {"pomme", downsample(apple(), kSS)},
        {"pierre", rock(pebble)},
        {"ballon", downsample(beachBall(), kSS)},
        {"petanque", downsample(boule(), kSS)},
        {"rocher", rock(boulder)},
    };
    bool ok = true;
    for (const Item &it : items) {
        ok &= savePng(it.img, dataDir + "/" + it.name + ".png");
        ok &= savePng(shadow(extent(it.img)), dataDir + "/" + it.name + "-ombre.png");
    }
    return ok;
}

} // namespace gen
