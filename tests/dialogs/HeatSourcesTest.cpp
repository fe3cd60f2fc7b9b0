// "Branch Heat Sources" driven as a user: cells typed into and left with
// Tab, rows added and removed with the buttons, pages switched, OK.
#include "BranchDialogs.h"
#include "DialogTest.h"
#include "GXRange.h"
#include "HeatSourceSheet.h"
#include "KalvexDoc.h"
#include "PageSheet.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTest>

namespace {

class HeatSources : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        doc.OnNewDocument();
        doc.InsertNewBranch(0);
        Branch().length = 500;
        doc.SetModifiedFlag(false);
    }

    CKalvexBranch& Branch() { return doc.BranchAt(0); }

    void AddSource(int kind, double location, double slot = 0.0, const std::string& description = {})
    {
        CHeatSource source;
        source.kind = static_cast<std::uint8_t>(kind);
        source.location = location;
        source.length() = slot;
        source.description = description;
        Branch().AddHeatSource(source);
    }

    bool Run(std::function<void(CHeatSourceSheet&)> user)
    {
        Expect([user](QDialog& dialog) {
            auto& sheet = dynamic_cast<CHeatSourceSheet&>(dialog);
            Show(sheet);
            user(sheet);
            return sheet.result();
        });
        return EditHeatSources(nullptr, Branch());
    }

    // Makes a cell current, types a new text into it and leaves it with Tab.
    static void Enter(CGXListGrid* list, int row, int col, const QString& text)
    {
        list->SetCurrentCell(row, col);
        list->TableView()->setFocus();
        TypeAtFocus(text);
        Press(QApplication::focusWidget(), Qt::Key_Tab);
    }

    static void ClickTab(CHeatSourceSheet& sheet, int page)
    {
        QTabBar* tabs = sheet.Sheet()->TabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(page).center());
        QApplication::processEvents();
    }

    static int CurrentRow(CGXListGrid* list) { return list->GetCurrentRow(); }

    CKalvexDoc doc;
};

const QString kLengthPieces = QStringLiteral("length of the branch, which is currently 500 m.");

