#include "graphs/ranges.h"

#include <algorithm>
#include <cmath>

namespace orbane::graphs {

double Range::span() const { return mantissa * std::pow(10.0, exponent); }
double Range::division() const { return pasgrad * std::pow(10.0, exponent); }

static int pasgradOf(int mantissa)
{
    if (mantissa >= 3 && mantissa <= 9)
        return 1;
    if (mantissa >= 10 && mantissa <= 19)
        return 2;
    if (mantissa >= 20 && mantissa <= 29)
        return 5;
    return 0;
}

Range findRange(double maximum)
{
    Range r;
    if (!std::isfinite(maximum))
        return r;
    for (int e = -7; e <= 10 && r.mantissa == 0; ++e) {
        for (int k = 3; k <= 29; ++k) {
            if (k * std::pow(10.0, e) >= maximum) {
                r.mantissa = k;
                r.exponent = e;
                break;
            }
        }
    }
    r.pasgrad = pasgradOf(r.mantissa);
    if (r.pasgrad > 0 && r.mantissa % r.pasgrad != 0)
        r.mantissa += r.pasgrad - r.mantissa % r.pasgrad;
    return r;
}

Ranges computeRanges(const Flight &flight, const Choice &choice, double tvol)
{
    Ranges r;
    constexpr int kSteps = 240;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = tvol * i / kSteps;
        for (int q = 0; q < kQuantities; ++q) {
            if (!choice[q])
                continue;
            const double v = sampledValue(q, flight, t);
            if (!std::isfinite(v))
                continue;
            r.low = std::min(r.low, v);
            r.high = std::max(r.high, v);
        }
    }
    r.axeneg = r.low != 0.0;
    if (std::abs(r.low) > r.high)
        r.high = std::abs(r.low);
    if (r.high < 0.000001)
        r.high = 0.00001;
    r.time = findRange(tvol);
    r.value = findRange(r.high);
    if (r.axeneg)
        r.value.mantissa *= 2;
    return r;
}

} // namespace orbane::graphs
