#pragma once
// The results of one branch as a CSV table, as the results table shows
// them: a line naming the branch, the column titles with their units, then
// one line per result row; message rows carry their text in the second
// field. Used by dorvan-cli and the results table's Export.
#include "ColumnIds.h"

#include <functional>
#include <string>
#include <vector>

class CKalvexBranch;

// Text of a value row's cell by column id and row index; false for none.
using ResultCellText = std::function<bool(ColumnId, int, std::string&)>;

// columns: the header column id first, then the shown data columns. The
// cells are the rows' own texts, or what cellText gives when it is set
// (columns worked out from the row).
std::string BranchResultsCsv(const CKalvexBranch& branch, int number, const std::vector<ColumnId>& columns,
                             const ResultCellText& cellText = nullptr);
// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text);
