#include "MessageTexts.h"
#include "RequirementTestSupport.h"

#include <limits>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// A short, hot heading: 200 m in 50 m output intervals into rock of about
// 53 °C, with a spot source halfway, so that each march is a handful of rows.
void BuildHotHeading(CKalvexDoc& doc)
{
    AddDefaultBranches(doc, 1);
    CKalvexBranch& b = doc.BranchAt(0);
    b.name = "Hot heading";
    b.length = 200;
    b.outputInterval = 50;
    b.depthIn = 1000;
    b.depthOut = 1000;
    b.vrtIn = 53;
    b.wetness = 0.2;
    b.ageIn = 30;
    b.ageOut = 5;
    b.intakeDryBulb = 29;
    b.intakeWetBulb = 22;
    b.intakeQuantity = 3;
    CHeatSource machine;
    machine.kind = CHeatSource::Spot;
    machine.location = 100;
    machine.sensibleHeat() = 150;
    machine.latentHeat() = 20;
    b.AddHeatSource(machine);
}

CRequirementQuery Query(SolveCriterion criterion, double limit, int index = 0)
{
    CRequirementQuery q;
    q.branchIndex = index;
    q.criterion = criterion;
    q.limit = limit;
    return q;
}

// The field of the answer in the document, as the user's edit would set it.
void Apply(CKalvexDoc& doc, const CRequirementQuery& q, SolvedField field, double value)
{
    CKalvexBranch& b = doc.BranchAt(q.branchIndex);
    b.SetColumnValue(field == SolvedField::AddedQuantity ? Col::AddedQuantity : Col::Quantity, value);
}

double Step(double value, int steps) { return RoundDecimals(value + 0.01 * steps, 2); }

// Every quantity from the start of the range up to the answer, in steps of
// 0.01, through Execute: all below the answer break the limit, it keeps it.
void ExpectFirstKeepingByBruteForce(CKalvexDoc& doc, const CRequirementQuery& q, const CRequirementAnswer& a)
{
    ASSERT_EQ(a.status, SolveStatus::Found) << a.message;
    const int steps = static_cast<int>(std::llround((a.value - a.rangeFrom) / 0.01));
    for (int i = 0; i < steps; ++i) {
        Apply(doc, q, a.field, Step(a.rangeFrom, i));
        ASSERT_FALSE(KeepsByExecute(doc, q)) << "keeps already at " << Step(a.rangeFrom, i) << ", answer " << a.value;
    }
    Apply(doc, q, a.field, a.value);
    EXPECT_TRUE(KeepsByExecute(doc, q)) << a.message;
}

}  // namespace

TEST(RequiredQuantity, AgreesWithABruteForceScanOnAMadeHeading)
{
    for (SolveCriterion criterion : kSolveCriteria) {
        CKalvexDoc doc;
        BuildHotHeading(doc);
        const double limit = criterion == SolveCriterion::MeanSkinTemp       ? 35.0
                             : criterion == SolveCriterion::ThermalWorkLimit ? 220.0
                                                                            : 30.0;
        const CRequirementQuery q = Query(criterion, limit);
        const CRequirementAnswer a = SolveRequiredQuantity(doc, q);
        SCOPED_TRACE(CriterionCliName(criterion));
        EXPECT_EQ(a.field, SolvedField::IntakeQuantity);
        if (CriterionIsFloor(criterion))
            EXPECT_GE(a.peakValue, q.limit);
        else
            EXPECT_LE(a.peakValue, q.limit);
        EXPECT_GT(a.marches, 1);
        EXPECT_LT(a.marches, 80);
        ExpectFirstKeepingByBruteForce(doc, q, a);
    }
}

TEST(RequiredQuantity, AgreesWithABruteForceScanOnTheHaulageDrift)
{
    for (SolveCriterion criterion : {SolveCriterion::MeanSkinTemp, SolveCriterion::WetBulb}) {
        CKalvexDoc doc;
        ASSERT_TRUE(LoadExample("haulage-drift.zt2", doc));
        // Coarser rows keep the scan short; the answer is for this branch.
        doc.BranchAt(0).outputInterval = 100;
        const CRequirementQuery q = Query(criterion, DefaultCriterionLimit(doc, criterion));
        const CRequirementAnswer a = SolveRequiredQuantity(doc, q);
        ExpectFirstKeepingByBruteForce(doc, q, a);
    }
}

