#pragma once
// The design answers checked against the program's own Execute: a branch
// keeps a limit when the run Execute stores has every checked row at or
// below it (at or above a floor), reaches the outlet, and the dry-bulb guard stayed silent.
#include "EngineTestSupport.h"
#include "NumberText.h"
#include "RequirementSolver.h"
#include "ResultTwl.h"
#include "SimulationRun.h"
#include "archive/DocumentFile.h"

#include <limits>
#include <cmath>
#include <string>

inline double RowCriterion(const CResultTwl& twl, const CResultInterval& row, SolveCriterion criterion)
{
    switch (criterion) {
    case SolveCriterion::ThermalWorkLimit: return twl.At(row).value;
    case SolveCriterion::MeanSkinTemp: return row.meanSkinTemp;
    case SolveCriterion::Wbgt: return row.wbgt;
    case SolveCriterion::EffectiveTemp: return row.effectiveTemp;
    case SolveCriterion::DryBulb: return row.dryBulb;
    case SolveCriterion::WetBulb: return row.wetBulb;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

// Runs the document as F10 would (the sequence in sequence mode) and judges
// the query's branch; checkedBeyond: only rows further along count.
inline bool KeepsByExecute(CKalvexDoc& doc, const CRequirementQuery& query, double checkedBeyond = -1.0)
{
    RecordingUi ui;
    const bool ran = doc.sequenceMode ? ExecuteSequence(doc, ui) : ExecuteBranchAt(doc, query.branchIndex, ui);
    if (!ran || !ui.guardMessages.empty())
        return false;
    const CKalvexBranch& branch = doc.BranchAt(query.branchIndex);
    const std::vector<const CResultInterval*> rows = ValueRows(branch);
    if (rows.empty() || rows.back()->distance < branch.length - 1.0)
        return false;
    const CResultTwl twl(doc, branch);
    const bool floor = CriterionIsFloor(query.criterion);
    for (std::size_t i = query.outletOnly ? rows.size() - 1 : 0; i < rows.size(); ++i) {
        const double value = RowCriterion(twl, *rows[i], query.criterion);
        if (rows[i]->distance > checkedBeyond && (floor ? value < query.limit : value > query.limit))
            return false;
    }
    return true;
}

inline bool LoadExample(const std::string& name, CKalvexDoc& doc)
{
    return LoadDocumentFile(std::string(DORVAN_SOURCE_DIR) + "/examples/" + name, doc).ok;
}
