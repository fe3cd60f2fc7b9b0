#include "GraphCurves.h"

#include "Curve.h"
#include "KalvexDoc.h"

PlotChoices PlotChoices::Initial()
{
    PlotChoices choices;
    choices.showPlot[0] = choices.showPlot[1] = true;
    choices.showColor[0] = choices.showColor[1] = true;
    choices.selectedPlot = 0;
    return choices;
}

void InsertPlotCurves(CKalvexDoc& doc)
{
    for (int i = 0; i < kPlotCount; ++i) {
        doc.InsertNewCurve(i);
        CCurve& curve = doc.CurveAt(i);
        curve.lineStyle = i % kLineStyleCount;
        curve.colour = i % 2 == 0 ? kBlue : kRed;
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

bool ComputeGraphAxes(CKalvexDoc& doc, DistanceAxis& distance)
{
    const CKalvexBranch* branch = GraphBranch(doc);
    if (!branch || !ComputeDistanceAxis(*branch, distance))
        return false;
    for (int i = 0; i < kPlotCount; ++i)
        if (CCurve* curve = PlotCurve(doc, i))
            ComputePlotAxes(*branch, PlotKindAt(i).column, doc.skinTempLimit, *curve);
    return true;
}

int SafeLineStyle(const CCurve& curve)
{
    return curve.lineStyle >= 0 && curve.lineStyle < kLineStyleCount ? curve.lineStyle : 0;
}
