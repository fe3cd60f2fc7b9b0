// CKalvexTableView: the keys of the editable tables, handled before the
// grid's own keyboard handling.
#include "KalvexTableView.h"

#include "KalvexDoc.h"

#include <QKeyEvent>

bool CKalvexTableView::ReferenceCell(int& row, int& col) const
{
    if (GetCurrentCell(row, col))
        return true;
    return GetTopLeftVisibleCell(row, col);
}

bool CKalvexTableView::OnKeyDown(QKeyEvent* event)
{
    if (!HasEditingKeys() || event->type() != QEvent::KeyPress)
        return false;
    if (GetRowCount() == 0 || GetColCount() == 0)
        return true;  // an empty table swallows every key

    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool shift = mods & Qt::ShiftModifier;
    const bool ctrl = mods & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (ctrl)
            return false;
        MoveByTab(event->key() == Qt::Key_Tab && !shift);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (ctrl)
            return false;  // Add Branch belongs to the main window
        if (shift)
            InsertBelow();
        else
            MoveToNextEditable();
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (!shift)
            ClearSelection();
        return false;
    case Qt::Key_Home:
    case Qt::Key_End:
        if (!(shift && ctrl))
            ClearSelection();
        return false;
    default: return false;
    }
}

bool CKalvexTableView::MoveByTab(bool forward)
{
    int row = 0, col = 0;
    if (!ReferenceCell(row, col))
        return false;
    if (forward) {
        if (col < GetColCount())
            ++col;
        else if (row < GetRowCount())
            ++row, col = 1;
        else
            return false;
    } else {
        if (col > 1)
            --col;
        else if (row > 1)
            --row, col = GetColCount();
        else
            return false;
    }
    ClearSelection();
    return SetCurrentCell(row, col);
}

bool CKalvexTableView::MoveToNextEditable()
{
    int row = 0, col = 0;
    ReferenceCell(row, col);
    if (!TransferCurrentCell())
        return false;
    ClearSelection();
    for (int r = row, c = col + 1; r <= GetRowCount(); ++r, c = 1) {
        for (; c <= GetColCount(); ++c)
            if (LookupStyle(r, c).editable)
                return SetCurrentCell(r, c);
    }
    return false;
}

bool CKalvexTableView::InsertBelow()
{
    int row = 0, col = 0;
    ReferenceCell(row, col);
    if (!TransferCurrentCell())
        return false;
    if (!PushNewBranches(QStringLiteral("Insert Branch"), [row](CKalvexDoc& doc) { doc.InsertNewBranch(row); }))
        return false;
    AfterBranchListChange(row + 1);
    return true;
}
