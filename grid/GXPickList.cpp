#include "GXPickList.h"

#include "GridParam.h"

#include <QKeyEvent>
#include <QTableView>

CGXPickList::CGXPickList(QWidget* parent) : CGXListGrid(parent)
{
    SetReadOnly(true);
    SetSelectWholeRows(true);
    SetSelectionKinds(true, true, false, false);
    GetParam()->properties.displayRowHeaders = false;
    RefreshFromParam();
    TableView()->setTabKeyNavigation(false);
}

void CGXPickList::SetRows(const std::vector<QStringList>& rows)
{
    SetListRowCount(0);
    for (const QStringList& texts : rows)
        AppendListRow(texts);
    if (GetRowCount() > 0 && GetColCount() > 0) {
        SetCurrentCell(1, 1);
        SelectRange(CGXRange::Rows(1, 1, GetColCount()));
    }
}

bool CGXPickList::OnKeyDown(QKeyEvent* event)
{
    // Tab leaves the list (the table does not take it); the rest is the grid's.
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        FocusNextControl(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
        return true;
    }
    return false;
}
