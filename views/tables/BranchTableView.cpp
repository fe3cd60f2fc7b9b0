#include "BranchTableView.h"

#include "InputSyntax.h"
#include "KalvexDoc.h"

CBranchTableView::CBranchTableView(COpenDocument& document, QWidget* parent)
    : CKalvexTableView(document, kBranchTable, parent)
{
}

std::optional<CColumnRule> CBranchTableView::CellRule(ColumnId id) const
{
    return BranchColumnRule(id);
}

