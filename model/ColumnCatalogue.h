#pragma once
#include "CellDescription.h"

#include <cstdint>
#include <string>

// Titles, units and alignment of every column id of every table.
std::string ColumnTitle(std::uint16_t columnId);
// Parenthesised unit, or empty when the column has none.
std::string ColumnUnit(std::uint16_t columnId);
HAlign ColumnAlignment(std::uint16_t columnId);
// Header cell text: the title, and the unit on a second line when asked.
std::string ColumnHeaderText(std::uint16_t columnId, bool showUnits);
