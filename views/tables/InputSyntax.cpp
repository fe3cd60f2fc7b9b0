#include "InputSyntax.h"

#include "NumberText.h"

#include <cctype>

namespace {

std::string_view WithoutSign(std::string_view text)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    return text;
}

bool IsDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

bool IsIntegerText(std::string_view text)
{
    const std::string_view digits = WithoutSign(text);
    if (digits.empty())
        return false;
    for (char c : digits)
        if (!IsDigit(c))
            return false;
    return digits.front() != '0' || digits.size() == 1;
}

bool IsNumberText(std::string_view text)
{
    const std::string_view body = WithoutSign(text);
    int points = 0;
    int digits = 0;
    for (char c : body) {
        if (c == '.')
            ++points;
        else if (IsDigit(c))
            ++digits;
        else
            return false;
    }
    if (digits == 0 || points > 1)
        return false;
    return body.front() != '0' || body.size() == 1 || body[1] == '.';
}

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
