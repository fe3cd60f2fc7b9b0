#pragma once
#include "CellDescription.h"
#include "ColumnIds.h"

#include <string>

// Titles, units and alignment of every column id of every table.
std::string ColumnTitle(ColumnId columnId);
// Parenthesised unit, or empty when the column has none.
std::string ColumnUnit(ColumnId columnId);
HAlign ColumnAlignment(ColumnId columnId);
// Header cell text: the title, and the unit on a second line when asked.
std::string ColumnHeaderText(ColumnId columnId, bool showUnits);
