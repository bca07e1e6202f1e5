#pragma once

#include <QString>
#include <optional>

// Every number the user sees is formatted here, with the French decimal comma whatever the
// machine's locale; every number the user types is read here.
namespace orbane::numfmt {

// Patterns of the form "###0.00" / "#######0.00": optional digits, no grouping, fixed decimals.
// A value that rounds to zero never shows a minus sign.
QString fixed(double value, int decimals = 2);

// "###0.00" of the parameter boxes.
inline QString box(double value) { return fixed(value, 2); }
// "#######0.00" of the read-outs of t, x and y.
inline QString readout(double value) { return fixed(value, 2); }

// The general number format: at most 15 significant digits, no trailing zeros, scientific
// notation for very small or very large values ("0,5", "2", "5E-05", "1E+15").
QString general(double value);

// Reads a number typed with the decimal comma (a point is accepted too); blanks around are
// skipped. Empty text, a lone sign or letters give no value.
std::optional<double> parse(const QString &text);

// Value of a text box: the number it holds, or the fallback when it holds none.
inline double parseOr(const QString &text, double fallback)
{
    return parse(text).value_or(fallback);
}

} // namespace orbane::numfmt
