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
    connect(TableView(), &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit rowChosen();
    });
}

void CGXPickList::SetRows(const std::vector<QStringList>& rows)
{
    SetListRowCount(0);
    for (const QStringList& texts : rows)
        AppendListRow(texts);
    ShowRow(1);
}

void CGXPickList::ShowRow(int row)
{
    if (row < 1 || row > GetRowCount() || GetColCount() < 1)
        return;
    SetCurrentCell(row, 1);
    SelectRange(CGXRange::Rows(row, row, GetColCount()));
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
