// Selecting cells, whole rows, whole columns and the table with the mouse,
// and the first-range queries the table views use.
#include "DemoFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

TEST_F(DemoTableTest, CurrentCellAloneIsNoSelection)
{
    ClickCell(*table, 3, 2);
    EXPECT_FALSE(table->HasSelection());
    EXPECT_EQ(table->GetSelectedRows(), (std::vector<int>{3}));
    table->ResetCurrentCell();
    int row = 0;
    int col = 0;
    EXPECT_FALSE(table->GetCurrentCell(row, col));
    EXPECT_FALSE(table->HasSelection());
    EXPECT_TRUE(table->GetSelectedRows().empty());
}

TEST_F(DemoTableTest, DraggedCellRange)
{
    ClickCell(*table, 2, 1);
    ClickCell(*table, 4, 3, Qt::ShiftModifier);
    CGXRange range;
    ASSERT_TRUE(table->GetFirstSelectedRange(range));
    EXPECT_TRUE(range.IsCells());
    EXPECT_EQ(range, CGXRange::Cells(2, 1, 4, 3));
    EXPECT_FALSE(table->FirstRangeStartsAtRow0());
    EXPECT_EQ(table->GetSelectedRows(), (std::vector<int>{2, 3, 4}));
    table->ClearSelection();
    EXPECT_FALSE(table->HasSelection());
}

TEST_F(DemoTableTest, RowColumnAndTableRanges)
{
    ClickRowHeader(*table, 2);
    ClickRowHeader(*table, 4, Qt::ShiftModifier);
    CGXRange range;
    ASSERT_TRUE(table->GetFirstSelectedRange(range));
    EXPECT_TRUE(range.IsRows());
    EXPECT_EQ(range.top, 2);
    EXPECT_EQ(range.bottom, 4);
    EXPECT_FALSE(table->FirstRangeStartsAtRow0());
    EXPECT_EQ(table->GetSelectedRows(), (std::vector<int>{2, 3, 4}));

    ClickColumnHeader(*table, 3);
    ASSERT_TRUE(table->GetFirstSelectedRange(range));
    EXPECT_TRUE(range.IsCols());
    EXPECT_EQ(range.left, 3);
    EXPECT_TRUE(table->FirstRangeStartsAtRow0());
    EXPECT_FALSE(table->IsFirstRangeWholeTable());
    EXPECT_EQ(table->GetSelectedRows(), (std::vector<int>{1, 2, 3, 4, 5}));

    // A move with the keyboard leaves only the current cell: no selection.
    PressKey(*table, Qt::Key_Down);
    EXPECT_FALSE(table->HasSelection());
    int row = 0;
    int col = 0;
    ASSERT_TRUE(table->GetCurrentCell(row, col));
    EXPECT_EQ(table->GetSelectedRows(), (std::vector<int>{row}));

    auto* corner = table->TableView()->findChild<QAbstractButton*>();
    ASSERT_NE(corner, nullptr);
    QTest::mouseClick(corner, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(table->IsFirstRangeWholeTable());
    EXPECT_TRUE(table->FirstRangeStartsAtRow0());
}

TEST_F(DemoTableTest, OneRowTableKeepsRowsAndCellsApart)
{
    // With one row a column header and a cell range cover the same cells;
    // the kinds still follow how the user selected.
    Open(1);
    ClickRowHeader(*table, 1);
    CGXRange range;
    ASSERT_TRUE(table->GetFirstSelectedRange(range));
    EXPECT_TRUE(range.IsRows());
    EXPECT_FALSE(table->FirstRangeStartsAtRow0());
    ClickCell(*table, 1, 1);
    ClickCell(*table, 1, 4, Qt::ShiftModifier);
    ASSERT_TRUE(table->GetFirstSelectedRange(range));
    EXPECT_TRUE(range.IsCells());
    ClickColumnHeader(*table, 2);
    ASSERT_TRUE(table->GetFirstSelectedRange(range));
    EXPECT_TRUE(range.IsCols());
}

TEST_F(DemoTableTest, MultipleRangesOnlyWhenAllowed)
{
    // The demo's new parameter object forbids Ctrl+click ranges.
    ClickCell(*table, 1, 1);
    ClickCell(*table, 1, 2, Qt::ShiftModifier);
    ClickCell(*table, 4, 4, Qt::ControlModifier);
    EXPECT_LE(table->GetSelectedRanges().size(), 1u);

    table->SetAllowMultipleRanges(true);
    ClickCell(*table, 1, 1);
    ClickCell(*table, 1, 2, Qt::ShiftModifier);
    ClickCell(*table, 4, 4, Qt::ControlModifier);
    const std::vector<CGXRange> ranges = table->GetSelectedRanges();
    ASSERT_EQ(ranges.size(), 2u);
    EXPECT_EQ(ranges[0], CGXRange::Cells(1, 1, 1, 2));
    EXPECT_EQ(table->GetSelectedRows(), (std::vector<int>{1, 4}));
}

TEST_F(DemoTableTest, ProgrammaticSelectionAndCurrentCell)
{
    table->SelectRange(CGXRange::Rows(2, 3, table->GetColCount()));
    EXPECT_EQ(table->GetSelectedRows(), (std::vector<int>{2, 3}));
    table->SelectRange(CGXRange::Table(table->GetRowCount(), table->GetColCount()));
    EXPECT_TRUE(table->IsFirstRangeWholeTable());
    EXPECT_FALSE(table->SetCurrentCell(0, 1));
    EXPECT_FALSE(table->SetCurrentCell(6, 1));
    EXPECT_FALSE(table->SetCurrentCell(1, 5));
    ASSERT_TRUE(table->SetCurrentCell(5, 4));
    int row = 0;
    int col = 0;
    ASSERT_TRUE(table->GetCurrentCell(row, col));
    EXPECT_EQ(row, 5);
    EXPECT_EQ(col, 4);
}

TEST_F(DemoTableTest, ScrollingTheCurrentCellIntoView)
{
    Open(200);
    ASSERT_TRUE(table->SetCurrentCell(180, 2));
    QApplication::processEvents();
    const QRect cell = table->TableView()->visualRect(table->TableView()->model()->index(179, 1));
    EXPECT_TRUE(table->TableView()->viewport()->rect().contains(cell));
    int row = 0;
    int col = 0;
    ASSERT_TRUE(table->GetTopLeftVisibleCell(row, col));
    EXPECT_GT(row, 150);
    EXPECT_EQ(col, 1);
    // Arrow keys keep the current cell in view too.
    ASSERT_TRUE(table->SetCurrentCell(1, 1));
    for (int i = 0; i < 30; ++i)
        PressKey(*table, Qt::Key_Down);
    ASSERT_TRUE(table->GetCurrentCell(row, col));
    EXPECT_EQ(row, 31);
    const QRect moved = table->TableView()->visualRect(table->TableView()->model()->index(30, 0));
    EXPECT_TRUE(table->TableView()->viewport()->rect().contains(moved));
}
