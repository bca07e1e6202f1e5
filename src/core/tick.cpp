#include "core/numberformat.h"
#include "core/simulation.h"
#include "core/tables.h"

#include <algorithm>

namespace orbane {

// One animation tick: advance the time, move the projectile in closed form, handle the
// photograph timing, the ground and the exit from the screen, then redraw.
void Simulation::Timer1_Timer()
{
    d.command3Enabled = false;
    d.command5Enabled = false;

    const auto x0 = numfmt::parse(c.Text1);
    const auto y0 = numfmt::parse(c.Text2);

    // Launch from the initial position.
    if (s.temps == 0.0f) {
        s.trajsuite = true;
        if (x0)
            s.xprec = scene::kPixelsPerMetre * *x0 + scene::kOriginLeft + scene::kHalfSize;
        if (y0)
            s.yprec = scene::kGroundTop - scene::kPixelsPerMetre * *y0 + scene::kHalfSize;
        m_hooks->repgraphe();
    }

    s.dt = slowMotion() ? 0.005f : 0.04f;
    s.temps += s.dt;

    // Chronophotography: pull the time back to the photograph's exact time.
    s.photo = 0;
    if (s.chronoactif == 1 && s.temps >= s.tphoto) {
        s.temps = s.tphoto;
        s.tphoto += float(numfmt::parseOr(c.chrono, 0.0) / 1000.0);
        s.photo = 1;
        s.photoTaken = false;
    }

    if (s.enrebond != 0) {
        rebond();
        return;
    }

    const double t = s.temps;
    const Flight law = flight();
    if (x0) {
        s.xy[0] = law.x(t);
        d.projLeft = scene::leftOf(s.xy[0]);
    }
    double shownY = s.xy[1] >= 0.0 ? s.xy[1] : 0.0;
    if (y0) {
        s.xy[1] = law.y(t);
        shownY = s.xy[1] >= 0.0 ? s.xy[1] : 0.0;
    }
    showReadouts(t, s.xy[0], shownY);
    d.projTop = scene::topOf(s.xy[1]);

    if (d.projTop > scene::kGroundTop)
        landing();

    d.ombreLeft = d.projLeft;

    if (c.Check[4] && leftTheScreen(true))
        exitFromScreen();

    recordPhotoPosition();
    m_hooks->majaff();
    emit changed();
}

void Simulation::landing()
{
    d.projTop = scene::kGroundTop;
    playImpact();
    if (projectiles().at(c.Combo2).bounces) {
        s.enrebond = 1;
        return;
    }
    s.temps = 0.0f;
    endOfMotion();
}

// The projectile has landed or come to rest: stop and show it where it is.
void Simulation::endOfMotion()
{
    setTimer(false);
    c.Check[8] = false;
    d.projVisible = true;
    d.command3Enabled = true;
    d.command5Enabled = true;
    m_hooks->clearScene();
    d.check1Enabled = true;
    s.chronoactif = 0;
    maj12();
}

void Simulation::recordPhotoPosition()
{
    if (s.photo == 1)
        photoPositions.push_back({double(s.temps), s.xy[0], std::max(s.xy[1], 0.0)});
}

Flight Simulation::flight() const
{
    return {x0(), y0(), double(s.vox), double(s.voy), double(s.gpes), double(s.masse)};
}

Flight Simulation::bounceArc() const
{
    return {double(s.xrebond), double(s.yrebond), double(s.vxrebond), double(s.vyrebond),
            double(s.gpes), double(s.masse)};
}

bool Simulation::leftTheScreen(bool testTop) const
{
    return d.projLeft < -16.0 || d.projLeft > 400.0 || (testTop && d.projTop < -16.0);
}

// Back to the initial position with a beep.
void Simulation::exitFromScreen()
{
    // Pause stops a running animation; when it is not running (single step) it would step
    // again and, off the screen, recurse without end: stop without stepping instead.
    if (d.timer1)
        command16_Click();
    else {
        s.chronoactif = 0;
        d.check1Enabled = true;
        maj12();
    }
    command18_Click();
    s.trajsuite = false;
    retico();
    d.projVisible = true;
    c.Check[8] = false;
    m_services.beeper->beep();
}

} // namespace orbane
