#include "InputCheck.h"

// The one place the command line reaches the table cells' rules.
#include "../views/tables/InputSyntax.h"

std::string CheckInputText(ColumnId column, const std::string& text)
{
    std::optional<CColumnRule> rule = BranchColumnRule(column);
    if (!rule)
        rule = AirSourceColumnRule(column);
    return rule ? CheckCellText(*rule, text) : std::string();
}
