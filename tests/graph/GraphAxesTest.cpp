// The axes of the graph: tick steps, outward rounding, the distance axis and
// each plot's value axis, on branches built row by row.
#include "Curve.h"
#include "GraphAxes.h"
#include "GraphCurves.h"
#include "KalvexBranch.h"
#include "KalvexDoc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

namespace {

CResultInterval Row(double distance, double dryBulb, double wetBulb = 15.0)
{
    CResultInterval row;
    row.distance = distance;
    row.dryBulb = dryBulb;
    row.wetBulb = wetBulb;
    row.meanSkinTemp = 33.0;
    return row;
}

// Rows at distance 0, step, 2 step, ... with the given dry bulb values, the
// wet bulb equal (saturated air), so the dry bulb axis is the values' own.
void FillRows(CKalvexBranch& branch, double step, std::initializer_list<double> dryBulbs)
{
    double x = 0.0;
    for (const double t : dryBulbs) {
        branch.ResultList().push_back(Row(x, t, t));
        x += step;
    }
}

CCurve Axes(const CKalvexBranch& branch, ColumnId column, double skinLimit = 36.0)
{
    CCurve curve;
    EXPECT_TRUE(ComputePlotAxes(branch, column, skinLimit, curve));
    return curve;
}

}  // namespace

TEST(GraphAxes, TickStepsFollowTheTableAndContinueBeyondIt)
{
    EXPECT_EQ(TickStep(0.45), 1);
    EXPECT_EQ(TickStep(10.0), 1);
    EXPECT_EQ(TickStep(10.5), 2);
    EXPECT_EQ(TickStep(20.0001), 5);
    EXPECT_EQ(TickStep(100.0), 10);
    EXPECT_EQ(TickStep(150.0), 20);
    EXPECT_EQ(TickStep(4000.0), 500);
    // Beyond the table, at most ten steps across.
    EXPECT_EQ(TickStep(5000.0), 1000);
    EXPECT_EQ(TickStep(8000.0), 1000);
    EXPECT_EQ(TickStep(15000.0), 2000);
    EXPECT_EQ(TickStep(3.0e9), 5.0e8);
}

TEST(GraphAxes, RoundingOutwardTruncatesAndSmallRangesGoToWholeUnits)
{
    const AxisRange small = RoundOutward(19.95, 20.4);
    EXPECT_EQ(small.lo, 19);
    EXPECT_EQ(small.hi, 21);
    EXPECT_EQ(small.step, 1);
    const AxisRange wide = RoundOutward(12.3, 47.9);
    EXPECT_EQ(wide.lo, 10);
    EXPECT_EQ(wide.hi, 50);
    EXPECT_EQ(wide.step, 5);
    // No "-0" bottom for a padded zero.
    EXPECT_FALSE(std::signbit(RoundOutward(-0.1, 10.1).lo));
}

TEST(GraphAxes, AFourThousandMetreBranchHasSevenInteriorGridLines)
{
    CKalvexBranch branch;
    FillRows(branch, 400.0, {20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30});
    branch.ResultList().push_back(CResultInterval::Message("Heat totals"));
    DistanceAxis axis;
    ASSERT_TRUE(ComputeDistanceAxis(branch, axis));
    EXPECT_EQ(axis.xMin, 0);
    EXPECT_EQ(axis.xMax, 4000);
    EXPECT_EQ(axis.xStep, 500);
    EXPECT_EQ(axis.xGridCount, 7);  // 500 ... 3500, labels 0 ... 3500, none at 4000
    EXPECT_DOUBLE_EQ(axis.xScale, 5.0);
    EXPECT_EQ(axis.xGridCount * axis.xStep + axis.xMin, 3500);
}

TEST(GraphAxes, ANarrowRangeBecomesTwoUnitsWithNineMinorTicks)
{
    CKalvexBranch branch;
    FillRows(branch, 10.0, {20.05, 20.3, 20.1, 20.2});
    const CCurve curve = Axes(branch, Col::ResDryBulb);
    EXPECT_EQ(curve.yMin, 19);
    EXPECT_EQ(curve.yMax, 21);
    EXPECT_EQ(curve.yStep, 1);
    EXPECT_EQ(curve.yGridCount, 1);  // at 20
    EXPECT_EQ(curve.minorTickCount, 9);
    EXPECT_EQ(curve.minorTickSpacing, 1000);
    EXPECT_DOUBLE_EQ(curve.yScale, 10000.0);
}

