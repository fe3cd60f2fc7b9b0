#pragma once
// The thermal work limit at the value rows of a branch's results, for the
// document's worker. It is worked out from the row when asked, never kept:
// Execute does no work for it and the file does not hold it.
#include "ColumnIds.h"
#include "ThermalWorkLimit.h"

#include <string>

class CKalvexBranch;
class CKalvexDoc;
class CResultInterval;

class CResultTwl {
public:
    CResultTwl(const CKalvexDoc& doc, const CKalvexBranch& branch);

    TwlConditions ConditionsAt(const CResultInterval& row) const;
    TwlResult At(const CResultInterval& row) const;

    // Text of a result cell by column id: the thermal work limit in whole
    // W/m² ("below 60", "above 380" at the bounds) or the row's own text.
    // False for message rows and ids without a text.
    bool CellText(ColumnId columnId, int rowIndex, std::string& text) const;

    // "below 60", "above 380" or the whole number.
    static std::string Text(const TwlResult& result);

private:
    const CKalvexBranch& branch;
    // Dry air mass flow of the run, kg/s: the mass flow at a row is this
    // times (1 + the row's moisture content).
    double dryAirMassFlow = 0.0;
    double clothingInsulation = 0.0;
    double permeability = 0.0;
    double postureFactor = 0.0;
};
