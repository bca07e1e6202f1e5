#include "core/numberformat.h"
#include "core/simulation.h"
#include "core/tables.h"

#include <algorithm>

namespace orbane {

// One animation tick: advance the time, move the projectile in closed form, handle the
// photograph timing, the ground and the exit from the screen, then redraw.
void Simulation::Timer1_Timer()
{
    m_d.command3Enabled = false;
    m_d.command5Enabled = false;

    const auto x0 = m_launch.x0;
    const auto y0 = m_launch.y0;

    // Launch from the initial position.
    if (m_s.temps == 0.0f) {
        m_airContacts = 0;
        emit launched();
    }

    m_s.dt = slowMotion() ? 0.005f : 0.04f;
    m_s.temps += m_s.dt;

    // Chronophotography: pull the time back to the photograph's exact time.
    m_s.photo = 0;
    if (m_s.chronoactif == 1 && m_s.temps >= m_s.tphoto) {
        m_s.temps = m_s.tphoto;
        m_s.tphoto += float(numfmt::parseOr(m_c.chrono, 0.0) / 1000.0);
        m_s.photo = 1;
        emit photographed();
    }

    if (m_s.enrebond != 0) {
        rebond();
        return;
    }
    const Flight law = flight();
    if (law.air) {
        airTick(*law.air);
        return;
    }

    const double t = m_s.temps;
    if (x0) {
        m_s.xy[0] = law.x(t);
        m_d.projLeft = scene::leftOf(m_s.xy[0]);
    }
    double shownY = m_s.xy[1] >= 0.0 ? m_s.xy[1] : 0.0;
    if (y0) {
        m_s.xy[1] = law.y(t);
        shownY = m_s.xy[1] >= 0.0 ? m_s.xy[1] : 0.0;
    }
    showReadouts(t, m_s.xy[0], shownY);
    m_d.projTop = scene::topOf(m_s.xy[1]);

    if (m_d.projTop > scene::kGroundTop)
        landing();

    endOfTick(true);
}

// What every tick ends with, in flight and in a bounce: the shadow follows, the exit from the
// screen (in a bounce only sideways), the photograph's position, then the redraw.
void Simulation::endOfTick(bool testTop)
{
    m_d.ombreLeft = m_d.projLeft;

    if (m_c.Check[4] && leftTheScreen(testTop))
        exitFromScreen();

    recordPhotoPosition();
    m_hooks->majaff();
    emit ticked();
    emit changed();
}

void Simulation::landing()
{
    m_d.projTop = scene::kGroundTop;
    playImpact();
    emit landed();
    if (projectile(m_c.Combo2).bounces) {
        m_s.enrebond = 1;
        return;
    }
    m_s.temps = 0.0f;
    endOfMotion();
}

// The projectile has landed or come to rest: stop and show it where it is.
void Simulation::endOfMotion()
{
    setTimer(false);
    m_c.Check[8] = false;
    m_d.projVisible = true;
    m_d.command3Enabled = true;
    m_d.command5Enabled = true;
    m_hooks->clearScene();
    m_d.check1Enabled = true;
    m_s.chronoactif = 0;
    maj12();
    emit stopped();
}

// Bounded as the marks are: past the 16-bit count the positions of further photographs are
// not listed (the first 32 767 stay, until a place is chosen again).
void Simulation::recordPhotoPosition()
{
    if (m_s.photo == 1 && m_photoPositions.size() < std::size_t(PhotoMarks::kMax))
        m_photoPositions.push_back({double(m_s.temps), m_s.xy[0], std::max(m_s.xy[1], 0.0)});
}

Flight Simulation::flight() const
{
    Flight f{x0(), y0(), double(m_s.vox), double(m_s.voy), double(m_s.gpes), double(m_s.masse)};
    if (dragActive())
        f.air = airFor(f);
    return f;
}

Flight Simulation::bounceArc() const
{
    return {double(m_s.xrebond),  double(m_s.yrebond), double(m_s.vxrebond),
            double(m_s.vyrebond), double(m_s.gpes),    double(m_s.masse)};
}

bool Simulation::leftTheScreen(bool testTop) const
{
    return m_d.projLeft < -16.0 || m_d.projLeft > 400.0 || (testTop && m_d.projTop < -16.0);
}

// Back to the initial position with a beep.
void Simulation::exitFromScreen()
{
    // Pause stops a running animation; when it is not running (single step) it would step
    // again and, off the screen, recurse without end: stop without stepping instead.
    if (m_d.timer1)
        command16_Click();
    else {
        m_s.chronoactif = 0;
        m_d.check1Enabled = true;
        maj12();
    }
    command18_Click();
    m_hooks->breakTrajectory();
    retico();
    m_d.projVisible = true;
    m_c.Check[8] = false;
    m_services.beeper->beep();
}

} // namespace orbane
