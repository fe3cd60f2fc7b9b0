#include "GridParam.h"

std::int32_t CGXProperties::MarginFromInches(double inches, int dpi)
{
    return static_cast<std::int32_t>(inches * dpi + 0.51);
}

CGXProperties::CGXProperties(int dpi)
    : marginTop(MarginFromInches(1.5, dpi)),
      marginLeft(MarginFromInches(1.0, dpi)),
      marginBottom(MarginFromInches(1.5, dpi)),
      marginRight(MarginFromInches(1.0, dpi))
{
}

bool CGXGridParam::SameSettings(const CGXGridParam& other) const
{
    return defaultRowHeight == other.defaultRowHeight && defaultColWidth == other.defaultColWidth &&
           headerRowHeight == other.headerRowHeight && headerColWidth == other.headerColWidth &&
           frozenRows == other.frozenRows && frozenCols == other.frozenCols && zoom == other.zoom &&
           columnWidths == other.columnWidths && rowHeights == other.rowHeights &&
           allowSelectCells == other.allowSelectCells && allowSelectRows == other.allowSelectRows &&
           allowSelectCols == other.allowSelectCols && allowSelectTable == other.allowSelectTable &&
           allowMultipleRanges == other.allowMultipleRanges &&
           numberRowHeaders == other.numberRowHeaders && numberColHeaders == other.numberColHeaders &&
           allowRowResize == other.allowRowResize && allowColResize == other.allowColResize &&
           allowRowMove == other.allowRowMove && allowColMove == other.allowColMove &&
           properties == other.properties;
}
