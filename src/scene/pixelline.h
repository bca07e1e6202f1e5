#pragma once

#include <QImage>
#include <QPoint>

namespace orbane {

// A one-pixel line written straight into a 32-bit image (Bresenham): exact pixels, and far
// cheaper than a painter call. Pixels outside the image are skipped.
enum class LastPixel { Drawn, Left };
void plotLine(QImage &image, QPoint a, QPoint b, QRgb value, LastPixel last,
              bool dotted = false); // dotted: one pixel in two

} // namespace orbane
