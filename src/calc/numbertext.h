#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The calculator's number texts: "." as separator, the letter E for exponents, at most 15
// significant digits. Independent of the machine's locale.
namespace orbane::calc {

// The longest number at the start of a text (after leading blanks): an optional minus, digits
// with an optional ".", an optional exponent E, sign, digits.
struct NumberPrefix
{
    qsizetype start = 0;  // first character of the number (leading blanks skipped)
    qsizetype length = 0; // 0 when the text does not start with a number
    double value = 0.0;
    bool overflow = false; // too large for a double
};
NumberPrefix scanNumber(QStringView text);

// Reads a text the way the calculator's window does: the longest numeric prefix, 0 when there
// is none. No value when the number is too large for a double.
std::optional<double> readNumber(QStringView text);

// Reads an operand of the evaluator: empty text reads as 0; anything else must be a whole
// number text. No value when it is not one or is too large.
std::optional<double> readOperand(QStringView text);

// True when the whole text (blanks excepted at both ends) is one number text.
bool isNumberText(QStringView text);

// Shortest text with at most 15 significant digits: "14", ".5", "-.5", "1E+20", "1E-05".
// value must be finite.
QString numberText(double value);

// The standard display: number text with a leading blank when the value is not negative.
QString spacedNumber(double value);

// The scientific display "#.#######E+00", formatted in French then given a "." separator.
QString scientificText(double value);

// Blanks (spaces only) removed at both ends.
QString trimBlanks(QStringView text);

} // namespace orbane::calc
