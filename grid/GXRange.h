#pragma once
// A rectangle of grid cells and what kind of selection it stands for.
//
// Coordinates are grid coordinates: row 0 is the header row, column 0 the
// header column, data cells start at (1, 1). A range of whole rows starts at
// column 0, a range of whole columns starts at row 0 and the whole table
// starts at (0, 0); the bottom and right ends of those ranges are the row and
// column counts at the time the range was read.

struct CGXRange {
    enum class Kind { Cells, Rows, Cols, Table };

    int top = 0;
    int left = 0;
    int bottom = -1;
    int right = -1;
    Kind kind = Kind::Cells;

    static CGXRange Cells(int top, int left, int bottom, int right);
    static CGXRange Rows(int top, int bottom, int colCount);
    static CGXRange Cols(int left, int right, int rowCount);
    static CGXRange Table(int rowCount, int colCount);

    bool IsValid() const { return top <= bottom && left <= right; }
    bool IsCells() const { return kind == Kind::Cells; }
    bool IsRows() const { return kind == Kind::Rows; }
    bool IsCols() const { return kind == Kind::Cols; }
    bool IsTable() const { return kind == Kind::Table; }
    bool Contains(int row, int col) const;
    int RowCount() const { return bottom - top + 1; }
    int ColCount() const { return right - left + 1; }

    bool operator==(const CGXRange&) const = default;
};

// Where index i ends up when the block from..to is taken out of a list and
// inserted so that its first element lands at dest (a position in the list
// after the block was taken out). Indices outside the list are unchanged
// relative to their neighbours.
int MovedIndex(int i, int from, int to, int dest);
