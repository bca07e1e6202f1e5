#include "core/drag.h"
#include "core/numberformat.h"
#include "core/simulation.h"
#include "core/tables.h"

#include <algorithm>
#include <array>

namespace orbane {

namespace {

struct DragBoxRule
{
    QString Controls::*text;
    double min, max;
    double (*standard)(const Controls &); // the value of an empty box
};

constexpr double kStandardK = 0.05; // kg.s-1: the ballon's τ = m/k of 9 s
double standardK(const Controls &)
{
    return kStandardK;
}
double standardCx(const Controls &c)
{
    return projectile(c.Combo2).dragCoefficient;
}
double standardRho(const Controls &c)
{
    return place(c.Combo1).airDensity;
}

// k (kg.s-1), Cx, ρ (kg.m-3): a typed value out of its range is brought to the nearest limit.
constexpr double kMaxK = 5.0, kMaxCx = 2.0, kMaxRho = 2.0;
const std::array<DragBoxRule, 3> kDragBoxes = {{
    {&Controls::dragK, 0.0, kMaxK, &standardK},
    {&Controls::dragCx, 0.0, kMaxCx, &standardCx},
    {&Controls::dragRho, 0.0, kMaxRho, &standardRho},
}};

const DragBoxRule &rule(DragBox box)
{
    return kDragBoxes.at(std::size_t(box));
}

} // namespace

bool Simulation::dragActive() const
{
    return m_c.drag && place(m_c.Combo1).airDensity > 0.0;
}

double Simulation::dragValue(DragBox box) const
{
    const DragBoxRule &r = rule(box);
    const QString &text = m_c.*r.text;
    return text.isEmpty() ? r.standard(m_c) : numfmt::parseOr(text, 0.0);
}

QString Simulation::dragText(DragBox box) const
{
    const QString &text = m_c.*rule(box).text;
    return text.isEmpty() ? numfmt::box(dragValue(box)) : text;
}

DragLaw Simulation::dragLaw() const
{
    auto value = [this](DragBox b) { return dragValue(b); };
    if (m_c.dragLinear)
        return DragLaw::linear(value(DragBox::K));
    return DragLaw::quadratic(value(DragBox::Rho), value(DragBox::Cx),
                              projectile(m_c.Combo2).diameter);
}

// A place without air takes the option away.
void Simulation::placeDragDefaults()
{
    m_c.dragRho.clear();
    if (!place(m_c.Combo1).airDensity)
        m_c.drag = false;
    dropDragWork();
}

// W(f) has no curve in the vacuum.
void Simulation::dropDragWork()
{
    if (!dragActive())
        m_c.Check13[std::size_t(kDragWork)] = false;
}

void Simulation::dragBox_Change(DragBox box, const QString &text)
{
    if (refuses(FixableSetting::Display))
        return;
    m_c.*rule(box).text = text;
}

void Simulation::dragBox_LostFocus(DragBox box)
{
    if (refuses(FixableSetting::Display))
        return;
    const DragBoxRule &r = rule(box);
    if (!(m_c.*r.text).isEmpty()) // an empty box keeps following its default
        m_c.*r.text = numfmt::box(std::clamp(dragValue(box), r.min, r.max));
    emit changed();
}

void Simulation::dragModel_Click(bool linear)
{
    if (refuses(FixableSetting::Display))
        return;
    m_c.dragLinear = linear;
    emit changed();
}

// A tick of a flight in the air: the motion read at t from its integration, each ground contact
// passed sounded, and the rest once its last contact is reached.
void Simulation::airTick(const DragFlight &f)
{
    const double t = std::min(double(m_s.temps), f.end());
    const DragState at = f.at(t).state;
    m_s.xy[0] = at.x;
    m_s.xy[1] = std::max(at.y, 0.0);
    m_d.projLeft = scene::leftOf(m_s.xy[0]);
    m_d.projTop = scene::topOf(m_s.xy[1]);
    showReadouts(t, m_s.xy[0], m_s.xy[1]);

    const auto &contacts = f.contacts();
    for (; m_airContacts < contacts.size() && contacts[m_airContacts].t <= t; ++m_airContacts) {
        playImpact();
        if (m_airContacts == 0)
            emit landed();
        else
            emit bounced();
    }
    const bool atRest = t >= f.end();
    if (atRest) {
        m_s.temps = 0.0f;
        endOfMotion();
    }
    endOfTick(!atRest);
}

// Integrated once per launch and law: the tick, the vectors and the graphs read the same one.
std::shared_ptr<const DragFlight> Simulation::airFor(const Flight &from) const
{
    const DragLaw law = dragLaw();
    const bool bounces = projectile(m_c.Combo2).bounces;
    const AirKey key{from.x0,    from.y0,  from.vox,        from.voy, from.g,
                     from.masse, law.kind, law.coefficient, bounces};
    if (m_airKey != key) {
        m_air = std::make_shared<const DragFlight>(from, law, bounces);
        m_airKey = key;
    }
    return m_air;
}

} // namespace orbane
