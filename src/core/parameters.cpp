#include "core/numberformat.h"
#include "core/simulation.h"

#include <cmath>

namespace orbane {

// The program's value of pi for angles typed in degrees.
static constexpr double kPi = 3.1415927;

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
