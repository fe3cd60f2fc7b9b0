#pragma once
#include <cstdint>

// Drawing attributes of one plot of the graph view.
class CCurve {
public:
    std::uint16_t plotIndex = 0;
    double xMin = 0.0, xMax = 0.0, yMin = 0.0, yMax = 0.0;
    double xScale = 0.0, yScale = 0.0;
    double xStep = 0.0, yStep = 0.0;
    int xGridCount = 0, yGridCount = 0, minorTickCount = 0, minorTickSpacing = 0;
    int lineStyle = 0;          // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
    std::uint32_t colour = 0;   // 0x00BBGGRR
};
