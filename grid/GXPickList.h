#pragma once
// CGXPickList: a read-only list to choose one row from (the pick lists of
// dialogs). No row numbers, whole rows highlighted, one current row, and Tab
// and Shift+Tab hand the focus on to the dialog's other controls.
#include "GXListGrid.h"

class CGXPickList : public CGXListGrid {
    Q_OBJECT

public:
    explicit CGXPickList(QWidget* parent = nullptr);

    // Replaces the rows; the first row becomes current.
    void SetRows(const std::vector<QStringList>& rows);
    // Makes the row (from 1) current and selected, scrolled into view.
    void ShowRow(int row);

signals:
    // A row was double-clicked: the list's dialog takes it as chosen.
    void rowChosen();

protected:
    bool OnKeyDown(QKeyEvent* event) override;
};
