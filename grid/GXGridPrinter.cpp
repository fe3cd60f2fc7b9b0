#include "GXGridPrinter.h"

#include "GXCellText.h"
#include "GXGridView.h"
#include "GXPrintDialogs.h"
#include "GridParam.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {

// Cuts items 1..n with the given sizes into bands that fit `room` after a
// fixed part; every band holds at least one item.
std::vector<int> BandStarts(const std::vector<int>& sizes, int n, int fixed, int room)
{
    std::vector<int> starts;
    int used = room;  // forces a new band at the first item
    for (int i = 1; i <= n; ++i) {
        const int size = sizes[static_cast<std::size_t>(i)];
        if (used + size > room) {
            starts.push_back(i);
            used = fixed;
        }
        used += size;
    }
    return starts;
}

int Scaled(int pixels, double scale)
{
    // Damaged sizes stay within what a page can take.
    return static_cast<int>(std::clamp(std::lround(pixels * scale), 0L, 1000000L));
}

}  // namespace

CGXGridPrinter::CGXGridPrinter(CGXGridView& grid, QPrinter& printer) : m_grid(grid), m_printer(printer)
{
    Layout();
}

void CGXGridPrinter::Layout()
{
    const CGXProperties& props = m_grid.GetParam()->properties;
    m_printer.setFullPage(true);
    m_scaleX = m_printer.logicalDpiX() / 96.0;
    m_scaleY = m_printer.logicalDpiY() / 96.0;
    const QRect paper(0, 0, m_printer.width(), m_printer.height());
    // Margins come from the file; each keeps at least a third of the paper.
    const int left = std::min(Scaled(props.marginLeft, m_scaleX), paper.width() / 3);
    const int top = std::min(Scaled(props.marginTop, m_scaleY), paper.height() / 3);
    const int right = std::min(Scaled(props.marginRight, m_scaleX), paper.width() / 3);
    const int bottom = std::min(Scaled(props.marginBottom, m_scaleY), paper.height() / 3);
    m_area = QRect(left, top, std::max(1, paper.width() - left - right), std::max(1, paper.height() - top - bottom));

    const int rows = m_grid.GetRowCount();
    const int cols = m_grid.GetColCount();
    m_colWidths.assign(static_cast<std::size_t>(cols) + 1, 0);
    m_rowHeights.assign(static_cast<std::size_t>(rows) + 1, 0);
    for (int c = 0; c <= cols; ++c)
        m_colWidths[static_cast<std::size_t>(c)] = std::max(1, Scaled(m_grid.GetColWidth(c), m_scaleX));
    for (int r = 0; r <= rows; ++r)
        m_rowHeights[static_cast<std::size_t>(r)] = std::max(1, Scaled(m_grid.GetRowHeight(r), m_scaleY));
    m_headerWidth = props.printRowHeaders ? m_colWidths[0] : 0;
    m_headerHeight = props.printColHeaders ? m_rowHeights[0] : 0;

    m_colBands.clear();
    m_rowBands.clear();
    const std::vector<int> colStarts = BandStarts(m_colWidths, cols, m_headerWidth, m_area.width());
    for (std::size_t i = 0; i < colStarts.size(); ++i)
        m_colBands.push_back({colStarts[i], i + 1 < colStarts.size() ? colStarts[i + 1] - 1 : cols});
    const std::vector<int> rowStarts = BandStarts(m_rowHeights, rows, m_headerHeight, m_area.height());
    for (std::size_t i = 0; i < rowStarts.size(); ++i)
        m_rowBands.push_back({rowStarts[i], i + 1 < rowStarts.size() ? rowStarts[i + 1] - 1 : rows});
    // An empty table still prints its header on one page.
    if (m_colBands.empty())
        m_colBands.push_back({1, 0});
    if (m_rowBands.empty())
        m_rowBands.push_back({1, 0});
}

int CGXGridPrinter::PageCount() const
{
    return static_cast<int>(m_rowBands.size() * m_colBands.size());
}

int CGXGridPrinter::Print()
{
    QPainter painter;
    if (!GXPrint::Begin(painter, m_printer, &m_grid))
        return 0;
    const int count = PageCount();
    int page = 0;
    for (const Band& cols : m_colBands) {
        for (const Band& rows : m_rowBands) {
            if (page > 0 && !m_printer.newPage())
                return page;
            ++page;
            painter.save();
            m_grid.OnPrintHeader(painter, m_area, page, count);
            painter.restore();
            PrintPage(painter, rows, cols);
        }
    }
    painter.end();
    return page;
}

