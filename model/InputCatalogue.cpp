#include "InputCatalogue.h"

#include "NumberText.h"

#include <cmath>
#include <iterator>
#include <limits>

namespace {

constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// Header units.
constexpr const char* kCelsiusUnit = "(\u00B0C)";
constexpr const char* kMetreUnit = "(m)";
constexpr const char* kKiloWattUnit = "(kW)";

// Form units, with their leading space.
constexpr const char* kMetre = " m";
constexpr const char* kCubic = " m\u00B3/s";
constexpr const char* kCelsius = " \u00B0C";
constexpr const char* kDays = " days";
constexpr const char* kKiloWatt = " kW";

// The table's messages of the integer and number columns that share them.
constexpr const char* kDepthCell = "Please enter an integer from 0 to 20,000";
constexpr const char* kAgeCell = "Please enter an integer from 0 to 36,500";
constexpr const char* kSizeCell = "Please enter a number from 0 to 1000.00";
constexpr const char* kDryBulbCell = "Please enter a number from 0 to 120.00";
constexpr const char* kWetBulbCell = "Please enter a number from 0 to 100.00";
constexpr const char* kHeatCell = "Please enter a number from -10,000 to 10,000";
constexpr const char* kPercentCell = "Please enter a number from 0 to 100";

const InputEntry kColumnInputs[] = {
    {.column = Col::Name, .title = "Name", .formLabel = "Branch Name - "},
    {.column = Col::DryBulb, .title = "Dry Bulb", .unit = kCelsiusUnit, .decimals = 2,
     .cell = RealField(0, 120), .cellMessage = kDryBulbCell,
     .field = RealField(0, 120, 2), .hint = "(0 to 120.00 \u00B0C)",
     .valid = RealField(0, 120), .validMessage = "Dry bulb must be between 0 and 120 \u00B0C.",
     .formLabel = "Dry Bulb Temperature = ", .formUnit = kCelsius},
    {.column = Col::WetBulb, .title = "Wet Bulb", .unit = kCelsiusUnit, .decimals = 2,
     .cell = RealField(0, 100), .cellMessage = kWetBulbCell,
     .field = RealField(0, 100, 2), .hint = "(0 to 100.00 \u00B0C)",
     .valid = RealField(0, 100), .validMessage = "Wet bulb must be between 0 and 100 \u00B0C.",
     .formLabel = "Wet Bulb Temperature = ", .formUnit = kCelsius},
    {.column = Col::Pressure, .title = "Pressure", .unit = "(kPa)", .decimals = 3,
     .cell = RealField(40, 300), .cellMessage = "Please enter a number from 40.000 to 300.000",
     .field = RealField(40, 300, 3), .hint = "(40.000 to 300.000 kPa)",
     .valid = RealField(40, 300), .validMessage = "Pressure must be between 40 and 300 kPa.",
     .formLabel = "Pressure = ", .formUnit = " kPa"},
    {.column = Col::Quantity, .title = "Quantity", .unit = "(m\u00B3/s)", .decimals = 2,
     .cell = RealField(0.1, 10000), .cellMessage = "Please enter a number from 0.10 to 10,000.00",
     .field = RealField(0.1, 10000, 2), .hint = "(0.10 to 10,000.00 m\u00B3/s)",
     .valid = RealField(0.1, 10000), .validMessage = "Quantity must be between 0.1 and 10,000 m\u00B3/s.",
     .formLabel = "Quantity = ", .formUnit = kCubic},
    {.column = Col::Length, .title = "Length", .unit = kMetreUnit, .decimals = 0,
     .cell = IntegerField(2, 4000), .cellMessage = "Please enter an integer from 2 to 4000",
     .field = IntegerField(2, 4000), .hint = "(2 to 4000 m)",
     .valid = RealField(2, 4000), .validMessage = "Length must be between 2 and 4000 m.",
     .formLabel = "Length = ", .formUnit = kMetre},
    {.column = Col::DepthIn, .title = "Depth In", .unit = kMetreUnit, .decimals = 0,
     .cell = IntegerField(0, 20000), .cellMessage = kDepthCell,
     .field = IntegerField(0, 20000), .hint = "(0 to 20,000 m)",
     .valid = RealField(0, 20000), .validMessage = "Depth at inlet must be between 0 and 20,000 m.",
     .formLabel = "Depth at Inlet = ", .formUnit = kMetre},
    {.column = Col::DepthOut, .title = "Depth Out", .unit = kMetreUnit, .decimals = 0,
     .cell = IntegerField(0, 20000), .cellMessage = kDepthCell,
     .field = IntegerField(0, 20000), .hint = "(0 to 20,000 m)",
     .valid = RealField(0, 20000), .validMessage = "Depth at outlet must be between 0 and 20,000 m.",
     .formLabel = "Depth at Outlet = ", .formUnit = kMetre},
    {.column = Col::Area, .title = "Area", .unit = "(m\u00B2)", .decimals = 2,
     .cell = RealField(0, 1000), .cellMessage = kSizeCell,
     .field = RealField(0.1, 1000, 2), .hint = "(0.10 to 1000.00 m\u00B2)",
     .valid = RealField(kAboveZero, 1000),
     .validMessage = "Area must be greater than 0 and at most 1000 m\u00B2.",
     .formLabel = "Area = ", .formUnit = " m\u00B2"},
    {.column = Col::Perimeter, .title = "Perimeter", .unit = kMetreUnit, .decimals = 2,
     .cell = RealField(0, 1000), .cellMessage = kSizeCell,
     .field = RealField(0.1, 1000, 2), .hint = "(0.10 to 1000.00 m)",
     .valid = RealField(kAboveZero, 1000),
     .validMessage = "Perimeter must be greater than 0 and at most 1000 m.",
     .formLabel = "Perimeter = ", .formUnit = kMetre},
    {.column = Col::Friction, .title = "Friction", .unit = "(kg/m\u00B3)", .decimals = 4,
     .cell = RealField(0, 1), .cellMessage = "Please enter a number from 0 to 1.0000",
     .field = RealField(0, 1, 4), .hint = "(0 to 1.0000 kg/m\u00B3)",
     .valid = RealField(0, 1), .validMessage = "Friction factor must be between 0 and 1 kg/m\u00B3.",
     .formLabel = "Friction Factor = ", .formUnit = " kg/m\u00B3"},
    {.column = Col::Wetness, .title = "Wetness", .decimals = 2,
     .cell = RealField(0, 1), .cellMessage = "Please enter a number from 0 to 1.00",
     .field = RealField(0, 1, 2), .hint = "(0 to 1.00)",
     .valid = RealField(0, 1), .validMessage = "Wetness must be between 0 and 1.",
     .formLabel = "Wetness Factor = "},
    {.column = Col::AgeIn, .title = "Age In", .unit = "(days)", .decimals = 0,
     .cell = IntegerField(0, 36500), .cellMessage = kAgeCell,
     .field = IntegerField(0, 36500), .hint = "(0 to 36,500 days)",
     .valid = RealField(0, 36500), .validMessage = "Age at inlet must be between 0 and 36,500 days.",
     .formLabel = "Age at Inlet = ", .formUnit = kDays},
    {.column = Col::AgeOut, .title = "Age Out", .unit = "(days)", .decimals = 0,
     .cell = IntegerField(0, 36500), .cellMessage = kAgeCell,
     .field = IntegerField(0, 36500), .hint = "(0 to 36,500 days)",
     .valid = RealField(0, 36500), .validMessage = "Age at outlet must be between 0 and 36,500 days.",
     .formLabel = "Age at Outlet = ", .formUnit = kDays},
    {.column = Col::VrtIn, .title = "VRT In", .unit = kCelsiusUnit, .decimals = 1,
     .cell = RealField(0, 1000), .cellMessage = "Please enter a number from 0 to 1000.0",
     .field = RealField(0, 1000, 1), .hint = "(0 to 1000.0 \u00B0C)",
     .valid = RealField(0, 1000), .validMessage = "VRT at inlet must be between 0 and 1000 \u00B0C.",
     .formLabel = "VRT at Inlet = ", .formUnit = kCelsius},
    {.column = Col::GeoStep, .title = "Geo. Step", .unit = "(m/\u00B0C)", .decimals = 0,
     .cell = IntegerField(1, 1000), .cellMessage = "Please enter an integer from 1 to 1000",
     .field = IntegerField(1, 1000), .hint = "(1 to 1000 m/\u00B0C)",
     .valid = RealField(1, 1000), .validMessage = "Geothermal step must be between 1 and 1000 m/\u00B0C.",
     .formLabel = "Geothermal Step = ", .formUnit = " m/\u00B0C"},
    {.column = Col::Conductivity, .title = "Conductivity", .unit = "(W/m\u00B0C)", .decimals = 3,
     .cell = RealField(0.001, 500), .cellMessage = "Please enter a number from 0.001 to 500.000",
     .field = RealField(0.001, 500, 3), .hint = "(0.001 to 500.000 W/m\u00B0C)",
     .valid = RealField(0.001, 500), .validMessage = "Conductivity must be between 0.001 and 500 W/m\u00B0C.",
     .formLabel = "Conductivity = ", .formUnit = " W/m\u00B0C"},
    {.column = Col::Diffusivity, .title = "Diffusivity", .unit = "(m\u00B2/s\u00D710^-6)", .decimals = 3,
     .cell = RealField(0.001, 50), .cellMessage = "Please enter a number from 0.001 to 50.000",
     .field = RealField(0.001, 50, 3), .hint = "(0.001 to 50.000 m\u00B2/s \u00D7 10^-6)",
     .valid = RealField(0.001, 50),
     .validMessage = "Diffusivity must be between 0.001 and 50 m\u00B2/s \u00D7 10^-6.",
     .formLabel = "Diffusivity = ", .formUnit = " m\u00B2/s \u00D7 10^-6"},
    // The table holds the interval to 1000 m, the sheet and a run to 4000 m.
    {.column = Col::Interval, .title = "Interval", .unit = kMetreUnit, .decimals = 0,
     .cell = IntegerField(2, 1000), .cellMessage = "Please enter an integer from 2 to 1000",
     .field = IntegerField(2, 4000), .hint = "(2 to 4000 m)",
     .valid = RealField(2, 4000), .validMessage = "Output interval must be between 2 and 4000 m.",
     .formLabel = "Output Interval = ", .formUnit = kMetre},
    {.column = Col::Description, .title = "Description", .formLabel = "Description - "},

    // Heat source lists. A run checks each source's values with the
    // source's number in front ("Heat source 2: ").
    {.column = Col::HeatLocation, .title = "Location", .unit = kMetreUnit, .decimals = 0,
     .cell = IntegerField(0, kUnbounded), .cellMessage = kEnterPositiveText,
     .valid = RealField(0, 1e9), .validMessage = "location must be a number not less than 0 m.",
     .formUnit = kMetre},
    {.column = Col::HeatLength, .title = "Length", .unit = kMetreUnit, .decimals = 0,
     .cell = IntegerField(0, kUnbounded), .cellMessage = kEnterPositiveText,
     .valid = RealField(0, 1e9), .validMessage = "length must be a number not less than 0 m.",
     .formLabel = "Length = ", .formUnit = kMetre},
    {.column = Col::HeatSensible, .title = "Sensible Heat", .unit = kKiloWattUnit, .decimals = 2,
     .cell = RealField(-10000, 10000, 2), .cellMessage = kHeatCell,
     .valid = RealField(-10000, 10000), .validMessage = "sensible heat must be between -10,000 and 10,000 kW.",
     .formLabel = "Sensible Heat = ", .formUnit = kKiloWatt},
    {.column = Col::HeatLatent, .title = "Latent Heat", .unit = kKiloWattUnit, .decimals = 2,
     .cell = RealField(-10000, 10000, 2), .cellMessage = kHeatCell,
     .valid = RealField(-10000, 10000), .validMessage = "latent heat must be between -10,000 and 10,000 kW.",
     .formLabel = "Latent Heat = ", .formUnit = kKiloWatt},
    {.column = Col::HeatPower, .title = "Power", .unit = kKiloWattUnit, .decimals = 2,
     .cell = RealField(0, 10000, 2), .cellMessage = "Please enter a number from 0 to 10,000",
     .valid = RealField(0, 10000), .validMessage = "power must be between 0 and 10,000 kW.",
     .formLabel = "Full Power Output = ", .formUnit = kKiloWatt},
    {.column = Col::HeatUtilization, .title = "Utilization", .unit = "(%)", .decimals = 1,
     .cell = RealField(0, 100, 1), .cellMessage = kPercentCell,
     .valid = RealField(0, 100), .validMessage = "utilization must be between 0 and 100 %.",
     .formLabel = "Utilization = ", .formUnit = " %"},
    {.column = Col::HeatWaterFuel, .title = "Water/Fuel", .unit = "(l / l)", .decimals = 1,
     .cell = RealField(0, 100, 1), .cellMessage = kPercentCell,
     .valid = RealField(0, 100), .validMessage = "water/fuel ratio must be between 0 and 100 l / l.",
     .formLabel = "WFR = ", .formUnit = " liters/liter"},
    {.column = Col::HeatDescription, .title = "Description"},

    // Additional air of the intake air source table and dialog.
    {.column = Col::AddedQuantity, .title = "+Quantity", .unit = "(m\u00B3/s)", .decimals = 2,
     .cell = RealField(0.1, 100), .cellMessage = "Please enter a number from 0.10 to 100.00",
     .field = RealField(0, 100, 2), .hint = "(0 to 100.00 m\u00B3/s)",
     .valid = RealField(0, 100), .validMessage = "Additional air quantity must be between 0 and 100 m\u00B3/s.",
     .formLabel = "Additional Air Quantity = ", .formUnit = kCubic},
    {.column = Col::AddedDryBulb, .title = "+Dry Bulb", .unit = kCelsiusUnit, .decimals = 2,
     .cell = RealField(0, 120), .cellMessage = kDryBulbCell,
     .field = RealField(0, 120, 2), .hint = "(0 to 120.00 \u00B0C)",
     .valid = RealField(0, 120), .validMessage = "Additional air dry bulb must be between 0 and 120 \u00B0C.",
     .formLabel = "Additional Air Dry Bulb = ", .formUnit = kCelsius},
    {.column = Col::AddedWetBulb, .title = "+Wet Bulb", .unit = kCelsiusUnit, .decimals = 2,
     .cell = RealField(0, 100), .cellMessage = kWetBulbCell,
     .field = RealField(0, 100, 2), .hint = "(0 to 100.00 \u00B0C)",
     .valid = RealField(0, 100), .validMessage = "Additional air wet bulb must be between 0 and 100 \u00B0C.",
     .formLabel = "Additional Air Wet Bulb = ", .formUnit = kCelsius},

    // Inputs only a dialog shows, in the order of DialogInput. The fan's
    // distance is held below the branch length by its dialog, which also
    // writes the hint with that length.
    {.decimals = 0, .field = IntegerField(0, kUnbounded),
     .valid = RealField(0, 1e9),
     .validMessage = "Fan/regulator distance from intake must be a number not less than 0 m.",
     .formLabel = "Distance from Intake = ", .formUnit = kMetre},
    {.decimals = 3, .field = RealField(-20, 20, 3), .hint = "(-20.000 to 20.000 kPa)",
     .valid = RealField(-20, 20), .validMessage = "Fan/regulator pressure gain/loss must be between -20 and 20 kPa.",
     .formLabel = "Pressure Gain/Loss = ", .formUnit = " kPa"},
    {.decimals = 2, .field = RealField(0, 5000, 2), .hint = "(0 to 5000.00 kW)",
     .valid = RealField(0, 5000), .validMessage = "Fan/regulator sensible heat load must be between 0 and 5000 kW.",
     .formLabel = "Sensible Heat Load = ", .formUnit = kKiloWatt},
    {.decimals = 3, .field = RealField(0, 0.5, 3), .hint = "(0 to 0.500 \u00B0Cm\u00B2/W)",
     .valid = RealField(0, 0.5),
     .validMessage = "Clothing thermal resistance must be between 0 and 0.5 \u00B0Cm\u00B2/W."},
    {.decimals = 2, .field = RealField(1, 2, 2), .hint = "(1 to 2.00)",
     .valid = RealField(1, 2), .validMessage = "Clothing area factor must be between 1 and 2."},
    {.decimals = 2, .field = RealField(0.1, 1, 2), .hint = "(0.10 to 1.00)",
     .valid = RealField(0.1, 1), .validMessage = "Vapour permeability must be between 0.1 and 1."},
    {.decimals = 0, .field = IntegerField(40, 400), .hint = "(40 to 400 W/m\u00B2)",
     .valid = RealField(40, 400), .validMessage = "Metabolic rate must be between 40 and 400 W/m\u00B2."},
    {.decimals = 2, .field = RealField(0.6, 0.9, 2), .hint = "(0.60 to 0.90)",
     .valid = RealField(0.6, 0.9), .validMessage = "Body view factor must be between 0.6 and 0.9."},
};

constexpr std::size_t kDialogInputCount = 8;
constexpr std::size_t kColumnInputCount = std::size(kColumnInputs) - kDialogInputCount;

}  // namespace

