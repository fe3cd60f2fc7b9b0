#pragma once
// Draws the text of a cell style into a rectangle: one line per "\n", the
// block placed by the vertical alignment, each line by the horizontal one.
// A line too wide for the cell starts at the left edge, so its beginning
// stays readable; the rest is clipped at the cell.
#include <QRect>

class QPainter;
struct CGXStyle;

void DrawCellText(QPainter& painter, const QRect& rect, const CGXStyle& style);
