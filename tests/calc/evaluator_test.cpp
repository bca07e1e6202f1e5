#include "calc/evaluator.h"
#include "calc/numbertext.h"

#include "printers.h"

#include <gtest/gtest.h>
#include <random>

using namespace orbane::calc;

namespace {

struct Case
{
    const char *name;
    const char *input;
    qint16 mode;
    qint16 code;
    const char *result; // number text expected with CodeOk
};

void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.name << " \"" << c.input << '"';
}

struct Outcome
{
    qint16 code;
    QString text;
};

Outcome evaluate(const QString &input, qint16 mode = Degres)
{
    QString text = input;
    qint16 code = -1;
    calcule(text, code, mode);
    return {code, text};
}

// What every evaluation must end with: a known code, and a number (or nothing) on success.
void expectWellFormed(const QString &input, const Outcome &out)
{
    ASSERT_GE(out.code, CodeOk) << qPrintable(input);
    ASSERT_LE(out.code, CodeOperators) << qPrintable(input);
    if (out.code == CodeOk) {
        EXPECT_TRUE(out.text.isEmpty() || isNumberText(out.text))
            << qPrintable(input) << " -> " << qPrintable(out.text);
    }
}

class EvaluatorCases : public ::testing::TestWithParam<Case>
{
};

TEST_P(EvaluatorCases, GivesCodeAndNumberText)
{
    const Case &c = GetParam();
    const Outcome out = evaluate(QString::fromUtf8(c.input), c.mode);
    ASSERT_EQ(out.code, c.code) << "text: " << qPrintable(out.text);
    if (c.code == CodeOk) {
        EXPECT_EQ(out.text, QString::fromUtf8(c.result));
    }
}

const Case kResults[] = {
    {"ProductBeforeSum", "2+3*4", Degres, CodeOk, "14"},
    {"BracketFirst", "(2+3)*4", Degres, CodeOk, "20"},
    {"PowersFromTheLeft", "2^3^2", Degres, CodeOk, "64"},
    {"MinusBelongsToTheNumber", "-2^2", Degres, CodeOk, "4"},
    {"SubtractionsFromTheLeft", "10-2-3", Degres, CodeOk, "5"},
    {"DivisionsFromTheLeft", "8/2/2", Degres, CodeOk, "2"},
    {"SubtractionThenSum", "10-2+3", Degres, CodeOk, "11"},
    {"SineInDegrees", "sin 30", Degres, CodeOk, ".5"},
    {"SineInRadians", "sin 30", Radians, CodeOk, "-.988031624092862"},
    {"ArcSineOfOneDegrees", "invsin 1", Degres, CodeOk, "90"},
    {"ArcSineOfOneRadians", "invsin 1", Radians, CodeOk, "1.5707963267949"},
    {"ArcSineOfMinusOne", "invSIN -1", Degres, CodeOk, "-90"},
    {"ArcSineOfHalf", "invSIN .5", Degres, CodeOk, "30"},
    {"ArcCosineOfZero", "invCOS 0", Degres, CodeOk, "90"},
    {"ArcTangentOfOne", "invTAN 1", Degres, CodeOk, "45"},
    {"CosineOf60", "cos 60", Degres, CodeOk, ".5"},
    {"DecimalLogarithm", "log 1000", Degres, CodeOk, "3"},
    {"NaturalLogOfOne", "ln 1", Degres, CodeOk, "0"},
    {"LogOfBracket", "ln (2+3)", Degres, CodeOk, "1.6094379124341"},
    {"SquareRootOfBracket", "SQR (9+16)", Degres, CodeOk, "5"},
    {"NestedFunctions", "SQR SQR 16", Degres, CodeOk, "2"},
    {"ExpOfZero", "exp 0", Degres, CodeOk, "1"},
    {"TenToThePower", "10 ^ 3", Degres, CodeOk, "1000"},
    {"Reciprocal", "1 / 4", Degres, CodeOk, ".25"},
    {"ExponentStaysInTheNumber", "2E3+1", Degres, CodeOk, "2001"},
    {"NegativeExponentStays", "1E-3*2", Degres, CodeOk, ".002"},
    {"UnitPrefixKeys", "5E+3-2E-3", Degres, CodeOk, "4999.998"},
    {"DoubleMinus", "3--2", Degres, CodeOk, "5"},
    {"PlusMinus", "3+-2", Degres, CodeOk, "1"},
    {"BracketBeforeSine", "sin (30+60)", Degres, CodeOk, "1"},
    {"SineBeforeBracket", "(sin 30+1)", Degres, CodeOk, "1.5"},
    {"NegativeBracketResult", "2*(0-3)", Degres, CodeOk, "-6"},
    {"MinusNegativeBracket", "2-(3-5)", Degres, CodeOk, "4"},
    {"NegativePowerInBracket", "2^(0-1)", Degres, CodeOk, ".5"},
    {"NegativeHalf", "-1/2", Degres, CodeOk, "-.5"},
    {"FifteenDigits", "2/3", Degres, CodeOk, ".666666666666667"},
    {"RoundedToFifteenDigits", ".1+.2", Degres, CodeOk, ".3"},
    {"LargeInExponentForm", "1E10*1E10", Degres, CodeOk, "1E+20"},
    {"SmallInExponentForm", "1/1000000", Degres, CodeOk, "1E-06"},
    {"ExpressionAsTheKeysWriteIt", "2 * sin 30 + 3.14159265358979", Degres, CodeOk,
     "4.14159265358979"},
    {"LowerAndUpperCase", "Sin 30*LOG 100", Degres, CodeOk, "1"},
    {"BlanksDoNotMatter", " 1 2 + 3 ", Degres, CodeOk, "15"},
    {"EmptyExpression", "", Degres, CodeOk, ""},
    {"PlainNumber", "42", Degres, CodeOk, "42"},
    {"EmptyRightOperandIsZero", "2+", Degres, CodeOk, "2"},
    {"DeepBracketsAroundANumber", "((((7))))", Degres, CodeOk, "7"},
};
INSTANTIATE_TEST_SUITE_P(Evaluator, EvaluatorCases, ::testing::ValuesIn(kResults),
                         [](const auto &p) { return std::string(p.param.name); });

