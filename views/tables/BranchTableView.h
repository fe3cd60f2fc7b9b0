#pragma once
// The branch table: one row per branch, its inputs typed into the cells
// with range checks; adds, inserts and deletes branches.
#include "KalvexTableView.h"

class CBranchTableView : public CKalvexTableView {
    Q_OBJECT

public:
    explicit CBranchTableView(COpenDocument& document, QWidget* parent = nullptr);

protected:
    bool HasBranchListCommands() const override { return true; }
};
