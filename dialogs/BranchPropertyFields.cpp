#include "BranchPropertyFields.h"

#include "KalvexBranch.h"

namespace {

// A field of the sheet: its label here, its rule and hint the input
// catalogue's.
BranchField Field(ColumnId column, const char* label)
{
    const InputEntry& input = *FindInput(column);
    return {column, label, input.field, *input.hint ? input.hint : nullptr};
}

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
             Field(Col::Name, "&Name:"),
             Field(Col::Description, "&Description:"),
             Field(Col::Interval, "Output &Interval:"),
         }},
        {"Airway",
         "Physical Properties of the Airway",
         {
             Field(Col::Length, "&Length:"),
             Field(Col::DepthIn, "&Depth at Inlet:"),
             Field(Col::DepthOut, "Depth at &Outlet:"),
             Field(Col::Area, "&Area:"),
             Field(Col::Perimeter, "&Perimeter:"),
             Field(Col::Friction, "&Friction Coefficient:"),
             Field(Col::Wetness, "&Wetness Factor:"),
             Field(Col::AgeIn, "Age at &Inlet:"),
             Field(Col::AgeOut, "&Age at Outlet:"),
         }},
        {"Ventilation",
         "Ventilation at Intake",
         {
             Field(Col::Quantity, "&Quantity:"),
             Field(Col::Pressure, "&Pressure:"),
             Field(Col::DryBulb, "&Dry Bulb Temperature:"),
             Field(Col::WetBulb, "&Wet Bulb Temperature:"),
         }},
        {"Rock",
         "Rock Thermal Properties",
         {
             Field(Col::VrtIn, "&VRT at Inlet:"),
             Field(Col::GeoStep, "&Geothermal Step:"),
             Field(Col::Conductivity, "&Conductivity:"),
             Field(Col::Diffusivity, "&Diffusivity:"),
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
        if (DepthChangeTooLarge(number(Col::DepthIn), number(Col::DepthOut), number(Col::Length)))
            return {FieldIndex(def, Col::Length), kDepthChangeMessage};
        if (PerimeterTooSmall(number(Col::Area), number(Col::Perimeter)))
            return {FieldIndex(def, Col::Area), kPerimeterMessage};
    } else if (page == kVentilationPage) {
        if (number(Col::DryBulb) < number(Col::WetBulb))
            return {FieldIndex(def, Col::WetBulb), kWetBulbMessage};
    }
    values = std::move(read);
    return {};
}
