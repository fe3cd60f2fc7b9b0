#pragma once
// The checks typed values meet in the program's cells, for the commands
// that change documents without a window. The one place the command line
// reaches them.
#include "ColumnIds.h"

#include <string>

class CHeatSource;
class CKalvexDoc;

// Checks text typed into the cell of a branch table or intake air source
// table column: empty when the cell would take it, otherwise the message
// the cell shows. Columns without a check take every text.
std::string CheckInputText(ColumnId column, const std::string& text);

// Checks a heat source as the Branch Heat Sources lists check each cell of
// its row, in list order, on a branch of the given length (m): empty when
// every cell would take its value, otherwise the message of the first that
// would not, with its heat source list column in column.
std::string CheckHeatSource(const CHeatSource& source, double branchLength, ColumnId& column);

// Checks the document's worker as the Worker Description dialog checks its
// fields, in its reading order: empty when it would take every value,
// otherwise the message, with the member's name in member.
std::string CheckWorker(const CKalvexDoc& doc, std::string& member);
