#include "SimulationRun.h"

#include "ClimCalc.h"
#include "InletMixing.h"
#include "IntervalData.h"
#include "KalvexDoc.h"
#include "March.h"
#include "MessageTexts.h"
#include "NumberText.h"
#include "Validation.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

// Busy indication for the whole of an Execute, also when it leaves early.
class BusyScope {
public:
    explicit BusyScope(IRunUi& runUi) : ui(runUi) { ui.BeginBusy(); }
    ~BusyScope() { ui.EndBusy(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    IRunUi& ui;
};

bool HasLiveSource(const CKalvexDoc& doc, const CKalvexBranch& branch)
{
    for (std::uint16_t id : branch.SourceBranchIds())
        if (doc.FindBranchIndex(id) >= 0)
            return true;
    return false;
}

// The run itself, for a branch that passed validation.
void RunValidBranch(CKalvexDoc& doc, CKalvexBranch& branch, IRunUi& ui)
{
    ui.BeginBranch(branch);
    std::vector<CResultInterval>& rows = branch.ResultList();
    rows.clear();

    CIntervalData plan;
    plan.Plan(branch.length, branch.outputInterval);

    CClimCalc calc;
    calc.Initialise(branch);
    calc.SetWorker(doc);
    calc.ui = &ui;

    // A list that holds the value rows already (a branch run or opened
    // before) keeps its block: a new, slightly larger one for every branch
    // would leave the old blocks as holes no later list fits into, and a
    // large document would take nearly twice its memory after a run. Other
    // lists get room for the value rows, about one message per heat source,
    // the fan, a few condensation messages and the three summary rows.
    const std::size_t valueRows = static_cast<std::size_t>(plan.outputCount) + 1;
    if (rows.capacity() < valueRows)
        rows.reserve(valueRows + static_cast<std::size_t>(branch.HeatSourceCount()) + 8);

    const CBranchTotals totals = March(branch, plan, calc);
    rows.reserve(rows.size() + calc.messages.size() + 3);

    branch.outletDryBulb = calc.dryBulb;
    branch.outletWetBulb = calc.wetBulb;
    branch.outletPressure = calc.pressure;
    branch.outletMassFlow = calc.massFlow;

    for (std::string& message : calc.messages)
        rows.push_back(CResultInterval::Message(std::move(message)));
    rows.push_back(CResultInterval::Message(
        StrataTotalsText(totals.strataSensible / 1000.0, totals.strataLatent / 1000.0)));
    rows.push_back(CResultInterval::Message(
        OtherTotalsText(totals.otherSensible / 1000.0, totals.otherLatent / 1000.0)));
    rows.push_back(CResultInterval::Message(WorkerSummaryText(doc.metabolicRate, doc.skinTempLimit)));
}

// Sequence mode: a fed branch takes the mixture of its sources' outlets.
// A mixture that cannot be marched (no source has run yet, or their
// outlets are unusable) leaves the intake as it was; the branch then shows
// only the reason instead of being run.
bool FeedBranch(CKalvexDoc& doc, CKalvexBranch& branch)
{
    PurgeSourceBranches(doc, branch);
    const CInletMixture mix = ComputeInletMixture(doc, branch);
    if (!mix.hasSources)
        return true;
    if (!IsUsableMixture(mix)) {
        std::vector<CResultInterval>& rows = branch.ResultList();
        rows.clear();
        rows.push_back(CResultInterval::Message(UnusableMixtureText(mix.neverRun)));
        return false;
    }
    StoreInletMixture(branch, mix);
    return true;
}

}  // namespace

bool ExecuteBranchAt(CKalvexDoc& doc, int index, IRunUi& ui)
{
    if (index < 0 || index >= doc.BranchCount())
        return false;
    return ExecuteBranch(doc, doc.BranchAt(index), true, ui);
}

bool ExecuteBranch(CKalvexDoc& doc, CKalvexBranch& branch, [[maybe_unused]] bool validate, IRunUi& ui)
{
    BusyScope busy(ui);
    // Only a branch of this document can become the shown branch.
    if (doc.IndexOfBranch(&branch) < 0)
        return false;
    // RunBranch validates whatever validate says: input that fails the
    // checks is never marched, so both ways list the errors and stop.
    if (!RunBranch(doc, branch, ui))
        return false;
    doc.resultBranch = &branch;
    doc.graphBranch = &branch;
    doc.SetModifiedFlag();
    doc.UpdateAllViews(nullptr);
    return true;
}

bool ExecuteSequence(CKalvexDoc& doc, IRunUi& ui)
{
    BusyScope busy(ui);
    const int n = doc.BranchCount();
    if (n == 0)
        return false;

    std::vector<std::string> errors;
    for (int i = 0; i < n; ++i) {
        const CKalvexBranch& branch = doc.BranchAt(i);
        ValidateBranch(branch, errors, i, i > 0 && HasLiveSource(doc, branch));
    }
    ValidateWorker(doc, errors);
    if (!errors.empty()) {
        ui.ShowDataErrors(errors);
        return false;
    }

    for (int i = 0; i < n; ++i) {
        CKalvexBranch& branch = doc.BranchAt(i);
        // The first branch never takes its intake from other branches.
        if (i > 0 && !branch.SourceBranchIds().empty() && !FeedBranch(doc, branch))
            continue;
        RunValidBranch(doc, branch, ui);
    }

    if (!doc.resultBranch)
        doc.resultBranch = &doc.BranchAt(n - 1);
    if (!doc.graphBranch)
        doc.graphBranch = &doc.BranchAt(n - 1);
    doc.SetModifiedFlag();
    doc.UpdateAllViews(nullptr);
    return true;
}

bool RunBranch(CKalvexDoc& doc, CKalvexBranch& branch, IRunUi& ui)
{
    if (doc.BranchCount() == 0)
        return false;
    // Callers that skip validation still never march input that would
    // crash the plan or fill the rows with NaN.
    std::vector<std::string> errors;
    ValidateBranch(branch, errors, -1);
    ValidateWorker(doc, errors);
    if (!errors.empty()) {
        ui.ShowDataErrors(errors);
        return false;
    }
    RunValidBranch(doc, branch, ui);
    return true;
}
