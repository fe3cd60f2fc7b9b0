#pragma once
// "Select Branch to Display": one list of the document's branches; OK or a
// double click closes it with the list's selection (-1 for none).
#include <QDialog>

#include <string>
#include <vector>

class QListWidget;

class CSelectBranchDlg : public QDialog {
    Q_OBJECT

public:
    CSelectBranchDlg(const std::vector<std::string>& texts, int index, QWidget* parent = nullptr);

    // The selected item when the dialog closed (or now), -1 for none.
    int ChosenIndex() const;
    QListWidget* List() const { return m_list; }

private:
    QListWidget* m_list;
};

// Runs the dialog through the modal seam. True on OK, with index set to the
// chosen position or -1.
bool RunSelectBranch(QWidget* parent, const std::vector<std::string>& texts, int& index);
