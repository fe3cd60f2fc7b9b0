#include "InputSyntax.h"

#include "NumberText.h"


std::optional<CColumnRule> BranchColumnRule(ColumnId id)
{
    switch (id) {
    case Col::DryBulb: return CColumnRule{false, 0, 120, "Please enter a number from 0 to 120.00"};
    case Col::WetBulb: return CColumnRule{false, 0, 100, "Please enter a number from 0 to 100.00"};
    case Col::Pressure: return CColumnRule{false, 40, 300, "Please enter a number from 40.000 to 300.000"};
    case Col::Quantity: return CColumnRule{false, 0.1, 10000, "Please enter a number from 0.10 to 10,000.00"};
    case Col::Length: return CColumnRule{true, 2, 4000, "Please enter an integer from 2 to 4000"};
    case Col::DepthIn: return CColumnRule{true, 0, 20000, "Please enter an integer from 0 to 20,000"};
    case Col::DepthOut: return CColumnRule{true, 0, 20000, "Please enter an integer from 0 to 20,000"};
    case Col::Area: return CColumnRule{false, 0, 1000, "Please enter a number from 0 to 1000.00"};
    case Col::Perimeter: return CColumnRule{false, 0, 1000, "Please enter a number from 0 to 1000.00"};
    case Col::Friction: return CColumnRule{false, 0, 1, "Please enter a number from 0 to 1.0000"};
    case Col::Wetness: return CColumnRule{false, 0, 1, "Please enter a number from 0 to 1.00"};
    case Col::AgeIn: return CColumnRule{true, 0, 36500, "Please enter an integer from 0 to 36,500"};
    case Col::AgeOut: return CColumnRule{true, 0, 36500, "Please enter an integer from 0 to 36,500"};
    case Col::VrtIn: return CColumnRule{false, 0, 1000, "Please enter a number from 0 to 1000.0"};
    case Col::GeoStep: return CColumnRule{true, 1, 1000, "Please enter an integer from 1 to 1000"};
    case Col::Conductivity: return CColumnRule{false, 0.001, 500, "Please enter a number from 0.001 to 500.000"};
    case Col::Diffusivity: return CColumnRule{false, 0.001, 50, "Please enter a number from 0.001 to 50.000"};
    case Col::Interval: return CColumnRule{true, 2, 1000, "Please enter an integer from 2 to 1000"};
    default: return std::nullopt;
    }
}

std::optional<CColumnRule> AirSourceColumnRule(ColumnId id)
{
    switch (id) {
    case Col::AddedQuantity: return CColumnRule{false, 0.1, 100, "Please enter a number from 0.10 to 100.00"};
    case Col::AddedDryBulb: return CColumnRule{false, 0, 120, "Please enter a number from 0 to 120.00"};
    case Col::AddedWetBulb: return CColumnRule{false, 0, 100, "Please enter a number from 0 to 100.00"};
    default: return std::nullopt;
    }
}

std::string CheckCellText(const CColumnRule& rule, const std::string& text)
{
    if (rule.integer ? !IsIntegerText(text) : !IsNumberText(text))
        return rule.integer ? "Please enter an integer." : "Please enter a number.";
    // A long run of digits reads as a huge value and fails the range.
    const double value = AtofC(text);
    if (!(value >= rule.lowest && value <= rule.highest))
        return rule.message;
    return {};
}
