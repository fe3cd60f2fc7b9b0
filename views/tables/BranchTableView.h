#pragma once
// The branch table: one row per branch, its inputs typed into the cells
// with range checks; adds, inserts and deletes branches.
#include "KalvexTableView.h"

class CBranchTableView : public CKalvexTableView {
    Q_OBJECT

public:
    explicit CBranchTableView(COpenDocument& document, QWidget* parent = nullptr);

    bool HandlesCommand(int id) const override;
    bool IsCommandEnabled(int id) const override;
    bool RunCommand(int id) override;

    // The branch-list commands, shared with the air source table.
    bool AddBranch();
    bool InsertBranches();
    bool DeleteBranches();
    bool CanInsertBranches() const;
    bool CanDeleteBranches() const;

protected:
    bool OnValidateCell(int row, int col, QString& text) override;
};
