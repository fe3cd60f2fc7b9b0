#include "PlotKinds.h"

#include <array>
#include <stdexcept>

namespace {

const std::array<PlotKind, kPlotCount> kPlots = {{
    {"Dry Bulb Temperature", Col::ResDryBulb, "Dry Bulb Temperature (\u00b0C)"},
    {"Wet Bulb Temperature", Col::ResWetBulb, "Wet Bulb Temperature (\u00b0C)"},
    {"Humidity", Col::Humidity, "Relative Humidity (%)"},
    {"Moisture", Col::Moisture, "Moisture Content (g/kg dry air)"},
    {"Pressure", Col::ResPressure, "Barometric Pressure (kPa)"},
    {"Density", Col::Density, "Density (kg/m\u00b3)"},
    {"Enthalpy", Col::Enthalpy, "Enthalpy (kJ/kg)"},
    {"Sigms Heat", Col::SigmaHeat, "Sigma Heat (kJ/kg)"},
    {"Dry Wall Temperature", Col::DryWall, "Dry Wall Temperature (\u00b0 C)"},
    {"Virgin Rock Temperature", Col::Vrt, "Virgin Rock Temperature (\u00b0C)"},
    {"Skin Temperature", Col::Mst, "Mean Skin Temperature (\u00b0C)"},
    {"Wet Bulb Globe Temperature", Col::Wbgt, "Wet Bulb Globe Temperature (\u00b0C)"},
    {"Effective Temperature", Col::Et, "Effective Temperature (\u00b0C)"},
}};

}  // namespace

const PlotKind& PlotKindAt(int plot)
{
    if (plot < 0 || plot >= kPlotCount)
        throw std::out_of_range("plot index outside 0..12");
    return kPlots[static_cast<std::size_t>(plot)];
}
