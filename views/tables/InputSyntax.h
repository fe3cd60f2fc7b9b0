#pragma once
// The syntax and range checks of typed table cells (plain C++).
#include "ColumnIds.h"

#include <optional>
#include <string>
#include <string_view>

// Optional minus, then digits; a leading zero only as the only digit
// (0 and -0 pass, 05 fails). No blanks, plus sign, point or exponent.
bool IsIntegerText(std::string_view text);
// Optional minus, then digits and at most one point with at least one
// digit; after a leading zero that is not alone the point must follow
// (0, 0.5, .5 pass; 05, 00.5 fail). No blanks, plus sign or exponent.
bool IsNumberText(std::string_view text);

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
