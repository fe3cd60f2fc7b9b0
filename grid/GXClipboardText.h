#pragma once
// Cell blocks as clipboard text: tab-separated lines for any program, and an
// HTML table so that a spreadsheet keeps the columns.
#include <QString>
#include <QStringList>

#include <vector>

using CGXCellBlock = std::vector<QStringList>;  // rows of cell texts

// One line per row, cells separated by tabs, lines ended by "\r\n". Tabs
// and line breaks inside a cell become blanks.
QString BlockToTabText(const CGXCellBlock& block);
// A <table> with one <tr> per row and one <td> per cell, texts escaped.
QString BlockToHtml(const CGXCellBlock& block);
// Splits tab-separated text into rows of cells; "\r\n", "\n" and "\r" end
// lines, and a final line break does not make an empty row.
CGXCellBlock TabTextToBlock(const QString& text);
