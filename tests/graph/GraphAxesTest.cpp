// The axes of the graph: tick steps, outward rounding, the distance axis and
// each plot's value axis, on branches built row by row.
#include "Curve.h"
#include "GraphAxes.h"
#include "GraphCurves.h"
#include "GraphReadout.h"
#include "KalvexBranch.h"
#include "KalvexDoc.h"
#include "PlotKinds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <set>
#include <stdexcept>

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

// Rows at distance 0, step, 2 step, ... with the given dry bulb values in
// unsaturated air, the wet bulb 3 °C lower.
void FillRows(CKalvexBranch& branch, double step, std::initializer_list<double> dryBulbs)
{
    double x = 0.0;
    for (const double t : dryBulbs) {
        branch.ResultList().push_back(Row(x, t, t - 3.0));
        x += step;
    }
}

constexpr int kDryBulb = 0;
constexpr int kWetBulb = 1;
constexpr int kSkin = 10;

CCurve Axes(const CKalvexBranch& branch, int plot, double skinLimit = 36.0, bool share = false)
{
    CCurve curve;
    EXPECT_TRUE(ComputePlotAxes(branch, plot, PlotAxisOptions{skinLimit, share}, curve));
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
    const CCurve curve = Axes(branch, kDryBulb);
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
        const CCurve curve = Axes(branch, kDryBulb);
        EXPECT_EQ(curve.yStep, c.step) << c.lo << " " << c.hi;
        EXPECT_EQ(curve.minorTickCount, c.ticks) << c.lo << " " << c.hi;
        EXPECT_GE((curve.yMax - curve.yMin) / curve.yStep, 4.5);
    }
}

TEST(GraphAxes, DryAndWetBulbShareAScaleOnlyWhileBothAreShown)
{
    CKalvexBranch branch;
    branch.ResultList() = {Row(0, 30, 20), Row(10, 34, 21), Row(20, 38, 22)};
    branch.ResultList().push_back(CResultInterval::Message("Condensation"));
    // The wet bulb axis always reaches the highest dry bulb.
    const CCurve wet = Axes(branch, kWetBulb);
    EXPECT_EQ(wet.yMin, 18);
    EXPECT_EQ(wet.yMax, 40);
    EXPECT_EQ(wet.yStep, 2);
    // Alone, the dry bulb axis is its own values': 29.9 ... 38.1 in steps of 1.
    const CCurve dry = Axes(branch, kDryBulb);
    EXPECT_EQ(dry.yMin, 29);
    EXPECT_EQ(dry.yMax, 39);
    EXPECT_EQ(dry.yStep, 1);
    EXPECT_EQ(dry.minorTickCount, 4);
    // Both shown: one scale from the lowest wet bulb to the highest dry bulb.
    const CCurve sharedDry = Axes(branch, kDryBulb, 36.0, true);
    const CCurve sharedWet = Axes(branch, kWetBulb, 36.0, true);
    EXPECT_EQ(sharedDry.yMin, 18);
    EXPECT_EQ(sharedDry.yMax, 40);
    EXPECT_EQ(sharedWet.yMin, sharedDry.yMin);
    EXPECT_EQ(sharedWet.yMax, sharedDry.yMax);
    // Other plots ignore the sharing.
    EXPECT_EQ(Axes(branch, kSkin, 36.0, true).yMax, Axes(branch, kSkin).yMax);
}

TEST(GraphAxes, TheNarrowBandOfADryBulbAloneIgnoresTheWetBulb)
{
    // Unsaturated air: the wet bulb lies 3 °C below, off this axis.
    CKalvexBranch branch;
    FillRows(branch, 10.0, {20.05, 20.3, 20.1});
    const CCurve alone = Axes(branch, kDryBulb);
    EXPECT_EQ(alone.yMin, 19);
    EXPECT_EQ(alone.yMax, 21);
    EXPECT_EQ(alone.minorTickCount, 9);
    const CCurve shared = Axes(branch, kDryBulb, 36.0, true);
    EXPECT_EQ(shared.yMin, 16);  // 16.95 truncated
    EXPECT_EQ(shared.yMax, 21);
}

