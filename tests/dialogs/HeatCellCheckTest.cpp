// The check of one heat source list cell, by column.
#include "HeatSourceLists.h"
#include "KalvexBranch.h"

#include <gtest/gtest.h>

namespace {

const HeatPageDef& Spot() { return HeatPages()[CHeatSource::Spot]; }
const HeatPageDef& Diesel() { return HeatPages()[CHeatSource::Diesel]; }
const HeatPageDef& Linear() { return HeatPages()[CHeatSource::Linear]; }

std::string Check(const HeatPageDef& page, int col, std::string text, const HeatListRow& row = {},
                  std::string* rewritten = nullptr)
{
    std::string message = CheckHeatCell(page, col, text, row, 500);
    if (rewritten)
        *rewritten = text;
    return message;
}

TEST(HeatCellCheck, LocationsAreWholeMetresInsideTheBranch)
{
    EXPECT_EQ(Check(Spot(), 1, "499"), "");
    EXPECT_EQ(Check(Spot(), 1, "0"), "");
    EXPECT_EQ(Check(Spot(), 1, "500"), "Location must be less than the length of the branch, which is currently 500 m.");
    EXPECT_EQ(Check(Spot(), 1, "99999999999999999999999"),
              "Location must be less than the length of the branch, which is currently 500 m.");
    for (const char* bad : {"05", "", "-", "1.5", "12a", "1e3", " 5", "nan"})
        EXPECT_EQ(Check(Spot(), 1, bad), kEnterIntegerText) << '"' << bad << '"';
    EXPECT_EQ(Check(Spot(), 1, "-5"), kEnterPositiveText);
}

TEST(HeatCellCheck, LinearSourcesEndInsideTheBranch)
{
    const HeatListRow row{"400", "100", "0.00", "0.00", ""};
    EXPECT_EQ(Check(Linear(), 2, "100", row), "");
    EXPECT_EQ(Check(Linear(), 2, "101", row),
              "Length plus location must be less than or equal to the length of the branch, which is currently 500 m.");
    EXPECT_EQ(Check(Linear(), 1, "400", row), "");
    EXPECT_EQ(Check(Linear(), 1, "401", row),
              "Location plus length must be less than or equal to the length of the branch, which is currently 500 m.");
    EXPECT_EQ(Check(Linear(), 2, "-1", row), kEnterPositiveText);
}

TEST(HeatCellCheck, NumbersAreCheckedAndRewrittenInTheListFormat)
{
    std::string text;
    EXPECT_EQ(Check(Diesel(), 2, "0.5", {}, &text), "");
    EXPECT_EQ(text, "0.50");
    EXPECT_EQ(Check(Diesel(), 2, ".5", {}, &text), "");
    EXPECT_EQ(text, "0.50");
    EXPECT_EQ(Check(Diesel(), 3, "99.96", {}, &text), "");
    EXPECT_EQ(text, "100.0");
    EXPECT_EQ(Check(Spot(), 2, "-10000", {}, &text), "");
    EXPECT_EQ(text, "-10000.00");
    EXPECT_EQ(Check(Diesel(), 4, "1.25", {}, &text), "");
    EXPECT_EQ(text, "1.2");  // printf's rounding of the binary value
    for (const char* bad : {"05", "", ".", "-", "1.2.3", "1e3", "nan", "inf", "12 kW", "1,5"})
        EXPECT_EQ(Check(Diesel(), 2, bad), kEnterNumberText) << '"' << bad << '"';
    EXPECT_EQ(Check(Diesel(), 3, "100.04"), "Please enter a number from 0 to 100");
    EXPECT_EQ(Check(Diesel(), 4, "-0.1"), "Please enter a number from 0 to 100");
    EXPECT_EQ(Check(Diesel(), 2, "10000.01"), "Please enter a number from 0 to 10,000");
    EXPECT_EQ(Check(Spot(), 3, "-10001"), "Please enter a number from -10,000 to 10,000");
    EXPECT_EQ(Check(Spot(), 3, std::string(400, '9')), "Please enter a number from -10,000 to 10,000");
    EXPECT_EQ(Check(Spot(), 4, "any text\tat all", {}, &text), "");
    EXPECT_EQ(text, "any text\tat all");
}

TEST(HeatSourceLists, RebuildGroupsByKindAndKeepsUnshownPagesExactly)
{
    CKalvexBranch branch;
    branch.length = 250.9;
    CHeatSource linear;
    linear.kind = CHeatSource::Linear;
    linear.location = 10.4;
    CHeatSource spot;
    spot.location = 3.6;
    spot.description = "pump";
    CHeatSource odd;
    odd.kind = 9;  // from a damaged file: no page shows it
    branch.AddHeatSource(linear);
    branch.AddHeatSource(odd);
    branch.AddHeatSource(spot);

    HeatSheetContents contents = CollectHeatSources(branch);
    EXPECT_EQ(contents.branchLength, 250);
    ASSERT_EQ(contents.pages[CHeatSource::Spot].original.size(), 1u);
    ASSERT_EQ(contents.pages[CHeatSource::Linear].original.size(), 1u);
    contents.pages[CHeatSource::Spot].shown = true;
    contents.pages[CHeatSource::Spot].rows = {{"4", "1.50", "0.25", "pump"}, {"7"}};  // a short row is padded

    const std::vector<CHeatSource> list = RebuildHeatSources(contents);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].kind, CHeatSource::Spot);
    EXPECT_EQ(list[0].location, 4);
    EXPECT_EQ(list[0].sensibleHeat(), 1.5);
    EXPECT_EQ(list[0].latentHeat(), 0.25);
    EXPECT_EQ(list[0].description, "pump");
    EXPECT_EQ(list[1].location, 7);
    EXPECT_EQ(list[2].kind, CHeatSource::Linear);
    EXPECT_EQ(list[2].location, 10.4);  // not through its list text "10"
    EXPECT_EQ(list[3].kind, 9);
}

}  // namespace
