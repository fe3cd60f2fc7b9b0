#include "ColumnCatalogue.h"

namespace {

// Units ending in degrees Celsius are built from a piece ending in the
// degree sign and "C)", so the degree sign is one character everywhere.
const std::string kCelsius = std::string("(\u00B0") + "C)";
const std::string kStepUnit = std::string("(m/\u00B0") + "C)";
const std::string kConductivityUnit = std::string("(W/m\u00B0") + "C)";
const std::string kHtcUnit = std::string("(W/m\u00B2\u00B0") + "C)";
const std::string kDiffusivityUnit = std::string("(m\u00B2/s\u00D7") + "10^-6)";
const std::string kCubicPerSecond = "(m\u00B3/s)";
const std::string kDensityUnit = "(kg/m\u00B3)";

struct CatalogueEntry {
    std::uint16_t id;
    const char* title;
    const std::string* unit;  // null when none
};

const std::string kMetre = "(m)";
const std::string kKiloPascal = "(kPa)";
const std::string kSquareMetre = "(m\u00B2)";
const std::string kDays = "(days)";
const std::string kGramPerKg = "(g/kg)";
const std::string kPercent = "(%)";
const std::string kKiloJoulePerKg = "(kJ/kg)";
const std::string kKiloWatt = "(kW)";
const std::string kLitrePerLitre = "(l / l)";

const CatalogueEntry kCatalogue[] = {
    {0, "Branch", nullptr},
    {1, "Name", nullptr},
    {2, "Dry Bulb", &kCelsius},
    {3, "Wet Bulb", &kCelsius},
    {4, "Pressure", &kKiloPascal},
    {5, "Quantity", &kCubicPerSecond},
    {6, "Length", &kMetre},
    {7, "Depth In", &kMetre},
    {8, "Depth Out", &kMetre},
    {9, "Area", &kSquareMetre},
    {10, "Perimeter", &kMetre},
    {11, "Friction", &kDensityUnit},
    {12, "Wetness", nullptr},
    {13, "Age In", &kDays},
    {14, "Age Out", &kDays},
    {15, "VRT In", &kCelsius},
    {16, "Geo. Step", &kStepUnit},
    {17, "Conductivity", &kConductivityUnit},
    {18, "Diffusivity", &kDiffusivityUnit},
    {19, "Interval", &kMetre},
    {20, "Description", nullptr},
    {100, "Row", nullptr},
    {101, "Distance", &kMetre},
    {102, "Dry Bulb", &kCelsius},
    {103, "Wet Bulb", &kCelsius},
    {104, "Pressure", &kKiloPascal},
    {105, "Moisture", &kGramPerKg},
    {106, "Density", &kDensityUnit},
    {107, "Humidity", &kPercent},
    {108, "Enthalpy", &kKiloJoulePerKg},
    {109, "Sigma Heat", &kKiloJoulePerKg},
    {110, "Dry Wall", &kCelsius},
    {111, "VRT", &kCelsius},
    {112, "MST", &kCelsius},
    {113, "ET", &kCelsius},
    {114, "WBGT", &kCelsius},
    {115, "Strata QL", &kKiloWatt},
    {116, "Strata QS", &kKiloWatt},
    {117, "HTC", &kHtcUnit},
    {201, "Location", &kMetre},
    {202, "Length", &kMetre},
    {203, "Sensible Heat", &kKiloWatt},
    {204, "Latent Heat", &kKiloWatt},
    {205, "Power", &kKiloWatt},
    {206, "Utilization", &kPercent},
    {207, "Water/Fuel", &kLitrePerLitre},
    {208, "Description", nullptr},
    {300, "Branch", nullptr},
    {301, "Name", nullptr},
    {302, "Source Branches", nullptr},
    {303, "+Quantity", &kCubicPerSecond},
    {304, "+Dry Bulb", &kCelsius},
    {305, "+Wet Bulb", &kCelsius},
    {400, "Branch", nullptr},
    {401, "Name", nullptr},
    {402, "Diesel", &kKiloWatt},
    {403, "Electric", &kKiloWatt},
    {404, "Fan", &kKiloWatt},
    {405, "Other Sens.", &kKiloWatt},
    {406, "Other Latent", &kKiloWatt},
};

const CatalogueEntry* Find(std::uint16_t columnId)
{
    for (const CatalogueEntry& entry : kCatalogue)
        if (entry.id == columnId)
            return &entry;
    return nullptr;
}

}  // namespace

std::string ColumnTitle(std::uint16_t columnId)
{
    const CatalogueEntry* entry = Find(columnId);
    return entry ? entry->title : std::string();
}

std::string ColumnUnit(std::uint16_t columnId)
{
    const CatalogueEntry* entry = Find(columnId);
    return entry && entry->unit ? *entry->unit : std::string();
}

HAlign ColumnAlignment(std::uint16_t columnId)
{
    switch (columnId) {
    case 1:
    case 20:
    case 200:
    case 208:
        return HAlign::Left;
    default:
        return HAlign::Right;
    }
}

std::string ColumnHeaderText(std::uint16_t columnId, bool showUnits)
{
    std::string text = ColumnTitle(columnId);
    const std::string unit = ColumnUnit(columnId);
    if (showUnits && !unit.empty())
        text += "\n" + unit;
    return text;
}
