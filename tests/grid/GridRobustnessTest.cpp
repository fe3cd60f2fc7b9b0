// The grid when the table under it changes: counts shrinking or rows
// inserted while a cell is edited, edit groups that stay balanced, a grid
// destroyed with a pending edit, and damaged or extreme sizes.
#include "GXGridView.h"
#include "GXListGrid.h"
#include "GridParam.h"
#include "GridTestSupport.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <vector>

namespace {

// A view over a plain table of texts that refuses (by throwing, as an
// owner indexing its records would) any question about a cell it does not
// have, and counts every call-back.
class StrictTable : public CGXGridView {
public:
    StrictTable(int rows, int cols, CGXGridParam* param = nullptr)
    {
        if (param)
            AttachParam(param);
        Resize(rows, cols);
    }

    void Resize(int rows, int cols)
    {
        cells.assign(static_cast<std::size_t>(rows), std::vector<QString>(static_cast<std::size_t>(cols)));
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = QString("r%1c%2").arg(r + 1).arg(c + 1);
        SetRowCount(rows);
        SetColCount(cols);
    }
    // The owner drops its records first, then tells the grid.
    void Shrink(int rows, int cols)
    {
        cells.resize(static_cast<std::size_t>(rows));
        for (auto& row : cells)
            row.resize(static_cast<std::size_t>(cols));
        SetRowCount(rows);
        SetColCount(cols);
    }
    QString& Cell(int row, int col) { return cells.at(static_cast<std::size_t>(row - 1)).at(static_cast<std::size_t>(col - 1)); }

    std::vector<std::vector<QString>> cells;
    int calls = 0;  // call-backs of any kind
    std::vector<std::pair<int, int>> stores;
    int groupsBegun = 0;
    int groupsEnded = 0;
    int storesInGroups = 0;
    bool throwOnStore = false;  // an owner whose store fails hard

protected:
    bool GetStyleRowCol(int row, int col, CGXStyle& style) const override
    {
        ++const_cast<StrictTable*>(this)->calls;
        if (row == 0 || col == 0)
            return false;
        style.value = cells.at(static_cast<std::size_t>(row - 1)).at(static_cast<std::size_t>(col - 1));
        return true;
    }
    bool StoreStyleRowCol(int row, int col, const QString& text) override
    {
        ++calls;
        if (throwOnStore)
            throw std::runtime_error("store failed");
        stores.emplace_back(row, col);
        if (groupsBegun > groupsEnded)
            ++storesInGroups;
        Cell(row, col) = text;
        return true;
    }
    void OnBeginEditGroup() override
    {
        EXPECT_EQ(groupsBegun, groupsEnded) << "edit groups do not nest";
        ++groupsBegun;
    }
    void OnEndEditGroup() override { ++groupsEnded; }
    bool OnValidateCell(int, int, QString&) override
    {
        ++calls;
        return true;
    }
};

void TypeInto(CGXGridView& grid, int row, int col, const QString& text)
{
    ClickCell(grid, row, col);
    TypeKeys(grid, text);
}

}  // namespace

TEST(GridCountChange, ShrinkingUnderTheEditorAsksNothingAboutRemovedCells)
{
    FeedbackCatcher feedback;
    StrictTable table(5, 3);
    ShowGrid(table);
    // Rows: the edited last row goes; the edit is dropped, not stored.
    TypeInto(table, 5, 3, "X");
    ASSERT_TRUE(table.IsEditing());
    EXPECT_NO_THROW(table.Shrink(2, 3));
    EXPECT_FALSE(table.IsEditing());
    EXPECT_TRUE(table.stores.empty());
    EXPECT_TRUE(table.TableView()->hasFocus());  // the table has the focus back
    EXPECT_NO_THROW(QApplication::processEvents());
    int row = 0;
    int col = 0;
    ASSERT_TRUE(table.GetCurrentCell(row, col));
    EXPECT_LE(row, 2);

    // Columns, and every record at once.
    TypeInto(table, 2, 3, "Y");
    EXPECT_NO_THROW(table.Shrink(2, 1));
    EXPECT_FALSE(table.IsEditing());
    TypeInto(table, 1, 1, "Z");
    EXPECT_NO_THROW(table.Shrink(0, 1));
    EXPECT_NO_THROW(QApplication::processEvents());
    EXPECT_TRUE(table.stores.empty());
    EXPECT_EQ(feedback.beeps, 0);
}

