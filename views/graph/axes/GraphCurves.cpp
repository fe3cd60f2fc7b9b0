#include "GraphCurves.h"

#include "Curve.h"
#include "KalvexDoc.h"

#include <array>

std::uint32_t DefaultPlotColour(int plot)
{
    // Plots sharing a line style (i, i + 5, i + 10) differ in colour.
    static const std::array<std::uint32_t, 13> kColours = {
        kBlue,                 kRed,                  RgbValue(0, 128, 0),   RgbValue(128, 0, 160),
        RgbValue(230, 120, 0), RgbValue(0, 140, 140), RgbValue(140, 80, 20), RgbValue(220, 0, 200),
        RgbValue(90, 90, 90),  RgbValue(0, 0, 120),   RgbValue(180, 150, 0), RgbValue(0, 160, 230),
        RgbValue(120, 0, 40),
    };
    return kColours[static_cast<std::size_t>(plot) % kColours.size()];
}

PlotChoices PlotChoices::Initial()
{
    PlotChoices choices;
    choices.showPlot[0] = choices.showPlot[1] = true;
    choices.showColor.fill(true);
    choices.selectedPlot = 0;
    return choices;
}

bool PlotChoices::Shown(int plot) const
{
    return plot >= 0 && plot < kPlotCount && showPlot[static_cast<std::size_t>(plot)];
}

void PlotChoices::Normalise()
{
    if (selectedPlot < 0 || selectedPlot >= kPlotCount)
        selectedPlot = -1;
    if (rightPlot < 0 || rightPlot >= kPlotCount || rightPlot == selectedPlot)
        rightPlot = -1;
    for (const int owner : {selectedPlot, rightPlot})
        if (owner >= 0)
            showPlot[static_cast<std::size_t>(owner)] = true;
}

void SetPlotDefaults(CCurve& curve, int plot)
{
    curve.lineStyle = plot % kLineStyleCount;
    curve.colour = DefaultPlotColour(plot);
}

void InsertPlotCurves(CKalvexDoc& doc)
{
    for (int i = 0; i < kPlotCount; ++i) {
        doc.InsertNewCurve(i);
        SetPlotDefaults(doc.CurveAt(i), i);
    }
}

CCurve* PlotCurve(CKalvexDoc& doc, int plot)
{
    if (plot < 0 || plot >= kPlotCount || plot >= static_cast<int>(doc.CurveList().size()))
        return nullptr;
    return &doc.CurveAt(plot);
}

CKalvexBranch* GraphBranch(const CKalvexDoc& doc)
{
    return doc.IndexOfBranch(doc.graphBranch) >= 0 ? doc.graphBranch : nullptr;
}

bool ComputeGraphAxes(CKalvexDoc& doc, const PlotChoices& choices, DistanceAxis& distance)
{
    const CKalvexBranch* branch = GraphBranch(doc);
    if (!branch || !ComputeDistanceAxis(*branch, distance))
        return false;
    const PlotAxisOptions options{doc.skinTempLimit, choices.SharesTemperatureScale()};
    for (int i = 0; i < kPlotCount; ++i)
        if (CCurve* curve = PlotCurve(doc, i))
            ComputePlotAxes(*branch, i, options, *curve);
    return true;
}

int SafeLineStyle(const CCurve& curve)
{
    return curve.lineStyle >= 0 && curve.lineStyle < kLineStyleCount ? curve.lineStyle : 0;
}
