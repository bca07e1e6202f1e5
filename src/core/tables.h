#pragma once

#include <QString>
#include <array>

namespace orbane {

// Scene mapping shared by the core and the drawing: 36 pixels per metre; the projectile's
// 32 x 32 picture has its top-left corner at (14 + 36 x, 420 - 36 y).
namespace scene {
inline constexpr double kPixelsPerMetre = 36.0;
inline constexpr double kOriginLeft = 14.0; // picture left for x = 0
inline constexpr double kGroundTop = 420.0; // picture top for y = 0
inline constexpr double kHalfSize = 16.0;   // corner to centre of the picture
inline constexpr double kOriginX = 30.0;    // centre X for x = 0
inline constexpr double kOriginY = 436.0;   // centre Y for y = 0
inline constexpr int kCanvasWidth = 409;
inline constexpr int kCanvasHeight = 800;

inline double leftOf(double x) { return kOriginLeft + kPixelsPerMetre * x; }
inline double topOf(double y) { return kGroundTop - kPixelsPerMetre * y; }
inline double xOfLeft(double left) { return (left - kOriginLeft) / kPixelsPerMetre; }
inline double yOfTop(double top) { return (kGroundTop - top) / kPixelsPerMetre; }
} // namespace scene

struct Place
{
    const char *name; // UTF-8 list text
    float g;          // m.s-2
    const char *picture;
};

struct Projectile
{
    const char *name;
    float mass; // kg
    const char *sound;
    const char *picture; // base name of the picture and of its shadow
    bool bounces;
};

inline constexpr int kMoon = 1;
inline constexpr int kBallon = 2;
inline constexpr int kRocher = 4;

const std::array<Place, 3> &places();
const std::array<Projectile, 5> &projectiles();

// Captions of the option boxes Check1..Check12.
QString checkCaption(int index);

QString placeName(int index);
QString projectileName(int index);

// A file of the program's folder: the folder, a separator when it lacks one, the name.
QString programFile(const QString &programDir, const QString &name);

} // namespace orbane