std::span<const InputEntry> InputCatalogue() { return kColumnInputs; }

const InputEntry* FindInput(ColumnId column)
{
    if (column == kNoColumn)
        return nullptr;
    for (std::size_t i = 0; i < kColumnInputCount; ++i)
        if (kColumnInputs[i].column == column)
            return &kColumnInputs[i];
    return nullptr;
}

const InputEntry& FindInput(DialogInput input)
{
    return kColumnInputs[kColumnInputCount + static_cast<std::size_t>(input)];
}

std::optional<std::string> CheckInputCellText(ColumnId column, const std::string& text)
{
    const InputEntry* entry = FindInput(column);
    if (!entry || entry->cell.kind == FieldKind::Text)
        return std::nullopt;
    const bool integer = entry->cell.kind == FieldKind::Integer;
    if (integer ? !IsIntegerText(text) : !IsNumberText(text))
        return std::string(integer ? kEnterIntegerText : kEnterNumberText);
    // A long run of digits reads as a huge value and fails the range.
    if (!entry->cell.Holds(AtofC(text)))
        return std::string(entry->cellMessage);
    return std::nullopt;
}

bool DepthChangeTooLarge(double depthIn, double depthOut, double length)
{
    return std::fabs(depthIn - depthOut) > length;
}

bool PerimeterTooSmall(double area, double perimeter)
{
    constexpr double kPi = 3.141592654;
    return 2.0 * std::sqrt(kPi * area) > perimeter;
}
