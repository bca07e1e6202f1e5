#pragma once

// What the simulation records of each chronophotograph for the exports (src/exchange/).
namespace orbane::exporttable {

struct PhotoPosition
{
    double t, x, y; // s, m (centre of the projectile)
};

} // namespace orbane::exporttable
