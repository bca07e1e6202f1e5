#include "graphs/ranges.h"

#include <algorithm>
#include <array>
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

namespace {

// Relative to the largest value of a curve, what is still rounding: y at the landing comes out
// as -6e-14 m instead of 0.
constexpr double kRounding = 1e-9;

struct Extremes
{
    double low = 0.0, high = 0.0;
};

// The extremes of one quantity's 241 samples, a value within rounding of zero counting as zero.
Extremes sampleExtremes(int q, const Flight &flight, double tvol)
{
    constexpr int kSteps = 240;
    std::array<double, kSteps + 1> values{};
    double largest = 0.0;
    for (int i = 0; i <= kSteps; ++i) {
        values[i] = sampledValue(q, flight, tvol * i / kSteps);
        if (std::isfinite(values[i]))
            largest = std::max(largest, std::abs(values[i]));
    }
    Extremes e;
    for (double v : values) {
        if (!std::isfinite(v))
            continue;
        if (std::abs(v) <= kRounding * largest)
            v = 0.0;
        e.low = std::min(e.low, v);
        e.high = std::max(e.high, v);
    }
    return e;
}

} // namespace

Ranges computeRanges(const Flight &flight, const Choice &choice, double tvol)
{
    Ranges r;
    for (int q = 0; q < kQuantities; ++q) {
        if (!choice[q])
            continue;
        const Extremes e = sampleExtremes(q, flight, tvol);
        r.low = std::min(r.low, e.low);
        r.high = std::max(r.high, e.high);
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
