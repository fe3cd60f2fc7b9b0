#pragma once
// The four heat source lists of "Branch Heat Sources" without any window:
// the pages and their columns, the texts of a row, the check of one cell
// and the rebuilt heat-source list of the branch.
#include "ColumnIds.h"
#include "HeatSource.h"
#include "InputCatalogue.h"

#include <array>
#include <string>
#include <vector>

class CKalvexBranch;

struct HeatPageDef {
    int kind;
    const char* caption;
    const char* group;
    std::vector<ColumnId> columns;  // data columns, list columns 1 ... n
};

// Spot, Electric, Diesel, Linear.
const std::array<HeatPageDef, 4>& HeatPages();

using HeatListRow = std::vector<std::string>;

// The value texts of a source in the page's columns.
HeatListRow HeatRowTexts(const HeatPageDef& page, const CHeatSource& source);

// Checks the text of list column `col` (from 1) of a row when the user
// leaves the cell; `row` holds the row's other texts (the column's own
// entry is not read). Returns the refusal text, empty when accepted; an
// accepted number may be rewritten into the list's format.
std::string CheckHeatCell(const HeatPageDef& page, int col, std::string& text, const HeatListRow& row,
                          long long branchLength);

// What one page holds while the sheet is open.
struct HeatPageContents {
    std::vector<CHeatSource> original;  // the branch's sources of the kind, in order
    bool shown = false;
    std::vector<HeatListRow> rows;  // the list, once shown
};

struct HeatSheetContents {
    std::array<HeatPageContents, 4> pages;
    std::vector<CHeatSource> otherKinds;  // kinds no page shows (a damaged file), kept as they are
    long long branchLength = 0;           // whole metres at opening
};

HeatSheetContents CollectHeatSources(const CKalvexBranch& branch);

// The new list: page by page, the rows of a page that was shown, copies of
// the sources of one that was not; then the sources of other kinds.
std::vector<CHeatSource> RebuildHeatSources(const HeatSheetContents& contents);

inline constexpr const char* kLocationLengthText = "Location plus length must be less than or equal to the ";
inline constexpr const char* kLocationText = "Location must be less than the ";
inline constexpr const char* kLengthLocationText = "Length plus location must be less than or equal to the ";
inline constexpr const char* kBranchLengthText = "length of the branch, which is currently ";
inline constexpr const char* kRemoveQuestion = "Are you sure you wish to remove the selected row(s)?";
inline constexpr const char* kNoRowsSelected = "No rows selected.";
