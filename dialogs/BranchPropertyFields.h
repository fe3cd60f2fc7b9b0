#pragma once
// The fields of the "Branch Properties" sheet without any window: the four
// pages with their labels, ranges and hints, the values a page holds while
// the sheet is open, a page's checks in reading order and the write-back.
#include "ColumnIds.h"
#include "FieldCheck.h"
#include "InputCatalogue.h"

#include <array>
#include <map>
#include <string>
#include <vector>

class CKalvexBranch;

struct BranchField {
    ColumnId column;
    const char* label;
    FieldRule rule;
    const char* hint;  // nullptr: none
};

struct BranchPageDef {
    const char* caption;
    const char* group;
    std::vector<BranchField> fields;  // in control and reading order
};

enum BranchPageIndex { kGeneralPage = 0, kAirwayPage = 1, kVentilationPage = 2, kRockPage = 3 };

// General, Airway, Ventilation, Rock.
const std::array<BranchPageDef, 4>& BranchPages();

// The values the pages hold: the name and description texts and every
// numeric input by column id.
struct CBranchPropertyValues {
    std::string name;
    std::string description;
    std::map<ColumnId, double> numbers;

    // A page's field text, as the page shows it.
    std::string Text(const BranchField& field) const;
};

CBranchPropertyValues ReadBranchProperties(const CKalvexBranch& branch);

// Description, name, then the numbers in the order the sheet writes them;
// each through the branch's column setters, which round to the column's
// decimals.
void WriteBranchProperties(const CBranchPropertyValues& values, CKalvexBranch& branch);

// The order in which the numeric columns are read and written.
const std::vector<ColumnId>& BranchPropertyColumnOrder();

// Reads a page's texts (one per field of the page, in order): the fields
// in order, then the page's cross-field checks. On success the values are
// stored into `values`; on failure nothing is, and the failure names the
// field that gets the focus.
FieldFailure CheckBranchPage(int page, const std::vector<std::string>& texts, CBranchPropertyValues& values);

inline constexpr const char* kWetBulbMessage =
    "Wet bulb temperature must be less than or equal to dry bulb temperature.";
