#pragma once
// The syntax and range checks of typed table cells (plain C++).
#include "ColumnIds.h"
#include "NumberText.h"

#include <optional>
#include <string>

// The range a table column accepts, with its message.
struct CColumnRule {
    bool integer;
    double lowest;
    double highest;
    const char* message;
};

// The rule of a branch input column; none for columns taken as they are.
std::optional<CColumnRule> BranchColumnRule(ColumnId id);
// The rule of an additional air column of the intake air source table.
std::optional<CColumnRule> AirSourceColumnRule(ColumnId id);

// Checks a typed text against a rule: empty on success, else the message.
std::string CheckCellText(const CColumnRule& rule, const std::string& text);
