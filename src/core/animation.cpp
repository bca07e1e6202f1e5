#include "core/numberformat.h"
#include "core/simulation.h"
#include "core/tables.h"

namespace orbane {

// True when the initial conditions let the projectile move.
static bool canStart(double y0, double v) { return y0 != 0.0 || v != 0.0; }

void Simulation::command15_Click()
{
    emit focusSceneRequested();
    s.chronoactif = 0;
    d.check1Enabled = true;
    maj12();
    if (canStart(numfmt::parseOr(c.Text2, 0.0), numfmt::parseOr(c.Text3, 0.0))) {
        setTimer(true);
        d.projVisible = false;
        s.affinit = false;
    }
    emit changed();
}

void Simulation::command16_Click()
{
    if (d.timer1) {
        s.chronoactif = 0;
        d.check1Enabled = true;
        maj12();
        setTimer(false);
        emit changed();
    } else {
        Timer1_Timer();
    }
}

void Simulation::Image4_Click()
{
    emit focusSceneRequested();
    s.chronoactif = 0;
    d.check1Enabled = true;
    maj12();
    setTimer(false);
    d.projVisible = true;
    retico();
    command18_Click();
}

void Simulation::placeProjectileAtInitialPosition()
{
    const double x = x0();
    const double y = y0();
    s.xy[0] = x;
    d.projLeft = scene::leftOf(x);
    s.xy[1] = y;
    d.projTop = scene::topOf(y);
    d.ombreLeft = d.projLeft;
    showReadouts(s.temps, x, y);
}

void Simulation::command18_Click()
{
    s.temps = 0.0f;
    s.enrebond = 0;
    s.chronoactif = 0;
    placeProjectileAtInitialPosition();
    maj12();
    plusbouton();
    retico();
    if (!d.timer1)
        d.projVisible = true;
    emit changed();
}

void Simulation::Command13_Click() { Combo1_Click(); }

void Simulation::command12_Click()
{
    emit focusSceneRequested();
    if (s.chronoactif != 0) {
        s.chronoactif = 0;
        maj12();
        emit changed();
        return;
    }
    const double interval = numfmt::parseOr(c.chrono, 0.0);
    if (c.Check[9] && c.Check[6] && 2.0 * interval != 100.0 * c.UpDown1) {
        m_services.dialogs->message(
            QStringLiteral("Il est préférable que l'intervalle de temps qui permet de représenter "
                           "les variations\n"
                           "du vecteur vitesse soit le double de la durée entre deux "
                           "photographies.\n"
                           "Pour chaque photographie, la représentation sera calculée avec un "
                           "intervalle\n"
                           "de temps de") +
                QLatin1Char(' ') + QString::number(qRound64(2.0 * interval)) +
                QStringLiteral(" ms."),
            QStringLiteral("Avertissement"), MsgIcon::Information);
    }
    s.chronoactif = 1;
    s.tphoto = s.temps;
    if (!d.timer1 && canStart(numfmt::parseOr(c.Text2, 0.0), numfmt::parseOr(c.Text3, 0.0))) {
        setTimer(true);
        d.projVisible = false;
        s.affinit = false;
    }
    maj12();
    emit changed();
}

void Simulation::maj12()
{
    d.recording = s.chronoactif != 0;
    d.command12Tip = d.recording ? QStringLiteral("Arrêter la chronophotographie")
                                 : QStringLiteral("Chronophotographie");
    d.Label5 = d.recording ? QStringLiteral("Arrêter la chronophotographie")
                           : QStringLiteral("Activer la chronophotographie");
}

void Simulation::plusbouton()
{
    d.animationButtons = !(s.voy <= 0.0f && numfmt::parseOr(c.Text2, 0.0) == 0.0);
}

} // namespace orbane
