#pragma once
// The thirteen quantities the graph view can plot, by plot index: the label
// of the plot's row in Graph Properties, the result column it reads and the
// title of its value axis.
#include "ColumnIds.h"

inline constexpr int kPlotCount = 13;

struct PlotKind {
    const char* rowLabel;
    ColumnId column;
    const char* axisTitle;  // UTF-8
};

// plot must lie in 0 .. kPlotCount - 1.
const PlotKind& PlotKindAt(int plot);
