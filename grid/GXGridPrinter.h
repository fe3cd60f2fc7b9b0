#pragma once
// Internal: prints the whole table of a grid on a printer. The table is cut
// into pages across (groups of columns) and down (groups of rows); the header
// row and the header column are repeated on every page when the properties
// ask for them. Pages go down first, then across. Sizes are the grid's
// 100 % sizes (pixels at 96 dpi) scaled to the printer's resolution; zoom
// does not apply to printing.
#include <QRect>

#include <vector>

class CGXGridView;
class QPainter;
class QPrinter;

class CGXGridPrinter {
public:
    CGXGridPrinter(CGXGridView& grid, QPrinter& printer);

    int PageCount() const;
    // Prints every page; the number of pages, 0 when the printer could not start.
    int Print();

    // The drawing area inside the margins, in device units.
    QRect DrawingArea() const { return m_area; }

private:
    struct Band {
        int first;
        int last;
    };

    void Layout();
    void PrintPage(QPainter& painter, const Band& rows, const Band& cols);
    void DrawCell(QPainter& painter, const QRect& rect, int row, int col, bool header);

    CGXGridView& m_grid;
    QPrinter& m_printer;
    double m_scaleX = 1.0;
    double m_scaleY = 1.0;
    QRect m_area;
    int m_headerWidth = 0;   // 0 when the header column is not printed
    int m_headerHeight = 0;  // 0 when the header row is not printed
    std::vector<int> m_colWidths;   // index = grid column
    std::vector<int> m_rowHeights;  // index = grid row
    std::vector<Band> m_rowBands;
    std::vector<Band> m_colBands;
};
