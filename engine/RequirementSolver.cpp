#include "RequirementSolver.h"

#include "GridSearch.h"
#include "InletMixing.h"
#include "KalvexDoc.h"
#include "MessageTexts.h"
#include "NumberText.h"
#include "RunUi.h"
#include "SolveTrial.h"
#include "Validation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>

namespace {

constexpr double kResolution = 0.01;  // the quantity and heat columns show two decimals
constexpr int kCoarsePerDecade = 16;
constexpr double kQuantityFloor = 0.1;  // m³/s, where the coarse scan starts its decades
constexpr double kCoolingFloor = 1.0;   // kW
constexpr double kMaxCooling = -10000.0;

bool IsFed(const CKalvexDoc& doc, int index)
{
    if (!doc.sequenceMode || index == 0)
        return false;
    for (std::uint16_t id : doc.BranchAt(index).SourceBranchIds())
        if (doc.FindBranchIndex(id) >= 0)
            return true;
    return false;
}

CRequirementAnswer Invalid(std::string text)
{
    CRequirementAnswer answer;
    answer.status = SolveStatus::InvalidQuery;
    answer.message = std::move(text);
    return answer;
}

// The query's branch and limit; an empty text when they can be solved for.
std::string QueryProblem(const CKalvexDoc& doc, const CRequirementQuery& query)
{
    if (query.branchIndex < 0 || query.branchIndex >= doc.BranchCount())
        return "The document has no branch " + std::to_string(query.branchIndex + 1) + ".";
    if (!std::isfinite(query.limit))
        return "The limit must be a number.";
    return {};
}

// The errors Execute would list for the branch once the varied input is at
// the start of its range; true when there are none.
bool Validate(const CKalvexDoc& doc, int index, bool fed, const CKalvexBranch& trialBranch,
              CRequirementAnswer& answer)
{
    ValidateBranch(trialBranch, answer.dataErrors, doc.sequenceMode ? index : -1, fed);
    ValidateWorker(doc, answer.dataErrors);
    if (fed) {
        const CInletMixture mix = ComputeInletMixture(doc, trialBranch);
        if (!IsUsableMixture(mix))
            answer.dataErrors.push_back(UnusableMixtureText(mix.neverRun));
    }
    if (answer.dataErrors.empty())
        return true;
    answer.status = SolveStatus::DataErrors;
    answer.message = kDataErrorsHeading;
    return false;
}

// The range in search order, its grid and the field each point goes into.
struct CSearchRange {
    double from = 0.0;
    double to = 0.0;
    double floor = 0.0;
    int Steps() const { return static_cast<int>(std::llround(std::fabs(to - from) / kResolution)); }
    double Value(int point) const
    {
        const double sign = to < from ? -1.0 : 1.0;
        return RoundDecimals(from + sign * point * kResolution, 2) + 0.0;
    }
};

// Runs the search over the trial, filling the answer's numbers; set sets
// the varied input of the trial's branch to a value. Returns the outcome of
// the march at the answer's value.
CTrialOutcome Search(CBranchTrial& trial, const CSearchRange& range, const std::function<void(double)>& set,
            CRequirementAnswer& answer)
{
    answer.rangeFrom = range.from;
    answer.rangeTo = range.to;
    std::map<int, CTrialOutcome> outcomes;
    const auto keeps = [&](int point) {
        set(range.Value(point));
        const CTrialOutcome outcome = trial.Run();
        outcomes[point] = outcome;
        return outcome.keeps;
    };
    const std::vector<int> coarse =
        CoarseGridPoints(std::fabs(range.from), kResolution, range.Steps(), range.floor, kCoarsePerDecade);
    const CGridAnswer found = FindFirstKeepingPoint(coarse, keeps);
    const int point = found.found ? found.point : range.Steps();
    const CTrialOutcome outcome = outcomes[point];
    answer.status = found.found ? SolveStatus::Found : SolveStatus::NotReachable;
    answer.value = range.Value(point);
    answer.decimals = 2;
    answer.peakValue = outcome.peak;
    answer.peakDistance = RoundDecimals(outcome.peakDistance, 0) + 0.0;  // as the results table shows it
    answer.marches = trial.Marches();
    return outcome;
}

std::string PeakText(const CRequirementQuery& query, const CRequirementAnswer& answer)
{
    const char* reaches = CriterionIsFloor(query.criterion) ? " falls to " : " peaks at ";
    return std::string("the ") + CriterionPlainName(query.criterion) + (query.outletOnly ? " at the outlet is " : reaches) +
           CriterionAmount(query.criterion, answer.peakValue) + " at " + FormatGrouped(answer.peakDistance, 0) + " m";
}

std::string Tail(const CRequirementQuery& query, const CRequirementAnswer& answer)
{
    return " (limit " + CriterionAmount(query.criterion, query.limit) + ", " + std::to_string(answer.marches) +
           (answer.marches == 1 ? " march)." : " marches).");
}

void WriteMessage(const CRequirementQuery& query, const CTrialOutcome& atValue, CRequirementAnswer& answer)
{
    const bool cooling = answer.field == SolvedField::CoolerSensibleHeat;
    const std::string unit = cooling ? " kW" : " m\u00B3/s";
    if (answer.status == SolveStatus::Found) {
        std::string head;
        if (cooling && answer.value == 0.0)
            head = "No cooling needed: ";
        else if (cooling)
            head = "Required cooling: " + FormatGrouped(answer.value, 2) + " kW at " + FormatGrouped(query.coolerLocation, 0) + " m; ";
        else if (answer.field == SolvedField::AddedQuantity)
            head = "Required additional air: " + FormatGrouped(answer.value, 2) + unit + "; ";
        else
            head = "Required air quantity: " + FormatGrouped(answer.value, 2) + unit + "; ";
        answer.message = head + PeakText(query, answer) + Tail(query, answer);
        return;
    }
    std::string text = "Not reachable within " + FormatGrouped(answer.rangeFrom, 2) + " \u2026 " + FormatGrouped(answer.rangeTo, 2) +
                       unit + ": at " + FormatGrouped(answer.rangeTo, 2) + unit + " ";
    if (atValue.complete)
        text += PeakText(query, answer);
    else
        text += "the run trips the dry-bulb guard or stops before the outlet";
    answer.message = text + Tail(query, answer);
}

}  // namespace

