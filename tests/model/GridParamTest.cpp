#include "GridParam.h"

#include <gtest/gtest.h>

TEST(GridProperties, DefaultMarginsAtTheDisplayResolution)
{
    const CGridProperties at96;
    EXPECT_EQ(at96.marginLeft, 96);
    EXPECT_EQ(at96.marginRight, 96);
    EXPECT_EQ(at96.marginTop, 144);
    EXPECT_EQ(at96.marginBottom, 144);
    EXPECT_EQ(at96.landscape, 0);
    EXPECT_TRUE(at96.centerHorizontally);
    EXPECT_FALSE(at96.centerVertically);
    const CGridProperties at120(120);
    EXPECT_EQ(at120.marginLeft, 120);
    EXPECT_EQ(at120.marginTop, 180);
    EXPECT_EQ(CGXProperties::MarginFromInches(0.5, 96), 48);
}

TEST(GridParam, SameSettingsIgnoresRuntimeState)
{
    CGXGridParam a, b;
    EXPECT_TRUE(a.SameSettings(b));
    a.runtime = std::make_unique<CGridRuntime>();
    EXPECT_TRUE(a.SameSettings(b));
    a.columnWidths[3] = 120;
    EXPECT_FALSE(a.SameSettings(b));
    b.columnWidths[3] = 120;
    b.properties.landscape = 1;
    EXPECT_FALSE(a.SameSettings(b));
}
