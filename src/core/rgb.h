#pragma once

#include <QtGlobal>

namespace orbane {

// A colour as the swatches hold it: 0xRRGGBB.
using Rgb = quint32;
constexpr Rgb rgb(int r, int g, int b) { return Rgb((r << 16) | (g << 8) | b); }

} // namespace orbane
