// What the grid draws: cells from the style call-back, headers, covered
// cells, zoom, frozen columns.
#include "DemoFixture.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>

namespace {

// Counts pixels of roughly the given colour inside a rectangle of an image.
int CountColour(const QImage& image, const QRect& rect, const QColor& colour, int tolerance = 40)
{
    int count = 0;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <= tolerance)
                ++count;
        }
    return count;
}

// The rectangle of a data cell in the coordinates of the grid widget.
QRect CellRectInGrid(const CGXGridView& grid, int row, int col)
{
    QTableView* view = col <= grid.GetFrozenCols() ? grid.FrozenView() : grid.TableView();
    const QRect r = view->visualRect(view->model()->index(row - 1, col - 1));
    return QRect(view->viewport()->mapTo(&grid, r.topLeft()), r.size());
}

}  // namespace

TEST_F(DemoTableTest, CellsAreDrawnFromTheStyleCallBack)
{
    data.records[1].heat = 750.0;  // drawn in red (over 500 kW)
    table->Redraw();
    QApplication::processEvents();
    const QImage image = table->grab().toImage();
    ASSERT_FALSE(image.isNull());
    image.save(OutputPath("demo_table.png"));

    // Row 2's heat is red text; row 1's is black; an empty area stays white.
    const QRect red = CellRectInGrid(*table, 2, CDemoTable::kHeat);
    const QRect black = CellRectInGrid(*table, 1, CDemoTable::kHeat);
    EXPECT_GT(CountColour(image, red.adjusted(2, 2, -2, -2), QColor(200, 0, 0)), 5);
    EXPECT_EQ(CountColour(image, black.adjusted(2, 2, -2, -2), QColor(200, 0, 0)), 0);
    EXPECT_GT(CountColour(image, black.adjusted(2, 2, -2, -2), QColor(0, 0, 0), 120), 5);
    // Right-aligned numbers: no ink in the left quarter of the cell.
    const QRect leftQuarter = black.adjusted(3, 3, -black.width() * 3 / 4, -3);
    EXPECT_EQ(CountColour(image, leftQuarter, QColor(0, 0, 0), 200), 0);
    // Italic static shares, and the header's unit on its second line.
    const QRect header = table->TableView()->horizontalHeader()->geometry();
    EXPECT_EQ(header.height(), 2 * table->GetDefaultRowHeight());

    EXPECT_EQ(table->GetValueRowCol(2, CDemoTable::kHeat), QString("750.00"));
    EXPECT_EQ(table->GetValueRowCol(0, CDemoTable::kHeat), QString("Heat\n(kW)"));
    EXPECT_EQ(table->GetValueRowCol(3, 0), QString("3"));
    EXPECT_EQ(table->TableView()->model()->data(table->TableView()->model()->index(0, 0)).toString(),
              QString("P1"));
}

TEST_F(DemoTableTest, CoveredCellsSpanTheRow)
{
    data.records[2].remark = true;
    data.records[2].note = "Remark: the fan was stopped for the whole shift";
    table->RecordsChanged();
    QApplication::processEvents();
    CGXRange covered;
    ASSERT_TRUE(table->GetCoveredCells(3, 3, covered));
    EXPECT_EQ(covered, CGXRange::Cells(3, 1, 3, 4));
    EXPECT_FALSE(table->GetCoveredCells(2, 1, covered));
    const QRect span = CellRectInGrid(*table, 3, 1);
    int width = 0;
    for (int c = 1; c <= 4; ++c)
        width += table->TableView()->columnWidth(c - 1);
    EXPECT_EQ(span.width(), width);

    const QImage image = table->grab().toImage();
    image.save(OutputPath("demo_covered.png"));
    // The remark's text runs on into the area of the third column, and no
    // grid line divides the covered cell.
    const QRect third = CellRectInGrid(*table, 2, 3).translated(0, span.top() - CellRectInGrid(*table, 2, 3).top());
    EXPECT_GT(CountColour(image, third.adjusted(1, 3, -1, -3), QColor(0, 0, 0), 200), 5);
    const int lineX = CellRectInGrid(*table, 2, 1).right();
    EXPECT_EQ(CountColour(image, QRect(lineX, span.top() + 2, 1, span.height() - 4), QColor(0xC0, 0xC0, 0xC0), 10), 0);

    // The covering goes when the row is a plain record again, and rows
    // removed in front move it up.
    table->RemoveRows(1, 1);
    data.records.erase(data.records.begin());
    ASSERT_TRUE(table->GetCoveredCells(2, 4, covered));
    EXPECT_EQ(covered.top, 2);
    data.records[1].remark = false;
    table->RecordsChanged();
    EXPECT_FALSE(table->GetCoveredCells(2, 4, covered));
}

