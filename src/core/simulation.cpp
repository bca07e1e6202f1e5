#include "core/simulation.h"

#include "core/numberformat.h"
#include "core/tables.h"

namespace orbane {

SceneHooks::~SceneHooks() = default;

Simulation::Simulation(const QString &programDir, QObject *parent)
    : QObject(parent), m_programDir(programDir)
{
    setServices({});
}

void Simulation::setServices(const Services &services)
{
    m_services.dialogs = services.dialogs ? services.dialogs : &m_nullDialogs;
    m_services.sound = services.sound ? services.sound : &m_nullSound;
    m_services.beeper = services.beeper ? services.beeper : &m_nullBeeper;
}

void Simulation::setSceneHooks(SceneHooks *hooks) { m_hooks = hooks ? hooks : &m_nullHooks; }

double Simulation::x0() const { return numfmt::parseOr(c.Text1, s.xy[0]); }
double Simulation::y0() const { return numfmt::parseOr(c.Text2, s.xy[1]); }

QString Simulation::soundPath() const
{
    return programFile(m_programDir, QString::fromLatin1(projectiles().at(c.Combo2).sound));
}

void Simulation::setTimer(bool on)
{
    if (d.timer1 == on)
        return;
    d.timer1 = on;
    emit timerChanged(on);
}

void Simulation::showReadouts(double t, double x, double shownY)
{
    d.Label3 = QStringLiteral(" Date: t = ") + numfmt::readout(t) + QStringLiteral(" s.");
    d.Label1 = QStringLiteral("Coordonnées : x = ") + numfmt::readout(x) +
               QStringLiteral(" m ; y = ") + numfmt::readout(shownY) + QStringLiteral(" m. ");
}

void Simulation::playImpact()
{
    if (c.Combo1 != kMoon)
        m_services.sound->play();
}

void Simulation::Check_Click(int index)
{
    switch (index) {
    case 1:
        Check1_Click();
        break;
    case 6:
        Check6_Click();
        break;
    case 8:
        Check8_Click();
        break;
    case 3:
    case 5:
    case 7:
    case 10:
    case 12:
        m_hooks->majaff();
        emit changed();
        break;
    default: // 2, 4, 9, 11 take effect at the next redraw
        break;
    }
}

void Simulation::Check1_Click()
{
    d.check3Enabled = c.Check[1];
    m_hooks->majaff();
    emit changed();
}

void Simulation::Check6_Click()
{
    d.check7Enabled = c.Check[6];
    m_hooks->majaff();
    emit changed();
}

void Simulation::Check8_Click() { s.trajsuite = false; }

void Simulation::Label4_Chosen(int index, Rgb colour)
{
    c.Label4.at(index) = colour;
    if (index == 4 && c.Check[1])
        m_hooks->repere();
    m_hooks->majaff();
    emit changed();
}

void Simulation::VScroll1_Change(int value)
{
    c.VScroll1 = value;
    m_hooks->majaff();
    emit changed();
}

void Simulation::VScroll3_Change(int value)
{
    c.VScroll3 = value;
    m_hooks->majaff();
    emit changed();
}

void Simulation::UpDown1_Change(int value)
{
    c.UpDown1 = value;
    m_hooks->majaff();
    emit changed();
}

} // namespace orbane
