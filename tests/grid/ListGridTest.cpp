// The dialogs' lists: an editable list with a leave-cell check, and a
// read-only pick list that hands Tab on to the dialog.
#include "GXListGrid.h"
#include "GXPickList.h"
#include "GridTestSupport.h"
#include "GridParam.h"
#include "NumberText.h"

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// A dialog page like the heat source lists: a list between two buttons.
class ListDialog : public QDialog {
public:
    ListDialog()
    {
        auto* layout = new QVBoxLayout(this);
        before = new QPushButton("&Before", this);
        list = new CGXListGrid(this);
        add = new QPushButton("&Add", this);
        layout->addWidget(before);
        layout->addWidget(list);
        layout->addWidget(add);
        list->SetColumnTitles({"Location\n(m)", "Length\n(m)", "Sensible Heat\n(kW)", "Description"});
        list->SetColumnAlignment(1, Qt::AlignRight);
        list->SetColCharWidth(1, 8);
        list->SetColCharWidth(2, 11);
        list->SetColCharWidth(3, 11);
        list->SetStretchLastColumn(true);
        list->SetCellValidator([this](int, int col, QString& text) {
            ++checks;
            if (col == 1 || col == 2) {
                bool ok = false;
                text.toInt(&ok);
                if (!ok) {
                    list->SetWarningText("Please enter an integer.");
                    return false;
                }
            } else if (col == 3) {
                text = QString::fromStdString(FormatFixed(AtofC(text.toStdString()), 2));
            }
            return true;
        });
        list->AppendListRow({"100", "10", "1.00", "first"});
        list->AppendListRow({"200", "20", "2.00", "second"});
        list->AppendListRow({"300", "30", "3.00", "third"});
    }
    QPushButton* before;
    CGXListGrid* list;
    QPushButton* add;
    int checks = 0;
};

class ListGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ShowGrid(dialog, 600, 300);
        dialog.list->setFocus();
        ASSERT_TRUE(dialog.list->SetCurrentCell(1, 1));
    }
    FeedbackCatcher feedback;
    ListDialog dialog;
};

}  // namespace

TEST_F(ListGridTest, LayoutTitlesNumbersAndWidths)
{
    CGXListGrid& list = *dialog.list;
    dialog.grab().save(OutputPath("list_dialog.png"));
    EXPECT_EQ(list.GetColCount(), 4);
    EXPECT_EQ(list.GetRowCount(), 3);
    EXPECT_EQ(list.GetValueRowCol(0, 3), QString("Sensible Heat\n(kW)"));
    EXPECT_EQ(list.GetValueRowCol(2, 0), QString("2"));  // the row-number column
    EXPECT_GT(list.TableView()->horizontalHeader()->height(), list.TableView()->rowHeight(0) * 3 / 2);
    EXPECT_EQ(list.TableView()->columnWidth(0), list.CharsToWidth(8));
    EXPECT_EQ(list.TableView()->columnWidth(1), list.CharsToWidth(11));
    EXPECT_GT(list.CharsToWidth(11), list.CharsToWidth(8));
    // The last column takes the rest of the width.
    QTableView* view = list.TableView();
    const int right = view->columnViewportPosition(3) + view->columnWidth(3);
    EXPECT_EQ(right, view->viewport()->width());
}

TEST_F(ListGridTest, CellTextsAndRows)
{
    CGXListGrid& list = *dialog.list;
    EXPECT_EQ(list.GetCellText(2, 4), QString("second"));
    list.SetCellText(2, 4, "changed");
    EXPECT_EQ(list.GetValueRowCol(2, 4), QString("changed"));
    EXPECT_EQ(list.GetCellText(9, 1), QString());
    ASSERT_TRUE(list.InsertListRows(2, 2));
    EXPECT_EQ(list.GetRowCount(), 5);
    EXPECT_EQ(list.GetCellText(2, 1), QString());
    EXPECT_EQ(list.GetCellText(4, 4), QString("changed"));
    ASSERT_TRUE(list.RemoveListRows(1, 3));
    EXPECT_EQ(list.GetRowCount(), 2);
    EXPECT_EQ(list.GetRowTexts(1), (QStringList{"200", "20", "2.00", "changed"}));
    EXPECT_FALSE(list.RemoveListRows(2, 5));
    EXPECT_FALSE(list.InsertListRows(0, 1));
    list.SetListRowCount(0);
    EXPECT_EQ(list.GetRowCount(), 0);
}

TEST_F(ListGridTest, LeavingARefusedCellShowsTheWarning)
{
    CGXListGrid& list = *dialog.list;
    TypeKeys(list, "12a");
    PressKey(list, Qt::Key_Tab);
    ASSERT_TRUE(list.IsEditing());
    EXPECT_EQ(list.CurrentEditor()->text(), QString("12a"));
    ASSERT_EQ(feedback.warnings.size(), 1);
    EXPECT_EQ(feedback.warnings[0], QString("Please enter an integer."));
    EXPECT_EQ(list.GetCurrentRow(), 1);
    // The dialog's own buttons check the cell first, the same way.
    EXPECT_FALSE(list.ValidateCurrentCell());
    EXPECT_EQ(feedback.warnings.size(), 2);
    EXPECT_EQ(list.GetCellText(1, 1), QString("100"));
    PressKey(list, Qt::Key_Escape);
    EXPECT_TRUE(list.ValidateCurrentCell());
}

TEST_F(ListGridTest, TheHookMayRewriteTheText)
{
    CGXListGrid& list = *dialog.list;
    ASSERT_TRUE(list.SetCurrentCell(2, 3));
    TypeKeys(list, "0.5");
    PressKey(list, Qt::Key_Return);
    EXPECT_EQ(list.GetCellText(2, 3), QString("0.50"));
}