TEST(GridCountChange, InsertedRowsMoveTheEditToItsRecord)
{
    FeedbackCatcher feedback;
    StrictTable table(5, 2);
    ShowGrid(table);
    TypeInto(table, 3, 1, "EDITED");
    ASSERT_TRUE(table.IsEditing());
    table.cells.emplace(table.cells.begin(), 2, QStringLiteral("new"));
    ASSERT_TRUE(table.InsertRows(1, 1));
    int row = 0;
    int col = 0;
    ASSERT_TRUE(table.GetCurrentCell(row, col));
    EXPECT_EQ(row, 4);
    ASSERT_TRUE(table.IsEditing());
    PressKey(table, Qt::Key_Return);
    EXPECT_EQ(table.Cell(4, 1), QString("EDITED"));  // the record that was edited
    EXPECT_EQ(table.Cell(3, 1), QString("r2c1"));
    EXPECT_EQ(table.Cell(1, 1), QString("new"));

    // Removing rows above moves it up; removing the edited row drops it.
    TypeInto(table, 5, 2, "MOVED");
    table.cells.erase(table.cells.begin(), table.cells.begin() + 2);
    ASSERT_TRUE(table.RemoveRows(1, 2));
    PressKey(table, Qt::Key_Return);
    EXPECT_EQ(table.Cell(3, 2), QString("MOVED"));
    const auto storesBefore = table.stores.size();
    TypeInto(table, 2, 2, "GONE");
    table.cells.erase(table.cells.begin() + 1);
    EXPECT_NO_THROW(table.RemoveRows(2, 2));
    EXPECT_FALSE(table.IsEditing());
    EXPECT_EQ(table.stores.size(), storesBefore);
    EXPECT_EQ(feedback.beeps, 0);
}

TEST(GridEditGroup, ClosedAfterAStoreThatThrows)
{
    FeedbackCatcher feedback;
    StrictTable table(3, 3);
    ShowGrid(table);
    ClickCell(table, 1, 1);
    table.throwOnStore = true;
    EXPECT_THROW(table.PasteText("a\tb\r\n"), std::runtime_error);
    CGXFindOptions options;
    options.findWhat = "r2";
    options.replaceWith = "x";
    EXPECT_THROW(table.ReplaceAll(options), std::runtime_error);
    EXPECT_EQ(table.groupsBegun, 2);
    EXPECT_EQ(table.groupsEnded, 2);

    // The grid still works afterwards.
    table.throwOnStore = false;
    EXPECT_EQ(table.ReplaceAll(options), 3);
    EXPECT_EQ(table.storesInGroups, 3);
    EXPECT_EQ(table.groupsEnded, 3);
}

TEST(GridEditGroup, NoGroupWhenAShrunkTableLeavesNothingToPasteInto)
{
    FeedbackCatcher feedback;
    StrictTable table(4, 2);
    ShowGrid(table);
    table.Shrink(0, 2);
    EXPECT_FALSE(table.PasteText("a\r\n"));  // no current cell any more
    EXPECT_EQ(table.groupsBegun, 0);
    EXPECT_EQ(table.groupsEnded, 0);
    EXPECT_TRUE(table.stores.empty());
}

TEST(GridDestruction, PendingEditIsDroppedWithoutStoringOrTouchingTheParam)
{
    FeedbackCatcher feedback;
    {
        // The parameter object outlives the grid: nothing is stored, nothing
        // left in it.
        auto param = CGXGridView::CreateParam();
        auto* table = new StrictTable(3, 3, param.get());
        ShowGrid(*table);
        TypeInto(*table, 1, 1, "x");
        ASSERT_TRUE(table->IsEditing());
        table->ShowFindDialog();
        delete table;
        EXPECT_EQ(param->runtime, nullptr);
    }
    {
        // The document (and its parameter object) goes first, as when a
        // window closes: the grid must not use it any more (ASan build).
        auto param = CGXGridView::CreateParam();
        auto* table = new StrictTable(3, 3, param.get());
        ShowGrid(*table);
        TypeInto(*table, 2, 2, "y");
        ASSERT_TRUE(table->IsEditing());
        param.reset();
        delete table;
    }
    EXPECT_EQ(feedback.beeps, 0);
    EXPECT_TRUE(feedback.warnings.isEmpty());
}

TEST(GridDamagedParam, RowKeysAtTheEndOfTheRangeAreDroppedOnInsert)
{
    CGXGridParam param;
    param.rowHeights = {{1, 40}, {3, 50}, {INT_MAX, 3}, {INT_MAX - 1, 4}};
    StrictTable table(4, 2, &param);
    table.cells.emplace(table.cells.begin(), std::initializer_list<QString>{QStringLiteral("a"), QStringLiteral("b")});
    ASSERT_TRUE(table.InsertRows(1, 2));  // no signed overflow (UBSan build)
    EXPECT_EQ(param.rowHeights, (std::map<std::int32_t, std::int32_t>{{3, 40}, {5, 50}}));
    EXPECT_EQ(table.GetStoredRowHeight(3), 40);
    EXPECT_FALSE(table.InsertRows(1, INT_MAX));  // a count past any table is refused
    EXPECT_EQ(table.GetRowCount(), 6);
}