TEST(GraphAxes, MinorTicksByStep)
{
    struct Case {
        double lo, hi;
        double step;
        int ticks;
    };
    // Ranges of at least five major intervals.
    for (const Case c : {Case{1, 18, 2, 3}, Case{10, 190, 20, 3}, Case{100, 1900, 200, 3}, Case{0.5, 9.5, 1, 4},
                         Case{1, 44, 5, 4}, Case{1, 99.5, 10, 4}, Case{5, 400, 50, 4}, Case{10, 900, 100, 4},
                         Case{1000, 3900, 500, 4}}) {
        CKalvexBranch branch;
        FillRows(branch, 10.0, {c.lo, c.hi});
        const CCurve curve = Axes(branch, Col::ResDryBulb);
        EXPECT_EQ(curve.yStep, c.step) << c.lo << " " << c.hi;
        EXPECT_EQ(curve.minorTickCount, c.ticks) << c.lo << " " << c.hi;
        EXPECT_GE((curve.yMax - curve.yMin) / curve.yStep, 4.5);
    }
}

TEST(GraphAxes, WetBulbAxisReachesTheDryBulb)
{
    CKalvexBranch branch;
    branch.ResultList() = {Row(0, 30, 20), Row(10, 34, 21), Row(20, 38, 22)};
    branch.ResultList().push_back(CResultInterval::Message("Condensation"));
    const CCurve wet = Axes(branch, Col::ResWetBulb);
    EXPECT_GE(wet.yMax, 38);
    EXPECT_EQ(wet.yMin, 18);
    EXPECT_EQ(wet.yMax, 40);
    // The dry bulb shares the scale: its axis reaches down to the wet bulb.
    const CCurve dry = Axes(branch, Col::ResDryBulb);
    EXPECT_EQ(dry.yMin, wet.yMin);
    EXPECT_EQ(dry.yMax, wet.yMax);
}

TEST(GraphAxes, SkinTemperatureAxisIncludesTheLimit)
{
    CKalvexBranch branch;
    FillRows(branch, 10.0, {25, 26, 27});
    const CCurve skin = Axes(branch, Col::Mst, 36.0);  // every row 33 °C
    EXPECT_EQ(skin.yMin, 32);
    EXPECT_EQ(skin.yMax, 37);
    EXPECT_EQ(skin.yStep, 1);
    // Below the values the limit widens the bottom instead.
    EXPECT_EQ(Axes(branch, Col::Mst, 30.0).yMin, 29);
}

TEST(GraphAxes, MessageRowsAreSkippedByTheirFlagNotTheirValues)
{
    CKalvexBranch branch;
    FillRows(branch, 100.0, {20, 22, 24});
    // A message row in the middle (a damaged file) carries zeros.
    branch.ResultList().insert(branch.ResultList().begin() + 1, CResultInterval::Message("Fan"));
    branch.ResultList().push_back(CResultInterval::Message("Totals"));
    const CCurve curve = Axes(branch, Col::ResDryBulb);
    EXPECT_EQ(curve.yMin, 19);  // 19.9 rounded, not the message row's 0
    EXPECT_EQ(curve.yMax, 25);
    EXPECT_EQ(curve.xMax, 200);
}

TEST(GraphAxes, NothingIsComputedWithoutTwoRowsOfResults)
{
    CKalvexBranch branch;
    CCurve curve;
    curve.yMax = 77;
    DistanceAxis axis;
    axis.xMax = 55;
    EXPECT_FALSE(ComputeDistanceAxis(branch, axis));
    branch.ResultList().push_back(Row(0, 20));
    EXPECT_FALSE(ComputePlotAxes(branch, Col::ResDryBulb, 36.0, curve));
    // Message rows only.
    branch.ResultList() = {CResultInterval::Message("a"), CResultInterval::Message("b")};
    EXPECT_FALSE(ComputeDistanceAxis(branch, axis));
    EXPECT_FALSE(HasPlottableResults(nullptr));
    EXPECT_EQ(curve.yMax, 77);
    EXPECT_EQ(axis.xMax, 55);
}

