#include "KalvexBranch.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

TEST(Branch, NewBranchShowsItsDefaultsAsTwentyTexts)
{
    const CKalvexBranch branch;
    const std::vector<std::string> expected = {
        "Sample", "30.00", "20.00", "100.000", "10.00", "100", "0", "0", "12.00", "14.00",
        "0.0100", "0.00", "0", "0", "40.0", "30", "4.000", "2.000", "10", ""};
    for (std::uint16_t id = 1; id <= 20; ++id) {
        std::string text = "?";
        ASSERT_TRUE(branch.GetColumnText(id, text)) << id;
        EXPECT_EQ(text, expected[id - 1u]) << "column " << id;
    }
    std::string text;
    for (std::uint16_t id : {303, 304, 305}) {
        ASSERT_TRUE(branch.GetColumnText(id, text));
        EXPECT_EQ(text, "0.00");
    }
    EXPECT_EQ(branch.outletPressure, 0.0);
    EXPECT_EQ(branch.HeatSourceCount(), 0);
    EXPECT_EQ(branch.ResultCount(), 0);
    EXPECT_TRUE(branch.SourceBranchIds().empty());
}

TEST(Branch, SetStoresValuesRoundedToTheirColumn)
{
    CKalvexBranch branch;
    ASSERT_TRUE(branch.SetColumnValue(4, 101.32549));
    EXPECT_EQ(branch.intakePressure, 101.325);
    ASSERT_TRUE(branch.SetColumnValue(11, 0.012345));
    EXPECT_EQ(branch.frictionFactor, 0.0123);
    ASSERT_TRUE(branch.SetColumnValue(6, 2.5));
    EXPECT_EQ(branch.length, 2.0);  // "%.0f" of an exact tie
    ASSERT_TRUE(branch.SetColumnValue(6, 3.5));
    EXPECT_EQ(branch.length, 4.0);
    ASSERT_TRUE(branch.SetColumnValue(15, 45.06));
    EXPECT_EQ(branch.vrtIn, 45.1);
    ASSERT_TRUE(branch.SetColumnValue(304, 18.123));
    EXPECT_EQ(branch.addedDryBulb, 18.12);
    double value = 0;
    ASSERT_TRUE(branch.GetColumnValue(4, value));
    EXPECT_EQ(value, 101.325);
}

TEST(Branch, ColumnsItDoesNotHoldAreRefused)
{
    CKalvexBranch branch;
    double value = -7.0;
    for (std::uint16_t id : {0, 1, 20, 21, 100, 101, 117, 200, 302, 400, 402, 406}) {
        EXPECT_FALSE(branch.GetColumnValue(id, value)) << id;
        EXPECT_FALSE(branch.SetColumnValue(id, 3.0)) << id;
    }
    EXPECT_EQ(value, -7.0);
    EXPECT_FALSE(branch.SetColumnText(0, "5"));
    EXPECT_FALSE(branch.SetColumnText(402, "5"));
    std::string text = "unchanged";
    EXPECT_FALSE(branch.GetColumnText(0, text));
    EXPECT_FALSE(branch.GetColumnText(301, text));
    EXPECT_EQ(text, "unchanged");
}

TEST(Branch, SetColumnTextTakesNamesAndLeadingNumbers)
{
    CKalvexBranch branch;
    EXPECT_TRUE(branch.SetColumnText(19, "no number"));
    EXPECT_EQ(branch.outputInterval, 0.0);
    EXPECT_TRUE(branch.SetColumnText(1, ""));
    EXPECT_EQ(branch.name, "");
    EXPECT_TRUE(branch.SetColumnText(301, "Decline"));
    EXPECT_EQ(branch.name, "Decline");
    EXPECT_TRUE(branch.SetColumnText(401, "Drift 3"));
    EXPECT_EQ(branch.name, "Drift 3");
    EXPECT_TRUE(branch.SetColumnText(20, "Main intake, 12 m\u00B2"));
    EXPECT_EQ(branch.description, "Main intake, 12 m\u00B2");
    EXPECT_TRUE(branch.SetColumnText(2, " 28.456 \u00B0C"));
    EXPECT_EQ(branch.intakeDryBulb, 28.46);
}

TEST(Branch, HeatSourcesAndResultsByIndex)
{
    CKalvexBranch branch;
    branch.AddHeatSource(CHeatSource(CHeatSource::Spot, {"10", "5", "1", "a"}));
    branch.AddHeatSource(CHeatSource(CHeatSource::Electric, {"20", "50", "80", "b"}));
    EXPECT_EQ(branch.HeatSourceCount(), 2);
    EXPECT_EQ(branch.HeatSourceAt(1).description, "b");
    EXPECT_THROW(branch.HeatSourceAt(2), std::out_of_range);
    EXPECT_THROW(branch.HeatSourceAt(-1), std::out_of_range);
    branch.DeleteAllHeatSources();
    EXPECT_EQ(branch.HeatSourceCount(), 0);

    CResultInterval row;
    row.distance = 10.0;
    row.dryBulb = 30.5;
    branch.ResultList().push_back(row);
    branch.ResultList().push_back(CResultInterval::Message("done"));
    EXPECT_EQ(branch.ResultCount(), 2);
    std::string text;
    ASSERT_TRUE(branch.GetResultText(102, text, 0));
    EXPECT_EQ(text, "30.50");
    EXPECT_THROW(branch.ResultAt(2), std::out_of_range);
    EXPECT_THROW(branch.GetResultText(102, text, 5), std::out_of_range);
}

TEST(Branch, SourceBranchIdsAreCopiedInOrder)
{
    CKalvexBranch branch;
    branch.SetSourceBranchIds({4, 2, 9});
    EXPECT_TRUE(branch.HasSourceBranch(2));
    EXPECT_FALSE(branch.HasSourceBranch(3));
    std::vector<std::uint16_t> out = {77, 78};
    branch.GetSourceBranchIds(out);
    EXPECT_EQ(out, (std::vector<std::uint16_t>{4, 2, 9}));
    branch.SetSourceBranchIds({});
    EXPECT_FALSE(branch.HasSourceBranch(4));
}
