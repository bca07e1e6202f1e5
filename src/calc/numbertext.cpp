#include "calc/numbertext.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <string>

namespace orbane::calc {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype skipDigits(QStringView t, qsizetype p)
{
    while (p < t.size() && isAsciiDigit(t[p]))
        ++p;
    return p;
}

// Decimal exponent of the first significant digit of "[-]digits[.digits][E[sign]digits]",
// saturated far beyond the range of a double. Only used to tell overflow from underflow.
long long magnitude(const std::string &number)
{
    long long intDigits = 0, leadingZeros = 0, exponent = 0;
    bool afterPoint = false, seenSignificant = false;
    std::size_t i = number[0] == '-' ? 1 : 0;
    for (; i < number.size() && number[i] != 'E' && number[i] != 'e'; ++i) {
        if (number[i] == '.') {
            afterPoint = true;
        } else if (!seenSignificant && number[i] == '0') {
            ++leadingZeros;
            intDigits += afterPoint ? 0 : 1;
        } else {
            seenSignificant = true;
            intDigits += afterPoint ? 0 : 1;
        }
    }
    const bool negativeExponent = i + 1 < number.size() && number[i + 1] == '-';
    for (; i < number.size(); ++i) {
        if (number[i] >= '0' && number[i] <= '9')
            exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000LL);
    }
    const long long firstDigit = intDigits - 1 - leadingZeros;
    return firstDigit + (negativeExponent ? -exponent : exponent);
}

} // namespace

NumberPrefix scanNumber(QStringView text)
{
    NumberPrefix r;
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    r.start = i;

    qsizetype p = i;
    if (p < text.size() && text[p] == u'-')
        ++p;
    const qsizetype mantissa = p;
    p = skipDigits(text, p);
    qsizetype digits = p - mantissa;
    if (p < text.size() && text[p] == u'.') {
        const qsizetype fraction = p + 1;
        p = skipDigits(text, fraction);
        digits += p - fraction;
    }
    if (digits == 0)
        return r;

    // An exponent counts only with at least one digit: "1E" and "1E+" read as 1.
    if (p < text.size() && (text[p] == u'E' || text[p] == u'e')) {
        qsizetype q = p + 1;
        if (q < text.size() && (text[q] == u'+' || text[q] == u'-'))
            ++q;
        const qsizetype end = skipDigits(text, q);
        if (end > q)
            p = end;
    }
    r.length = p - i;

    const std::string ascii = text.mid(i, r.length).toLatin1().toStdString();
    double value = 0.0;
    const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        if (magnitude(ascii) > 0)
            r.overflow = true;
        value = 0.0;
    }
    r.value = value;
    return r;
}

std::optional<double> readNumber(QStringView text)
{
    const NumberPrefix p = scanNumber(text);
    if (p.overflow)
        return std::nullopt;
    return p.value;
}

std::optional<double> readOperand(QStringView text)
{
    if (text.isEmpty())
        return 0.0;
    const NumberPrefix p = scanNumber(text);
    if (p.start != 0 || p.length != text.size() || p.overflow)
        return std::nullopt;
    return p.value;
}

bool isNumberText(QStringView text)
{
    const QString t = trimBlanks(text);
    const NumberPrefix p = scanNumber(t);
    return !t.isEmpty() && p.length == t.size();
}

QString numberText(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");

    // 15 significant digits, then trailing zeros dropped.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    const std::string sci(buf, res.ptr);
    const bool negative = sci[0] == '-';
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < ePos; ++i) {
        if (sci[i] != '.')
            digits += sci[i];
    }
    const int exponent = std::stoi(sci.substr(ePos + 1));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= 15 || exponent < -5) {
        out += digits[0];
        if (digits.size() > 1)
            out += "." + digits.substr(1);
        const std::string e = std::to_string(std::abs(exponent));
        out += exponent < 0 ? "E-" : "E+";
        out += (e.size() < 2 ? "0" : "") + e;
    } else if (exponent >= 0) {
        const std::size_t intDigits = std::size_t(exponent) + 1;
        if (digits.size() <= intDigits) {
            out += digits + std::string(intDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, intDigits) + "." + digits.substr(intDigits);
        }
    } else {
        out += "." + std::string(std::size_t(-exponent - 1), '0') + digits;
    }
    return QString::fromLatin1(out);
}

QString spacedNumber(double value)
{
    const QString text = numberText(value);
    return value < 0.0 ? text : QLatin1Char(' ') + text;
}

QString scientificText(double value)
{
    // "#.#######E+00": one digit, up to seven decimals without trailing zeros, the separator
    // kept even when no decimal remains.
    static const QLocale french(QLocale::French);
    const QString formatted = french.toString(value == 0.0 ? 0.0 : value, 'e', 7);
    const qsizetype e = formatted.lastIndexOf(QLatin1Char('E'), -1, Qt::CaseInsensitive);
    QString mantissa = formatted.left(e);
    while (mantissa.endsWith(QLatin1Char('0')))
        mantissa.chop(1);
    QString text = mantissa + QLatin1Char('E') + formatted.mid(e + 1);
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma >= 0)
        text[comma] = QLatin1Char('.');
    return text;
}

QString trimBlanks(QStringView text)
{
    qsizetype b = 0, e = text.size();
    while (b < e && text[b] == u' ')
        ++b;
    while (e > b && text[e - 1] == u' ')
        --e;
    return text.mid(b, e - b).toString();
}

} // namespace orbane::calc
