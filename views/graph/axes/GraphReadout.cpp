#include "GraphReadout.h"

#include "KalvexBranch.h"
#include "NumberText.h"
#include "PlotKinds.h"

#include <cmath>

namespace {

double Value(const CResultInterval& row, ColumnId column)
{
    double value = 0.0;
    row.GetColumnValue(column, value);
    return value;
}

}  // namespace

std::optional<double> ValueAtDistance(const CKalvexBranch& branch, ColumnId column, double distance)
{
    if (!HasPlottableResults(&branch) || !std::isfinite(distance))
        return std::nullopt;
    const auto& rows = branch.ResultList();
    const CResultInterval* before = &rows.front();
    if (distance < before->distance)
        return std::nullopt;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].isMessage)
            continue;
        const CResultInterval& after = rows[i];
        if (distance <= after.distance) {
            const double span = after.distance - before->distance;
            const double t = span > 0.0 ? (distance - before->distance) / span : 1.0;
            return Value(*before, column) + t * (Value(after, column) - Value(*before, column));
        }
        before = &after;
    }
    return distance == before->distance ? std::optional<double>(Value(*before, column)) : std::nullopt;
}

std::string PlotUnit(int plot)
{
    const std::string title = PlotKindAt(plot).axisTitle;
    const std::size_t open = title.rfind('(');
    const std::size_t close = title.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open)
        return {};
    std::string unit = title.substr(open + 1, close - open - 1);
    const std::string spacedDegree = "\u00b0 ";
    if (unit.rfind(spacedDegree, 0) == 0)
        unit.erase(spacedDegree.size() - 1, 1);
    return unit;
}

std::string ReadoutText(const CKalvexBranch& branch, const PlotChoices& choices, double distance)
{
    std::string values;
    for (int i = 0; i < kPlotCount; ++i) {
        if (!choices.Shown(i))
            continue;
        const PlotKind& kind = PlotKindAt(i);
        const std::optional<double> value = ValueAtDistance(branch, kind.column, distance);
        if (!value)
            return {};
        values += (values.empty() ? ": " : ", ") + std::string(kind.rowLabel) + " " +
                  FormatFixed(*value, kind.decimals) + " " + PlotUnit(i);
    }
    if (values.empty() && !ValueAtDistance(branch, Col::ResDryBulb, distance))
        return {};
    return "Distance " + FormatFixed(distance, 0) + " m" + values;
}
