#pragma once
// The quantities the graph view can plot, by plot index: the label of the
// plot's row in Graph Properties, the result column it reads, the title of
// its value axis, its name on the command line, the decimals of its
// read-out and the reference lines drawn across it.
#include "ColumnIds.h"

#include <string>
#include <vector>

inline constexpr int kPlotCount = 13;

// A horizontal line at a fixed value of a plot, with a short text by it.
struct ReferenceLine {
    double value;
    std::string label;
};

struct PlotKind {
    const char* rowLabel;
    ColumnId column;
    const char* axisTitle;  // UTF-8
    const char* name;       // dorvan-cli plot --plots
    int decimals;           // of the values read out under the pointer
    std::vector<ReferenceLine> referenceLines = {};
    bool skinLimitLine = false;  // a line at the document's skin temperature limit
};

// plot must lie in 0 .. kPlotCount - 1.
const PlotKind& PlotKindAt(int plot);

// The plot index of a command-line name, -1 when there is none.
int PlotByName(const std::string& name);

// Every reference line of a plot; the skin temperature limit is the
// document's. The plot's value axis reaches each of them.
std::vector<ReferenceLine> ReferenceLinesOf(int plot, double skinTempLimit);