TEST_F(DemoTableTest, ZoomScalesFontsAndSizes)
{
    table->SetColWidth(1, 100);
    const int rowHeight = table->GetDefaultRowHeight();
    const double pointSize = table->TableView()->font().pointSizeF();
    ASSERT_GT(pointSize, 0.0);
    QTableView* view = table->TableView();
    EXPECT_EQ(view->columnWidth(0), 100);

    // The program's zoom-in steps from 100: 110, 121, 133.
    for (int zoom : {110, 121, 133}) {
        table->SetZoom(zoom);
        EXPECT_EQ(table->GetZoom(), zoom);
        EXPECT_EQ(view->columnWidth(0), (100 * zoom + 50) / 100);
        EXPECT_EQ(view->rowHeight(0), (rowHeight * zoom + 50) / 100);
        EXPECT_NEAR(view->font().pointSizeF(), pointSize * zoom / 100.0, 0.01);
        // The stored sizes stay those of 100 %.
        EXPECT_EQ(table->GetColWidth(1), 100);
        EXPECT_EQ(param->zoom, zoom);
    }
    EXPECT_EQ(view->horizontalHeader()->height(), (2 * rowHeight * 133 + 50) / 100);
    table->SetZoom(40);
    EXPECT_EQ(view->columnWidth(0), 40);
    table->SetZoom(100);
    EXPECT_EQ(view->columnWidth(0), 100);
    EXPECT_NEAR(view->font().pointSizeF(), pointSize, 0.01);
    table->SetZoom(5000);
    EXPECT_EQ(table->GetZoom(), 400);
}

TEST_F(DemoTableTest, FrozenColumnsStayWhileTheRestScrolls)
{
    for (int c = 1; c <= 4; ++c)
        table->SetColWidth(c, 260);
    table->SetFrozenCols(1);
    EXPECT_EQ(param->frozenCols, 1);
    QApplication::processEvents();
    QTableView* frozen = table->FrozenView();
    QTableView* main = table->TableView();
    ASSERT_TRUE(frozen->isVisible());
    EXPECT_EQ(frozen->width(), 260);

    QScrollBar* bar = main->horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    QApplication::processEvents();
    const QImage image = table->grab().toImage();
    image.save(OutputPath("demo_frozen.png"));

    // Column 1 scrolled away in the main table but is still shown, at the
    // left edge, by the frozen part.
    EXPECT_LT(main->visualRect(main->model()->index(0, 0)).right(), 0);
    const QRect name = CellRectInGrid(*table, 1, 1);
    EXPECT_EQ(name.left(), frozen->geometry().left() + main->frameWidth() * 0);
    EXPECT_GT(CountColour(image, name.adjusted(2, 2, -2, -2), QColor(0, 0, 0), 200), 5);
    EXPECT_EQ(table->GetValueRowCol(0, 1), QString("Name"));

    // Moving right from the frozen column scrolls the next one out from
    // under the frozen part.
    bar->setValue(bar->maximum());
    ClickCell(*table, 1, 1);
    PressKey(*table, Qt::Key_Right);
    int row = 0;
    int col = 0;
    ASSERT_TRUE(table->GetCurrentCell(row, col));
    EXPECT_EQ(col, 2);
    const QRect second = main->visualRect(main->model()->index(0, 1));
    EXPECT_GE(second.left(), frozen->width());
    EXPECT_LE(second.right(), main->viewport()->width());

    // A frozen cell is edited in place.
    ClickCell(*table, 2, 1);
    TypeKeys(*table, "Shaft");
    ASSERT_TRUE(table->IsEditing());
    EXPECT_TRUE(frozen->viewport()->isAncestorOf(table->CurrentEditor()));
    PressKey(*table, Qt::Key_Return);
    EXPECT_EQ(data.records[1].name, "Shaft");

    // Vertical scrolling moves both parts together.
    Open(100);
    table->SetFrozenCols(2);
    table->TableView()->verticalScrollBar()->setValue(40);
    QApplication::processEvents();
    EXPECT_EQ(table->FrozenView()->verticalScrollBar()->value(), 40);
    EXPECT_EQ(table->FrozenView()->rowAt(0), table->TableView()->rowAt(0));

    table->SetFrozenCols(0);
    EXPECT_FALSE(table->FrozenView()->isVisible());
    EXPECT_EQ(param->frozenCols, 0);
}
