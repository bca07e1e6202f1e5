#include "core/numberformat.h"
#include "core/simulation.h"
#include "core/tables.h"

#include <QScopedValueRollback>

namespace orbane {

// True when the initial conditions let the projectile move.
static bool canStart(double y0, double v) { return y0 != 0.0 || v != 0.0; }

void Simulation::command15_Click()
{
    emit focusSceneRequested();
    m_s.chronoactif = 0;
    m_d.check1Enabled = true;
    maj12();
    if (canStart(m_launch.y0.value_or(0.0), m_launch.v.value_or(0.0))) {
        setTimer(true);
        m_d.projVisible = false;
        m_s.affinit = false;
    }
    emit changed();
}

void Simulation::command16_Click()
{
    if (m_d.timer1) {
        m_s.chronoactif = 0;
        m_d.check1Enabled = true;
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
    m_s.chronoactif = 0;
    m_d.check1Enabled = true;
    maj12();
    setTimer(false);
    m_d.projVisible = true;
    retico();
    command18_Click();
}

void Simulation::placeProjectileAtInitialPosition()
{
    const double x = x0();
    const double y = y0();
    m_s.xy[0] = x;
    m_d.projLeft = scene::leftOf(x);
    m_s.xy[1] = y;
    m_d.projTop = scene::topOf(y);
    m_d.ombreLeft = m_d.projLeft;
    showReadouts(m_s.temps, x, y);
}

void Simulation::command18_Click()
{
    m_s.temps = 0.0f;
    m_s.enrebond = 0;
    m_s.chronoactif = 0;
    placeProjectileAtInitialPosition();
    maj12();
    plusbouton();
    retico();
    if (!m_d.timer1)
        m_d.projVisible = true;
    emit changed();
}

// The place chosen again, which a fixed place does not refuse: it stays the same.
void Simulation::Command13_Click()
{
    const QScopedValueRollback own(m_ownChange, true);
    Combo1_Click(m_c.Combo1);
}

void Simulation::command12_Click()
{
    emit focusSceneRequested();
    if (m_s.chronoactif != 0) {
        m_s.chronoactif = 0;
        maj12();
        emit changed();
        return;
    }
    const double interval = numfmt::parseOr(m_c.chrono, 0.0);
    if (m_c.Check[9] && m_c.Check[6] && 2.0 * interval != 100.0 * m_c.UpDown1) {
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
    m_s.chronoactif = 1;
    m_s.tphoto = m_s.temps;
    if (!m_d.timer1 && canStart(m_launch.y0.value_or(0.0), m_launch.v.value_or(0.0))) {
        setTimer(true);
        m_d.projVisible = false;
        m_s.affinit = false;
    }
    maj12();
    emit changed();
}

void Simulation::maj12()
{
    m_d.recording = m_s.chronoactif != 0;
    m_d.command12Tip = m_d.recording ? QStringLiteral("Arrêter la chronophotographie")
                                 : QStringLiteral("Chronophotographie");
    m_d.Label5 = m_d.recording ? QStringLiteral("Arrêter la chronophotographie")
                           : QStringLiteral("Activer la chronophotographie");
}

void Simulation::plusbouton()
{
    m_d.animationButtons = !(m_s.voy <= 0.0f && m_launch.y0.value_or(0.0) == 0.0);
}

} // namespace orbane