TEST_F(HeatSources, SpotSourceAtTheBranchEndIsRefused)
{
    AddSource(CHeatSource::Spot, 100);
    const bool stored = Run([this](CHeatSourceSheet& sheet) {
        CGXListGrid* list = sheet.Page(CHeatSource::Spot)->List();
        EXPECT_EQ(list->GetCellText(1, 1), "100");
        Enter(list, 1, 1, "500");
        ASSERT_EQ(warnings.size(), 1);
        EXPECT_TRUE(list->IsEditing());
        int row = 0;
        int col = 0;
        list->GetCurrentCell(row, col);
        EXPECT_EQ(col, 1);
        // OK is refused too while the cell holds the text.
        Click(sheet.OkButton());
        EXPECT_TRUE(sheet.isVisible());
        list->CurrentEditor()->selectAll();
        TypeAtFocus("499");
        Press(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_FALSE(list->IsEditing());
        EXPECT_EQ(list->GetCellText(1, 1), "499");
        Click(sheet.OkButton());
    });
    EXPECT_TRUE(stored);
    ASSERT_GE(warnings.size(), 2);
    EXPECT_EQ(warnings[0], "Location must be less than the " + kLengthPieces);
    ASSERT_EQ(Branch().HeatSourceCount(), 1);
    EXPECT_EQ(Branch().HeatSourceAt(0).location, 499);
}

TEST_F(HeatSources, LinearSourceMustEndInsideTheBranch)
{
    AddSource(CHeatSource::Linear, 0, 10);
    const bool stored = Run([this](CHeatSourceSheet& sheet) {
        ClickTab(sheet, CHeatSource::Linear);
        ASSERT_EQ(sheet.Sheet()->CurrentPage(), CHeatSource::Linear);
        CGXListGrid* list = sheet.Page(CHeatSource::Linear)->List();
        Enter(list, 1, 1, "400");
        Enter(list, 1, 2, "100");
        EXPECT_TRUE(warnings.isEmpty());
        Enter(list, 1, 2, "101");
        EXPECT_EQ(warnings.size(), 1);
        list->CancelEditing();  // Escape: the cell keeps 100
        Enter(list, 1, 1, "401");
        EXPECT_EQ(warnings.size(), 2);
        list->CancelEditing();
        Enter(list, 1, 3, "12.345");
        Click(sheet.OkButton());
    });
    EXPECT_TRUE(stored);
    ASSERT_EQ(warnings.size(), 2);
    EXPECT_EQ(warnings[0], "Length plus location must be less than or equal to the " + kLengthPieces);
    EXPECT_EQ(warnings[1], "Location plus length must be less than or equal to the " + kLengthPieces);
    ASSERT_EQ(Branch().HeatSourceCount(), 1);
    EXPECT_EQ(Branch().HeatSourceAt(0).location, 400);
    EXPECT_EQ(Branch().HeatSourceAt(0).length(), 100);
    EXPECT_EQ(Branch().HeatSourceAt(0).sensibleHeat(), 12.35);
}

TEST_F(HeatSources, AcceptedNumbersAreShownInTheListFormat)
{
    const bool stored = Run([](CHeatSourceSheet& sheet) {
        ClickTab(sheet, CHeatSource::Electric);
        CHeatSourcePage* page = sheet.Page(CHeatSource::Electric);
        CGXListGrid* list = page->List();
        EXPECT_FALSE(page->RemoveButton()->isEnabled());
        EXPECT_EQ(QApplication::focusWidget(), page->AddButton());
        Click(page->AddButton());
        EXPECT_TRUE(page->RemoveButton()->isEnabled());
        EXPECT_EQ(list->GetRowTexts(1), (QStringList{"0", "0.00", "0.0", ""}));
        EXPECT_EQ(CurrentRow(list), 1);
        Enter(list, 1, 3, "99.96");
        EXPECT_EQ(list->GetCellText(1, 3), "100.0");
        Enter(list, 1, 2, "0.5");
        EXPECT_EQ(list->GetCellText(1, 2), "0.50");
        Enter(list, 1, 3, "100.04");
        list->CancelEditing();
        Enter(list, 1, 2, "05");
        list->CancelEditing();
        Enter(list, 1, 4, "fan bay 3");
        Click(sheet.OkButton());
    });
    EXPECT_TRUE(stored);
    EXPECT_EQ(warnings, (QStringList{"Please enter a number from 0 to 100", "Please enter a number."}));
    ASSERT_EQ(Branch().HeatSourceCount(), 1);
    const CHeatSource& source = Branch().HeatSourceAt(0);
    EXPECT_EQ(source.kind, CHeatSource::Electric);
    EXPECT_EQ(source.power(), 0.5);
    EXPECT_EQ(source.utilization(), 100);
    EXPECT_EQ(source.description, "fan bay 3");
}

TEST_F(HeatSources, RemovingRowsTwoToFourOfSix)
{
    for (int i = 1; i <= 6; ++i)
        AddSource(CHeatSource::Spot, i * 10);
    const bool stored = Run([this](CHeatSourceSheet& sheet) {
        CHeatSourcePage* page = sheet.Page(CHeatSource::Spot);
        CGXListGrid* list = page->List();
        list->SelectRange(CGXRange::Rows(2, 4, list->GetColCount()));
        ExpectMessage(QMessageBox::No);
        Click(page->RemoveButton());
        EXPECT_EQ(list->GetRowCount(), 6);
        list->SelectRange(CGXRange::Rows(2, 4, list->GetColCount()));
        ExpectMessage(QMessageBox::Yes);
        Click(page->RemoveButton());
        EXPECT_EQ(list->GetRowCount(), 3);
        EXPECT_EQ(list->GetCellText(1, 1), "10");
        EXPECT_EQ(list->GetCellText(2, 1), "50");
        EXPECT_EQ(list->GetCellText(3, 1), "60");
        EXPECT_EQ(CurrentRow(list), 2);
        // Without a selection the current row goes; the last row leaves the last.
        list->ClearSelection();
        list->SetCurrentCell(3, 2);
        ExpectMessage(QMessageBox::Yes);
        Click(page->RemoveButton());
        EXPECT_EQ(list->GetRowCount(), 2);
        EXPECT_EQ(CurrentRow(list), 2);
        Click(sheet.OkButton());
    });
    EXPECT_TRUE(stored);
    EXPECT_EQ(messages, QStringList(3, QString::fromUtf8(kRemoveQuestion)));
    ASSERT_EQ(Branch().HeatSourceCount(), 2);
    EXPECT_EQ(Branch().HeatSourceAt(0).location, 10);
    EXPECT_EQ(Branch().HeatSourceAt(1).location, 50);
}

TEST_F(HeatSources, RemovingTheLastRowDisablesRemoveAndNeedsARow)
{
    AddSource(CHeatSource::Spot, 10);
    EXPECT_TRUE(Run([this](CHeatSourceSheet& sheet) {
        CHeatSourcePage* page = sheet.Page(CHeatSource::Spot);
        CGXListGrid* list = page->List();
        list->ResetCurrentCell();
        ExpectMessage();
        Click(page->RemoveButton());
        EXPECT_EQ(list->GetRowCount(), 1);
        list->SetCurrentCell(1, 1);
        ExpectMessage(QMessageBox::Yes);
        Click(page->RemoveButton());
        EXPECT_EQ(list->GetRowCount(), 0);
        EXPECT_FALSE(page->RemoveButton()->isEnabled());
        Click(sheet.OkButton());
    }));
    EXPECT_EQ(messages, (QStringList{kNoRowsSelected, kRemoveQuestion}));
    EXPECT_EQ(Branch().HeatSourceCount(), 0);
}

TEST_F(HeatSources, ButtonsAndPageSwitchesWaitForARefusedCell)
{
    AddSource(CHeatSource::Diesel, 10);
    const bool stored = Run([this](CHeatSourceSheet& sheet) {
        ClickTab(sheet, CHeatSource::Diesel);
        CHeatSourcePage* page = sheet.Page(CHeatSource::Diesel);
        CGXListGrid* list = page->List();
        list->SetCurrentCell(1, 4);
        list->TableView()->setFocus();
        TypeAtFocus("-1");
        Click(page->AddButton());
        EXPECT_EQ(list->GetRowCount(), 1);
        ClickTab(sheet, CHeatSource::Spot);
        EXPECT_EQ(sheet.Sheet()->CurrentPage(), CHeatSource::Diesel);
        EXPECT_EQ(warnings.size(), 2);
        list->CurrentEditor()->selectAll();
        TypeAtFocus("2.5");
        Click(page->AddButton());
        EXPECT_EQ(list->GetRowCount(), 2);
        EXPECT_EQ(CurrentRow(list), 2);
        Click(sheet.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel));
    });
    EXPECT_FALSE(stored);
    EXPECT_EQ(warnings, QStringList(2, QStringLiteral("Please enter a number from 0 to 100")));
    ASSERT_EQ(Branch().HeatSourceCount(), 1);
    EXPECT_EQ(Branch().HeatSourceAt(0).waterFuelRatio(), 0);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(HeatSources, UnopenedPagesKeepTheirSourcesAndTheListIsGroupedByKind)
{
    AddSource(CHeatSource::Linear, 20.5, 30, "belt");
    AddSource(CHeatSource::Electric, 12.5, 0, "pump");
    AddSource(CHeatSource::Spot, 5);
    const bool stored = Run([](CHeatSourceSheet& sheet) {
        CGXListGrid* list = sheet.Page(CHeatSource::Spot)->List();
        Enter(list, 1, 2, "7");
        Click(sheet.OkButton());
    });
    EXPECT_TRUE(stored);
    ASSERT_EQ(Branch().HeatSourceCount(), 3);
    EXPECT_EQ(Branch().HeatSourceAt(0).kind, CHeatSource::Spot);
    EXPECT_EQ(Branch().HeatSourceAt(0).sensibleHeat(), 7);
    EXPECT_EQ(Branch().HeatSourceAt(1).kind, CHeatSource::Electric);
    EXPECT_EQ(Branch().HeatSourceAt(1).location, 12.5);  // its list would show 13
    EXPECT_EQ(Branch().HeatSourceAt(1).description, "pump");
    EXPECT_EQ(Branch().HeatSourceAt(2).kind, CHeatSource::Linear);
    EXPECT_EQ(Branch().HeatSourceAt(2).location, 20.5);
    EXPECT_EQ(Branch().HeatSourceAt(2).length(), 30);
}

TEST_F(HeatSources, ListsShowTitlesWithUnitsAndTheSourcesOfTheirKind)
{
    AddSource(CHeatSource::Diesel, 15, 1.5, "loader");
    EXPECT_FALSE(Run([](CHeatSourceSheet& sheet) {
        ClickTab(sheet, CHeatSource::Diesel);
        CGXListGrid* list = sheet.Page(CHeatSource::Diesel)->List();
        EXPECT_EQ(list->GetValueRowCol(0, 1), "Location\n(m)");
        EXPECT_EQ(list->GetValueRowCol(0, 4), "Water/Fuel\n(l / l)");
        EXPECT_EQ(list->GetValueRowCol(0, 5), "Description");
        EXPECT_EQ(list->GetRowTexts(1), (QStringList{"15", "0.00", "0.0", "1.5", "loader"}));
        EXPECT_EQ(sheet.Page(CHeatSource::Diesel)->findChild<QGroupBox*>()->title(), "Diesel machine heat sources");
        EXPECT_EQ(sheet.Page(CHeatSource::Spot)->List()->GetRowCount(), 0);
        Click(sheet.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel));
    }));
}

