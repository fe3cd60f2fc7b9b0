#include "GXRange.h"

CGXRange CGXRange::Cells(int top, int left, int bottom, int right)
{
    return {top, left, bottom, right, Kind::Cells};
}

CGXRange CGXRange::Rows(int top, int bottom, int colCount)
{
    return {top, 0, bottom, colCount, Kind::Rows};
}

CGXRange CGXRange::Cols(int left, int right, int rowCount)
{
    return {0, left, rowCount, right, Kind::Cols};
}

CGXRange CGXRange::Table(int rowCount, int colCount)
{
    return {0, 0, rowCount, colCount, Kind::Table};
}

bool CGXRange::Contains(int row, int col) const
{
    return row >= top && row <= bottom && col >= left && col <= right;
}

int MovedIndex(int i, int from, int to, int dest)
{
    const int count = to - from + 1;
    if (i >= from && i <= to)
        return dest + (i - from);
    const int shortened = i < from ? i : i - count;
    return shortened >= dest ? shortened + count : shortened;
}
