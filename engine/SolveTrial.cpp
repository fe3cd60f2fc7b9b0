#include "SolveTrial.h"

#include "BranchCopy.h"
#include "ClimCalc.h"
#include "InletMixing.h"
#include "IntervalData.h"
#include "KalvexDoc.h"
#include "March.h"
#include "ResultTwl.h"
#include "RunUi.h"

#include <vector>

namespace {

// A candidate's march shows nothing; a tripped dry-bulb guard only marks
// the candidate as unusable.
class CTrialRunUi : public IRunUi {
public:
    void ShowGuardMessage(const std::string&) override { ++guardMessages; }
    void ShowDataErrors(const std::vector<std::string>&) override {}
    int guardMessages = 0;
};

}  // namespace

CBranchTrial::CBranchTrial(const CKalvexDoc& document, const CKalvexBranch& branch, bool fedBranch,
                           const CTrialCheck& trialCheck)
    : doc(document), copy(CopyBranchInputs(branch)), fed(fedBranch), check(trialCheck)
{
}

CBranchTrial::~CBranchTrial() = default;

CTrialOutcome CBranchTrial::Run()
{
    ++marches;
    CTrialOutcome outcome;
    CKalvexBranch& b = *copy;
    std::vector<CResultInterval>& rows = b.ResultList();
    rows.clear();
    if (fed) {
        // As the sequence run feeds it: the sources' stored outlets and the
        // additional air, or no march when that mixture cannot be used.
        const CInletMixture mix = ComputeInletMixture(doc, b);
        if (!IsUsableMixture(mix))
            return outcome;
        StoreInletMixture(b, mix);
    }

    CIntervalData plan;
    plan.Plan(b.length, b.outputInterval);
    CTrialRunUi ui;
    CClimCalc calc;
    calc.Initialise(b);
    calc.SetWorker(doc);
    calc.ui = &ui;
    March(b, plan, calc);

    outcome.complete = static_cast<int>(rows.size()) == plan.outputCount + 1 && ui.guardMessages == 0;
    if (rows.empty())
        return outcome;
    // The thermal work limit is worked out from the rows and the run's
    // outlet, as the results table does.
    const bool floor = CriterionIsFloor(check.criterion);
    std::unique_ptr<CResultTwl> twl;
    if (check.criterion == SolveCriterion::ThermalWorkLimit) {
        b.outletDryBulb = calc.dryBulb;
        b.outletWetBulb = calc.wetBulb;
        b.outletPressure = calc.pressure;
        b.outletMassFlow = calc.massFlow;
        twl = std::make_unique<CResultTwl>(doc, b);
    }
    bool any = false;
    const std::size_t first = check.outletOnly ? rows.size() - 1 : 0;
    for (std::size_t i = first; i < rows.size(); ++i) {
        if (!(rows[i].distance > check.checkedBeyond))
            continue;
        const double value = twl ? twl->At(rows[i]).value : CriterionValue(rows[i], check.criterion);
        if (!any || (floor ? value < outcome.peak : value > outcome.peak)) {
            outcome.peak = value;
            outcome.peakDistance = rows[i].distance;
            any = true;
        }
    }
    outcome.keeps = outcome.complete && any && (floor ? outcome.peak >= check.limit : outcome.peak <= check.limit);
    return outcome;
}
