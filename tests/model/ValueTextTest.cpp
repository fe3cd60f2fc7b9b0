#include "KalvexBranch.h"

#include <gtest/gtest.h>

namespace {

CCellDescription Cell(const CKalvexBranch& branch, std::uint16_t id, bool sequence = false,
                      bool first = false)
{
    CCellDescription cell;
    EXPECT_TRUE(branch.GetColumnCell(id, cell, sequence, first)) << id;
    return cell;
}

std::string Total(const CKalvexBranch& branch, std::uint16_t id) { return Cell(branch, id).text; }

}  // namespace

TEST(HeatTotals, NoneWithoutSources)
{
    const CKalvexBranch branch;
    for (std::uint16_t id = 402; id <= 406; ++id) {
        const CCellDescription cell = Cell(branch, id);
        EXPECT_EQ(cell.text, "none") << id;
        EXPECT_FALSE(cell.editable);
        EXPECT_TRUE(cell.italic);
    }
}

TEST(HeatTotals, SumsByKind)
{
    CKalvexBranch branch;
    branch.AddHeatSource(CHeatSource(CHeatSource::Spot, {"10", "-5", "0", ""}));
    EXPECT_EQ(Total(branch, 405), "-5.00");  // a spot or linear source shows even a negative sum
    EXPECT_EQ(Total(branch, 406), "0.00");
    EXPECT_EQ(Total(branch, 402), "none");
    branch.AddHeatSource(CHeatSource(CHeatSource::Diesel, {"20", "0", "80", "1", ""}));
    EXPECT_EQ(Total(branch, 402), "none");  // diesel power 0
    branch.AddHeatSource(CHeatSource(CHeatSource::Diesel, {"30", "75.5", "80", "1", ""}));
    branch.AddHeatSource(CHeatSource(CHeatSource::Diesel, {"40", "0.004", "80", "1", ""}));
    EXPECT_EQ(Total(branch, 402), "75.50");
    branch.AddHeatSource(CHeatSource(CHeatSource::Electric, {"50", "110", "60", ""}));
    branch.AddHeatSource(CHeatSource(CHeatSource::Linear, {"0", "100", "12.25", "3", ""}));
    EXPECT_EQ(Total(branch, 403), "110.00");
    EXPECT_EQ(Total(branch, 405), "7.25");
    EXPECT_EQ(Total(branch, 406), "3.00");
    EXPECT_EQ(Total(branch, 404), "none");
    branch.fanReg.sensibleHeat = 35.0;
    EXPECT_EQ(Total(branch, 404), "35.00");
    branch.fanReg.sensibleHeat = -1.0;
    EXPECT_EQ(Total(branch, 404), "none");
}

TEST(BranchCells, NameAndDescriptionAreLeftAligned)
{
    CKalvexBranch branch;
    branch.description = "haulage";
    for (std::uint16_t id : {1, 301, 401}) {
        const CCellDescription cell = Cell(branch, id);
        EXPECT_EQ(cell.text, "Sample");
        EXPECT_EQ(cell.alignment, HAlign::Left);
        EXPECT_TRUE(cell.editable);
        EXPECT_FALSE(cell.italic);
    }
    EXPECT_EQ(Cell(branch, 20).text, "haulage");
    EXPECT_EQ(Cell(branch, 20).alignment, HAlign::Left);
    EXPECT_EQ(Cell(branch, 11).text, "0.0100");
    EXPECT_EQ(Cell(branch, 11).alignment, HAlign::Right);
    const CCellDescription sources = Cell(branch, 302);
    EXPECT_EQ(sources.text, "");
    EXPECT_FALSE(sources.editable);
    CCellDescription untouched;
    untouched.text = "keep";
    EXPECT_FALSE(branch.GetColumnCell(0, untouched, false, false));
    EXPECT_FALSE(branch.GetColumnCell(101, untouched, false, false));
    EXPECT_FALSE(branch.GetColumnCell(300, untouched, false, false));
    EXPECT_EQ(untouched.text, "keep");
}

TEST(BranchCells, IntakeIsReadOnlyInSequenceModeForFedBranches)
{
    CKalvexBranch branch;
    for (std::uint16_t id : {2, 3, 4})
        EXPECT_TRUE(Cell(branch, id, true).editable) << "no sources: stays editable";
    branch.SetSourceBranchIds({1});
    for (std::uint16_t id : {2, 3, 4}) {
        const CCellDescription cell = Cell(branch, id, true);
        EXPECT_FALSE(cell.editable);
        EXPECT_TRUE(cell.italic);
        EXPECT_FALSE(Cell(branch, id, true).text.empty());
        EXPECT_TRUE(Cell(branch, id, false).editable);
        EXPECT_FALSE(Cell(branch, id, false).italic);
    }
    EXPECT_TRUE(Cell(branch, 5, true).editable);
}

TEST(BranchCells, AddedAirIsNotApplicableWithoutSourcesOrInTheFirstRow)
{
    CKalvexBranch branch;
    branch.addedQuantity = 2.5;
    EXPECT_EQ(Cell(branch, 303).text, "N/A");
    EXPECT_FALSE(Cell(branch, 303).editable);
    EXPECT_TRUE(Cell(branch, 303).italic);
    branch.SetSourceBranchIds({7});
    EXPECT_EQ(Cell(branch, 303, false, true).text, "N/A");
    const CCellDescription cell = Cell(branch, 303, false, false);
    EXPECT_EQ(cell.text, "2.50");
    EXPECT_TRUE(cell.editable);
    EXPECT_FALSE(cell.italic);
    EXPECT_EQ(Cell(branch, 305).text, "0.00");
}