TEST_F(HeatSources, TabAndEnterMoveThroughTheCellsWithoutClosingTheSheet)
{
    AddSource(CHeatSource::Spot, 10);
    AddSource(CHeatSource::Spot, 20);
    const bool stored = Run([](CHeatSourceSheet& sheet) {
        CHeatSourcePage* page = sheet.Page(CHeatSource::Spot);
        CGXListGrid* list = page->List();
        int row = 0;
        int col = 0;
        list->SetCurrentCell(1, 4);
        list->TableView()->setFocus();
        Press(QApplication::focusWidget(), Qt::Key_Tab);  // last column: on to the next row
        list->GetCurrentCell(row, col);
        EXPECT_EQ(row, 2);
        EXPECT_EQ(col, 1);
        TypeAtFocus("30");
        Press(QApplication::focusWidget(), Qt::Key_Return);  // stores and moves right
        list->GetCurrentCell(row, col);
        EXPECT_EQ(col, 2);
        EXPECT_TRUE(sheet.isVisible());
        list->SetCurrentCell(2, 4);
        Press(QApplication::focusWidget(), Qt::Key_Tab);  // the last cell: on to the next control
        EXPECT_FALSE(list->isAncestorOf(QApplication::focusWidget()));
        Click(sheet.OkButton());
    });
    EXPECT_TRUE(stored);
    ASSERT_EQ(Branch().HeatSourceCount(), 2);
    EXPECT_EQ(Branch().HeatSourceAt(1).location, 30);
}