CRequirementAnswer SolveRequiredQuantity(const CKalvexDoc& doc, const CRequirementQuery& query)
{
    if (const std::string problem = QueryProblem(doc, query); !problem.empty())
        return Invalid(problem);
    const int index = query.branchIndex;
    const bool fed = IsFed(doc, index);
    CBranchTrial trial(doc, doc.BranchAt(index), fed,
                       CTrialCheck{query.criterion, query.limit, query.outletOnly, -1.0});
    CKalvexBranch& branch = trial.Branch();

    CRequirementAnswer answer;
    answer.field = fed ? SolvedField::AddedQuantity : SolvedField::IntakeQuantity;
    const ColumnId column = fed ? Col::AddedQuantity : Col::Quantity;
    CSearchRange range;
    range.from = fed ? kMinAddedQuantity : kMinIntakeQuantity;
    range.to = fed ? kMaxAddedQuantity : kMaxIntakeQuantity;
    range.floor = kQuantityFloor;

    branch.SetColumnValue(column, range.from);
    if (!Validate(doc, index, fed, branch, answer))
        return answer;
    const CTrialOutcome atValue =
        Search(trial, range, [&](double value) { branch.SetColumnValue(column, value); }, answer);
    WriteMessage(query, atValue, answer);
    return answer;
}

CRequirementAnswer SolveRequiredCooling(const CKalvexDoc& doc, const CRequirementQuery& query)
{
    if (const std::string problem = QueryProblem(doc, query); !problem.empty())
        return Invalid(problem);
    const int index = query.branchIndex;
    const CKalvexBranch& original = doc.BranchAt(index);
    const double location = std::isfinite(query.coolerLocation) ? RoundDecimals(query.coolerLocation, 0) : -1.0;
    if (!(location >= 0.0 && location < original.length))
        return Invalid("The cooler's location must be from 0 m to less than the branch length (" +
                       FormatGrouped(original.length, 0) + " m).");
    const double weakest = std::isfinite(query.weakestCooling) ? RoundDecimals(query.weakestCooling, 2) : 1.0;
    const double strongest = std::isfinite(query.strongestCooling) ? RoundDecimals(query.strongestCooling, 2) : 1.0;
    if (!(weakest <= 0.0 && strongest < weakest && strongest >= kMaxCooling))
        return Invalid("The cooling range must run from 0 kW or less down to a stronger cooling of at "
                       "least -10,000 kW.");

    const bool fed = IsFed(doc, index);
    CBranchTrial trial(doc, original, fed,
                       CTrialCheck{query.criterion, query.limit, query.outletOnly, location});
    CKalvexBranch& branch = trial.Branch();
    CRequirementAnswer answer;
    answer.field = SolvedField::CoolerSensibleHeat;
    answer.value = weakest;
    branch.AddHeatSource(MakeCoolerSource(query, answer));
    if (!Validate(doc, index, fed, branch, answer))
        return answer;

    CSearchRange range;
    range.from = weakest;
    range.to = strongest;
    range.floor = kCoolingFloor;
    CHeatSource& cooler = branch.HeatSourceList().back();
    const CTrialOutcome atValue = Search(trial, range, [&](double value) { cooler.sensibleHeat() = value; }, answer);
    WriteMessage(query, atValue, answer);
    return answer;
}

CHeatSource MakeCoolerSource(const CRequirementQuery& query, const CRequirementAnswer& answer)
{
    CHeatSource source;
    source.kind = CHeatSource::Spot;
    source.location = std::isfinite(query.coolerLocation) ? RoundDecimals(query.coolerLocation, 0) + 0.0 : 0.0;
    source.sensibleHeat() = RoundDecimals(answer.value, 2) + 0.0;
    source.latentHeat() = 0.0;
    source.description =
        std::string("Cooler: ") + CriterionPlainName(query.criterion) + " " + CriterionRelation(query.criterion) + " " +
        CriterionAmount(query.criterion, query.limit);
    return source;
}