void CGXGridPrinter::PrintPage(QPainter& painter, const Band& rows, const Band& cols)
{
    const CGXProperties& props = m_grid.GetParam()->properties;
    int width = m_headerWidth;
    for (int c = cols.first; c <= cols.last; ++c)
        width += m_colWidths[static_cast<std::size_t>(c)];
    int height = m_headerHeight;
    for (int r = rows.first; r <= rows.last; ++r)
        height += m_rowHeights[static_cast<std::size_t>(r)];
    int x0 = m_area.left();
    int y0 = m_area.top();
    if (props.centerHorizontally)
        x0 += std::max(0, (m_area.width() - width) / 2);
    if (props.centerVertically)
        y0 += std::max(0, (m_area.height() - height) / 2);

    // Left edges of the printed columns and top edges of the printed rows.
    std::vector<int> xs(static_cast<std::size_t>(m_grid.GetColCount()) + 2, x0);
    int x = x0 + m_headerWidth;
    for (int c = cols.first; c <= cols.last; ++c) {
        xs[static_cast<std::size_t>(c)] = x;
        x += m_colWidths[static_cast<std::size_t>(c)];
    }
    std::vector<int> ys(static_cast<std::size_t>(m_grid.GetRowCount()) + 2, y0);
    int y = y0 + m_headerHeight;
    for (int r = rows.first; r <= rows.last; ++r) {
        ys[static_cast<std::size_t>(r)] = y;
        y += m_rowHeights[static_cast<std::size_t>(r)];
    }
    const int right = x;
    const int bottom = y;

    if (m_headerHeight > 0) {
        if (m_headerWidth > 0)
            DrawCell(painter, QRect(x0, y0, m_headerWidth, m_headerHeight), 0, 0, true);
        for (int c = cols.first; c <= cols.last; ++c)
            DrawCell(painter, QRect(xs[static_cast<std::size_t>(c)], y0, m_colWidths[static_cast<std::size_t>(c)],
                                    m_headerHeight),
                     0, c, true);
    }
    for (int r = rows.first; r <= rows.last; ++r) {
        const int top = ys[static_cast<std::size_t>(r)];
        const int h = m_rowHeights[static_cast<std::size_t>(r)];
        if (m_headerWidth > 0)
            DrawCell(painter, QRect(x0, top, m_headerWidth, h), r, 0, true);
        for (int c = cols.first; c <= cols.last; ++c) {
            CGXRange covered;
            if (m_grid.GetCoveredCells(r, c, covered)) {
                // Drawn once per page, from its first printed cell, clipped to the page.
                const int firstRow = std::max(covered.top, rows.first);
                const int firstCol = std::max(covered.left, cols.first);
                if (r != firstRow || c != firstCol)
                    continue;
                const int lastRow = std::min(covered.bottom, rows.last);
                const int lastCol = std::min(covered.right, cols.last);
                const int w = xs[static_cast<std::size_t>(lastCol)] + m_colWidths[static_cast<std::size_t>(lastCol)] -
                              xs[static_cast<std::size_t>(c)];
                const int hh = ys[static_cast<std::size_t>(lastRow)] +
                               m_rowHeights[static_cast<std::size_t>(lastRow)] - top;
                DrawCell(painter, QRect(xs[static_cast<std::size_t>(c)], top, w, hh), covered.top, covered.left,
                         false);
                continue;
            }
            DrawCell(painter, QRect(xs[static_cast<std::size_t>(c)], top, m_colWidths[static_cast<std::size_t>(c)], h),
                     r, c, false);
        }
    }

    if (props.printFrame) {
        QPen pen(QColor(Qt::black), std::max(1.0, 1.5 * m_scaleX));
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(x0, y0, right - x0, bottom - y0));
    }
}

void CGXGridPrinter::DrawCell(QPainter& painter, const QRect& rect, int row, int col, bool header)
{
    const CGXProperties& props = m_grid.GetParam()->properties;
    const bool blackWhite = props.printBlackWhite;
    const CGXStyle style = m_grid.LookupStyle(row, col);
    painter.save();
    if (!blackWhite) {
        QColor fill = header ? QColor(static_cast<QRgb>(props.headerColour)) : style.interiorColour;
        if (fill.isValid())
            painter.fillRect(rect, fill);
    }
    const QColor lineColour = blackWhite ? QColor(Qt::black) : QColor(static_cast<QRgb>(props.gridLineColour));
    painter.setPen(QPen(lineColour, std::max(1.0, 0.75 * m_scaleX)));
    // Header cells always get their borders; data cells as the options say.
    if (header || props.printHorzLines)
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    if (header || props.printVertLines)
        painter.drawLine(rect.topRight(), rect.bottomRight());
    if (header && row == 0)
        painter.drawLine(rect.topLeft(), rect.topRight());
    if (header && col == 0)
        painter.drawLine(rect.topLeft(), rect.bottomLeft());
    if (!style.value.isEmpty()) {
        QFont font(m_grid.m_baseFont, &m_printer);
        font.setWeight(static_cast<QFont::Weight>(style.fontWeight));
        font.setItalic(style.italic);
        painter.setFont(font);
        QColor text = header ? QColor(static_cast<QRgb>(props.headerTextColour)) : QColor(static_cast<QRgb>(props.textColour));
        if (style.textColour.isValid())
            text = style.textColour;
        painter.setPen(blackWhite ? QColor(Qt::black) : text);
        const int padX = Scaled(3, m_scaleX);
        const int padY = Scaled(1, m_scaleY);
        DrawCellText(painter, rect.adjusted(padX, padY, -padX, -padY), style);
    }
    painter.restore();
}
