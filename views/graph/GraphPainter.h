#pragma once
// Draws a graph into any paint device: the distance labels and grid, the
// frame, the shown plots, the selected plot's value axis, title and legend
// line, the branch label and, on paper, the time of printing. Logical space
// is 20000 x 20000 with y upwards; text is placed by mapped anchor points
// and drawn upright in device space.
#include "GraphCurves.h"

#include <QString>

#include <array>

class CCurve;
class CKalvexBranch;
class QPainter;
class QRect;

struct GraphDrawing {
    const CKalvexBranch* branch = nullptr;
    std::array<const CCurve*, kPlotCount> curves{};  // null entries are not drawn
    DistanceAxis distance;
    PlotChoices choices;
    QString branchLabel;
    QString printedLine;  // drawn under the distance labels when not empty
};

// Pixel height of the 8-point text at a vertical resolution.
int GraphTextPixelHeight(int dpiY);

// Draws into area (device units, before room is made for the labels) at
// the given resolution. False, with nothing drawn, when the branch has
// nothing to plot or the area leaves no room for the plotting rectangle.
bool DrawGraph(QPainter& painter, const QRect& area, int dpiX, int dpiY, const GraphDrawing& drawing);
