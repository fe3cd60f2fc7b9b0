#pragma once
// The axes of the graph view: tick steps, outward rounding, the distance
// axis of a branch and the value axis of each plot. Everything is computed
// when the view updates and stored (the value axes in the document's curve
// records); drawing only reads it.

class CCurve;
class CKalvexBranch;

// The plotting area in logical units, y upwards.
inline constexpr int kLogicalWidth = 20000;
inline constexpr int kLogicalHeight = 20000;

// Major tick step for a positive range: 1, 2, 5, 10, ... up to 500 for
// ranges below 4000.0001, and the same 1-2-5 progression beyond.
double TickStep(double range);

struct AxisRange {
    double lo = 0.0;
    double hi = 0.0;
    double step = 0.0;
};

// Rounds (lo, hi) outward to whole steps; ranges below 1 to whole units,
// still reporting the tick step of the range. Truncates toward zero.
AxisRange RoundOutward(double lo, double hi);

struct DistanceAxis {
    double xMin = 0.0, xMax = 0.0, xStep = 0.0, xScale = 0.0;
    int xGridCount = 0;
};

// A branch the graph can draw: at least two result rows, the first a value
// row (value rows come first, so a branch of message rows only has none).
bool HasPlottableResults(const CKalvexBranch* branch);

// Both leave their output unchanged and return false when the branch has
// nothing to plot.
bool ComputeDistanceAxis(const CKalvexBranch& branch, DistanceAxis& axis);
struct PlotAxisOptions {
    double skinTempLimit = 36.0;
    bool shareTemperatures = false;  // dry and wet bulb are both shown
};

// The value axis of plot `plot` (an index into the plot table), with the
// distance axis too, into the curve. The wet bulb axis reaches the highest
// dry bulb; with shareTemperatures the dry bulb axis reaches the lowest wet
// bulb as well; every axis reaches its plot's reference lines.
bool ComputePlotAxes(const CKalvexBranch& branch, int plot, const PlotAxisOptions& options, CCurve& curve);

// Values beyond this magnitude are taken as this for axes and drawing.
inline constexpr double kValueLimit = 1.0e9;
