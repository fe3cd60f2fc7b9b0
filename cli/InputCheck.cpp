#include "InputCheck.h"

#include "ExactNumber.h"
#include "HeatSource.h"

#include "../dialogs/FieldCheck.h"
#include "../dialogs/HeatSourceLists.h"
#include "../views/tables/InputSyntax.h"

std::string CheckInputText(ColumnId column, const std::string& text)
{
    std::optional<CColumnRule> rule = BranchColumnRule(column);
    if (!rule)
        rule = AirSourceColumnRule(column);
    return rule ? CheckCellText(*rule, text) : std::string();
}

namespace {

// The value of a heat source list column as typed: the exact number.
std::string HeatCellText(const CHeatSource& source, ColumnId column)
{
    switch (column) {
    case Col::HeatLocation: return ExactNumberText(source.location);
    case Col::HeatLength:
    case Col::HeatWaterFuel: return ExactNumberText(source.length());
    case Col::HeatSensible:
    case Col::HeatPower: return ExactNumberText(source.sensibleHeat());
    case Col::HeatLatent:
    case Col::HeatUtilization: return ExactNumberText(source.latentHeat());
    default: return source.description;
    }
}

}  // namespace

std::string CheckHeatSource(const CHeatSource& source, double branchLength, ColumnId& column)
{
    if (source.kind >= HeatPages().size())
        return {};
    const HeatPageDef& page = HeatPages()[source.kind];
    HeatListRow row;
    for (ColumnId id : page.columns)
        row.push_back(HeatCellText(source, id));
    for (std::size_t i = 0; i < page.columns.size(); ++i) {
        std::string text = row[i];
        const std::string message =
            CheckHeatCell(page, static_cast<int>(i + 1), text, row, WholeNumber(branchLength));
        if (!message.empty()) {
            column = page.columns[i];
            return message;
        }
    }
    return {};
}