TEST_F(HeatSources, PastedCellsAreCheckedOneByOne)
{
    AddSource(CHeatSource::Spot, 10);
    AddSource(CHeatSource::Spot, 20);
    const bool stored = Run([this](CHeatSourceSheet& sheet) {
        CGXListGrid* list = sheet.Page(CHeatSource::Spot)->List();
        list->SetCurrentCell(1, 2);
        // A block of two rows: the second row's number is refused.
        EXPECT_FALSE(list->PasteText(QStringLiteral("1.5\t-2\r\n1e999\t3\r\n")));
        EXPECT_EQ(warnings, QStringList{kEnterNumberText});
        EXPECT_EQ(list->GetCellText(1, 2), "1.50");
        EXPECT_EQ(list->GetCellText(1, 3), "-2.00");
        EXPECT_EQ(list->GetCellText(2, 2), "0.00");
        Click(sheet.OkButton());
    });
    EXPECT_TRUE(stored);
    EXPECT_EQ(Branch().HeatSourceAt(0).sensibleHeat(), 1.5);
    EXPECT_EQ(Branch().HeatSourceAt(0).latentHeat(), -2);
    EXPECT_EQ(Branch().HeatSourceAt(1).sensibleHeat(), 0);
}

}  // namespace

TEST_F(HeatSources, EveryColumnInViewOkIsTheDefaultAndAltLettersAreNeverTyped)
{
    AddSource(CHeatSource::Spot, 100);
    const bool stored = Run([](CHeatSourceSheet& sheet) {
        EXPECT_TRUE(sheet.OkButton()->isDefault());  // Enter in a list stays the list's (other tests)
        EXPECT_EQ(sheet.OkButton()->text(), "&OK");
        for (int page = 0; page < 4; ++page) {
            CGXListGrid* list = sheet.Page(page)->List();
            int columns = 0;
            for (int col = 0; col < list->GetColCount(); ++col)
                columns += list->GetColWidth(col);
            EXPECT_GE(list->minimumWidth(), columns + list->CharsToWidth(30)) << page;
        }
        CGXListGrid* list = sheet.Page(CHeatSource::Spot)->List();
        list->SetCurrentCell(1, 1);
        list->TableView()->setFocus();
        TypeAtFocus("12");
        ASSERT_TRUE(list->IsEditing());
        Press(QApplication::focusWidget(), Qt::Key_X, Qt::AltModifier);
        EXPECT_EQ(list->CurrentEditor()->text(), "12");
        EXPECT_EQ(QKeySequence::mnemonic(sheet.OkButton()->text()), QKeySequence(Qt::ALT | Qt::Key_O));
        Click(sheet.OkButton());
    });
    EXPECT_TRUE(stored);
    EXPECT_EQ(Branch().HeatSourceAt(0).location, 12);
}
