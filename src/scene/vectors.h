#pragma once

#include <QString>

namespace orbane {

struct Controls;

// Scales and legends of the vectors panel.
namespace vectorscale {
// Pixels per m.s-1 (1 to 50) from the scroll value `VScroll1`.
inline int velocity(int vscroll1) { return 50 - vscroll1; }
// Pixels per unit of force (10 to 100) from `VScroll3`.
inline int force(int vscroll3) { return 100 - vscroll3; }
// Length of `Line1` and `Line2`, the scale segments.
inline int line1Length(int vscroll1) { return velocity(vscroll1); }
inline int line2Length(int vscroll3) { return force(vscroll3); }
// The text above the force segment: the rock's weight is drawn per 10 000 N.
QString forceLegend(int combo2);
// `Label9`: the interval of the velocity variation in ms.
QString label9(int updown1);
} // namespace vectorscale

} // namespace orbane
