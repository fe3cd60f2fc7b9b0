#pragma once
// "Branch Properties": every input of one branch on four pages (General,
// Airway, Ventilation, Rock). Each page shows the values the sheet holds
// whenever it becomes current and reads them back, checked, when it is left
// (another tab or OK); a refused field keeps its page. Pages never shown
// keep the values read at opening.
#include "BranchPropertyFields.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class CPageSheet;
class QLineEdit;
class QPushButton;

// One page: a group box with a row per field of its table.
class CBranchFieldPage : public QWidget {
    Q_OBJECT

public:
    CBranchFieldPage(int page, QWidget* parent);

    int PageIndex() const { return m_page; }
    void ShowValues(const CBranchPropertyValues& values);
    std::vector<std::string> Texts() const;
    QLineEdit* Field(int index) const;
    // The field of a column on this page, nullptr when it is on another.
    QLineEdit* FieldFor(ColumnId column) const;

private:
    int m_page;
    std::vector<QLineEdit*> m_fields;
};

class CBranchGeneralPage : public CBranchFieldPage {
    Q_OBJECT
public:
    explicit CBranchGeneralPage(QWidget* parent) : CBranchFieldPage(kGeneralPage, parent) {}
};

class CBranchAirwayPage : public CBranchFieldPage {
    Q_OBJECT
public:
    explicit CBranchAirwayPage(QWidget* parent) : CBranchFieldPage(kAirwayPage, parent) {}
};

class CBranchVentPage : public CBranchFieldPage {
    Q_OBJECT
public:
    explicit CBranchVentPage(QWidget* parent) : CBranchFieldPage(kVentilationPage, parent) {}
};

class CBranchRockPage : public CBranchFieldPage {
    Q_OBJECT
public:
    explicit CBranchRockPage(QWidget* parent) : CBranchFieldPage(kRockPage, parent) {}
};

class CBranchPropertySheet : public QDialog {
    Q_OBJECT

public:
    CBranchPropertySheet(const CBranchPropertyValues& values, QWidget* parent = nullptr);

    // The values as the pages hold them (after OK: what is to be stored).
    const CBranchPropertyValues& Values() const { return m_values; }

    CPageSheet* Sheet() const { return m_sheet; }
    CBranchFieldPage* Page(int index) const { return m_pages[static_cast<std::size_t>(index)]; }
    // The edit box of a column, on whichever page it is.
    QLineEdit* FieldFor(ColumnId column) const;
    QPushButton* OkButton() const { return m_ok; }

    // Asked at OK with the new length: the warning that parts of the branch
    // lie beyond it, empty when none do or the length is as it was.
    void SetLengthWarning(std::function<std::string(double length)> warning) { m_lengthWarning = std::move(warning); }

    // OK: the page shown is checked first; a refusal keeps the sheet open.
    // A length that leaves parts beyond it is asked about; No goes back to
    // the length field.
    void accept() override;

private:
    bool LeavePage(int page);
    bool ConfirmLength();

    CBranchPropertyValues m_values;
    CPageSheet* m_sheet;
    std::vector<CBranchFieldPage*> m_pages;
    QPushButton* m_ok = nullptr;
    std::function<std::string(double)> m_lengthWarning;
};
