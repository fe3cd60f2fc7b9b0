#pragma once
// Draws a graph into any paint device: the distance labels, grid and title,
// the frame, the shown plots with their reference lines, the value axis of
// the selected plot on the left and of a second plot on the right, the
// selected plot's title and line sample, a legend of every shown curve, the
// branch label and, on paper, the time of printing. The plotting area is a
// logical space of 20000 x 20000 with y upwards; text is placed by mapped
// anchor points and drawn upright in device space.
#include "GraphCurves.h"

#include <QRect>
#include <QString>

#include <array>

class CCurve;
class CKalvexBranch;
class QPaintDevice;
class QPainter;

struct GraphDrawing {
    const CKalvexBranch* branch = nullptr;
    std::array<const CCurve*, kPlotCount> curves{};  // null entries are not drawn
    DistanceAxis distance;
    PlotChoices choices;
    double skinTempLimit = 36.0;  // where the skin temperature plot's limit line is
    QString branchLabel;
    QString printedLine;  // drawn under the legend when not empty
};

// Pixel height of the 8-point text at a vertical resolution.
int GraphTextPixelHeight(int dpiY);

// The plotting rectangle the drawing uses inside area on the device; empty
// when the area leaves no room for it.
QRect GraphPlotRect(const QRect& area, int dpiY, const GraphDrawing& drawing, const QPaintDevice* device);

// Draws into area (device units, before room is made for the labels) at
// the given resolution. False, with nothing drawn, when the branch has
// nothing to plot or the area leaves no room for the plotting rectangle.
bool DrawGraph(QPainter& painter, const QRect& area, int dpiX, int dpiY, const GraphDrawing& drawing);
