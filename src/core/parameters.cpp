#include "core/numberformat.h"
#include "core/simulation.h"
#include "core/tables.h"

#include <algorithm>
#include <cmath>

namespace orbane {

namespace {
// The program's value of pi for angles typed in degrees.
constexpr double kPi = 3.1415927;
// Limits of the picture's corner, shared by the boxes and the drag.
constexpr double kLeftMin = 0.0, kLeftMax = 375.0;
constexpr double kTopMin = 0.0, kTopMax = 420.0;
} // namespace

Simulation::KeyResult Simulation::TextN_KeyPress(int box, QChar &key) const
{
    if (key == QLatin1Char('.'))
        key = QLatin1Char(',');
    if (key.isDigit() || key == QLatin1Char(',') || key == QChar(8))
        return KeyResult::Accept;
    // A minus sign only where a negative value makes sense: x0 and the angle.
    if (key == QLatin1Char('-') && (box == 1 || box == 4))
        return KeyResult::Accept;
    return KeyResult::Swallow;
}

void Simulation::TextN_GotFocus(int)
{
    if (!c.Check[1]) {
        c.Check[1] = true;
        Check1_Click();
    }
}

void Simulation::TextN_LostFocus(int box)
{
    switch (box) {
    case 1:
        Text1_LostFocus();
        break;
    case 2:
        Text2_LostFocus();
        break;
    case 3:
        Text3_LostFocus();
        break;
    case 4:
        Text4_LostFocus();
        break;
    default:
        break;
    }
}

// Every accepted change stops the animation and puts the projectile at its new initial place.
// Some boxes leave an initial-situation scene alone rather than clearing it again.
void Simulation::applyParameterChange(bool clearAlways)
{
    setTimer(false);
    d.projVisible = true;
    if (clearAlways || !s.affinit)
        retico();
    d.check1Enabled = true;
    command18_Click();
}

void Simulation::Text1_LostFocus()
{
    if (const auto x0 = numfmt::parse(c.Text1))
        d.projLeft = std::clamp(scene::leftOf(*x0), kLeftMin, kLeftMax);
    d.ombreLeft = d.projLeft;
    c.Text1 = numfmt::box(scene::xOfLeft(d.projLeft));
    applyParameterChange(true);
}

void Simulation::Text2_LostFocus()
{
    if (const auto y0 = numfmt::parse(c.Text2))
        d.projTop = std::clamp(scene::topOf(*y0), kTopMin, kTopMax);
    c.Text2 = numfmt::box(scene::yOfTop(d.projTop));
    applyParameterChange(false);
}

// v and a: text that is not a number reads as 0.
void Simulation::Text3_LostFocus()
{
    const double v = std::clamp(numfmt::parseOr(c.Text3, 0.0), 0.0, 20.0);
    c.Text3 = numfmt::box(v);
    voxvoy();
    applyParameterChange(true);
}

void Simulation::Text4_LostFocus()
{
    double a = std::clamp(numfmt::parseOr(c.Text4, 0.0), -180.0, 180.0);
    if (std::abs(a) < 5.0)
        a = 0.0;
    c.Text4 = numfmt::box(a);
    voxvoy();
    applyParameterChange(false);
}

Simulation::KeyResult Simulation::chrono_KeyPress(QChar key) const
{
    return key.isDigit() || key == QChar(8) ? KeyResult::Accept : KeyResult::Swallow;
}

void Simulation::chrono_LostFocus()
{
    const double value = numfmt::parseOr(c.chrono, 0.0);
    if (value < 10.0)
        c.chrono = QStringLiteral("10");
    else if (value > 5000.0)
        c.chrono = QStringLiteral("5000");
    else
        c.chrono = QString::number(qint64(value));
    emit changed();
}

void Simulation::projectile_MouseMove(bool leftOnly, bool anyButton, int x, int y)
{
    if (!anyButton) {
        s.glisse = 0;
        return;
    }
    if (!leftOnly)
        return;
    setTimer(false);
    d.projVisible = true;
    d.command3Enabled = true;
    d.command5Enabled = true;
    if (!s.affinit)
        retico();
    d.check1Enabled = true;
    s.temps = 0.0f;
    s.enrebond = 0;
    if (s.glisse == 0) {
        s.glissex = qint16(x);
        s.glissey = qint16(y);
        s.glisse = 1;
    }
    d.projLeft = std::clamp(d.projLeft + x - s.glissex, kLeftMin, kLeftMax);
    d.projTop = std::clamp(d.projTop + y - s.glissey, kTopMin, kTopMax);
    d.ombreLeft = d.projLeft;
    c.Text1 = numfmt::box(scene::xOfLeft(d.projLeft));
    c.Text2 = numfmt::box(scene::yOfTop(d.projTop));
    showReadouts(s.temps, numfmt::parseOr(c.Text1, 0.0), numfmt::parseOr(c.Text2, 0.0));
    plusbouton();
    emit changed();
}

void Simulation::voxvoy()
{
    const auto a = numfmt::parse(c.Text4);
    const auto v = numfmt::parse(c.Text3);
    if (!a || !v)
        return;
    const double rad = *a * kPi / 180.0;
    s.vox = float(*v * std::cos(rad));
    s.voy = float(*v * std::sin(rad));
}

void Simulation::retico()
{
    d.command3Enabled = true;
    d.command5Enabled = true;
    m_hooks->clearScene();
    s.affinit = true;
    if (c.Check[1])
        m_hooks->repere();
    if (marks.nbphotos() >= 1)
        m_hooks->lespoints();
}

} // namespace orbane
