#pragma once
// "Branch Heat Sources": one editable list per kind of heat source (Spot,
// Electric, Diesel, Linear) with Add and Remove. Each cell is checked when
// it is left; a page is filled the first time it is shown, and a page never
// shown keeps its sources exactly.
#include "GXListGrid.h"
#include "HeatSourceLists.h"

#include <QDialog>

#include <vector>

class CPageSheet;
class QGroupBox;
class QPushButton;

// The list of one page: row numbers, two-line titles with units, the
// columns of the page's kind.
class CHeatListGrid : public CGXListGrid {
    Q_OBJECT

public:
    CHeatListGrid(const HeatPageDef& page, QWidget* parent);
};

class CHeatSourcePage : public QWidget {
    Q_OBJECT

public:
    CHeatSourcePage(int page, HeatPageContents& contents, long long branchLength, QWidget* parent);

    // The first showing fills the list.
    void Shown();
    // Leaving the page (another tab, OK): the current cell must pass.
    bool Leave();
    // The rows into the page's contents (when it was shown).
    void CollectRows();

    CHeatListGrid* List() const { return m_list; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* RemoveButton() const { return m_remove; }

    void OnAdd();
    void OnRemove();

private:
    bool CheckCell(int row, int col, QString& text);

    const HeatPageDef& m_def;
    HeatPageContents& m_contents;
    long long m_branchLength;
    QGroupBox* m_group;
    CHeatListGrid* m_list;
    QPushButton* m_add;
    QPushButton* m_remove;
};

class CHeatSourceSheet : public QDialog {
    Q_OBJECT

public:
    CHeatSourceSheet(HeatSheetContents contents, QWidget* parent = nullptr);

    // The pages' contents; after OK the rows of every page shown.
    const HeatSheetContents& Contents() const { return m_contents; }

    CPageSheet* Sheet() const { return m_sheet; }
    CHeatSourcePage* Page(int index) const { return m_pages[static_cast<std::size_t>(index)]; }
    QPushButton* OkButton() const { return m_ok; }

    void accept() override;
    // Keeps the size the user gave the dialog for the next opening.
    void done(int result) override;

private:
    HeatSheetContents m_contents;
    CPageSheet* m_sheet;
    std::vector<CHeatSourcePage*> m_pages;
    QPushButton* m_ok = nullptr;
};
