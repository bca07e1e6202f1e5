#include "core/simulation.h"
#include "core/tables.h"

#include <cmath>

namespace orbane {

namespace {
constexpr float kRestitution = 0.7f;
constexpr float kRestSpeed = 2.0f;
} // namespace

// The ballon's bounces: successive parabolic arcs from each ground contact, both velocity
// components multiplied by 0.7 and the vertical one reversed, until it is too slow to rise.
void Simulation::rebond()
{
    if (s.enrebond == 1) {
        s.xrebond = float(scene::xOfLeft(d.projLeft));
        s.yrebond = float(scene::yOfTop(d.projTop));
        s.vxrebond = kRestitution * s.vox;
        s.vyrebond = -kRestitution * (s.voy - s.gpes * s.temps);
        s.trebond = s.temps;
        s.enrebond = 2;
        s.temps += slowMotion() ? 0.02f : 0.04f;
    }

    const double arc = double(s.temps) - double(s.trebond);
    const Flight law = bounceArc();
    s.xy[0] = law.x(arc);
    d.projLeft = scene::leftOf(s.xy[0]);
    s.xy[1] = law.y(arc);
    d.projTop = scene::topOf(s.xy[1]);
    const double shownY = s.xy[1] >= 0.0 ? s.xy[1] : 0.0;
    if (s.xy[1] < 0.0)
        s.xy[1] = 0.0;
    showReadouts(s.temps, s.xy[0], shownY);

    if (d.projTop > scene::kGroundTop) {
        d.projTop = scene::kGroundTop;
        playImpact();
        s.xrebond = float(scene::xOfLeft(d.projLeft));
        s.yrebond = float(scene::yOfTop(d.projTop));
        s.vxrebond = kRestitution * s.vxrebond;
        s.vyrebond = -kRestitution * (s.vyrebond - s.gpes * (s.temps - s.trebond));
        s.trebond = s.temps;
        s.enrebond = 2;
        if (std::abs(s.vyrebond) < kRestSpeed) {
            endOfMotion();
            s.enrebond = 0;
            s.temps = 0.0f;
            d.ombreLeft = d.projLeft;
        }
    }

    d.ombreLeft = d.projLeft;

    if (c.Check[4] && leftTheScreen(false))
        exitFromScreen();

    recordPhotoPosition();
    m_hooks->majaff();
    emit changed();
}

} // namespace orbane
