#include "calc/evaluator.h"

#include "calc/numbertext.h"

#include <array>
#include <cmath>

namespace orbane::calc {

namespace {

const double kPi = 4.0 * std::atan(1.0);

double toRadians(double x, qint16 mode)
{
    return mode == Degres ? x * kPi / 180.0 : x;
}
double fromRadians(double x, qint16 mode)
{
    return mode == Degres ? x * 180.0 / kPi : x;
}

double arcSine(double x)
{
    if (x == 1.0)
        return 2.0 * std::atan(1.0);
    if (x == -1.0)
        return -2.0 * std::atan(1.0);
    if (std::abs(x) > 1.0)
        throw CalcFailure("arc sine outside -1..1");
    return std::atan(x / std::sqrt(1.0 - x * x));
}

double positive(double x, const char *what)
{
    if (!(x > 0.0))
        throw CalcFailure(what);
    return x;
}

struct Function
{
    char16_t code[4];
    double (*apply)(double x, qint16 mode);
};

// The ten three-letter codes of the canonical form.
const std::array<Function, 10> kFunctions{{
    {u"SQR",
     [](double x, qint16) {
         if (x < 0.0)
             throw CalcFailure("square root of a negative number");
         return std::sqrt(x);
     }},
    {u"EXP", [](double x, qint16) { return std::exp(x); }},
    {u"LON", [](double x, qint16) { return std::log(positive(x, "logarithm")); }},
    {u"LOG", [](double x, qint16) { return std::log(positive(x, "logarithm")) / std::log(10.0); }},
    {u"SIN", [](double x, qint16 m) { return std::sin(toRadians(x, m)); }},
    {u"COS", [](double x, qint16 m) { return std::cos(toRadians(x, m)); }},
    {u"TAN", [](double x, qint16 m) { return std::tan(toRadians(x, m)); }},
    {u"ISI", [](double x, qint16 m) { return fromRadians(arcSine(x), m); }},
    {u"ICO", [](double x, qint16 m) { return fromRadians(2.0 * std::atan(1.0) - arcSine(x), m); }},
    {u"ITA", [](double x, qint16 m) { return fromRadians(std::atan(x), m); }},
}};

// Index of the function code starting at i, or -1.
int functionAt(const QString &e, qsizetype i)
{
    if (i < 0 || i + 3 > e.size() || !QStringView(u"SELCTI").contains(e[i]))
        return -1;
    const QStringView three = QStringView(e).mid(i, 3);
    for (std::size_t f = 0; f < kFunctions.size(); ++f) {
        if (three == QStringView(kFunctions[f].code, 3))
            return int(f);
    }
    return -1;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isOperator(QChar c)
{
    return c == u'^' || c == u'*' || c == u'/' || c == u'+' || c == u'-';
}

// A blank-operator-blank token starts at i.
bool tokenAt(const QString &e, qsizetype i)
{
    return i + 2 < e.size() && e[i] == u' ' && isOperator(e[i + 1]) && e[i + 2] == u' ';
}

double finite(double v)
{
    if (!std::isfinite(v))
        throw CalcFailure("overflow or undefined value");
    return v;
}

double read(QStringView operand)
{
    const std::optional<double> v = readOperand(operand);
    if (!v)
        throw CalcFailure("value cannot be read");
    return *v;
}

double binary(QChar op, double a, double b)
{
    switch (op.unicode()) {
    case u'^':
        return std::pow(a, b);
    case u'/':
        if (b == 0.0)
            throw CalcFailure("division by zero");
        return a / b;
    case u'*':
        return a * b;
    case u'-':
        return a - b;
    default:
        return a + b;
    }
}

QString upperWithoutBlanks(const QString &e)
{
    QString t = e.toUpper();
    t.remove(QLatin1Char(' '));
    return t;
}

// One left-to-right pass of "--" -> "+", "+-" -> "-", "-+" -> "-", "++" -> "+", the four tests
// made in turn at each position on the text as already changed.
QString collapseSigns(const QString &t)
{
    const auto isSign = [](QChar c) { return c == u'+' || c == u'-'; };
    bool pair = false;
    for (qsizetype i = 1; i < t.size() && !pair; ++i)
        pair = isSign(t[i]) && isSign(t[i - 1]);
    if (!pair)
        return t;
    QString out;
    out.reserve(t.size());
    qsizetype j = 0;
    while (j < t.size()) {
        QChar c = t[j++];
        const auto rule = [&](char16_t a, char16_t b, char16_t r) {
            if (c == a && j < t.size() && t[j] == b) {
                c = r;
                ++j;
            }
        };
        rule(u'-', u'-', u'+');
        rule(u'+', u'-', u'-');
        rule(u'-', u'+', u'-');
        rule(u'+', u'+', u'+');
        out += c;
    }
    return out;
}

// Brackets around a plain number go: "(-3.5)" becomes "-3.5".
QString unwrapPlainNumbers(const QString &t)
{
    if (!t.contains(QLatin1Char('(')))
        return t;
    QString out;
    out.reserve(t.size());
    qsizetype i = 0;
    while (i < t.size()) {
        if (t[i] == u'(') {
            qsizetype j = i + 1;
            if (j < t.size() && (t[j] == u'+' || t[j] == u'-'))
                ++j;
            qsizetype k = j;
            while (k < t.size() && (isDigit(t[k]) || t[k] == u'.'))
                ++k;
            if (k > j && k < t.size() && t[k] == u')') {
                out += QStringView(t).mid(i + 1, k - i - 1);
                i = k + 1;
                continue;
            }
        }
        out += t[i++];
    }
    return out;
}

const char16_t *inverseCode(QStringView trig)
{
    if (trig == u"SIN")
        return u"ISI ";
    if (trig == u"COS")
        return u"ICO ";
    if (trig == u"TAN")
        return u"ITA ";
    return nullptr;
}

} // namespace

Evaluator::Evaluator(DisplayEmpty displayEmpty) : m_displayEmpty(std::move(displayEmpty)) {}

void Evaluator::calcule(QString &expression, qint16 &code, qint16 mode)
{
    code = CodeOk;
    try {
        normalise(expression);
        verifie(expression, code);
        if (code != CodeOk)
            return;
        compte(expression);
        QString previous;
        for (int round = 1;; ++round) {
            if (expression == previous)
                normalise(expression);
            previous = expression;
            if (round > kMaxRounds) {
                code = CodeImpossible;
                return;
            }
            if (nbfonc > 0) {
                fonctions(expression, mode);
                normalise(expression);
            }
            if (nbpar > 0)
                parentheses(expression, mode);
            compte(expression);
            if (nbfonc > 0 || nbpar > 0)
                continue;
            if (nbop > 0) {
                operations(expression);
                compte(expression);
                if (nbop > 0)
                    continue;
            }
            expression = trimBlanks(expression);
            // What is left must be the number it claims to be: stray letters or a second
            // point would otherwise pass for a result.
            if (expression.contains(QLatin1Char(' ')) ||
                (!expression.isEmpty() && !isNumberText(expression)))
                code = CodeImpossible;
            return;
        }
    } catch (const CalcFailure &) {
        code = CodeImpossible;
    }
}

void Evaluator::normalise(QString &expression)
{
    QString t = upperWithoutBlanks(expression);
    for (;;) {
        const QString before = t;
        t = collapseSigns(t);
        if (t.startsWith(QLatin1Char('+')))
            t.remove(0, 1);
        t = unwrapPlainNumbers(t);
        if (t == before)
            break;
    }
    expression = t;
    decoupe(expression);
}

void Evaluator::decoupe(QString &expression)
{
    QString t = upperWithoutBlanks(expression);
    if (t.startsWith(QLatin1Char('+')))
        t.remove(0, 1);
    t = QLatin1Char(' ') + t + QLatin1Char(' ');

    // Built into a new text rather than in place: same result, linear time.
    QString out;
    out.reserve(t.size() * 3);
    const QStringView v(t);
    qsizetype i = 0;
    while (i < t.size()) {
        if (functionAt(t, i) >= 0) {
            out += v.mid(i, 3);
            out += QLatin1Char(' ');
            i += 3;
            continue;
        }
        if (t[i] == u'L' && v.mid(i, 2) == u"LN") {
            out += QLatin1String("LON ");
            i += 2;
            continue;
        }
        if (t[i] == u'I' && v.mid(i, 3) == u"INV") {
            if (const char16_t *code = inverseCode(v.mid(i + 3, 3))) {
                out += QStringView(code);
                i += 6;
                continue;
            }
        }
        const QChar c = t[i];
        const QChar before = out.isEmpty() ? QChar() : out.back();
        if (c == u'^' || c == u'*' || c == u'/' || (c == u'+' && before != u'E') ||
            (c == u'-' && before != u'E' && before != u'(' && before != u' ')) {
            out += QLatin1Char(' ');
            out += c;
            out += QLatin1Char(' ');
        } else {
            out += c;
        }
        ++i;
    }
    expression = out;
}

void Evaluator::verifie(const QString &expression, qint16 &code)
{
    qsizetype open = 0, close = 0;
    for (qsizetype i = 0; i < expression.size(); ++i) {
        const QChar c = expression[i];
        open += c == u'(';
        close += c == u')';
        if ((c == u'*' || c == u'/' || c == u'^') && i + 2 < expression.size() &&
            expression[i + 2] == u' ')
            code = CodeOperators;
    }
    if (open != close)
        code = CodeBrackets;
}

void Evaluator::compte(const QString &expression)
{
    nbpar = nbfonc = nbop = 0;
    for (qsizetype i = 0; i < expression.size(); ++i) {
        nbpar += expression[i] == u'(';
        nbop += tokenAt(expression, i);
        nbfonc += functionAt(expression, i) >= 0;
    }
}

void Evaluator::fonctions(QString &expression, qint16 mode)
{
    QString &e = expression;
    qsizetype i = 1;
    while (i < e.size()) {
        const int f = functionAt(e, i);
        const qsizetype arg = i + 4;
        if (f < 0 || arg >= e.size() || !(isDigit(e[arg]) || e[arg] == u'-' || e[arg] == u'.')) {
            ++i; // not a function, or its argument is not reduced yet
            continue;
        }
        qsizetype end = arg;
        while (end < e.size() && e[end] != u')' && e[end] != u' ')
            ++end;
        const double x = read(QStringView(e).mid(arg, end - arg));
        const double value = finite(kFunctions[std::size_t(f)].apply(x, mode));
        e.replace(i, end - i, numberText(value));
        if (--nbfonc <= 0)
            return;
        i = 1;
    }
}

void Evaluator::parentheses(QString &expression, qint16 /*mode*/)
{
    for (;;) {
        const qsizetype open = expression.lastIndexOf(QLatin1Char('('));
        if (open < 0)
            return;
        const qsizetype close = expression.indexOf(QLatin1Char(')'), open + 1);
        if (close < 0)
            throw CalcFailure("unmatched bracket");
        QString inner = expression.mid(open + 1, close - open - 1);
        for (const QChar c : inner) {
            if (c >= u'F' && c <= u'Y')
                return; // a function inside: fonctions reduces it first
        }
        normalise(inner);
        operations(inner);
        expression.replace(open, close - open + 1, inner);
        --nbpar;
        normalise(expression);
        if (nbpar <= 0)
            return;
    }
}

void Evaluator::operations(QString &expression)
{
    static const std::array<QString, 5> kTokens{QStringLiteral(" ^ "), QStringLiteral(" / "),
                                                QStringLiteral(" * "), QStringLiteral(" - "),
                                                QStringLiteral(" + ")};

    QString &e = expression;
    normalise(e);
    // Tokens left of each operator: a pass with none left is not scanned again. A replacement
    // removes exactly one token (number texts hold no blank).
    std::array<qsizetype, 5> left{};
    for (std::size_t k = 0; k < kTokens.size(); ++k)
        left[k] = e.mid(2).count(kTokens[k]);
    std::size_t pass = 0;
    while (pass < kTokens.size()) {
        // Emptying the display stops the evaluation; nothing can change it within one scan.
        if (m_displayEmpty && m_displayEmpty())
            return;
        const qsizetype p = left[pass] > 0 ? e.indexOf(kTokens[pass], 2) : -1;
        if (p < 0) {
            ++pass;
            continue;
        }
        --left[pass];
        const qsizetype from = e.lastIndexOf(QLatin1Char(' '), p - 1) + 1;
        qsizetype to = e.indexOf(QLatin1Char(' '), p + 3);
        if (to < 0)
            to = e.size();
        const double a = read(QStringView(e).mid(from, p - from));
        const double b = read(QStringView(e).mid(p + 3, to - p - 3));
        const double value = finite(binary(e[p + 1], a, b));
        e.replace(from, to - from, numberText(value));
        if (--nbop == 0)
            return;
        pass = 0; // one operation at a time, then the priorities again from " ^ "
    }
}

void calcule(QString &expression, qint16 &code, qint16 mode, DisplayEmpty displayEmpty)
{
    Evaluator(std::move(displayEmpty)).calcule(expression, code, mode);
}

} // namespace orbane::calc
