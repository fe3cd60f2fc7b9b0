#include "GraphAxes.h"

#include "Curve.h"
#include "KalvexBranch.h"
#include "PlotKinds.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct StepRow {
    double below;
    double step;
};

constexpr std::array<StepRow, 9> kSteps = {{
    {10.0001, 1},
    {20.0001, 2},
    {50.0001, 5},
    {100.0001, 10},
    {200.0001, 20},
    {500.0001, 50},
    {1000.0001, 100},
    {2000.0001, 200},
    {4000.0001, 500},
}};

double Clamped(double value)
{
    return std::clamp(value, -kValueLimit, kValueLimit);
}

// Index of the last value row, searching from the end; -1 when none.
int LastValueRow(const CKalvexBranch& branch)
{
    for (int i = branch.ResultCount() - 1; i >= 0; --i)
        if (!branch.ResultAt(i).isMessage)
            return i;
    return -1;
}

double ColumnValue(const CResultInterval& row, ColumnId column)
{
    double value = 0.0;
    row.GetColumnValue(column, value);
    return Clamped(value);
}

struct ValueRange {
    double min;
    double max;
};

// The first row always counts, later rows only when they are value rows.
ValueRange PlotValueRange(const CKalvexBranch& branch, int plot, const PlotAxisOptions& options)
{
    const ColumnId column = PlotKindAt(plot).column;
    const auto& rows = branch.ResultList();
    ValueRange range{ColumnValue(rows.front(), column), ColumnValue(rows.front(), column)};
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].isMessage)
            continue;
        const double v = ColumnValue(rows[i], column);
        if (v < range.min)
            range.min = v;
        else if (v > range.max)
            range.max = v;
    }
    // The wet bulb axis always reaches up to the dry bulb. While both are
    // shown they share one scale, the dry bulb axis reaching down to the wet
    // bulb too, so neither curve is drawn on the wrong side of the other.
    const bool temperature = column == Col::ResWetBulb || column == Col::ResDryBulb;
    if (temperature && (column == Col::ResWetBulb || options.shareTemperatures)) {
        const ColumnId other = column == Col::ResWetBulb ? Col::ResDryBulb : Col::ResWetBulb;
        for (const CResultInterval& row : rows) {
            if (row.isMessage)
                continue;
            const double v = ColumnValue(row, other);
            range.max = std::max(range.max, v);
            if (options.shareTemperatures)
                range.min = std::min(range.min, v);
        }
    }
    // The axis reaches every reference line of the plot (the skin
    // temperature limit the worker is rated against, for one).
    for (const ReferenceLine& line : ReferenceLinesOf(plot, options.skinTempLimit)) {
        range.min = std::min(range.min, Clamped(line.value));
        range.max = std::max(range.max, Clamped(line.value));
    }
    return range;
}

// Number of interior grid lines of an axis.
int GridCount(double lo, double hi, double step)
{
    return static_cast<int>(std::trunc((hi - lo) / step + 0.999)) - 1;
}

// Truncating toward zero can leave the bottom of an axis above values
// below zero; such an axis starts one step lower. An axis that collapsed
// to nothing gets one step.
AxisRange CoveringAxis(double lo, double hi, double lowest)
{
    AxisRange axis = RoundOutward(lo, hi);
    const double unit = hi - lo < 1.0 ? 1.0 : axis.step;
    if (axis.lo > lowest)
        axis.lo -= unit;
    if (!(axis.hi > axis.lo))
        axis.hi = axis.lo + unit;
    return axis;
}

}  // namespace

double TickStep(double range)
{
    for (const StepRow& row : kSteps)
        if (range < row.below)
            return row.step;
    // Beyond the table: the 1-2-5 progression, at most ten steps across.
    double decade = 1000.0;
    while (true) {
        for (const double factor : {1.0, 2.0, 5.0})
            if (range < factor * decade * 10.0001 || !std::isfinite(decade * 10.0))
                return factor * decade;
        decade *= 10.0;
    }
}

AxisRange RoundOutward(double lo, double hi)
{
    const double range = hi - lo;
    const double step = TickStep(range);
    // Adding 0.0 turns a truncated -0 into 0, so no label reads "-0".
    if (range < 1.0)
        return {std::trunc(lo) + 0.0, std::trunc(hi + 0.9999) + 0.0, step};
    return {step * std::trunc(lo / step) + 0.0, step * std::trunc(hi / step + 0.9999) + 0.0, step};
}

bool HasPlottableResults(const CKalvexBranch* branch)
{
    return branch && branch->ResultCount() >= 2 && !branch->ResultAt(0).isMessage;
}

bool ComputeDistanceAxis(const CKalvexBranch& branch, DistanceAxis& axis)
{
    if (!HasPlottableResults(&branch))
        return false;
    const double end = Clamped(branch.ResultAt(LastValueRow(branch)).distance);
    const AxisRange range = CoveringAxis(0.0, end, std::min(0.0, end));
    axis.xMin = range.lo;
    axis.xMax = range.hi;
    axis.xStep = range.step;
    axis.xScale = kLogicalWidth / (axis.xMax - axis.xMin);
    axis.xGridCount = GridCount(axis.xMin, axis.xMax, axis.xStep);
    return true;
}

bool ComputePlotAxes(const CKalvexBranch& branch, int plot, const PlotAxisOptions& options, CCurve& curve)
{
    DistanceAxis distance;
    if (!ComputeDistanceAxis(branch, distance))
        return false;
    curve.xMin = distance.xMin;
    curve.xMax = distance.xMax;
    curve.xStep = distance.xStep;
    curve.xScale = distance.xScale;
    curve.xGridCount = distance.xGridCount;

    const ValueRange values = PlotValueRange(branch, plot, options);
    const AxisRange range = CoveringAxis(values.min - 0.1, values.max + 0.1, values.min);
    curve.yMin = range.lo;
    curve.yMax = range.hi;
    curve.yStep = range.step;
    curve.yScale = kLogicalHeight / (curve.yMax - curve.yMin);
    curve.yGridCount = GridCount(curve.yMin, curve.yMax, curve.yStep);

    const int majors = static_cast<int>(std::trunc((curve.yMax - curve.yMin) / curve.yStep + 0.5));
    if (majors < 5) {
        curve.minorTickCount = 9;
    } else {
        const int k = static_cast<int>(std::trunc(curve.yStep + 0.001));
        curve.minorTickCount = k == 2 || k == 20 || k == 200 ? 3 : 4;
    }
    curve.minorTickSpacing =
        static_cast<int>(std::trunc(curve.yStep * curve.yScale / (curve.minorTickCount + 1) + 0.5));
    return true;
}