const Case kFailures[] = {
    {"OpenBracketLeft", "(2+3", Degres, CodeBrackets, ""},
    {"CloseBracketLeft", "2+3)", Degres, CodeBrackets, ""},
    {"TwoStars", "2**3", Degres, CodeOperators, ""},
    {"TwoSlashes", "2//3", Degres, CodeOperators, ""},
    {"PowerOfProduct", "2^*3", Degres, CodeOperators, ""},
    {"TrailingProduct", "2*", Degres, CodeOperators, ""},
    {"BracketErrorWinsOverOperators", "(2**3", Degres, CodeBrackets, ""},
    {"DivisionByZero", "5/0", Degres, CodeImpossible, ""},
    {"SineAlone", "sin", Degres, CodeImpossible, ""},
    {"MinusAlone", "-", Degres, CodeImpossible, ""},
    {"RootOfNegative", "SQR -4", Degres, CodeImpossible, ""},
    {"LogOfZero", "ln 0", Degres, CodeImpossible, ""},
    {"LogOfNegative", "log (0-1)", Degres, CodeImpossible, ""},
    {"ArcSineAboveOne", "invsin 2", Degres, CodeImpossible, ""},
    {"ArcCosineBelowMinusOne", "invcos -1.5", Degres, CodeImpossible, ""},
    {"TowerOfPowers", "9^9^9^9", Degres, CodeImpossible, ""},
    {"ExpOverflow", "exp 1000", Degres, CodeImpossible, ""},
    {"ProductOverflow", "1E200*1E200", Degres, CodeImpossible, ""},
    {"RootOfNegativeBase", "(0-8)^(1/3)", Degres, CodeImpossible, ""},
    {"ZeroToNegativePower", "0^-1", Degres, CodeImpossible, ""},
    {"OperandTooLarge", "1E999+1", Degres, CodeImpossible, ""},
    {"Letters", "abc", Degres, CodeImpossible, ""},
    {"LettersInASum", "abc+1", Degres, CodeImpossible, ""},
    {"TwoPoints", "1.2.3", Degres, CodeImpossible, ""},
    {"ExponentWithoutDigits", "2E", Degres, CodeImpossible, ""},
    {"InvWithoutTrigonometry", "inv 5", Degres, CodeImpossible, ""},
    {"BracketsInsideOut", "1)+(2", Degres, CodeImpossible, ""},
    {"FunctionOfNothing", "log ()", Degres, CodeImpossible, ""},
};
INSTANTIATE_TEST_SUITE_P(EvaluatorMustFail, EvaluatorCases, ::testing::ValuesIn(kFailures),
                         [](const auto &p) { return std::string(p.param.name); });

} // namespace

TEST(EvaluatorSteps, NormaliseGivesTheCanonicalSpacedForm)
{
    const std::pair<const char *, const char *> cases[] = {
        {"2+3*4", " 2 + 3 * 4 "},
        {"1E-3*2", " 1E-3 * 2 "},
        {"2E+3", " 2E+3 "},
        {"invsin 1", " ISI 1 "},
        {"INVcos(1)", " ICO 1 "},
        {"inv tan 1", " ITA 1 "},
        {"ln5", " LON 5 "},
        {"ln ln 5", " LON LON 5 "},
        {"exp 1-sqr 2", " EXP 1 - SQR 2 "},
        {"3--2", " 3 + 2 "},
        {"2---3", " 2 - 3 "},
        {"+5", " 5 "},
        {"(-3.5)", " -3.5 "},
        {"((5))", " 5 "},
        {"sin(-30)", " SIN -30 "},
        {"2*-3", " 2 * -3 "},
        {"(2-3)", " (2 - 3) "},
        {"2 ^ -1", " 2 ^ -1 "},
        {"2**3", " 2 *  * 3 "},
        {"", "  "},
    };
    Evaluator ev;
    for (const auto &[input, canonical] : cases) {
        QString e = QString::fromLatin1(input);
        ev.normalise(e);
        EXPECT_EQ(e, QString::fromLatin1(canonical)) << input;
        ev.normalise(e);
        EXPECT_EQ(e, QString::fromLatin1(canonical)) << input << " (normalised twice)";
    }
}

