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

// The colour a new curve of a plot gets: blue and red for the dry and wet
// bulb, then a colour of its own for every other plot.
std::uint32_t DefaultPlotColour(int plot);

// What one graph view shows; lost when the view closes.
struct PlotChoices {
    std::array<bool, kPlotCount> showPlot{};
    std::array<bool, kPlotCount> showColor{};
    int selectedPlot = -1;  // the plot that owns the value axis, -1 for none
    int rightPlot = -1;     // the plot that owns the right-hand value axis, -1 for none

    // Dry bulb and wet bulb shown, every plot in colour, dry bulb owning
    // the axis, no right-hand axis.
    static PlotChoices Initial();

    bool Shown(int plot) const;
    // The plots owning an axis are shown; a right-hand axis for the plot
    // that owns the left one, or for no plot at all, is none.
    void Normalise();
    // Dry and wet bulb are both shown and so drawn on one scale.
    bool SharesTemperatureScale() const { return Shown(0) && Shown(1); }
};

// Line style i mod 5 and the plot's own colour.
void SetPlotDefaults(CCurve& curve, int plot);

// Inserts a new curve for every plot at the front of the document's list
// (the curves already there move up and stay), each with its plot's
// defaults; marks the document modified.
void InsertPlotCurves(CKalvexDoc& doc);

// The curve of plot i, or null when the list is shorter. An entry a damaged
// file left empty is replaced by a default curve.
CCurve* PlotCurve(CKalvexDoc& doc, int plot);

// The document's graph branch when it is one of the document's branches.
CKalvexBranch* GraphBranch(const CKalvexDoc& doc);

// The distance axis and every plot's axes for the graph branch, the dry and
// wet bulb on one scale while both are shown; nothing changes when the
// branch has nothing to plot. False in that case.
bool ComputeGraphAxes(CKalvexDoc& doc, const PlotChoices& choices, DistanceAxis& distance);

// Line style 0-4 of a curve, solid for any other stored number.
int SafeLineStyle(const CCurve& curve);
