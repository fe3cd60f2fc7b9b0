#pragma once
// What the pointer reads off the graph: the distance under it and the value
// of every shown curve there, between two result rows read off the straight
// line the graph draws between them.
#include "GraphCurves.h"

#include <optional>
#include <string>

class CKalvexBranch;

// The value of a result column at a distance, interpolated between the
// value rows on either side; none before the first row or past the last.
std::optional<double> ValueAtDistance(const CKalvexBranch& branch, ColumnId column, double distance);

// "Distance 1250 m: Dry Bulb Temperature 28.41 °C, Wet Bulb Temperature
// 22.10 °C" for the shown plots; empty when the distance is off the curves.
std::string ReadoutText(const CKalvexBranch& branch, const PlotChoices& choices, double distance);

// The unit of a plot as its axis title gives it: "°C", "kJ/kg", "%".
std::string PlotUnit(int plot);
