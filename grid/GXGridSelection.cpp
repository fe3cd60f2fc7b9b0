// CGXGridView: the current cell and the selection.
#include "GXGridView.h"

#include "GXGridModel.h"
#include "GXHeaderView.h"
#include "GXSelectionModel.h"
#include "GXTableView.h"
#include "GridParam.h"

#include <QScrollBar>

#include <algorithm>
#include <set>

bool CGXGridView::GetCurrentCell(int& row, int& col) const
{
    const QModelIndex index = m_selection->currentIndex();
    if (!index.isValid())
        return false;
    row = index.row() + 1;
    col = index.column() + 1;
    return true;
}

bool CGXGridView::SetCurrentCell(int row, int col, bool scrollIntoView)
{
    if (row < 1 || row > m_rowCount || col < 1 || col > m_colCount)
        return false;
    const QModelIndex index = m_model->index(row - 1, col - 1);
    if (index != m_selection->currentIndex()) {
        if (!CanChangeCurrentCell())
            return false;
        m_selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    }
    if (scrollIntoView)
        ScrollCellInView(row, col);
    return m_selection->currentIndex() == index;
}

void CGXGridView::ResetCurrentCell()
{
    CancelEditing();
    // The cell a click selected goes with the current cell: it was no selection.
    const bool onlyCurrent = !HasSelection();
    m_selection->clearCurrentIndex();
    if (onlyCurrent)
        m_selection->clearSelection();
}

void CGXGridView::ScrollCellInView(int row, int col)
{
    if (row < 1 || row > m_rowCount || col < 1 || col > m_colCount)
        return;
    m_table->scrollTo(m_model->index(row - 1, col - 1));
}

bool CGXGridView::GetTopLeftVisibleCell(int& row, int& col) const
{
    if (m_rowCount == 0 || m_colCount == 0)
        return false;
    row = m_table->rowAt(0) + 1;
    col = GetFrozenCols() > 0 ? 1 : m_table->columnAt(0) + 1;
    row = std::clamp(row, 1, m_rowCount);
    col = std::clamp(col, 1, m_colCount);
    return true;
}

bool CGXGridView::CanChangeCurrentCell()
{
    if (m_destroying)
        return true;
    if (m_blockSelection)
        return false;
    if (!IsEditing() || TransferCurrentCell())
        return true;
    // Refused: the rest of this mouse or key action must not move the
    // current cell or the selection either (nor warn again).
    if (m_userAction > 0)
        m_blockSelection = true;
    return false;
}

void CGXGridView::EndUserAction()
{
    if (--m_userAction <= 0) {
        m_userAction = 0;
        m_blockSelection = false;
    }
}

// ---- Selection kinds ----------------------------------------------------------------

void CGXGridView::NoteHeaderPress(Qt::Orientation orientation, bool adding)
{
    if (!adding)
        m_byRowHeaders = m_byColHeaders = m_byTable = false;
    if (orientation == Qt::Horizontal)
        m_byColHeaders = true;
    else
        m_byRowHeaders = true;
}

void CGXGridView::NoteTablePress()
{
    m_byTable = true;
}

void CGXGridView::NoteCellPress(bool adding)
{
    if (!adding)
        m_byRowHeaders = m_byColHeaders = m_byTable = false;
}

CGXRange::Kind CGXGridView::KindOf(int top, int left, int bottom, int right) const
{
    const bool allCols = left == 1 && right == m_colCount;
    const bool allRows = top == 1 && bottom == m_rowCount;
    const bool rowsMade = m_byRowHeaders || m_wholeRows;
    if (allCols && allRows) {
        if (m_byTable)
            return CGXRange::Kind::Table;
        if (rowsMade)
            return CGXRange::Kind::Rows;
        if (m_byColHeaders)
            return CGXRange::Kind::Cols;
        return CGXRange::Kind::Cells;
    }
    if (allCols && rowsMade)
        return CGXRange::Kind::Rows;
    if (allRows && m_byColHeaders)
        return CGXRange::Kind::Cols;
    return CGXRange::Kind::Cells;
}