TEST(GraphChoices, TheTemperaturesShareAScaleWhenBothAreShownAndAxisOwnersAreShown)
{
    PlotChoices choices = PlotChoices::Initial();
    EXPECT_TRUE(choices.SharesTemperatureScale());
    choices.showPlot[1] = false;
    EXPECT_FALSE(choices.SharesTemperatureScale());
    choices.showPlot.fill(false);
    choices.selectedPlot = 1;
    choices.rightPlot = 11;
    choices.Normalise();
    EXPECT_TRUE(choices.Shown(1));
    EXPECT_TRUE(choices.Shown(11));
    EXPECT_FALSE(choices.Shown(0));
    // A right-hand axis for the plot owning the left one is none.
    choices.rightPlot = 1;
    choices.Normalise();
    EXPECT_EQ(choices.rightPlot, -1);
    choices.rightPlot = kPlotCount;
    choices.Normalise();
    EXPECT_EQ(choices.rightPlot, -1);
    EXPECT_FALSE(choices.Shown(-1));
    EXPECT_FALSE(choices.Shown(kPlotCount));
}

TEST(GraphAxes, SkinTemperatureAxisIncludesTheLimitItsReferenceLine)
{
    CKalvexBranch branch;
    FillRows(branch, 10.0, {25, 26, 27});
    const CCurve skin = Axes(branch, kSkin, 36.0);  // every row 33 °C
    EXPECT_EQ(skin.yMin, 32);
    EXPECT_EQ(skin.yMax, 37);
    EXPECT_EQ(skin.yStep, 1);
    // Below the values the limit widens the bottom instead.
    EXPECT_EQ(Axes(branch, kSkin, 30.0).yMin, 29);
    // The limit is the skin temperature plot's only reference line.
    const std::vector<ReferenceLine> lines = ReferenceLinesOf(kSkin, 34.98);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].value, 34.98);
    for (int i = 0; i < kPlotCount; ++i)
        EXPECT_EQ(ReferenceLinesOf(i, 36.0).empty(), i != kSkin) << i;
}

TEST(PlotKinds, EveryPlotHasAUniqueCommandLineName)
{
    for (int i = 0; i < kPlotCount; ++i)
        EXPECT_EQ(PlotByName(PlotKindAt(i).name), i) << PlotKindAt(i).name;
    EXPECT_EQ(PlotByName("wbgt"), 11);
    EXPECT_EQ(PlotByName("Dry-Bulb"), -1);
    EXPECT_EQ(PlotByName(""), -1);
    EXPECT_THROW(PlotKindAt(kPlotCount), std::out_of_range);
}

TEST(GraphAxes, MessageRowsAreSkippedByTheirFlagNotTheirValues)
{
    CKalvexBranch branch;
    FillRows(branch, 100.0, {20, 22, 24});
    // A message row in the middle (a damaged file) carries zeros.
    branch.ResultList().insert(branch.ResultList().begin() + 1, CResultInterval::Message("Fan"));
    branch.ResultList().push_back(CResultInterval::Message("Totals"));
    const CCurve curve = Axes(branch, kDryBulb);
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
    EXPECT_FALSE(ComputePlotAxes(branch, kDryBulb, PlotAxisOptions{}, curve));
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
    const CCurve c = Axes(cold, kDryBulb);
    EXPECT_LE(c.yMin, -20.3);
    EXPECT_GE(c.yMax, 3.0);
    CKalvexBranch slightlyCold;
    FillRows(slightlyCold, 10.0, {-0.5, -0.3});
    const CCurve s = Axes(slightlyCold, kDryBulb);
    EXPECT_EQ(s.yMin, -1);
    EXPECT_EQ(s.yMax, 0);

    // Enormous values: finite axes, a sane step count.
    CKalvexBranch wild;
    FillRows(wild, 1.0e300, {-1.0e300, 1.0e300});
    DistanceAxis far;
    ASSERT_TRUE(ComputeDistanceAxis(wild, far));
    const CCurve w = Axes(wild, kDryBulb);
    for (const double v : {far.xMax, far.xScale, w.yMin, w.yMax, w.yScale})
        EXPECT_TRUE(std::isfinite(v)) << v;
    EXPECT_LE(w.yGridCount, 10);
    EXPECT_GT(w.yScale, 0);
}

