#pragma once
// The intake air source table: per branch its name, its source branches
// and the additional air that joins their mixture.
#include "KalvexTableView.h"

class CAirSourceView : public CKalvexTableView {
    Q_OBJECT

public:
    explicit CAirSourceView(COpenDocument& document, QWidget* parent = nullptr);

protected:
    bool HasBranchListCommands() const override { return true; }
    bool GetStyleRowCol(int row, int col, CGXStyle& style) const override;
};
