#pragma once
// Column widths of the dialogs' lists: the width asked for in characters,
// widened where a title line or a cell text would otherwise be cut.
#include "GXGridView.h"

#include <QStringList>

#include <algorithm>

inline int ListColumnWidth(const CGXGridView& grid, double chars, const QStringList& texts)
{
    int width = grid.CharsToWidth(chars);
    for (const QString& text : texts)
        for (const QString& line : text.split('\n'))
            width = std::max(width, grid.fontMetrics().horizontalAdvance(line) + 12);
    return width;
}
