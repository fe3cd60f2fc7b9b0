#pragma once
// The check a typed value meets in its table cell, for the commands that
// change documents without a window.
#include "ColumnIds.h"

#include <string>

// Checks text typed into the cell of a branch table or intake air source
// table column: empty when the cell would take it, otherwise the message
// the cell shows. Columns without a check take every text.
std::string CheckInputText(ColumnId column, const std::string& text);
