#pragma once

#include "graphs/quantities.h"

namespace orbane::graphs {

// An axis range mantissa·10^exponent with its division pasgrad·10^exponent. A mantissa of 0
// means no range was found.
struct Range
{
    int mantissa = 0; // echt / echy
    int exponent = 0; // expt / expy
    int pasgrad = 0;  // division step multiplier: 1, 2 or 5

    bool found() const { return mantissa > 0 && pasgrad > 0; }
    double span() const;     // mantissa·10^exponent
    double division() const; // pasgrad·10^exponent
    bool operator==(const Range &) const = default;
};

// The smallest k·10^e (k = 3..29, e = -7..10) not below `maximum`, with its division step and
// the mantissa rounded up to a multiple of the step (11 -> 12, 23 -> 25, 26 -> 30).
Range findRange(double maximum);

// Everything the frame of a graph needs: the sampled extremes and both ranges.
struct Ranges
{
    double low = 0.0, high = 0.0; // extremes of the sampled values (high after raising)
    bool axeneg = false;          // some value is negative: the zero line is in the middle
    Range time, value;            // value.mantissa is doubled when axeneg

    bool found() const { return time.found() && value.found(); }
};

// Samples the chosen quantities at 241 times from 0 to tvol and derives both ranges.
Ranges computeRanges(const Flight &flight, const Choice &choice, double tvol);

} // namespace orbane::graphs
