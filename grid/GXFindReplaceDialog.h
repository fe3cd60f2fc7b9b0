#pragma once
// The modeless Find and Replace dialogs of a grid. Find Next searches from
// the cell after the current one; Replace replaces in the current cell when
// it matches and finds the next; Replace All replaces in every editable cell
// (one edit group). Each replaced cell goes through the grid's validation.
#include "GXFindOptions.h"

#include <QDialog>

class CGXGridView;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CGXFindReplaceDialog : public QDialog {
    Q_OBJECT

public:
    CGXFindReplaceDialog(CGXGridView* grid, bool replace);

    bool IsReplace() const { return m_replace; }
    CGXFindOptions Options() const;
    void SetOptions(const CGXFindOptions& options);

private:
    void UpdateButtons();

    CGXGridView* m_grid;
    bool m_replace;
    QLineEdit* m_findWhat = nullptr;
    QLineEdit* m_replaceWith = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QCheckBox* m_wholeCell = nullptr;
    QRadioButton* m_up = nullptr;
    QRadioButton* m_down = nullptr;
    QPushButton* m_findNext = nullptr;
    QPushButton* m_replaceButton = nullptr;
    QPushButton* m_replaceAll = nullptr;
};
