#include "ColumnCatalogue.h"
#include "KalvexDoc.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

TEST(ColumnCatalogue, TitlesServeSeveralTables)
{
    EXPECT_EQ(ColumnTitle(0), "Branch");
    EXPECT_EQ(ColumnTitle(300), "Branch");
    EXPECT_EQ(ColumnTitle(400), "Branch");
    EXPECT_EQ(ColumnTitle(100), "Row");
    EXPECT_EQ(ColumnTitle(2), "Dry Bulb");
    EXPECT_EQ(ColumnTitle(102), "Dry Bulb");
    EXPECT_EQ(ColumnTitle(202), "Length");
    EXPECT_EQ(ColumnTitle(208), "Description");
    EXPECT_EQ(ColumnTitle(16), "Geo. Step");
    EXPECT_EQ(ColumnTitle(303), "+Quantity");
    EXPECT_EQ(ColumnTitle(406), "Other Latent");
    EXPECT_EQ(ColumnTitle(200), "");
    EXPECT_EQ(ColumnTitle(999), "");
    EXPECT_EQ(ColumnUnit(999), "");
    EXPECT_EQ(ColumnUnit(12), "");  // Wetness has no unit
    EXPECT_EQ(ColumnUnit(1), "");
}

TEST(ColumnCatalogue, EveryTableColumnOfANewDocumentHasATitle)
{
    CKalvexDoc doc;
    doc.OnNewDocument();
    for (const auto* list : {&doc.branchColumns, &doc.resultColumns, &doc.airSourceColumns,
                             &doc.heatSourceColumns})
        for (std::uint16_t id : *list)
            EXPECT_FALSE(ColumnTitle(id).empty()) << id;
    for (std::uint16_t id = 201; id <= 208; ++id)
        EXPECT_FALSE(ColumnTitle(id).empty()) << id;
}

TEST(ColumnCatalogue, ComposedUnitsUseSingleCharacters)
{
    EXPECT_EQ(ColumnUnit(2), "(\u00B0C)");
    EXPECT_EQ(ColumnUnit(16), "(m/\u00B0C)");
    EXPECT_EQ(ColumnUnit(17), "(W/m\u00B0C)");
    EXPECT_EQ(ColumnUnit(117), "(W/m\u00B2\u00B0C)");
    EXPECT_EQ(ColumnUnit(18), "(m\u00B2/s\u00D710^-6)");
    EXPECT_EQ(ColumnUnit(5), "(m\u00B3/s)");
    EXPECT_EQ(ColumnUnit(106), "(kg/m\u00B3)");
    EXPECT_EQ(ColumnUnit(9), "(m\u00B2)");
    EXPECT_EQ(ColumnUnit(207), "(l / l)");
    EXPECT_EQ(ColumnUnit(107), "(%)");
    // In UTF-8 the degree sign is one two-byte character, never "Â°".
    EXPECT_EQ(ColumnUnit(2).size(), 5u);
}

TEST(ColumnCatalogue, AlignmentAndHeaderText)
{
    for (std::uint16_t id : {1, 20, 200, 208})
        EXPECT_EQ(ColumnAlignment(id), HAlign::Left) << id;
    for (std::uint16_t id : {0, 2, 301, 401, 101, 999})
        EXPECT_EQ(ColumnAlignment(id), HAlign::Right) << id;
    EXPECT_EQ(ColumnHeaderText(18, true), "Diffusivity\n(m\u00B2/s\u00D710^-6)");
    EXPECT_EQ(ColumnHeaderText(18, false), "Diffusivity");
    EXPECT_EQ(ColumnHeaderText(1, true), "Name");
}

// The ranges are written in the file's column lists, so their numbers are
// fixed.
TEST(ColumnIds, RangesKeepTheirStoredNumbers)
{
    const std::pair<ColumnRange, std::pair<int, int>> ranges[] = {
        {kBranchColumns, {0, 20}},       {kResultColumns, {100, 117}},
        {kHeatListColumns, {200, 208}},  {kAirSourceColumns, {300, 305}},
        {kHeatSourceColumns, {400, 406}},
    };
    for (const auto& [range, numbers] : ranges) {
        EXPECT_EQ(range.header, numbers.first);
        EXPECT_EQ(range.last, numbers.second);
        EXPECT_EQ(range.first(), numbers.first + 1);
        EXPECT_FALSE(range.IsData(range.header)) << range.header;
        EXPECT_TRUE(range.IsData(range.first())) << range.header;
        EXPECT_TRUE(range.IsData(range.last)) << range.header;
        EXPECT_FALSE(range.IsData(static_cast<ColumnId>(range.last + 1))) << range.header;
    }
    EXPECT_EQ(CKalvexDoc::DefaultColumns(kAirSourceColumns),
              (std::vector<ColumnId>{300, 301, 302, 303, 304, 305}));
    EXPECT_EQ(CKalvexDoc::DefaultColumns(kBranchColumns), CKalvexDoc::DefaultColumns(0, 20));
}

TEST(ColumnIds, NameColumnsAreTheThreeBranchNameColumns)
{
    for (unsigned id = 0; id <= 500; ++id)
        EXPECT_EQ(IsNameColumn(static_cast<ColumnId>(id)), id == 1 || id == 301 || id == 401) << id;
}

// Every id of every range has a title, but for the heat source lists' row
// number column, which shows none.
TEST(ColumnIds, EveryIdOfARangeHasATitle)
{
    for (ColumnRange range :
         {kBranchColumns, kResultColumns, kHeatListColumns, kAirSourceColumns, kHeatSourceColumns})
        for (ColumnId id = range.header; id <= range.last; ++id)
            EXPECT_EQ(ColumnTitle(id).empty(), id == Col::HeatRow) << id;
}
