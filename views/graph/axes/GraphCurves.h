#pragma once
// The curve records a graph view uses (entries 0 to 12 of the document's
// curve list, entry i for plot i) and the view's own plot choices.
#include "GraphAxes.h"
#include "PlotKinds.h"

#include <array>
#include <cstdint>

class CCurve;
class CKalvexDoc;

// 0x00BBGGRR, as the curve records hold colours.
constexpr std::uint32_t RgbValue(int r, int g, int b)
{
    return static_cast<std::uint32_t>(r) | static_cast<std::uint32_t>(g) << 8 | static_cast<std::uint32_t>(b) << 16;
}
inline constexpr std::uint32_t kBlue = RgbValue(0, 0, 255);
inline constexpr std::uint32_t kRed = RgbValue(255, 0, 0);
inline constexpr int kLineStyleCount = 5;

// What one graph view shows; lost when the view closes.
struct PlotChoices {
    std::array<bool, kPlotCount> showPlot{};
    std::array<bool, kPlotCount> showColor{};
    int selectedPlot = -1;  // the plot that owns the value axis, -1 for none

    // Dry bulb and wet bulb, in colour, dry bulb owning the axis.
    static PlotChoices Initial();
};

// Inserts 13 new curves at the front of the document's list (the curves
// already there move up and stay), plot i with line style i mod 5, blue for
// even plots and red for odd ones; marks the document modified.
void InsertPlotCurves(CKalvexDoc& doc);

// The curve of plot i, or null when the list is shorter. An entry a damaged
// file left empty is replaced by a default curve.
CCurve* PlotCurve(CKalvexDoc& doc, int plot);

// The document's graph branch when it is one of the document's branches.
CKalvexBranch* GraphBranch(const CKalvexDoc& doc);

// The distance axis and every plot's axes for the graph branch; nothing
// changes when the branch has nothing to plot. False in that case.
bool ComputeGraphAxes(CKalvexDoc& doc, DistanceAxis& distance);

// Line style 0-4 of a curve, solid for any other stored number.
int SafeLineStyle(const CCurve& curve);
