// What the grid draws: cells from the style call-back, headers, covered
// cells, zoom, frozen columns.
#include "DemoFixture.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
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
