#pragma once

#include "core/controls.h"

#include <optional>

namespace orbane {

// The launch values that the parameter boxes hold, read once when a box changes rather than at
// every use: x0 and y0 (m), v (m.s-1), α (°). A box that holds no number gives nothing.
struct Launch
{
    std::optional<double> x0, y0, v, alpha;

    // Text1..Text4 as numbers.
    static Launch of(const Controls &c);
    // Box n (1..4) read again from its text.
    void read(int box, const QString &text);
};

} // namespace orbane
