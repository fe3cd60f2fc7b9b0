#include "BranchTableView.h"

#include "InputSyntax.h"
#include "KalvexDoc.h"

CBranchTableView::CBranchTableView(COpenDocument& document, QWidget* parent)
    : CKalvexTableView(document, kBranchTable, parent)
{
}

bool CBranchTableView::OnValidateCell(int row, int col, QString& text)
{
    (void)row;
    const std::optional<CColumnRule> rule = BranchColumnRule(ColumnIdAt(col));
    if (!rule)
        return true;
    const std::string message = CheckCellText(*rule, text.toStdString());
    if (message.empty())
        return true;
    SetWarningText(QString::fromStdString(message));
    return false;
}