TEST(EvaluatorSteps, CompteCountsBracketsFunctionsAndOperatorTokens)
{
    Evaluator ev;
    QString e = QStringLiteral("sin (2+3)*ln 4-2^(-1)");
    ev.normalise(e);
    ASSERT_EQ(e, QStringLiteral(" SIN (2 + 3) * LON 4 - 2 ^ -1 "));
    ev.compte(e);
    EXPECT_EQ(ev.nbpar, 1);
    EXPECT_EQ(ev.nbfonc, 2);
    EXPECT_EQ(ev.nbop, 4);
}

TEST(EvaluatorSteps, FonctionsSkipsAFunctionOfABracketUntilTheBracketIsGone)
{
    Evaluator ev;
    QString e = QStringLiteral("sin (30+60)+cos 60");
    ev.normalise(e);
    ev.compte(e);
    ev.fonctions(e, Degres);
    EXPECT_EQ(e, QStringLiteral(" SIN (30 + 60) + .5 "));
    EXPECT_EQ(ev.nbfonc, 1);
    ev.parentheses(e, Degres);
    EXPECT_EQ(e, QStringLiteral(" SIN 90 + .5 "));
}

TEST(EvaluatorSteps, AnEmptyDisplayStopsTheOperations)
{
    int asked = 0;
    bool empty = true;
    Evaluator ev([&] {
        ++asked;
        return empty;
    });
    QString e = QStringLiteral("2+3*4");
    qint16 code = -1;
    ev.calcule(e, code, Degres);
    EXPECT_EQ(code, CodeImpossible); // no progress in 100 rounds
    EXPECT_GT(asked, 0);

    empty = false;
    e = QStringLiteral("2+3*4");
    ev.calcule(e, code, Degres);
    EXPECT_EQ(code, CodeOk);
    EXPECT_EQ(e, QStringLiteral("14"));
}

TEST(EvaluatorRobustness, EveryPrefixOfAnExpressionEndsWell)
{
    const char *inputs[] = {
        "sin (30+60)*2^-1.5E-2",
        "invCOS (.5)-ln(2E3/4)+log 1000",
        "((1+2)*(3-4))/-5^2",
        "10 ^ SQR 4 * exp -1 + invTAN (1E+2) - 1 / 7",
    };
    for (const char *input : inputs) {
        const QString full = QString::fromLatin1(input);
        for (qsizetype n = 0; n <= full.size(); ++n) {
            const QString prefix = full.left(n);
            expectWellFormed(prefix, evaluate(prefix));
        }
        EXPECT_EQ(evaluate(full).code, CodeOk) << input;
    }
}

TEST(EvaluatorRobustness, RandomTextsEndWithAResultOrACode)
{
    const QString alphabet = QStringLiteral("0123456789.E+-*/^() SINCOSTAQRLGXPVNDé\t");
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<qsizetype> pick(0, alphabet.size() - 1);
    int successes = 0;
    for (int i = 0; i < 3000; ++i) {
        QString text;
        for (int n = length(rng); n > 0; --n)
            text += alphabet[pick(rng)];
        const Outcome out = evaluate(text, qint16(i % 2));
        expectWellFormed(text, out);
        successes += out.code == CodeOk;
    }
    EXPECT_GT(successes, 100); // the sweep reaches computed results, not only errors
}

TEST(EvaluatorRobustness, LongInputsFinish)
{
    QString sum = QStringLiteral("1");
    for (int i = 0; i < 3000; ++i)
        sum += QStringLiteral("+1");
    EXPECT_EQ(evaluate(sum).text, QStringLiteral("3001"));

    const QString nested = QString(2000, u'(') + QStringLiteral("1+1") + QString(2000, u')');
    EXPECT_EQ(evaluate(nested).text, QStringLiteral("2"));

    EXPECT_EQ(evaluate(QString(5001, u'-') + QStringLiteral("2")).text, QStringLiteral("-2"));

    QString chain;
    for (int i = 0; i < 500; ++i)
        chain += QStringLiteral("sin ");
    EXPECT_EQ(evaluate(chain + QStringLiteral("0")).text, QStringLiteral("0"));

    // Each bracketed function takes one round: past 100 rounds the evaluation gives up.
    const QString deep =
        QStringLiteral("sin (").repeated(150) + QStringLiteral("0") + QString(150, u')');
    EXPECT_EQ(evaluate(deep).code, CodeImpossible);
    const QString shallow =
        QStringLiteral("sin (").repeated(20) + QStringLiteral("0") + QString(20, u')');
    EXPECT_EQ(evaluate(shallow).text, QStringLiteral("0"));

    const QString junk = QStringLiteral("(*)INV").repeated(800);
    expectWellFormed(junk, evaluate(junk));
}
