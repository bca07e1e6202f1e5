#include "core/numberformat.h"

#include <gtest/gtest.h>
#include <limits>

using namespace orbane;

TEST(NumberFormat, FixedUsesDecimalCommaWithoutGrouping)
{
    EXPECT_EQ(numfmt::fixed(0.5988), QStringLiteral("0,60"));
    EXPECT_EQ(numfmt::fixed(1234.5), QStringLiteral("1234,50"));
    EXPECT_EQ(numfmt::fixed(-3.0), QStringLiteral("-3,00"));
    EXPECT_EQ(numfmt::fixed(10.027777), QStringLiteral("10,03"));
    EXPECT_EQ(numfmt::fixed(-0.3888), QStringLiteral("-0,39"));
}

TEST(NumberFormat, ValuesThatRoundToZeroHaveNoMinusSign)
{
    EXPECT_EQ(numfmt::fixed(-6.5e-7), QStringLiteral("0,00"));
    EXPECT_EQ(numfmt::fixed(-0.004), QStringLiteral("0,00"));
    EXPECT_EQ(numfmt::fixed(-0.005), QStringLiteral("-0,01"));
    EXPECT_EQ(numfmt::fixed(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("0,00"));
}

TEST(NumberFormat, ParseAcceptsCommaOrPointAndRejectsNonNumbers)
{
    EXPECT_DOUBLE_EQ(*numfmt::parse(QStringLiteral("3,5")), 3.5);
    EXPECT_DOUBLE_EQ(*numfmt::parse(QStringLiteral("3.5")), 3.5);
    EXPECT_DOUBLE_EQ(*numfmt::parse(QStringLiteral("  -12,25 ")), -12.25);
    EXPECT_DOUBLE_EQ(*numfmt::parse(QStringLiteral("0,00")), 0.0);
    for (const char *bad : {"", "   ", "-", ",", "abc", "1,2,3", "inf", "nan"})
        EXPECT_FALSE(numfmt::parse(QString::fromLatin1(bad)).has_value()) << bad;
}

TEST(NumberFormat, GeneralDropsTrailingZerosAndSwitchesToExponents)
{
    const struct
    {
        double value;
        const char *text;
    } cases[] = {
        {0.5, "0,5"},          {2.0, "2"},           {5e-5, "5E-05"},
        {0.0005, "0,0005"},    {1e-7, "1E-07"},      {5e10, "50000000000"},
        {1e15, "1E+15"},       {0.1 + 0.2, "0,3"},   {-0.05, "-0,05"},
        {1.0 / 3.0, "0,333333333333333"},            {-0.0, "0"},
        {12345678.0, "12345678"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(numfmt::general(c.value), QString::fromUtf8(c.text)) << c.value;
    EXPECT_EQ(numfmt::general(std::numeric_limits<double>::infinity()), QStringLiteral("0"));
}
