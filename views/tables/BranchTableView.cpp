#include "BranchTableView.h"

#include "KalvexDoc.h"

CBranchTableView::CBranchTableView(COpenDocument& document, QWidget* parent)
    : CKalvexTableView(document, kBranchTable, parent)
{
}