TEST(RequiredQuantity, OneStepLessBreaksTheLimitOnEveryExample)
{
    for (const char* name : {"haulage-drift.zt2", "hot-decline.zt2"}) {
        for (SolveCriterion criterion : kSolveCriteria) {
            CKalvexDoc doc;
            ASSERT_TRUE(LoadExample(name, doc));
            const CRequirementQuery q = Query(criterion, DefaultCriterionLimit(doc, criterion));
            const CRequirementAnswer a = SolveRequiredQuantity(doc, q);
            SCOPED_TRACE(std::string(name) + " " + CriterionCliName(criterion) + ": " + a.message);
            if (a.status == SolveStatus::NotReachable) {
                Apply(doc, q, a.field, kMaxIntakeQuantity);
                EXPECT_FALSE(KeepsByExecute(doc, q));
                continue;
            }
            ASSERT_EQ(a.status, SolveStatus::Found);
            Apply(doc, q, a.field, a.value);
            EXPECT_TRUE(KeepsByExecute(doc, q));
            const CKalvexBranch& b = doc.BranchAt(0);
            // The peak reported is the one Execute stores (the lowest
            // value of a floor).
            const CResultTwl twl(doc, b);
            const double sign = CriterionIsFloor(criterion) ? -1.0 : 1.0;
            double peak = -1e9;
            for (const CResultInterval* row : ValueRows(b))
                peak = std::max(peak, sign * RowCriterion(twl, *row, criterion));
            peak *= sign;
            EXPECT_EQ(a.peakValue, peak);
            if (a.value > kMinIntakeQuantity) {
                Apply(doc, q, a.field, Step(a.value, -1));
                EXPECT_FALSE(KeepsByExecute(doc, q));
            }
        }
    }
}

TEST(RequiredQuantity, UnreachableTargetSaysSoWithTheRange)
{
    CKalvexDoc doc;
    ASSERT_TRUE(LoadExample("hot-decline.zt2", doc));
    // The intake air itself is above the wet bulb limit.
    const CRequirementAnswer a = SolveRequiredQuantity(doc, Query(SolveCriterion::WetBulb, 28.0));
    EXPECT_EQ(a.status, SolveStatus::NotReachable);
    EXPECT_EQ(a.value, kMaxIntakeQuantity);
    EXPECT_EQ(a.peakDistance, 0.0);
    EXPECT_GT(a.peakValue, 28.0);
    EXPECT_EQ(a.message.rfind("Not reachable within 0.10 \u2026 10,000.00 m\u00B3/s", 0), 0u) << a.message;
    EXPECT_NE(a.message.find(std::to_string(a.marches) + " marches"), std::string::npos);
}

TEST(RequiredQuantity, AtTheOutletNeedsNoMoreAirThanAlongTheBranch)
{
    CKalvexDoc doc;
    BuildHotHeading(doc);
    doc.BranchAt(0).wetness = 0.0;
    CRequirementQuery along = Query(SolveCriterion::DryBulb, 33.0);
    CRequirementQuery outlet = along;
    outlet.outletOnly = true;
    const CRequirementAnswer a = SolveRequiredQuantity(doc, along);
    const CRequirementAnswer o = SolveRequiredQuantity(doc, outlet);
    ASSERT_EQ(a.status, SolveStatus::Found);
    ASSERT_EQ(o.status, SolveStatus::Found);
    EXPECT_LE(o.value, a.value);
    EXPECT_EQ(o.peakDistance, 200.0);
    EXPECT_NE(o.message.find("at the outlet is"), std::string::npos);
    ExpectFirstKeepingByBruteForce(doc, outlet, o);
}

TEST(RequiredQuantity, FedBranchVariesItsAdditionalAirAndLeavesItsSources)
{
    CKalvexDoc doc;
    ASSERT_TRUE(LoadExample("five-branch-sequence.zt2", doc));
    const int ramp = 3;
    const CRequirementQuery q = Query(SolveCriterion::WetBulb, 20.0, ramp);
    const double intake = doc.BranchAt(ramp).intakeQuantity;
    const CRequirementAnswer a = SolveRequiredQuantity(doc, q);
    ASSERT_EQ(a.status, SolveStatus::Found) << a.message;
    EXPECT_EQ(a.field, SolvedField::AddedQuantity);
    EXPECT_EQ(a.rangeFrom, kMinAddedQuantity);
    EXPECT_EQ(a.rangeTo, kMaxAddedQuantity);
    EXPECT_NE(a.message.find("Required additional air"), std::string::npos);

    // The whole sequence, run after the edit, agrees: its sources give the
    // outlets the solver held, and the intake quantity stays as it was.
    ExpectFirstKeepingByBruteForce(doc, q, a);
    EXPECT_EQ(doc.BranchAt(ramp).intakeQuantity, intake);

    // The first branch of a sequence takes no mixture: its intake air is varied.
    const CRequirementAnswer first = SolveRequiredQuantity(doc, Query(SolveCriterion::WetBulb, 27.0, 0));
    EXPECT_EQ(first.field, SolvedField::IntakeQuantity);
}

TEST(RequiredQuantity, FedBranchWhoseSourcesNeverRanHasADataError)
{
    CKalvexDoc doc;
    AddDefaultBranches(doc, 2);
    doc.sequenceMode = true;
    doc.BranchAt(1).SetSourceBranchIds({doc.BranchAt(0).branchId});
    const CRequirementAnswer a = SolveRequiredQuantity(doc, Query(SolveCriterion::WetBulb, 25.0, 1));
    EXPECT_EQ(a.status, SolveStatus::DataErrors);
    ASSERT_EQ(a.dataErrors.size(), 1u);
    EXPECT_EQ(a.dataErrors[0], UnusableMixtureText(true));
}

