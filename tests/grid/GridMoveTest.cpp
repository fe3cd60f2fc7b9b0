// Moving rows and columns by dragging their headers, and by the owner (the
// undo of a move).
#include "DemoFixture.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableView>

namespace {

// A point on the boundary before grid column `col` (col = count + 1: after the last).
QPoint ColumnBoundary(const CGXGridView& grid, int col)
{
    QHeaderView* header = grid.TableView()->horizontalHeader();
    const int x = col <= grid.GetColCount() ? header->sectionViewportPosition(col - 1) + 2
                                            : header->sectionViewportPosition(col - 2) +
                                                  header->sectionSize(col - 2) - 2;
    return {x, header->height() / 2};
}

QPoint RowBoundary(const CGXGridView& grid, int row)
{
    QHeaderView* header = grid.TableView()->verticalHeader();
    const int y = row <= grid.GetRowCount() ? header->sectionViewportPosition(row - 1) + 2
                                            : header->sectionViewportPosition(row - 2) +
                                                  header->sectionSize(row - 2) - 2;
    return {header->width() / 2, y};
}

}  // namespace

TEST_F(DemoTableTest, DraggingColumnHeadersMovesTheColumnList)
{
    table->SetColWidth(2, 90);
    ClickColumnHeader(*table, 2);
    ClickColumnHeader(*table, 3, Qt::ShiftModifier);
    QWidget* header = table->TableView()->horizontalHeader()->viewport();
    Drag(header, ColumnHeaderCenter(*table, 2), header, ColumnBoundary(*table, 1));
    EXPECT_EQ(data.moveColCalls, 1);
    EXPECT_EQ(data.lastFrom, 2);
    EXPECT_EQ(data.lastTo, 3);
    EXPECT_EQ(data.lastDest, 1);
    EXPECT_EQ(data.columns, (std::vector<int>{0, 2, 3, 1, 4}));
    // The grid completed the move: texts, the width and the selection follow.
    EXPECT_EQ(table->GetValueRowCol(0, 1), QString("Heat\n(kW)"));
    EXPECT_EQ(table->GetValueRowCol(1, 3), QString("P1"));
    EXPECT_EQ(table->GetColWidth(1), 90);
    CGXRange range;
    ASSERT_TRUE(table->GetFirstSelectedRange(range));
    EXPECT_EQ(range, CGXRange::Cols(1, 2, table->GetRowCount()));

    // The owner's undo moves them back the same way, the width with them.
    ASSERT_TRUE(table->MoveCols(1, 2, 2));
    EXPECT_EQ(data.moveColCalls, 2);
    EXPECT_EQ(data.columns, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(table->GetColWidth(2), 90);
    EXPECT_EQ(table->GetColWidth(1), table->GetDefaultColWidth());
    ASSERT_TRUE(table->MoveCols(2, 3, 1));
    EXPECT_EQ(data.columns, (std::vector<int>{0, 2, 3, 1, 4}));
}

TEST_F(DemoTableTest, MovesByTheOwner)
{
    // Rows follow with their heights and the current cell, even when the
    // user may not drag them.
    table->SetAllowMove(false, false);
    table->SetRowHeight(4, 33);
    ASSERT_TRUE(table->SetCurrentCell(4, CDemoTable::kNote));
    ASSERT_TRUE(table->MoveRows(4, 5, 1));
    EXPECT_EQ(data.moveRowCalls, 1);
    EXPECT_EQ(data.records[0].name, "P4");
    EXPECT_EQ(data.records[2].name, "P1");
    EXPECT_EQ(table->GetStoredRowHeight(1), 33);
    int row = 0;
    int col = 0;
    ASSERT_TRUE(table->GetCurrentCell(row, col));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(col, CDemoTable::kNote);

    // Out of range, onto itself, the header row: nothing, and no call-back.
    EXPECT_FALSE(table->MoveRows(0, 1, 2));
    EXPECT_FALSE(table->MoveRows(4, 6, 1));
    EXPECT_FALSE(table->MoveRows(2, 3, 2));
    EXPECT_FALSE(table->MoveRows(1, 2, 5));  // two rows cannot start at row 5 of 5
    EXPECT_FALSE(table->MoveCols(3, 2, 1));
    EXPECT_FALSE(table->MoveCols(1, 1, -1));
    EXPECT_EQ(data.moveRowCalls, 1);
    EXPECT_EQ(data.moveColCalls, 0);

    // A pending edit is stored first; a refused one stops the move.
    ClickCell(*table, 2, CDemoTable::kHeat);
    TypeKeys(*table, "bad");
    EXPECT_FALSE(table->MoveCols(1, 1, 2));
    EXPECT_EQ(data.moveColCalls, 0);
    EXPECT_TRUE(table->IsEditing());
}

TEST_F(DemoTableTest, DraggingToTheRightAndOntoItself)
{
    ClickColumnHeader(*table, 1);
    QWidget* header = table->TableView()->horizontalHeader()->viewport();
    // Dropped on its own place: no call.
    Drag(header, ColumnHeaderCenter(*table, 1), header, ColumnBoundary(*table, 2));
    EXPECT_EQ(data.moveColCalls, 0);
    // Behind the last column.
    Drag(header, ColumnHeaderCenter(*table, 1), header, ColumnBoundary(*table, 5));
    EXPECT_EQ(data.moveColCalls, 1);
    EXPECT_EQ(data.lastFrom, 1);
    EXPECT_EQ(data.lastTo, 1);
    EXPECT_EQ(data.lastDest, 4);
    EXPECT_EQ(data.columns, (std::vector<int>{0, 2, 3, 4, 1}));
}

TEST_F(DemoTableTest, DraggingRowHeadersMovesTheRecords)
{
    ClickRowHeader(*table, 1);
    ClickRowHeader(*table, 2, Qt::ShiftModifier);
    QWidget* header = table->TableView()->verticalHeader()->viewport();
    Drag(header, RowHeaderCenter(*table, 1), header, RowBoundary(*table, 5));
    EXPECT_EQ(data.moveRowCalls, 1);
    EXPECT_EQ(data.lastFrom, 1);
    EXPECT_EQ(data.lastTo, 2);
    EXPECT_EQ(data.lastDest, 3);
    ASSERT_EQ(data.records.size(), 5u);
    EXPECT_EQ(data.records[0].name, "P3");
    EXPECT_EQ(data.records[2].name, "P1");
    EXPECT_EQ(data.records[3].name, "P2");
    EXPECT_EQ(data.records[4].name, "P5");
    EXPECT_EQ(table->GetValueRowCol(3, 1), QString("P1"));
    // The header column stays: row numbers are by position.
    EXPECT_EQ(table->GetValueRowCol(3, 0), QString("3"));
    EXPECT_EQ(table->GetSelectedRows(), (std::vector<int>{3, 4}));
}

TEST_F(DemoTableTest, RowMovesCanBeForbidden)
{
    table->SetAllowMove(false, true);
    ClickRowHeader(*table, 1);
    QWidget* header = table->TableView()->verticalHeader()->viewport();
    Drag(header, RowHeaderCenter(*table, 1), header, RowBoundary(*table, 4));
    EXPECT_EQ(data.moveRowCalls, 0);
    EXPECT_EQ(data.records[0].name, "P1");
    // A press on an unselected header only selects, it never moves.
    ClickColumnHeader(*table, 4);
    QWidget* columns = table->TableView()->horizontalHeader()->viewport();
    Drag(columns, ColumnHeaderCenter(*table, 1), columns, ColumnBoundary(*table, 4));
    EXPECT_EQ(data.moveColCalls, 0);
}

TEST_F(DemoTableTest, RowHeightsFollowMovedRows)
{
    table->SetRowHeight(1, 40);
    table->SelectRange(CGXRange::Rows(1, 1, table->GetColCount()));
    QWidget* header = table->TableView()->verticalHeader()->viewport();
    Drag(header, RowHeaderCenter(*table, 1), header, RowBoundary(*table, 4));
    ASSERT_EQ(data.moveRowCalls, 1);
    EXPECT_EQ(data.lastDest, 3);
    EXPECT_EQ(table->GetStoredRowHeight(3), 40);
    EXPECT_EQ(table->GetStoredRowHeight(1), table->GetDefaultRowHeight());
    EXPECT_EQ(table->TableView()->rowHeight(2), 40);
}