std::vector<CGXRange> CGXGridView::GetSelectedRanges() const
{
    std::vector<CGXRange> ranges;
    for (const QItemSelectionRange& r : m_selection->selection()) {
        if (!r.isValid())
            continue;
        const int top = r.top() + 1;
        const int left = r.left() + 1;
        const int bottom = r.bottom() + 1;
        const int right = r.right() + 1;
        switch (KindOf(top, left, bottom, right)) {
        case CGXRange::Kind::Table:
            ranges.push_back(CGXRange::Table(m_rowCount, m_colCount));
            break;
        case CGXRange::Kind::Rows:
            ranges.push_back(CGXRange::Rows(top, bottom, m_colCount));
            break;
        case CGXRange::Kind::Cols:
            ranges.push_back(CGXRange::Cols(left, right, m_rowCount));
            break;
        case CGXRange::Kind::Cells:
            ranges.push_back(CGXRange::Cells(top, left, bottom, right));
            break;
        }
    }
    // The current cell alone (or its row, in whole-row mode) is no selection.
    int row = 0;
    int col = 0;
    if (ranges.size() == 1 && GetCurrentCell(row, col)) {
        const CGXRange& only = ranges.front();
        const bool justCell = only.IsCells() && only.top == row && only.bottom == row && only.left == col &&
                              only.right == col;
        const bool justRow = m_wholeRows && only.IsRows() && only.top == row && only.bottom == row;
        if (justCell || justRow)
            ranges.clear();
    }
    return ranges;
}

bool CGXGridView::GetFirstSelectedRange(CGXRange& range) const
{
    const std::vector<CGXRange> ranges = GetSelectedRanges();
    if (ranges.empty())
        return false;
    range = ranges.front();
    return true;
}

bool CGXGridView::FirstRangeStartsAtRow0() const
{
    CGXRange range;
    return GetFirstSelectedRange(range) && range.top == 0;
}

bool CGXGridView::IsFirstRangeWholeTable() const
{
    CGXRange range;
    return GetFirstSelectedRange(range) && range.IsTable();
}

std::vector<int> CGXGridView::GetSelectedRows() const
{
    const std::vector<CGXRange> ranges = GetSelectedRanges();
    if (ranges.empty()) {
        int row = 0;
        int col = 0;
        if (GetCurrentCell(row, col))
            return {row};
        return {};
    }
    std::set<int> rows;
    for (const CGXRange& range : ranges) {
        const int top = range.top == 0 ? 1 : range.top;
        const int bottom = range.top == 0 ? m_rowCount : range.bottom;
        for (int r = top; r <= bottom && r <= m_rowCount; ++r)
            rows.insert(r);
    }
    return {rows.begin(), rows.end()};
}

void CGXGridView::SelectRange(const CGXRange& range, bool add)
{
    if (!add)
        ClearSelection();
    int top = range.top;
    int left = range.left;
    int bottom = range.bottom;
    int right = range.right;
    switch (range.kind) {
    case CGXRange::Kind::Table:
        m_byTable = true;
        top = 1;
        left = 1;
        bottom = m_rowCount;
        right = m_colCount;
        break;
    case CGXRange::Kind::Rows:
        m_byRowHeaders = true;
        left = 1;
        right = m_colCount;
        break;
    case CGXRange::Kind::Cols:
        m_byColHeaders = true;
        top = 1;
        bottom = m_rowCount;
        break;
    case CGXRange::Kind::Cells:
        break;
    }
    top = std::max(top, 1);
    left = std::max(left, 1);
    bottom = std::min(bottom, m_rowCount);
    right = std::min(right, m_colCount);
    if (top > bottom || left > right)
        return;
    m_selection->select(QItemSelection(m_model->index(top - 1, left - 1), m_model->index(bottom - 1, right - 1)),
                        QItemSelectionModel::Select);
}

void CGXGridView::ClearSelection()
{
    m_selection->clearSelection();
    m_byRowHeaders = m_byColHeaders = m_byTable = false;
}

bool CGXGridView::WholeBlockAt(Qt::Orientation orientation, int index, int& from, int& to) const
{
    for (const CGXRange& range : GetSelectedRanges()) {
        if (orientation == Qt::Horizontal && range.IsCols() && index >= range.left && index <= range.right) {
            from = range.left;
            to = range.right;
            return true;
        }
        if (orientation == Qt::Vertical && range.IsRows() && index >= range.top && index <= range.bottom) {
            from = range.top;
            to = range.bottom;
            return true;
        }
    }
    return false;
}
