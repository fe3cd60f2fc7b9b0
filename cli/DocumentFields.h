#pragma once
// The members of a document as the JSON form names them: one table per
// record, shared by export, import, set and study so that a name means the
// same member everywhere.
#include "ColumnIds.h"
#include "GridParam.h"
#include "KalvexBranch.h"
#include "KalvexDoc.h"

#include <cstdint>
#include <memory>
#include <vector>

// A number member of a branch; column is its branch or air source table
// column (0 for the outlet values, which no cell edits).
struct CBranchNumberField {
    const char* name;
    double CKalvexBranch::*member;
    ColumnId column;
};
// In file order: outputInterval … rockDiffusivity, the additional air, the
// outlet values.
const std::vector<CBranchNumberField>& BranchNumberFields();
// The field of a name, or null.
const CBranchNumberField* FindBranchNumberField(const std::string& name);

struct CResultNumberField {
    const char* name;
    double CResultInterval::*member;
};
const std::vector<CResultNumberField>& ResultNumberFields();

struct CFanRegNumberField {
    const char* name;
    double CFanReg::*member;
};
const std::vector<CFanRegNumberField>& FanRegNumberFields();

// Heat sources: the names of the three shared slots by kind, in the order
// the heat source lists show them; null where a kind leaves a slot unused.
struct CHeatSourceNames {
    const char* kind;   // "Spot", "Electric", "Diesel", "Linear"
    const char* slot3;  // length / waterFuelRatio
    const char* slot4;  // sensibleHeat / power
    const char* slot5;  // latentHeat / utilization
};
// The names of kinds 0 to 3, or null above.
const CHeatSourceNames* HeatSourceNames(int kind);
// The kind of a name, -1 when none.
int HeatSourceKind(const std::string& name);

struct CDocNumberField {
    const char* name;
    double CKalvexDoc::*member;
};
// metabolicRate … skinTempLimit, in file order.
const std::vector<CDocNumberField>& WorkerNumberFields();

struct CDocIntField {
    const char* name;
    std::int32_t CKalvexDoc::*member;
};
const std::vector<CDocIntField>& GraphMarginFields();

struct CDocFlagField {
    const char* name;
    bool CKalvexDoc::*member;
};
// showUnitsBranchTable, showUnitsResultTable, showUnitsSourceTables.
const std::vector<CDocFlagField>& UnitLineFields();

struct CColumnListField {
    const char* name;
    std::vector<ColumnId> CKalvexDoc::*member;
    ColumnRange range;
};
const std::vector<CColumnListField>& ColumnListFields();

struct CGridParamField {
    const char* name;
    std::unique_ptr<CGXGridParam> CKalvexDoc::*member;
};
const std::vector<CGridParamField>& GridParamFields();

// Grid settings: sizes with their ranges, and the switches.
struct CGridIntField {
    const char* name;
    std::int32_t CGXGridParam::*member;
    std::int32_t lowest;
    std::int32_t highest;
};
const std::vector<CGridIntField>& GridIntFields();
struct CGridFlagField {
    const char* name;
    bool CGXGridParam::*member;
};
const std::vector<CGridFlagField>& GridFlagFields();
struct CPropertiesFlagField {
    const char* name;
    bool CGXProperties::*member;
};
const std::vector<CPropertiesFlagField>& PropertiesFlagFields();
struct CPropertiesColourField {
    const char* name;
    std::uint32_t CGXProperties::*member;
};
const std::vector<CPropertiesColourField>& PropertiesColourFields();
struct CPropertiesMarginField {
    const char* name;
    std::int32_t CGXProperties::*member;
};
const std::vector<CPropertiesMarginField>& PropertiesMarginFields();

// Largest grid size or width in pixels, as the file keeps it.
inline constexpr std::int32_t kGridMaxPixels = 65535;