TEST(GraphAxes, DegenerateAndExtremeRangesStillGiveAUsableAxis)
{
    // Both rows at the intake: the distance axis keeps one step.
    CKalvexBranch still;
    still.ResultList() = {Row(0, 20), Row(0, 20)};
    DistanceAxis axis;
    ASSERT_TRUE(ComputeDistanceAxis(still, axis));
    EXPECT_GT(axis.xMax, axis.xMin);
    EXPECT_GT(axis.xScale, 0);

    // Values below zero: the bottom covers them although truncation alone
    // would not.
    CKalvexBranch cold;
    FillRows(cold, 10.0, {-20.3, -4.0, 3.0});
    const CCurve c = Axes(cold, Col::ResDryBulb);
    EXPECT_LE(c.yMin, -20.3);
    EXPECT_GE(c.yMax, 3.0);
    CKalvexBranch slightlyCold;
    FillRows(slightlyCold, 10.0, {-0.5, -0.3});
    const CCurve s = Axes(slightlyCold, Col::ResDryBulb);
    EXPECT_EQ(s.yMin, -1);
    EXPECT_EQ(s.yMax, 0);

    // Enormous values: finite axes, a sane step count.
    CKalvexBranch wild;
    FillRows(wild, 1.0e300, {-1.0e300, 1.0e300});
    DistanceAxis far;
    ASSERT_TRUE(ComputeDistanceAxis(wild, far));
    const CCurve w = Axes(wild, Col::ResDryBulb);
    for (const double v : {far.xMax, far.xScale, w.yMin, w.yMax, w.yScale})
        EXPECT_TRUE(std::isfinite(v)) << v;
    EXPECT_LE(w.yGridCount, 10);
    EXPECT_GT(w.yScale, 0);
}

TEST(GraphCurves, ThirteenCurvesGoInFrontWithStylesAndColours)
{
    CKalvexDoc doc;
    doc.OnNewDocument();
    doc.InsertNewCurve(0);
    doc.CurveAt(0).colour = 0x123456;
    doc.SetModifiedFlag(false);
    InsertPlotCurves(doc);
    ASSERT_EQ(doc.CurveList().size(), 14u);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.CurveAt(13).colour, 0x123456u);  // the older curve moved up and stayed
    for (int i = 0; i < kPlotCount; ++i) {
        EXPECT_EQ(doc.CurveAt(i).plotIndex, i);
        EXPECT_EQ(doc.CurveAt(i).lineStyle, i % 5);
        EXPECT_EQ(doc.CurveAt(i).colour, i % 2 == 0 ? RgbValue(0, 0, 255) : RgbValue(255, 0, 0));
    }
    EXPECT_EQ(RgbValue(0, 0, 255), 0xFF0000u);
}

TEST(GraphCurves, ShortOrDamagedCurveListsAndStaleBranches)
{
    CKalvexDoc doc;
    doc.OnNewDocument();
    doc.curves.resize(3);  // null entries, as a damaged file leaves them
    EXPECT_NE(PlotCurve(doc, 2), nullptr);
    EXPECT_EQ(PlotCurve(doc, 3), nullptr);
    EXPECT_EQ(PlotCurve(doc, -1), nullptr);
    doc.CurveAt(1).lineStyle = 99;
    EXPECT_EQ(SafeLineStyle(doc.CurveAt(1)), 0);

    doc.InsertNewBranch(0);
    FillRows(doc.BranchAt(0), 100.0, {20, 25});
    CKalvexBranch stranger;
    doc.graphBranch = &stranger;
    DistanceAxis axis;
    EXPECT_EQ(GraphBranch(doc), nullptr);
    EXPECT_FALSE(ComputeGraphAxes(doc, axis));
    doc.graphBranch = &doc.BranchAt(0);
    EXPECT_TRUE(ComputeGraphAxes(doc, axis));  // three curves, the rest missing
    EXPECT_EQ(doc.CurveAt(0).yMin, 19);
    EXPECT_EQ(axis.xMax, 100);
}