TEST(RequiredQuantity, NeverChangesTheDocument)
{
    CKalvexDoc doc;
    ASSERT_TRUE(LoadExample("five-branch-sequence.zt2", doc));
    const std::vector<std::uint8_t> before = WriteDocumentBytes(doc);
    const std::uint64_t changes = doc.ChangeCount();
    CountingView view;
    doc.AddView(&view);
    for (int i = 0; i < doc.BranchCount(); ++i) {
        SolveRequiredQuantity(doc, Query(SolveCriterion::WetBulb, 19.0, i));
        CRequirementQuery cooling = Query(SolveCriterion::WetBulb, 19.0, i);
        cooling.coolerLocation = 100;
        SolveRequiredCooling(doc, cooling);
    }
    doc.RemoveView(&view);
    EXPECT_EQ(WriteDocumentBytes(doc), before);
    EXPECT_EQ(doc.ChangeCount(), changes);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(view.updates, 0);
}

TEST(RequiredQuantity, DataErrorsAreTheValidationMessagesOfExecute)
{
    CKalvexDoc doc;
    BuildHotHeading(doc);
    CKalvexBranch& b = doc.BranchAt(0);
    b.perimeter = 5;
    b.intakeQuantity = 0;  // the varied input is not held against the branch
    doc.metabolicRate = 500;
    const CRequirementAnswer a = SolveRequiredQuantity(doc, Query(SolveCriterion::WetBulb, 28.0));
    EXPECT_EQ(a.status, SolveStatus::DataErrors);
    EXPECT_EQ(a.marches, 0);
    EXPECT_EQ(a.message, kDataErrorsHeading);
    b.intakeQuantity = 3;
    RecordingUi ui;
    EXPECT_FALSE(ExecuteBranchAt(doc, 0, ui));
    ASSERT_EQ(ui.dataErrors.size(), 1u);
    EXPECT_EQ(a.dataErrors, ui.dataErrors[0]);

    // In sequence mode the messages carry the branch's number and name.
    doc.sequenceMode = true;
    const CRequirementAnswer s = SolveRequiredQuantity(doc, Query(SolveCriterion::WetBulb, 28.0));
    ASSERT_FALSE(s.dataErrors.empty());
    EXPECT_EQ(s.dataErrors[0].rfind("1 - Hot heading: ", 0), 0u) << s.dataErrors[0];
}

TEST(RequiredQuantity, QueriesThatCannotBeSolvedForSayWhy)
{
    CKalvexDoc doc;
    BuildHotHeading(doc);
    EXPECT_EQ(SolveRequiredQuantity(doc, Query(SolveCriterion::WetBulb, 28.0, 1)).status, SolveStatus::InvalidQuery);
    EXPECT_EQ(SolveRequiredQuantity(doc, Query(SolveCriterion::WetBulb, 28.0, -1)).status, SolveStatus::InvalidQuery);
    const CRequirementAnswer nan = SolveRequiredQuantity(doc, Query(SolveCriterion::WetBulb, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(nan.status, SolveStatus::InvalidQuery);
    EXPECT_FALSE(nan.message.empty());
    CKalvexDoc empty;
    empty.OnNewDocument();
    EXPECT_EQ(SolveRequiredCooling(empty, Query(SolveCriterion::WetBulb, 28.0)).message, "The document has no branch 1.");
}

TEST(Criteria, NamesAndDefaultLimits)
{
    CKalvexDoc doc;
    doc.OnNewDocument();
    doc.skinTempLimit = 35.25;
    for (SolveCriterion criterion : kSolveCriteria) {
        SolveCriterion read = SolveCriterion::DryBulb == criterion ? SolveCriterion::Wbgt : SolveCriterion::DryBulb;
        ASSERT_TRUE(CriterionFromCliName(CriterionCliName(criterion), read));
        EXPECT_EQ(read, criterion);
        EXPECT_NE(std::string(CriterionDisplayName(criterion)).find(std::string("(") + CriterionUnit(criterion) + ")"),
                  std::string::npos);
    }
    SolveCriterion unchanged = SolveCriterion::Wbgt;
    EXPECT_FALSE(CriterionFromCliName("MST", unchanged));
    EXPECT_FALSE(CriterionFromCliName("", unchanged));
    EXPECT_EQ(unchanged, SolveCriterion::Wbgt);
    EXPECT_EQ(DefaultCriterionLimit(doc, SolveCriterion::MeanSkinTemp), 35.25);
    EXPECT_EQ(DefaultCriterionLimit(doc, SolveCriterion::Wbgt), 28.0);
    EXPECT_EQ(DefaultCriterionLimit(doc, SolveCriterion::ThermalWorkLimit), 140.0);
    EXPECT_TRUE(CriterionIsFloor(SolveCriterion::ThermalWorkLimit));
    EXPECT_FALSE(CriterionIsFloor(SolveCriterion::Wbgt));
    EXPECT_EQ(CriterionAmount(SolveCriterion::ThermalWorkLimit, 139.6), "140 W/m\u00B2");
    EXPECT_EQ(CriterionAmount(SolveCriterion::DryBulb, 37.0), "37.00 \u00B0C");
}
