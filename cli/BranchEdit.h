#pragma once
// Typing into a branch's cells without a window: the keys set and study
// take (the member names the JSON form uses), checked and stored as the
// branch table and the intake air source table check and store them.
#include "ColumnIds.h"

#include <string>
#include <vector>

class CKalvexDoc;

// The cell column a key names ("intakeQuantity", "name", "addedQuantity"…);
// 0 for a key that names no cell.
ColumnId EditableColumn(const std::string& key);
// Every key EditableColumn knows, for the help and the messages.
std::vector<std::string> EditableKeys();

// Empty when the cell of the branch at index would take text; otherwise
// the message the cell shows, or why the cell takes nothing (the cells that
// sequence mode or the lack of source branches make read-only).
std::string CheckBranchEdit(const CKalvexDoc& doc, int index, ColumnId column, const std::string& text);

// Stores the text as the cell does (numbers rounded to the column's
// decimals).
void ApplyBranchEdit(CKalvexDoc& doc, int index, ColumnId column, const std::string& text);

// The branch a command names with --branch N (its row number) or --id ID;
// empty on success, else the usage error's text.
std::string FindNamedBranch(const CKalvexDoc& doc, const std::string* number, const std::string* id, int& index);
