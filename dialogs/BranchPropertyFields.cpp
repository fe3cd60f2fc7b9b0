#include "BranchPropertyFields.h"

#include "KalvexBranch.h"

#include <cmath>

namespace {

int FieldIndex(const BranchPageDef& page, ColumnId column)
{
    for (std::size_t i = 0; i < page.fields.size(); ++i)
        if (page.fields[i].column == column)
            return static_cast<int>(i);
    return -1;
}

}  // namespace

const std::array<BranchPageDef, 4>& BranchPages()
{
    static const std::array<BranchPageDef, 4> pages{{
        {"General",
         "General Branch Data",
         {
             {Col::Name, "&Name:", TextField(), nullptr},
             {Col::Description, "&Description:", TextField(), nullptr},
             {Col::Interval, "Output &Interval:", IntegerField(2, 4000), "(2 to 4000 m)"},
         }},
        {"Airway",
         "Physical Properties of the Airway",
         {
             {Col::Length, "&Length:", IntegerField(2, 4000), "(2 to 4000 m)"},
             {Col::DepthIn, "&Depth at Inlet:", IntegerField(0, 20000), "(0 to 20,000 m)"},
             {Col::DepthOut, "Depth at &Outlet:", IntegerField(0, 20000), "(0 to 20,000 m)"},
             {Col::Area, "&Area:", RealField(0.1, 1000, 2), "(0.10 to 1000.00 m\u00B2)"},
             {Col::Perimeter, "&Perimeter:", RealField(0.1, 1000, 2), "(0.10 to 1000.00 m)"},
             {Col::Friction, "&Friction Coefficient:", RealField(0, 1, 4), "(0 to 1.0000 kg/m\u00B3)"},
             {Col::Wetness, "&Wetness Factor:", RealField(0, 1, 2), "(0 to 1.00)"},
             {Col::AgeIn, "Age at &Inlet:", IntegerField(0, 36500), "(0 to 36,500 days)"},
             {Col::AgeOut, "&Age at Outlet:", IntegerField(0, 36500), "(0 to 36,500 days)"},
         }},
        {"Ventilation",
         "Ventilation at Intake",
         {
             {Col::Quantity, "&Quantity:", RealField(0.1, 10000, 2), "(0.10 to 10,000.00 m\u00B3/s)"},
             {Col::Pressure, "&Pressure:", RealField(40, 300, 3), "(40.000 to 300.000 kPa)"},
             {Col::DryBulb, "&Dry Bulb Temperature:", RealField(0, 120, 2), "(0 to 120.00 \u00B0C)"},
             {Col::WetBulb, "&Wet Bulb Temperature:", RealField(0, 100, 2), "(0 to 100.00 \u00B0C)"},
         }},
        {"Rock",
         "Rock Thermal Properties",
         {
             {Col::VrtIn, "&VRT at Inlet:", RealField(0, 1000, 1), "(0 to 1000.0 \u00B0C)"},
             {Col::GeoStep, "&Geothermal Step:", IntegerField(1, 1000), "(1 to 1000 m/\u00B0C)"},
             {Col::Conductivity, "&Conductivity:", RealField(0.001, 500, 3), "(0.001 to 500.000 W/m\u00B0C)"},
             {Col::Diffusivity, "&Diffusivity:", RealField(0.001, 50, 3),
              "(0.001 to 50.000 m\u00B2/s \u00D7 10^-6)"},
         }},
    }};
    return pages;
}

const std::vector<ColumnId>& BranchPropertyColumnOrder()
{
    static const std::vector<ColumnId> order{Col::Interval,  Col::Length,   Col::Area,     Col::Perimeter,
                                             Col::DepthIn,   Col::DepthOut, Col::Friction, Col::Wetness,
                                             Col::AgeIn,     Col::AgeOut,   Col::Quantity, Col::Pressure,
                                             Col::DryBulb,   Col::WetBulb,  Col::Conductivity,
                                             Col::Diffusivity, Col::GeoStep, Col::VrtIn};
    return order;
}

std::string CBranchPropertyValues::Text(const BranchField& field) const
{
    if (field.column == Col::Name)
        return name;
    if (field.column == Col::Description)
        return description;
    const auto found = numbers.find(field.column);
    return FieldText(found == numbers.end() ? 0.0 : found->second, field.rule);
}

CBranchPropertyValues ReadBranchProperties(const CKalvexBranch& branch)
{
    CBranchPropertyValues values;
    values.name = branch.name;
    values.description = branch.description;
    for (ColumnId column : BranchPropertyColumnOrder()) {
        double value = 0.0;
        branch.GetColumnValue(column, value);
        values.numbers[column] = value;
    }
    // Integer fields hold the branch value truncated toward zero.
    for (const BranchPageDef& page : BranchPages())
        for (const BranchField& field : page.fields)
            if (field.rule.kind == FieldKind::Integer)
                values.numbers[field.column] = static_cast<double>(WholeNumber(values.numbers[field.column]));
    return values;
}

void WriteBranchProperties(const CBranchPropertyValues& values, CKalvexBranch& branch)
{
    branch.SetColumnText(Col::Description, values.description);
    branch.SetColumnText(Col::Name, values.name);
    for (ColumnId column : BranchPropertyColumnOrder()) {
        const auto found = values.numbers.find(column);
        if (found != values.numbers.end())
            branch.SetColumnValue(column, found->second);
    }
}

FieldFailure CheckBranchPage(int page, const std::vector<std::string>& texts, CBranchPropertyValues& values)
{
    if (page < 0 || page >= static_cast<int>(BranchPages().size()))
        return {};
    const BranchPageDef& def = BranchPages()[static_cast<std::size_t>(page)];
    CBranchPropertyValues read = values;
    for (std::size_t i = 0; i < def.fields.size(); ++i) {
        const BranchField& field = def.fields[i];
        const std::string text = i < texts.size() ? texts[i] : std::string();
        if (field.column == Col::Name) {
            read.name = text;
            continue;
        }
        if (field.column == Col::Description) {
            read.description = text;
            continue;
        }
        double value = 0.0;
        std::string message = CheckField(text, field.rule, value);
        if (!message.empty())
            return {static_cast<int>(i), std::move(message)};
        read.numbers[field.column] = value;
    }

    auto number = [&read](ColumnId column) { return read.numbers[column]; };
    if (page == kAirwayPage) {
        if (std::fabs(number(Col::DepthIn) - number(Col::DepthOut)) > number(Col::Length))
            return {FieldIndex(def, Col::Length), kDepthChangeMessage};
        // No perimeter smaller than that of a circle of the same area.
        if (2.0 * std::sqrt(3.141592654 * number(Col::Area)) > number(Col::Perimeter))
            return {FieldIndex(def, Col::Area), kPerimeterMessage};
    } else if (page == kVentilationPage) {
        if (number(Col::DryBulb) < number(Col::WetBulb))
            return {FieldIndex(def, Col::WetBulb), kWetBulbMessage};
    }
    values = std::move(read);
    return {};
}
