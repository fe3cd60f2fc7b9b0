#include "GXStyle.h"

#include "CellDescription.h"

void FillStyleFromCell(CGXStyle& style, const CCellDescription& cell)
{
    style.value = QString::fromStdString(cell.text);
    style.horizontal = cell.alignment == HAlign::Left ? Qt::AlignLeft : Qt::AlignRight;
    style.editable = cell.editable;
    style.italic = cell.italic;
}
