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

void Simulation::TextN_Change(int box, const QString &text)
{
    if (!refuses(boxSetting(box)))
        setBox(box, text);
}

void Simulation::chrono_Change(const QString &text)
{
    if (!refuses(FixableSetting::Interval))
        m_c.chrono = text;
}

void Simulation::TextN_GotFocus(int)
{
    if (!m_c.Check[1])
        Check_Click(1, true);
}

void Simulation::TextN_LostFocus(int box)
{
    if (refuses(boxSetting(box)))
        return;
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
    m_d.projVisible = true;
    if (clearAlways || !m_s.affinit)
        retico();
    m_d.check1Enabled = true;
    command18_Click();
}

void Simulation::Text1_LostFocus()
{
    if (const auto x0 = m_launch.x0)
        m_d.projLeft = std::clamp(scene::leftOf(*x0), kLeftMin, kLeftMax);
    m_d.ombreLeft = m_d.projLeft;
    setBox(1, numfmt::box(scene::xOfLeft(m_d.projLeft)));
    applyParameterChange(true);
}

void Simulation::Text2_LostFocus()
{
    if (const auto y0 = m_launch.y0)
        m_d.projTop = std::clamp(scene::topOf(*y0), kTopMin, kTopMax);
    setBox(2, numfmt::box(scene::yOfTop(m_d.projTop)));
    applyParameterChange(false);
}

// v and a: text that is not a number reads as 0.
void Simulation::Text3_LostFocus()
{
    const double v = std::clamp(m_launch.v.value_or(0.0), 0.0, 20.0);
    setBox(3, numfmt::box(v));
    voxvoy();
    applyParameterChange(true);
}

void Simulation::Text4_LostFocus()
{
    double a = std::clamp(m_launch.alpha.value_or(0.0), -180.0, 180.0);
    if (std::abs(a) < 5.0)
        a = 0.0;
    setBox(4, numfmt::box(a));
    voxvoy();
    applyParameterChange(false);
}

Simulation::KeyResult Simulation::chrono_KeyPress(QChar key) const
{
    return key.isDigit() || key == QChar(8) ? KeyResult::Accept : KeyResult::Swallow;
}

void Simulation::chrono_LostFocus()
{
    const double value = numfmt::parseOr(m_c.chrono, 0.0);
    if (value < 10.0)
        m_c.chrono = QStringLiteral("10");
    else if (value > 5000.0)
        m_c.chrono = QStringLiteral("5000");
    else
        m_c.chrono = QString::number(qint64(value));
    emit changed();
}

void Simulation::projectile_MouseMove(bool leftOnly, bool anyButton, int x, int y)
{
    if (!anyButton) {
        m_s.glisse = 0;
        return;
    }
    if (!leftOnly)
        return;
    if (m_s.glisse == 0) {
        m_s.glissex = qint16(x);
        m_s.glissey = qint16(y);
        m_s.glisse = 1;
    }
    dragProjectileTo(m_d.projLeft + x - m_s.glissex, m_d.projTop + y - m_s.glissey);
}

void Simulation::projectile_KeyMove(double dx, double dy)
{
    if (m_d.timer1)
        return;
    dragProjectileTo(m_d.projLeft + dx * scene::kPixelsPerMetre,
                     m_d.projTop - dy * scene::kPixelsPerMetre);
}

// A fixed x0 or y0 keeps its axis: the drag moves the start along the other one only.
void Simulation::dragProjectileTo(double left, double top)
{
    const bool xFree = m_locks.isFree(FixableSetting::X0);
    const bool yFree = m_locks.isFree(FixableSetting::Y0);
    if (!xFree && !yFree)
        return;
    setTimer(false);
    m_d.projVisible = true;
    m_d.command3Enabled = true;
    m_d.command5Enabled = true;
    if (!m_s.affinit)
        retico();
    m_d.check1Enabled = true;
    m_s.temps = 0.0f;
    m_s.enrebond = 0;
    if (xFree) {
        m_d.projLeft = std::clamp(left, kLeftMin, kLeftMax);
        setBox(1, numfmt::box(scene::xOfLeft(m_d.projLeft)));
    }
    if (yFree) {
        m_d.projTop = std::clamp(top, kTopMin, kTopMax);
        setBox(2, numfmt::box(scene::yOfTop(m_d.projTop)));
    }
    m_d.ombreLeft = m_d.projLeft;
    showReadouts(m_s.temps, m_launch.x0.value_or(0.0), m_launch.y0.value_or(0.0));
    plusbouton();
    emit changed();
}

void Simulation::voxvoy()
{
    const auto a = m_launch.alpha;
    const auto v = m_launch.v;
    if (!a || !v)
        return;
    const double rad = *a * kPi / 180.0;
    m_s.vox = float(*v * std::cos(rad));
    m_s.voy = float(*v * std::sin(rad));
}

void Simulation::retico()
{
    m_d.command3Enabled = true;
    m_d.command5Enabled = true;
    m_hooks->clearScene();
    m_s.affinit = true;
    if (m_c.Check[1])
        m_hooks->repere();
    m_hooks->lespoints(); // the marks, when there are any
}

} // namespace orbane
