#pragma once
// One candidate of a design answer: the march of a copy of a branch with one
// input changed, and whether the criterion kept its limit in it.
#include "RequirementSolver.h"

#include <memory>

class CKalvexBranch;
class CResultInterval;

// The criterion's value in a result row, as the results table shows it.
double CriterionValue(const CResultInterval& row, SolveCriterion criterion);

struct CTrialOutcome {
    bool complete = false;  // the march reached the outlet without tripping the dry-bulb guard
    bool keeps = false;     // complete, and no checked row beyond the limit
    double peak = 0.0;      // worst value over the checked rows (the lowest for a floor)
    double peakDistance = 0.0;
};

struct CTrialCheck {
    SolveCriterion criterion = SolveCriterion::MeanSkinTemp;
    double limit = 0.0;
    bool outletOnly = false;
    double checkedBeyond = -1.0;  // only rows with a greater distance count
};

class CBranchTrial {
public:
    // fed: the branch takes its intake air from its sources' stored outlets
    // and its additional air, as the sequence run mixes it.
    CBranchTrial(const CKalvexDoc& doc, const CKalvexBranch& branch, bool fed, const CTrialCheck& check);
    ~CBranchTrial();
    CBranchTrial(const CBranchTrial&) = delete;
    CBranchTrial& operator=(const CBranchTrial&) = delete;

    // The copy whose inputs the caller varies between runs.
    CKalvexBranch& Branch() { return *copy; }
    CTrialOutcome Run();
    int Marches() const { return marches; }

private:
    const CKalvexDoc& doc;
    std::unique_ptr<CKalvexBranch> copy;
    bool fed;
    CTrialCheck check;
    int marches = 0;
};
