#include "RequirementTestSupport.h"

#include <limits>
#include <gtest/gtest.h>

namespace {

// A 300 m heading in 50 m output intervals into rock of about 36 °C.
void BuildWarmHeading(CKalvexDoc& doc)
{
    AddDefaultBranches(doc, 1);
    CKalvexBranch& b = doc.BranchAt(0);
    b.name = "Warm heading";
    b.length = 300;
    b.outputInterval = 50;
    b.depthIn = 900;
    b.depthOut = 900;
    b.vrtIn = 36;
    b.wetness = 0.1;
    b.intakeDryBulb = 29;
    b.intakeWetBulb = 23;
    b.intakeQuantity = 10;
}

CRequirementQuery CoolingQuery(SolveCriterion criterion, double limit, double location)
{
    CRequirementQuery q;
    q.criterion = criterion;
    q.limit = limit;
    q.coolerLocation = location;
    q.weakestCooling = 0.0;
    q.strongestCooling = -300.0;
    return q;
}

// The cooler the answer stands for, at the end of the branch's list, with
// the given sensible heat; Execute then judges the rows beyond it.
bool KeepsWithCooler(CKalvexDoc& doc, const CRequirementQuery& q, double sensibleHeat)
{
    CRequirementAnswer a;
    a.value = sensibleHeat;
    std::vector<CHeatSource>& list = doc.BranchAt(0).HeatSourceList();
    list.push_back(MakeCoolerSource(q, a));
    const bool keeps = KeepsByExecute(doc, q, RoundDecimals(q.coolerLocation, 0));
    list.pop_back();
    return keeps;
}

}  // namespace

TEST(RequiredCooling, AgreesWithABruteForceScanOfTheHeatColumn)
{
    for (SolveCriterion criterion : {SolveCriterion::Wbgt, SolveCriterion::WetBulb}) {
        CKalvexDoc doc;
        BuildWarmHeading(doc);
        const CRequirementQuery q = CoolingQuery(criterion, criterion == SolveCriterion::Wbgt ? 30.0 : 27.5, 60.4);
        const CRequirementAnswer a = SolveRequiredCooling(doc, q);
        SCOPED_TRACE(a.message);
        ASSERT_EQ(a.status, SolveStatus::Found);
        EXPECT_EQ(a.field, SolvedField::CoolerSensibleHeat);
        EXPECT_LT(a.value, 0.0);
        EXPECT_GT(a.peakDistance, 60.0);
        EXPECT_NE(a.message.find("at 60 m"), std::string::npos);
        const int steps = static_cast<int>(std::llround(-a.value / 0.01));
        for (int i = 0; i < steps; ++i)
            ASSERT_FALSE(KeepsWithCooler(doc, q, RoundDecimals(-0.01 * i, 2))) << i;
        EXPECT_TRUE(KeepsWithCooler(doc, q, a.value));
        EXPECT_EQ(doc.BranchAt(0).HeatSourceCount(), 0);
    }
}

TEST(RequiredCooling, NoCoolingNeededIsAnAnswerOfZero)
{
    CKalvexDoc doc;
    BuildWarmHeading(doc);
    const CRequirementAnswer a = SolveRequiredCooling(doc, CoolingQuery(SolveCriterion::DryBulb, 60.0, 0));
    EXPECT_EQ(a.status, SolveStatus::Found);
    EXPECT_EQ(a.value, 0.0);
    EXPECT_EQ(a.marches, 1);
    EXPECT_EQ(a.message.rfind("No cooling needed", 0), 0u) << a.message;
}

TEST(RequiredCooling, RowsUpstreamOfTheCoolerDoNotCount)
{
    CKalvexDoc doc;
    BuildWarmHeading(doc);
    doc.BranchAt(0).length = 100;
    // The intake air is above the limit; a cooler at 0 m acts beyond the
    // intake row, which therefore does not count.
    CRequirementQuery q = CoolingQuery(SolveCriterion::DryBulb, 28.5, 0);
    q.strongestCooling = -1000;
    const CRequirementAnswer first = SolveRequiredCooling(doc, q);
    ASSERT_EQ(first.status, SolveStatus::Found) << first.message;
    EXPECT_TRUE(KeepsWithCooler(doc, q, first.value));
    // Further in, only the outlet can still be kept.
    q.coolerLocation = 50;
    q.outletOnly = true;
    const CRequirementAnswer outlet = SolveRequiredCooling(doc, q);
    ASSERT_EQ(outlet.status, SolveStatus::Found) << outlet.message;
    EXPECT_EQ(outlet.peakDistance, 100.0);
    EXPECT_TRUE(KeepsWithCooler(doc, q, outlet.value));
    EXPECT_FALSE(KeepsWithCooler(doc, q, RoundDecimals(outlet.value + 0.01, 2)));
}

TEST(RequiredCooling, UnreachableWithinTheUsersRange)
{
    CKalvexDoc doc;
    BuildWarmHeading(doc);
    CRequirementQuery q = CoolingQuery(SolveCriterion::Wbgt, 20.0, 30);
    q.weakestCooling = -5;
    q.strongestCooling = -20;
    const CRequirementAnswer a = SolveRequiredCooling(doc, q);
    EXPECT_EQ(a.status, SolveStatus::NotReachable);
    EXPECT_EQ(a.value, -20.0);
    EXPECT_EQ(a.rangeFrom, -5.0);
    EXPECT_EQ(a.message.rfind("Not reachable within -5.00 \u2026 -20.00 kW", 0), 0u) << a.message;
}

TEST(RequiredCooling, BadLocationsAndRangesAreRefused)
{
    CKalvexDoc doc;
    BuildWarmHeading(doc);
    for (double location : {-1.0, 300.0, 1e9, double(std::numeric_limits<double>::quiet_NaN())})
        EXPECT_EQ(SolveRequiredCooling(doc, CoolingQuery(SolveCriterion::Wbgt, 28, location)).status,
                  SolveStatus::InvalidQuery)
            << location;
    const std::pair<double, double> ranges[] = {{1, -5}, {-5, -5}, {-5, 0}, {0, -10001}, {std::numeric_limits<double>::quiet_NaN(), -5}};
    for (const auto& [weakest, strongest] : ranges) {
        CRequirementQuery q = CoolingQuery(SolveCriterion::Wbgt, 28, 10);
        q.weakestCooling = weakest;
        q.strongestCooling = strongest;
        EXPECT_EQ(SolveRequiredCooling(doc, q).status, SolveStatus::InvalidQuery) << weakest << " " << strongest;
    }
}

TEST(RequiredCooling, TheCoolerSourceIsASpotWithoutLatentHeat)
{
    CRequirementQuery q = CoolingQuery(SolveCriterion::Wbgt, 28.0, 120.6);
    CRequirementAnswer a;
    a.value = -123.456;
    const CHeatSource s = MakeCoolerSource(q, a);
    EXPECT_EQ(s.kind, CHeatSource::Spot);
    EXPECT_EQ(s.location, 121.0);
    EXPECT_EQ(s.sensibleHeat(), -123.46);
    EXPECT_EQ(s.latentHeat(), 0.0);
    EXPECT_EQ(s.description, "Cooler: WBGT \u2264 28.00 \u00B0C");
}
