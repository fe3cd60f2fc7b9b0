#pragma once
// What differs between the four tables in their binding to the document:
// which column list, grid parameters and show-units switch they use, their
// column id range and caption suffix.
#include "ColumnIds.h"
#include "KalvexDoc.h"

#include <memory>
#include <vector>

struct CTableKind {
    std::vector<std::uint16_t> CKalvexDoc::*columns;
    std::unique_ptr<CGXGridParam> CKalvexDoc::*gridParam;
    bool CKalvexDoc::*showUnits;
    ColumnRange range;
    const char* captionSuffix;
    bool centreHorizontally;  // print option of new grid parameters
};

inline constexpr CTableKind kBranchTable{&CKalvexDoc::branchColumns, &CKalvexDoc::branchGridParam,
                                         &CKalvexDoc::showUnitsBranchTable, kBranchColumns, " - Branch Table", true};
inline constexpr CTableKind kResultTable{&CKalvexDoc::resultColumns, &CKalvexDoc::resultGridParam,
                                         &CKalvexDoc::showUnitsResultTable, kResultTableColumns, " - Results Table",
                                         false};
inline constexpr CTableKind kAirSourceTable{&CKalvexDoc::airSourceColumns, &CKalvexDoc::airSourceGridParam,
                                            &CKalvexDoc::showUnitsSourceTables, kAirSourceColumns,
                                            " - Intake Air Source Table", false};
inline constexpr CTableKind kHeatSourceTable{&CKalvexDoc::heatSourceColumns, &CKalvexDoc::heatSourceGridParam,
                                             &CKalvexDoc::showUnitsSourceTables, kHeatSourceColumns,
                                             " - Heat Source Summary Table", false};
