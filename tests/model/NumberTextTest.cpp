#include "NumberText.h"

#include <limits>
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <string>

TEST(NumberText, FormatsLikePrintfFixed)
{
    EXPECT_EQ(FormatFixed(30.0, 2), "30.00");
    EXPECT_EQ(FormatFixed(-5.0, 2), "-5.00");
    EXPECT_EQ(FormatFixed(0.01, 4), "0.0100");
    EXPECT_EQ(FormatFixed(100.0, 3), "100.000");
    EXPECT_EQ(FormatFixed(1234567.0, 0), "1234567");  // no thousands separator
    // Ties follow the binary value, as printf does: 0.125 is exact, 2.675 is below.
    char buffer[64];
    for (double v : {0.5, 1.5, 2.5, 0.125, 2.675, 1.005, -0.5, 1e-7, 123456.785}) {
        for (int n = 0; n <= 4; ++n) {
            std::snprintf(buffer, sizeof buffer, "%.*f", n, v);
            EXPECT_EQ(FormatFixed(v, n), buffer) << v << " with " << n;
        }
    }
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 2), "nan");
    EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 2), "-inf");
}

TEST(NumberText, GroupedThousandsNeverLeadWithAComma)
{
    EXPECT_EQ(FormatGrouped(444.62, 2), "444.62");
    EXPECT_EQ(FormatGrouped(-444.62, 2), "-444.62");
    EXPECT_EQ(FormatGrouped(999.0, 0), "999");
    EXPECT_EQ(FormatGrouped(1000.0, 0), "1,000");
    EXPECT_EQ(FormatGrouped(-123456.785, 1), "-123,456.8");
    EXPECT_EQ(FormatGrouped(1234567.0, 2), "1,234,567.00");
    EXPECT_EQ(FormatGrouped(0.5, 1), "0.5");
}

TEST(NumberText, RoundDecimalsFormatsAndParsesBack)
{
    EXPECT_DOUBLE_EQ(RoundDecimals(100.12345, 3), 100.123);
    EXPECT_DOUBLE_EQ(RoundDecimals(0.123456, 4), 0.1235);
    EXPECT_DOUBLE_EQ(RoundDecimals(2.5, 0), 2.0);  // printf's round-half-even on an exact tie
    EXPECT_DOUBLE_EQ(RoundDecimals(3.5, 0), 4.0);
    EXPECT_DOUBLE_EQ(RoundDecimals(-1.25, 1), -1.2);
    EXPECT_EQ(RoundDecimals(1.0 / 3.0, 2), 0.33);
}

TEST(NumberText, AtofTakesTheLongestNumericPrefix)
{
    EXPECT_DOUBLE_EQ(AtofC("30.00"), 30.0);
    EXPECT_DOUBLE_EQ(AtofC("  -12.5kPa"), -12.5);
    EXPECT_DOUBLE_EQ(AtofC("+7"), 7.0);
    EXPECT_DOUBLE_EQ(AtofC(".5"), 0.5);
    EXPECT_DOUBLE_EQ(AtofC("5."), 5.0);
    EXPECT_DOUBLE_EQ(AtofC("1e3x"), 1000.0);
    EXPECT_DOUBLE_EQ(AtofC("1e"), 1.0);
    EXPECT_DOUBLE_EQ(AtofC("1,5"), 1.0);  // a comma never is a decimal separator
    EXPECT_DOUBLE_EQ(AtofC("0x10"), 16.0);
    EXPECT_DOUBLE_EQ(AtofC("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(AtofC("1e-999"), 0.0);
    EXPECT_TRUE(std::isnan(AtofC("nan")));
    for (const char* none : {"", "abc", "-", ".", "+.", " e5", "x1"})
        EXPECT_EQ(AtofC(none), 0.0) << none;
    EXPECT_EQ(ParseLeadingNumber("abc").used, 0u);
    EXPECT_EQ(ParseLeadingNumber(" 2.5 m").used, 4u);
}

// A desktop whose decimal separator is a comma must still read and write
// "30.00". The test command generates de_DE.UTF-8 into LOCPATH.
TEST(NumberText, IndependentOfTheProcessLocale)
{
    const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"};
    const char* chosen = nullptr;
    for (const char* name : names) {
        if (std::setlocale(LC_ALL, name)) {
            chosen = name;
            break;
        }
    }
    if (!chosen)
        GTEST_SKIP() << "No locale with a decimal comma could be loaded (generate de_DE.UTF-8 "
                        "with localedef into LOCPATH); locale independence not checked here.";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",") << chosen;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", 30.0);
    EXPECT_STREQ(buffer, "30,00");  // the C library does follow the locale

    EXPECT_EQ(FormatFixed(30.0, 2), "30.00");
    EXPECT_DOUBLE_EQ(AtofC("30.00"), 30.0);
    EXPECT_DOUBLE_EQ(RoundDecimals(100.12345, 3), 100.123);
    EXPECT_DOUBLE_EQ(AtofC("1,5"), 1.0);
    std::setlocale(LC_ALL, "C");
}
