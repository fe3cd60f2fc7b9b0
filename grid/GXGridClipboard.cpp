// CGXGridView: copy and paste through the clipboard.
#include "GXGridView.h"

#include "GXClipboardText.h"
#include "GXGridHint.h"
#include "GridParam.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include <algorithm>

namespace {

// The data cells a range stands for.
CGXRange DataCells(const CGXRange& range, int rowCount, int colCount)
{
    CGXRange cells = range;
    if (cells.top == 0)
        cells.top = 1;
    if (cells.left == 0)
        cells.left = 1;
    cells.bottom = std::min(cells.bottom, rowCount);
    cells.right = std::min(cells.right, colCount);
    cells.kind = CGXRange::Kind::Cells;
    return cells;
}

}  // namespace

bool CGXGridView::CanCopy() const
{
    int row = 0;
    int col = 0;
    return m_rowCount > 0 && m_colCount > 0 && (HasSelection() || GetCurrentCell(row, col));
}

bool CGXGridView::Copy()
{
    CGXRange range;
    int row = 0;
    int col = 0;
    if (GetFirstSelectedRange(range))
        range = DataCells(range, m_rowCount, m_colCount);
    else if (GetCurrentCell(row, col))
        range = CGXRange::Cells(row, col, row, col);
    else
        return false;
    if (!range.IsValid())
        return false;
    CGXCellBlock block;
    for (int r = range.top; r <= range.bottom; ++r) {
        QStringList cells;
        for (int c = range.left; c <= range.right; ++c) {
            // A covered cell shows its text once, in its top-left cell.
            CGXRange covered;
            const bool hidden = GetCoveredCells(r, c, covered) && (covered.top != r || covered.left != c);
            cells << (hidden ? QString() : GetValueRowCol(r, c));
        }
        block.push_back(cells);
    }
    auto* mime = new QMimeData;
    mime->setText(BlockToTabText(block));
    mime->setHtml(BlockToHtml(block));
    QApplication::clipboard()->setMimeData(mime);
    return true;
}

bool CGXGridView::OnPasteBeyondLastRow(int /*rowsNeeded*/)
{
    return true;
}

bool CGXGridView::CanPaste() const
{
    int row = 0;
    int col = 0;
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    return mime && mime->hasText() && (HasSelection() || GetCurrentCell(row, col));
}

bool CGXGridView::Paste()
{
    return PasteText(QApplication::clipboard()->text());
}

bool CGXGridView::PasteText(const QString& text)
{
    if (!TransferCurrentCell())
        return false;
    const CGXCellBlock block = TabTextToBlock(text);
    if (block.empty())
        return false;
    int top = 0;
    int left = 0;
    CGXRange range;
    if (GetFirstSelectedRange(range)) {
        top = std::max(range.top, 1);
        left = std::max(range.left, 1);
    } else if (!GetCurrentCell(top, left)) {
        return false;
    }
    bool complete = true;
    bool stored = false;
    int lastRow = top;
    int lastCol = left;
    {
        const EditGroup group(*this);
        const int beyond = top + static_cast<int>(block.size()) - 1 - m_rowCount;
        if (beyond > 0 && !OnPasteBeyondLastRow(beyond))
            return false;
        for (std::size_t i = 0; i < block.size() && complete; ++i) {
            const int r = top + static_cast<int>(i);
            if (r > m_rowCount)
                break;
            for (int j = 0; j < block[i].size(); ++j) {
                const int c = left + j;
                if (c > m_colCount)
                    break;
                if (!LookupStyle(r, c).editable || block[i][j] == GetValueRowCol(r, c))
                    continue;
                if (!ValidateAndStore(r, c, block[i][j], true)) {
                    complete = false;
                    SetCurrentCell(r, c);
                    break;
                }
                stored = true;
                lastRow = std::max(lastRow, r);
                lastCol = std::max(lastCol, c);
            }
        }
    }
    if (stored) {
        const CGXRange changed = CGXRange::Cells(top, left, lastRow, lastCol);
        RedrawRange(changed);
        CGXGridHint hint(CGXGridHint::Kind::Cells, m_param, this);
        hint.range = changed;
        SendHint(hint);
    }
    return complete;
}
