#pragma once
// Results of a run as JSON and as CSV, for scripts and spreadsheets.
#include "ResultsCsv.h"

#include <string>
#include <vector>

class CKalvexDoc;

// JSON: the document's sequence mode and, per branch, its number, id and
// name, the outlet values, the numeric rows (fields named as the members of
// a result row, then the thermal work limit with its zone) and the message
// rows. branchIndexes: positions from 0.
std::string ResultsJson(const CKalvexDoc& doc, const std::vector<int>& branchIndexes);

// CSV: one table per branch, headed by a line naming the branch, then the
// results table's stored columns and "TWL" with their units and one line
// per result row as the table shows it; message rows carry their text in the second
// field. Tables are separated by an empty line.
std::string ResultsCsv(const CKalvexDoc& doc, const std::vector<int>& branchIndexes);

// A number for JSON: fixed decimals without trailing zeros, null when not finite.
std::string JsonNumber(double value, int decimals = 6);
// A JSON string literal.
std::string JsonString(const std::string& text);