TEST_F(ListGridTest, TabAndEnterMoveThroughTheCellsAndOn)
{
    CGXListGrid& list = *dialog.list;
    int row = 0;
    int col = 0;
    PressKey(list, Qt::Key_Tab);
    ASSERT_TRUE(list.GetCurrentCell(row, col));
    EXPECT_EQ(col, 2);
    ASSERT_TRUE(list.SetCurrentCell(1, 4));
    PressKey(list, Qt::Key_Tab);  // from the last column to column 1 of the next row
    list.GetCurrentCell(row, col);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(col, 1);
    PressKey(list, Qt::Key_Backtab);  // and back
    list.GetCurrentCell(row, col);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(col, 4);

    // Enter: right; in the last column down one row.
    PressKey(list, Qt::Key_Return);
    list.GetCurrentCell(row, col);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(col, 4);
    ASSERT_TRUE(list.SetCurrentCell(3, 3));
    TypeKeys(list, "7");
    PressKey(list, Qt::Key_Return);
    list.GetCurrentCell(row, col);
    EXPECT_EQ(col, 4);
    EXPECT_EQ(list.GetCellText(3, 3), QString("7.00"));
    // In the last cell Enter only ends the edit.
    TypeKeys(list, "end");
    PressKey(list, Qt::Key_Return);
    EXPECT_FALSE(list.IsEditing());
    list.GetCurrentCell(row, col);
    EXPECT_EQ(row, 3);
    EXPECT_EQ(col, 4);
    EXPECT_EQ(list.GetCellText(3, 4), QString("end"));

    // Tab from the last cell goes on to the dialog's next control, storing the edit.
    TypeKeys(list, "last");
    PressKey(list, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog.add);
    EXPECT_EQ(list.GetCellText(3, 4), QString("last"));
    // Shift+Tab from the first cell goes back to the control before the list.
    list.setFocus();
    ASSERT_TRUE(list.SetCurrentCell(1, 1));
    PressKey(list, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), dialog.before);
}

TEST_F(ListGridTest, WholeRowsCanBeSelected)
{
    CGXListGrid& list = *dialog.list;
    ClickRowHeader(list, 2);
    ClickRowHeader(list, 3, Qt::ShiftModifier);
    EXPECT_EQ(list.GetSelectedRows(), (std::vector<int>{2, 3}));
    CGXRange range;
    ASSERT_TRUE(list.GetFirstSelectedRange(range));
    EXPECT_TRUE(range.IsRows());
    // Rows cannot be dragged about in a dialog's list.
    EXPECT_FALSE(list.GetParam()->allowRowMove);
}

TEST_F(ListGridTest, EmptyListTabsStraightOn)
{
    CGXListGrid& list = *dialog.list;
    list.SetListRowCount(0);
    list.setFocus();
    PressKey(list, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog.add);
}

namespace {

class PickDialog : public QDialog {
public:
    PickDialog()
    {
        auto* layout = new QVBoxLayout(this);
        edit = new QLineEdit(this);
        list = new CGXPickList(this);
        ok = new QPushButton("OK", this);
        layout->addWidget(edit);
        layout->addWidget(list);
        layout->addWidget(ok);
        list->SetColumnTitles({" Activity", "Metabolic Heat Production\n(W/m\u00B2)"});
        list->SetColCharWidth(1, 22);
        list->SetColCharWidth(2, 22);
        list->SetColumnAlignment(2, Qt::AlignHCenter);
        list->SetRows({{" Sleeping", "40"}, {" Seated", "59"}, {" Standing but relaxed", "70"},
                       {" Walking on the level at 1 m/s", "130"}});
    }
    QLineEdit* edit;
    CGXPickList* list;
    QPushButton* ok;
};

}  // namespace

TEST(PickList, ReadOnlyRowsWithoutNumbers)
{
    PickDialog dialog;
    ShowGrid(dialog, 500, 300);
    CGXPickList& list = *dialog.list;
    dialog.grab().save(OutputPath("pick_dialog.png"));
    EXPECT_EQ(list.GetCurrentRow(), 1);
    EXPECT_FALSE(list.TableView()->verticalHeader()->isVisible());
    EXPECT_GT(list.TableView()->horizontalHeader()->height(), list.TableView()->rowHeight(0) * 3 / 2);
    list.setFocus();
    TypeKeys(list, "99");
    EXPECT_FALSE(list.IsEditing());
    EXPECT_EQ(list.GetCellText(1, 2), QString("40"));

    ClickCell(list, 3, 1);
    EXPECT_EQ(list.GetCurrentRow(), 3);
    EXPECT_EQ(list.GetSelectedRows(), (std::vector<int>{3}));
    EXPECT_TRUE(list.TableView()->selectionModel()->isRowSelected(2, {}));
    PressKey(list, Qt::Key_Down);
    EXPECT_EQ(list.GetCurrentRow(), 4);
    DoubleClickCell(list, 2, 2);
    EXPECT_FALSE(list.IsEditing());
    EXPECT_EQ(list.GetCurrentRow(), 2);
}

TEST(PickList, TabHandsTheFocusToTheDialog)
{
    PickDialog dialog;
    ShowGrid(dialog, 500, 300);
    dialog.list->setFocus();
    PressKey(*dialog.list, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog.ok);
    dialog.list->setFocus();
    PressKey(*dialog.list, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), dialog.edit);
    EXPECT_EQ(dialog.list->GetCurrentRow(), 1);  // Tab never moved the row
}