TEST(GraphCurves, NewCurvesGoInFrontEachLookingDifferent)
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
    std::set<std::pair<int, std::uint32_t>> looks;
    std::set<std::uint32_t> colours;
    for (int i = 0; i < kPlotCount; ++i) {
        EXPECT_EQ(doc.CurveAt(i).plotIndex, i);
        EXPECT_EQ(doc.CurveAt(i).lineStyle, i % 5);
        looks.insert({doc.CurveAt(i).lineStyle, doc.CurveAt(i).colour});
        colours.insert(doc.CurveAt(i).colour);
    }
    EXPECT_EQ(looks.size(), static_cast<std::size_t>(kPlotCount));
    EXPECT_EQ(colours.size(), static_cast<std::size_t>(kPlotCount));
    EXPECT_EQ(colours.count(0xFFFFFFu), 0u);  // none invisible on white
    EXPECT_EQ(doc.CurveAt(0).colour, RgbValue(0, 0, 255));
    EXPECT_EQ(doc.CurveAt(1).colour, RgbValue(255, 0, 0));
    EXPECT_EQ(RgbValue(0, 0, 255), 0xFF0000u);
    // Every plot is drawn in its colour from the start.
    for (const bool inColour : PlotChoices::Initial().showColor)
        EXPECT_TRUE(inColour);
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
    EXPECT_FALSE(ComputeGraphAxes(doc, PlotChoices::Initial(), axis));
    doc.graphBranch = &doc.BranchAt(0);
    EXPECT_TRUE(ComputeGraphAxes(doc, PlotChoices::Initial(), axis));  // three curves, the rest missing
    EXPECT_EQ(doc.CurveAt(0).yMin, 16);  // down to the wet bulb, 3 °C lower
    PlotChoices dryOnly = PlotChoices::Initial();
    dryOnly.showPlot[1] = false;
    EXPECT_TRUE(ComputeGraphAxes(doc, dryOnly, axis));
    EXPECT_EQ(doc.CurveAt(0).yMin, 19);
    EXPECT_EQ(axis.xMax, 100);
}

TEST(GraphReadout, ValuesBetweenRowsFollowTheDrawnLine)
{
    CKalvexBranch branch;
    FillRows(branch, 100.0, {20, 30, 26});
    // A message row between value rows (a damaged file) is passed over.
    branch.ResultList().insert(branch.ResultList().begin() + 2, CResultInterval::Message("Fan"));
    branch.ResultList().push_back(CResultInterval::Message("Totals"));
    EXPECT_DOUBLE_EQ(*ValueAtDistance(branch, Col::ResDryBulb, 0.0), 20.0);
    EXPECT_DOUBLE_EQ(*ValueAtDistance(branch, Col::ResDryBulb, 25.0), 22.5);
    EXPECT_DOUBLE_EQ(*ValueAtDistance(branch, Col::ResDryBulb, 150.0), 28.0);
    EXPECT_DOUBLE_EQ(*ValueAtDistance(branch, Col::ResWetBulb, 200.0), 23.0);
    EXPECT_FALSE(ValueAtDistance(branch, Col::ResDryBulb, -1.0));
    EXPECT_FALSE(ValueAtDistance(branch, Col::ResDryBulb, 200.5));
    EXPECT_FALSE(ValueAtDistance(branch, Col::ResDryBulb, std::nan("")));

    PlotChoices choices = PlotChoices::Initial();
    choices.showPlot[10] = true;
    EXPECT_EQ(ReadoutText(branch, choices, 150.0),
              "Distance 150 m: Dry Bulb Temperature 28.00 \u00b0C, Wet Bulb Temperature 25.00 \u00b0C, "
              "Skin Temperature 33.00 \u00b0C");
    EXPECT_EQ(ReadoutText(branch, choices, 250.0), "");
    EXPECT_EQ(PlotUnit(8), "\u00b0C");  // the dry wall's title writes "° C"
    EXPECT_EQ(PlotUnit(2), "%");
    EXPECT_EQ(PlotUnit(5), "kg/m\u00b3");

    // Two rows at one distance: the later one's value there.
    CKalvexBranch still;
    still.ResultList() = {Row(0, 20), Row(0, 24)};
    EXPECT_DOUBLE_EQ(*ValueAtDistance(still, Col::ResDryBulb, 0.0), 24.0);
}