TEST(GridDamagedParam, StoredSizesStayInTheFileRange)
{
    StrictTable table(3, 3);
    ShowGrid(table);
    CGXGridParam& param = *table.GetParam();
    table.SetColWidth(1, 1'000'000);
    EXPECT_EQ(param.columnWidths[1], 65535);
    table.SetRowHeight(2, -5);
    EXPECT_EQ(param.rowHeights[2], 1);
    table.SetDefaultRowHeight(INT_MAX);
    EXPECT_EQ(param.defaultRowHeight, 65535);
    table.SetDefaultColWidth(70000);
    EXPECT_EQ(param.defaultColWidth, 65535);
    table.SetColWidth(-1, 50);
    table.SetRowHeight(-2, 50);
    EXPECT_EQ(param.columnWidths.count(-1), 0U);
    EXPECT_EQ(param.rowHeights.count(-2), 0U);

    // At 10 % a column edge dragged to 6554 pixels would be 65540 at 100 %.
    table.SetDefaultColWidth(80);
    table.SetZoom(10);
    table.TableView()->horizontalHeader()->resizeSection(1, 6554);
    EXPECT_EQ(param.columnWidths[2], 65535);
    table.TableView()->horizontalHeader()->resizeSection(1, 50);
    EXPECT_EQ(param.columnWidths[2], 500);
}

TEST(ListGridColumns, AlignmentOfAColumnBeyondTheTitles)
{
    CGXListGrid list;
    list.SetColumnTitles({"A"});
    list.SetColCount(4);
    list.AppendListRow({"1", "2", "3", "4"});
    list.SetColumnAlignment(4, Qt::AlignRight);  // heap overflow before (ASan build)
    list.SetColumnAlignment(5, Qt::AlignRight);  // beyond the columns: ignored
    EXPECT_EQ(list.LookupStyle(1, 4).horizontal, Qt::AlignRight);
    EXPECT_EQ(list.LookupStyle(1, 3).horizontal, Qt::AlignLeft);
}

TEST(GridPaste, CellsBeyondTheEdgeAreSkippedAndThePasteStillSucceeds)
{
    FeedbackCatcher feedback;
    StrictTable table(3, 3);
    ShowGrid(table);
    ClickCell(table, 2, 2);
    EXPECT_TRUE(table.PasteText("a\tb\tc\r\nd\te\tf\r\ng\th\ti\r\n"));
    EXPECT_EQ(table.stores.size(), 4U);
    EXPECT_EQ(table.Cell(2, 2), QString("a"));
    EXPECT_EQ(table.Cell(3, 3), QString("e"));
    EXPECT_EQ(table.groupsBegun, 1);  // one group with every store in it
    EXPECT_EQ(table.groupsEnded, 1);
    EXPECT_EQ(table.storesInGroups, 4);
}

TEST(GridCoveredCells, AddingAndRemovingKeepsTheTablesSpansInStep)
{
    StrictTable table(8, 5);
    ShowGrid(table);
    QTableView* view = table.TableView();
    table.SetCoveredCells(2, 1, 4, 2);  // three rows tall
    table.SetCoveredCells(6, 1, 6, 5);
    CGXRange range;
    ASSERT_TRUE(table.GetCoveredCells(4, 2, range));  // the bottom-right cell of the tall one
    EXPECT_EQ(range.top, 2);
    EXPECT_EQ(view->rowSpan(1, 0), 3);
    EXPECT_EQ(view->columnSpan(5, 0), 5);

    // A new covering replaces the ones it overlaps, even one that starts higher up.
    table.SetCoveredCells(4, 2, 4, 4);
    EXPECT_FALSE(table.GetCoveredCells(2, 1, range));
    EXPECT_EQ(view->rowSpan(1, 0), 1);
    ASSERT_TRUE(table.GetCoveredCells(4, 3, range));
    EXPECT_EQ(range.left, 2);
    EXPECT_EQ(view->columnSpan(3, 1), 3);
    ASSERT_TRUE(table.GetCoveredCells(6, 5, range));  // untouched

    table.RemoveCoveredCells(4, 4);
    EXPECT_FALSE(table.GetCoveredCells(4, 2, range));
    EXPECT_EQ(view->columnSpan(3, 1), 1);
    EXPECT_EQ(view->columnSpan(5, 0), 5);
    table.RemoveCoveredCells(1, 1);  // no covering there: nothing happens
    EXPECT_TRUE(table.GetCoveredCells(6, 1, range));
}

TEST(GridCoveredCells, CoveringAndUncoveringManyRowsOneByOne)
{
    StrictTable table(4000, 6);
    ShowGrid(table);
    for (int r = 1; r <= 4000; r += 2)
        table.SetCoveredCells(r, 1, r, 6);
    for (int r = 1; r <= 4000; r += 4)
        table.RemoveCoveredCells(r, 3);
    CGXRange range;
    EXPECT_TRUE(table.GetCoveredCells(3, 6, range));
    EXPECT_FALSE(table.GetCoveredCells(1, 6, range));
    EXPECT_EQ(table.TableView()->columnSpan(2, 0), 6);
    EXPECT_EQ(table.TableView()->columnSpan(0, 0), 1);
}
