#include "calc/numbertext.h"

#include "printers.h"
#include <cmath>

#include <gtest/gtest.h>
#include <limits>

using namespace orbane::calc;

TEST(CalcNumberText, AtMostFifteenSignificantDigitsShortestForm)
{
    const std::pair<double, const char *> cases[] = {
        {14.0, "14"},
        {0.5, ".5"},
        {-0.5, "-.5"},
        {-0.0, "0"},
        {0.0, "0"},
        {4.0 * std::atan(1.0), "3.14159265358979"},
        {2.0 / 3.0, ".666666666666667"},
        {0.1 + 0.2, ".3"},
        {1234.5, "1234.5"},
        {123456789012345.0, "123456789012345"},
        {999999999999999.9, "1E+15"},
        {1234567890123456.0, "1.23456789012346E+15"},
        {1e20, "1E+20"},
        {-2.5e-300, "-2.5E-300"},
        {1e-5, ".00001"},
        {1.5e-6, "1.5E-06"},
        {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
    };
    for (const auto &[value, text] : cases)
        EXPECT_EQ(numberText(value), QString::fromLatin1(text)) << value;
}

TEST(CalcNumberText, StandardDisplayHasABlankUnlessNegative)
{
    EXPECT_EQ(spacedNumber(5.0), QStringLiteral(" 5"));
    EXPECT_EQ(spacedNumber(0.5), QStringLiteral(" .5"));
    EXPECT_EQ(spacedNumber(-2.0), QStringLiteral("-2"));
    EXPECT_EQ(spacedNumber(0.0), QStringLiteral(" 0"));
}

TEST(CalcNumberText, ScientificDisplayKeepsTheSeparatorAndUsesAPoint)
{
    const std::pair<double, const char *> cases[] = {
        {1234.5, "1.2345E+03"},
        {1000.0, "1.E+03"},
        {-0.00012345, "-1.2345E-04"},
        {123456789.0, "1.2345679E+08"},
        {9.999999999, "1.E+01"},
        {1e300, "1.E+300"},
        {0.0, "0.E+00"},
        {6.0, "6.E+00"},
    };
    for (const auto &[value, text] : cases)
        EXPECT_EQ(scientificText(value), QString::fromLatin1(text)) << value;
}

TEST(CalcNumberText, ReadingTakesTheLongestNumericPrefix)
{
    const std::pair<const char *, double> cases[] = {
        {"2E3", 2000.0},
        {" 1234.5", 1234.5},
        {"1.2345E+03", 1234.5},
        {"-.5", -0.5},
        {"5.", 5.0},
        {"1E", 1.0},
        {"1E+", 1.0},
        {"2 * 3", 2.0},
        {"1.2.3", 1.2},
        {"", 0.0},
        {"Calcul impossible", 0.0},
        {"-", 0.0},
        {".", 0.0},
        {"1E-999", 0.0},
        {"0.000E99999", 0.0},
        {"7e2", 700.0},
    };
    for (const auto &[text, value] : cases) {
        const std::optional<double> v = readNumber(QString::fromLatin1(text));
        ASSERT_TRUE(v.has_value()) << text;
        EXPECT_DOUBLE_EQ(*v, value) << text;
    }
    for (const char *tooLarge : {"1E999", "-1E309", "1.8E308", "1E99999999999999999999"})
        EXPECT_FALSE(readNumber(QString::fromLatin1(tooLarge)).has_value()) << tooLarge;
}

TEST(CalcNumberText, OperandsMustBeWholeNumbers)
{
    EXPECT_EQ(readOperand(u""), 0.0);
    EXPECT_EQ(readOperand(u"-2.5E+1"), -25.0);
    for (const char *bad : {"-", ".", "1E", "1.2.3", "ABC", "2X", " 2", "1E999"})
        EXPECT_FALSE(readOperand(QString::fromLatin1(bad)).has_value()) << bad;
    EXPECT_TRUE(isNumberText(u" 1.5E-03 "));
    EXPECT_FALSE(isNumberText(u"1.5E"));
    EXPECT_FALSE(isNumberText(u""));
}
