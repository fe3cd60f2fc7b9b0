#include "PlotKinds.h"

#include <array>
#include <stdexcept>

namespace {

const std::array<PlotKind, kPlotCount> kPlots = {{
    {"Dry Bulb Temperature", Col::ResDryBulb, "Dry Bulb Temperature (\u00b0C)", "dry-bulb", 2},
    {"Wet Bulb Temperature", Col::ResWetBulb, "Wet Bulb Temperature (\u00b0C)", "wet-bulb", 2},
    {"Humidity", Col::Humidity, "Relative Humidity (%)", "humidity", 1},
    {"Moisture", Col::Moisture, "Moisture Content (g/kg dry air)", "moisture", 2},
    {"Pressure", Col::ResPressure, "Barometric Pressure (kPa)", "pressure", 3},
    {"Density", Col::Density, "Density (kg/m\u00b3)", "density", 4},
    {"Enthalpy", Col::Enthalpy, "Enthalpy (kJ/kg)", "enthalpy", 2},
    {"Sigms Heat", Col::SigmaHeat, "Sigma Heat (kJ/kg)", "sigma-heat", 2},
    {"Dry Wall Temperature", Col::DryWall, "Dry Wall Temperature (\u00b0 C)", "dry-wall", 2},
    {"Virgin Rock Temperature", Col::Vrt, "Virgin Rock Temperature (\u00b0C)", "vrt", 2},
    {"Skin Temperature", Col::Mst, "Mean Skin Temperature (\u00b0C)", "skin", 2, {}, true},
    {"Wet Bulb Globe Temperature", Col::Wbgt, "Wet Bulb Globe Temperature (\u00b0C)", "wbgt", 2},
    {"Effective Temperature", Col::Et, "Effective Temperature (\u00b0C)", "et", 2},
}};

}  // namespace

const PlotKind& PlotKindAt(int plot)
{
    if (plot < 0 || plot >= kPlotCount)
        throw std::out_of_range("plot index outside the plot table");
    return kPlots[static_cast<std::size_t>(plot)];
}

int PlotByName(const std::string& name)
{
    for (int i = 0; i < kPlotCount; ++i)
        if (name == kPlots[static_cast<std::size_t>(i)].name)
            return i;
    return -1;
}

std::vector<ReferenceLine> ReferenceLinesOf(int plot, double skinTempLimit)
{
    const PlotKind& kind = PlotKindAt(plot);
    std::vector<ReferenceLine> lines = kind.referenceLines;
    if (kind.skinLimitLine)
        lines.push_back({skinTempLimit, "Limit"});
    return lines;
}
