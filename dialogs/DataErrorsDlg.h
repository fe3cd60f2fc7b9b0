#pragma once
// "Data Errors": the input errors that stopped a run, with OK only.
#include <QDialog>

#include <string>
#include <vector>

class QListWidget;

class CDataErrorsDlg : public QDialog {
    Q_OBJECT

public:
    CDataErrorsDlg(const std::vector<std::string>& errors, QWidget* parent = nullptr);
    QListWidget* List() const { return m_list; }

private:
    QListWidget* m_list;
};

// Shows the dialog through the modal seam.
void ShowDataErrors(QWidget* parent, const std::vector<std::string>& errors);
