// The edit-box checks every dialog shares.
#include "FieldCheck.h"

#include <gtest/gtest.h>

#include <limits>

TEST(FieldCheck, LimitsInTheShortestForm)
{
    EXPECT_EQ(FormatShortest(0.1), "0.1");
    EXPECT_EQ(FormatShortest(1000), "1000");
    EXPECT_EQ(FormatShortest(0.75), "0.75");
    EXPECT_EQ(FormatShortest(1.0), "1");
    EXPECT_EQ(FormatShortest(36500), "36500");
    EXPECT_EQ(RangeMessage(RealField(0.1, 1000, 2)), "Enter a number between 0.1 and 1000.");
    EXPECT_EQ(RangeMessage(IntegerField(2, 4000)), "Enter an integer between 2 and 4000.");
}

TEST(FieldCheck, IntegersAreSignAndDigitsWithinTheRange)
{
    const FieldRule rule = IntegerField(2, 4000);
    double value = -1;
    EXPECT_EQ(CheckField(" 12 ", rule, value), "");
    EXPECT_EQ(value, 12);
    EXPECT_EQ(CheckField("+4000", rule, value), "");
    EXPECT_EQ(CheckField("2", rule, value), "");
    EXPECT_EQ(CheckField("1", rule, value), "Enter an integer between 2 and 4000.");
    EXPECT_EQ(CheckField("4001", rule, value), "Enter an integer between 2 and 4000.");
    EXPECT_EQ(CheckField("99999999999999999999999999", rule, value), "Enter an integer between 2 and 4000.");
    for (const char* bad : {"", "  ", "-", "12.5", "12abc", "abc", "1e3", "0x10", "1\n2"})
        EXPECT_EQ(CheckField(bad, rule, value), kEnterInteger) << '"' << bad << '"';
}

TEST(FieldCheck, NumbersAreDecimalWithinTheRange)
{
    const FieldRule rule = RealField(0.1, 1000, 2);
    double value = -1;
    EXPECT_EQ(CheckField("0.1", rule, value), "");
    EXPECT_EQ(value, 0.1);
    EXPECT_EQ(CheckField(".5", rule, value), "");
    EXPECT_EQ(CheckField("5.", rule, value), "");
    EXPECT_EQ(CheckField("1e3", rule, value), "");
    EXPECT_EQ(CheckField("0.09", rule, value), "Enter a number between 0.1 and 1000.");
    EXPECT_EQ(CheckField("1e999", rule, value), "Enter a number between 0.1 and 1000.");
    EXPECT_EQ(CheckField("-1e999", rule, value), "Enter a number between 0.1 and 1000.");
    for (const char* bad : {"", ".", "-", "nan", "inf", "-infinity", "0x1p3", "1.2.3", "12 m", "1e", "1\n2", "1,5"})
        EXPECT_EQ(CheckField(bad, rule, value), kEnterNumber) << '"' << bad << '"';
    EXPECT_EQ(CheckField("anything at all", TextField(), value), "");
}

TEST(FieldCheck, FieldTextsAreLocaleFreeAndTruncateIntegers)
{
    EXPECT_EQ(FieldText(100.9, IntegerField(0, 1)), "100");
    EXPECT_EQ(FieldText(-3.7, IntegerField(0, 1)), "-3");
    EXPECT_EQ(FieldText(0.01234, RealField(0, 1, 4)), "0.0123");
    EXPECT_EQ(FieldText(12.0, RealField(0, 1, 2)), "12.00");
    EXPECT_EQ(WholeNumber(1e300), 1000000000000000LL);
    EXPECT_EQ(WholeNumber(-1e300), -1000000000000000LL);
    EXPECT_EQ(WholeNumber(std::numeric_limits<double>::quiet_NaN()), 0);
}
