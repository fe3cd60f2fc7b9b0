#pragma once
#include "CellDescription.h"
#include "ColumnIds.h"
#include "FanReg.h"
#include "HeatSource.h"
#include "ResultInterval.h"

#include <cstdint>
#include <string>
#include <vector>

// One underground airway: geometry, intake air, rock, heat sources, its
// fan/regulator, its source branches and the result rows of its last run.
// Branches are edited in place and never copied.
class CKalvexBranch {
public:
    CKalvexBranch() = default;
    CKalvexBranch(const CKalvexBranch&) = delete;
    CKalvexBranch& operator=(const CKalvexBranch&) = delete;
    ~CKalvexBranch() = default;

    std::uint16_t branchId = 0;
    std::string name = "Sample";
    std::string description;
    double outputInterval = 10.0;
    double length = 100.0;
    double depthIn = 0.0;
    double depthOut = 0.0;
    double area = 12.0;
    double perimeter = 14.0;
    double frictionFactor = 0.01;
    double wetness = 0.0;
    double ageIn = 0.0;
    double ageOut = 0.0;
    double intakeQuantity = 10.0;
    double intakePressure = 100.0;  // kPa
    double intakeDryBulb = 30.0;
    double intakeWetBulb = 20.0;
    double vrtIn = 40.0;
    double geothermalStep = 30.0;
    double rockConductivity = 4.0;
    double rockDiffusivity = 2.0;  // 10^-6 m²/s
    double addedDryBulb = 0.0;
    double addedWetBulb = 0.0;
    double addedQuantity = 0.0;
    double outletDryBulb = 0.0;
    double outletWetBulb = 0.0;
    double outletPressure = 0.0;  // Pa
    double outletMassFlow = 0.0;
    CFanReg fanReg;

    // Inputs by column id (Col::DryBulb to Col::Interval, Col::AddedQuantity
    // to Col::AddedWetBulb); false for any other id.
    bool GetColumnValue(ColumnId columnId, double& value) const;
    // Stores the value rounded to the decimals the column shows.
    bool SetColumnValue(ColumnId columnId, double value);
    // Name columns (IsNameColumn) and Col::Description take the text; other
    // ids take its leading number. Does no checking of its own.
    bool SetColumnText(ColumnId columnId, const std::string& text);

    // Display texts and cells by column id.
    bool GetColumnText(ColumnId columnId, std::string& text) const;
    bool GetResultText(ColumnId columnId, std::string& text, int rowIndex) const;
    bool GetColumnCell(ColumnId columnId, CCellDescription& cell, bool sequenceMode,
                       bool firstRow) const;

    // Heat sources, in list order.
    int HeatSourceCount() const { return static_cast<int>(heatSources.size()); }
    CHeatSource& HeatSourceAt(int index);
    const CHeatSource& HeatSourceAt(int index) const;
    void AddHeatSource(CHeatSource source);
    void DeleteAllHeatSources() { heatSources.clear(); }
    std::vector<CHeatSource>& HeatSourceList() { return heatSources; }
    const std::vector<CHeatSource>& HeatSourceList() const { return heatSources; }

    // Result rows: value rows first, then message rows.
    int ResultCount() const { return static_cast<int>(results.size()); }
    CResultInterval& ResultAt(int index);
    const CResultInterval& ResultAt(int index) const;
    std::vector<CResultInterval>& ResultList() { return results; }
    const std::vector<CResultInterval>& ResultList() const { return results; }

    // Source branches by id; ids of deleted branches may linger.
    void GetSourceBranchIds(std::vector<std::uint16_t>& ids) const { ids = sourceBranchIds; }
    void SetSourceBranchIds(const std::vector<std::uint16_t>& ids) { sourceBranchIds = ids; }
    bool HasSourceBranch(std::uint16_t id) const;
    const std::vector<std::uint16_t>& SourceBranchIds() const { return sourceBranchIds; }

    // Decimals a branch input is stored and shown with; -1 for other ids.
    static int ColumnDecimals(ColumnId columnId);

private:
    double* FindInput(ColumnId columnId);
    const double* FindInput(ColumnId columnId) const;
    std::string HeatTotalText(ColumnId columnId) const;

    std::vector<CHeatSource> heatSources;
    std::vector<CResultInterval> results;
    std::vector<std::uint16_t> sourceBranchIds;
};
