#include "AirSourceView.h"

#include "BranchListText.h"
#include "KalvexDoc.h"

CAirSourceView::CAirSourceView(COpenDocument& document, QWidget* parent)
    : CKalvexTableView(document, kAirSourceTable, parent)
{
}

bool CAirSourceView::GetStyleRowCol(int row, int col, CGXStyle& style) const
{
    if (!CKalvexTableView::GetStyleRowCol(row, col, style))
        return false;
    if (row >= 1 && col >= 1 && ColumnIdAt(col) == Col::SourceBranches)
        style.SetValue(QString::fromStdString(SourceBranchText(Doc(), Doc().BranchAt(row - 1))));
    return true;
}
