#pragma once

#include <QRect>
#include <cmath>

namespace orbane {

// Design positions and printed sizes are in twips, 15 to a pixel.
namespace twips {
inline constexpr int kPerPixel = 15;
constexpr int toPixels(int twips) { return twips / kPerPixel; }
inline int toPixelsRounded(double twips) { return int(std::lround(twips / kPerPixel)); }
// A design rectangle in twips, in pixels.
inline QRect toPixels(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}
} // namespace twips

// Scene mapping shared by the core and the drawing: 36 pixels per metre, the origin (0, 0) at
// pixel (30, 436), y upward in metres and downward in pixels. The projectile's 32 x 32 picture
// has its top-left corner at (14 + 36 x, 420 - 36 y).
namespace scene {
inline constexpr double kPixelsPerMetre = 36.0;
inline constexpr double kOriginX = 30.0;    // pixel of x = 0
inline constexpr double kOriginY = 436.0;   // pixel of y = 0
inline constexpr double kHalfSize = 16.0;   // corner to centre of the picture
inline constexpr double kOriginLeft = 14.0; // picture left for x = 0
inline constexpr double kGroundTop = 420.0; // picture top for y = 0
inline constexpr int kCanvasWidth = 409;
inline constexpr int kCanvasHeight = 800;

// A point of the scene in metres, from its pixel, and back.
inline double metresX(double pixelX) { return (pixelX - kOriginX) / kPixelsPerMetre; }
inline double metresY(double pixelY) { return (kOriginY - pixelY) / kPixelsPerMetre; }
inline double pixelX(double x) { return kOriginX + kPixelsPerMetre * x; }
inline double pixelY(double y) { return kOriginY - kPixelsPerMetre * y; }

// The projectile picture's corner for a position in metres, and back.
inline double leftOf(double x) { return kOriginLeft + kPixelsPerMetre * x; }
inline double topOf(double y) { return kGroundTop - kPixelsPerMetre * y; }
inline double xOfLeft(double left) { return (left - kOriginLeft) / kPixelsPerMetre; }
inline double yOfTop(double top) { return (kGroundTop - top) / kPixelsPerMetre; }
} // namespace scene

} // namespace orbane
