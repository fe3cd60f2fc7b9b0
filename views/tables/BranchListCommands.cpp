// CKalvexTableView: Add, Insert and Delete Branches, shared by the tables
// whose rows are branches.
#include "KalvexTableView.h"

#include "BranchListCommand.h"
#include "KalvexDoc.h"
#include "OpenDocument.h"

#include <algorithm>

bool CKalvexTableView::PushNewBranches(const QString& text, const std::function<void(CKalvexDoc&)>& change)
{
    const int count = Doc().BranchCount();
    CancelEditing();
    m_document.undo.push(new CBranchListCommand(Doc(), text, change));
    return Doc().BranchCount() > count;
}

bool CKalvexTableView::AddBranch()
{
    if (!TransferCurrentCell())
        return false;
    if (!PushNewBranches(QStringLiteral("Add Branch"), [](CKalvexDoc& doc) { doc.InsertNewBranch(doc.BranchCount()); }))
        return false;
    AfterBranchListChange(Doc().BranchCount());
    return true;
}

namespace {

bool CurrentCellInside(const CGXGridView& grid)
{
    int row = 0, col = 0;
    return grid.GetCurrentCell(row, col) && row >= 1 && row <= grid.GetRowCount() && col >= 1 &&
           col <= grid.GetColCount();
}

}  // namespace

bool CKalvexTableView::CanInsertBranches() const
{
    if (!HasParam() || GetRowCount() < 1)
        return false;
    if (HasSelection())
        return !FirstRangeStartsAtRow0();
    return CurrentCellInside(*this);
}

bool CKalvexTableView::CanDeleteBranches() const
{
    if (!HasParam() || GetRowCount() < 1)
        return false;
    if (HasSelection())
        return !FirstRangeStartsAtRow0() || IsFirstRangeWholeTable();
    return CurrentCellInside(*this);
}

bool CKalvexTableView::CommandRows(bool wholeTable, int& first, int& last) const
{
    CGXRange range;
    if (!GetFirstSelectedRange(range)) {
        int col = 0;
        if (!GetCurrentCell(first, col))
            return false;
        last = first;
        return true;
    }
    if (wholeTable && IsFirstRangeWholeTable()) {
        first = 1;
        last = GetRowCount();
        return true;
    }
    if (range.top == 0)
        return false;  // whole columns
    first = range.top;
    last = std::min(range.bottom, GetRowCount());
    return first <= last;
}

bool CKalvexTableView::InsertBranches()
{
    int first = 0, last = -1;
    if (!CommandRows(false, first, last) || !TransferCurrentCell())
        return false;
    const int count = last - first + 1;
    if (!PushNewBranches(QStringLiteral("Insert Branches"),
                         [first, count](CKalvexDoc& doc) { doc.InsertNewBranches(first - 1, count); }))
        return false;
    AfterBranchListChange(first);
    return true;
}

bool CKalvexTableView::DeleteBranches()
{
    int first = 0, last = -1;
    if (!CommandRows(true, first, last) || !TransferCurrentCell())
        return false;
    CancelEditing();
    // One block, in one pass over the rows and the list.
    if (!RemoveRows(first, last))
        return false;
    m_document.undo.push(new CBranchListCommand(Doc(), QStringLiteral("Delete Branches"), first - 1, last - 1));
    ResetCurrentCell();
    AfterBranchListChange(first == 1 ? 1 : first - 1);
    return true;
}
