#include "core/simulation.h"
#include "core/tables.h"

#include <cmath>

namespace orbane {

// The ballon's bounces: successive parabolic arcs from each ground contact, both velocity
// components multiplied by 0.7 and the vertical one reversed, until it is too slow to rise.
void Simulation::rebond()
{
    if (m_s.enrebond == 1) {
        m_s.xrebond = float(scene::xOfLeft(m_d.projLeft));
        m_s.yrebond = float(scene::yOfTop(m_d.projTop));
        m_s.vxrebond = kRestitution * m_s.vox;
        m_s.vyrebond = -kRestitution * (m_s.voy - m_s.gpes * m_s.temps);
        m_s.trebond = m_s.temps;
        m_s.enrebond = 2;
        m_s.temps += slowMotion() ? 0.02f : 0.04f;
    }

    const double arc = double(m_s.temps) - double(m_s.trebond);
    const Flight law = bounceArc();
    m_s.xy[0] = law.x(arc);
    m_d.projLeft = scene::leftOf(m_s.xy[0]);
    m_s.xy[1] = law.y(arc);
    m_d.projTop = scene::topOf(m_s.xy[1]);
    const double shownY = m_s.xy[1] >= 0.0 ? m_s.xy[1] : 0.0;
    if (m_s.xy[1] < 0.0)
        m_s.xy[1] = 0.0;
    showReadouts(m_s.temps, m_s.xy[0], shownY);

    if (m_d.projTop > scene::kGroundTop) {
        m_d.projTop = scene::kGroundTop;
        playImpact();
        emit bounced();
        m_s.xrebond = float(scene::xOfLeft(m_d.projLeft));
        m_s.yrebond = float(scene::yOfTop(m_d.projTop));
        m_s.vxrebond = kRestitution * m_s.vxrebond;
        m_s.vyrebond = -kRestitution * (m_s.vyrebond - m_s.gpes * (m_s.temps - m_s.trebond));
        m_s.trebond = m_s.temps;
        m_s.enrebond = 2;
        if (std::abs(m_s.vyrebond) < kRestSpeed) {
            endOfMotion();
            m_s.enrebond = 0;
            m_s.temps = 0.0f;
            m_d.ombreLeft = m_d.projLeft;
        }
    }

    endOfTick(false);
}

} // namespace orbane
