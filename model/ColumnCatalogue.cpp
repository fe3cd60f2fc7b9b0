#include "ColumnCatalogue.h"

#include "InputCatalogue.h"

namespace {

// Units ending in degrees Celsius are built from a piece ending in the
// degree sign and "C)", so the degree sign is one character everywhere.
const std::string kCelsius = std::string("(\u00B0") + "C)";
const std::string kHtcUnit = std::string("(W/m\u00B2\u00B0") + "C)";
const std::string kDensityUnit = "(kg/m\u00B3)";
const std::string kWattPerSquareMetre = "(W/m\u00B2)";

// The columns that are not inputs; an input's title and unit are those of
// the input catalogue.
struct CatalogueEntry {
    ColumnId id;
    const char* title;
    const std::string* unit;  // null when none
};

const std::string kMetre = "(m)";
const std::string kKiloPascal = "(kPa)";
const std::string kGramPerKg = "(g/kg)";
const std::string kPercent = "(%)";
const std::string kKiloJoulePerKg = "(kJ/kg)";
const std::string kKiloWatt = "(kW)";

const CatalogueEntry kCatalogue[] = {
    {Col::BranchRow, "Branch", nullptr},
    {Col::ResultRow, "Row", nullptr},
    {Col::Distance, "Distance", &kMetre},
    {Col::ResDryBulb, "Dry Bulb", &kCelsius},
    {Col::ResWetBulb, "Wet Bulb", &kCelsius},
    {Col::ResPressure, "Pressure", &kKiloPascal},
    {Col::Moisture, "Moisture", &kGramPerKg},
    {Col::Density, "Density", &kDensityUnit},
    {Col::Humidity, "Humidity", &kPercent},
    {Col::Enthalpy, "Enthalpy", &kKiloJoulePerKg},
    {Col::SigmaHeat, "Sigma Heat", &kKiloJoulePerKg},
    {Col::DryWall, "Dry Wall", &kCelsius},
    {Col::Vrt, "VRT", &kCelsius},
    {Col::Mst, "MST", &kCelsius},
    {Col::Et, "ET", &kCelsius},
    {Col::Wbgt, "WBGT", &kCelsius},
    {Col::StrataLatent, "Strata QL", &kKiloWatt},
    {Col::StrataSensible, "Strata QS", &kKiloWatt},
    {Col::Htc, "HTC", &kHtcUnit},
    {Col::Twl, "TWL", &kWattPerSquareMetre},
    {Col::AirSourceRow, "Branch", nullptr},
    {Col::AirSourceName, "Name", nullptr},
    {Col::SourceBranches, "Source Branches", nullptr},
    {Col::HeatTotalRow, "Branch", nullptr},
    {Col::HeatTotalName, "Name", nullptr},
    {Col::DieselTotal, "Diesel", &kKiloWatt},
    {Col::ElectricTotal, "Electric", &kKiloWatt},
    {Col::FanTotal, "Fan", &kKiloWatt},
    {Col::OtherSensibleTotal, "Other Sens.", &kKiloWatt},
    {Col::OtherLatentTotal, "Other Latent", &kKiloWatt},
};

const CatalogueEntry* Find(ColumnId columnId)
{
    for (const CatalogueEntry& entry : kCatalogue)
        if (entry.id == columnId)
            return &entry;
    return nullptr;
}

}  // namespace

std::string ColumnTitle(ColumnId columnId)
{
    if (const InputEntry* input = FindInput(columnId))
        return input->title;
    const CatalogueEntry* entry = Find(columnId);
    return entry ? entry->title : std::string();
}

std::string ColumnUnit(ColumnId columnId)
{
    if (const InputEntry* input = FindInput(columnId))
        return input->unit;
    const CatalogueEntry* entry = Find(columnId);
    return entry && entry->unit ? *entry->unit : std::string();
}

HAlign ColumnAlignment(ColumnId columnId)
{
    switch (columnId) {
    case Col::Name:
    case Col::Description:
    case Col::HeatRow:
    case Col::HeatDescription:
        return HAlign::Left;
    default:
        return HAlign::Right;
    }
}

std::string ColumnHeaderText(ColumnId columnId, bool showUnits)
{
    std::string text = ColumnTitle(columnId);
    const std::string unit = ColumnUnit(columnId);
    if (showUnits && !unit.empty())
        text += "\n" + unit;
    return text;
}
