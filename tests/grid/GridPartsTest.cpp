// The grid's plain parts: ranges and moved positions, clipboard texts and
// the style filled from a record's cell.
#include "CellDescription.h"
#include "GXClipboardText.h"
#include "GXRange.h"
#include "GXStyle.h"

#include <gtest/gtest.h>

#include <vector>

TEST(GridRange, MovedIndexFollowsTheBlock)
{
    // Columns 2-3 of 1..5 moved to position 1: 2 3 1 4 5.
    std::vector<int> order(6);
    for (int i = 1; i <= 5; ++i)
        order[static_cast<std::size_t>(MovedIndex(i, 2, 3, 1))] = i;
    EXPECT_EQ(order, (std::vector<int>{0, 2, 3, 1, 4, 5}));
    // Rows 1-2 moved behind row 4 (dest 3 of the shortened list): 3 4 1 2 5.
    for (int i = 1; i <= 5; ++i)
        order[static_cast<std::size_t>(MovedIndex(i, 1, 2, 3))] = i;
    EXPECT_EQ(order, (std::vector<int>{0, 3, 4, 1, 2, 5}));
    // The inverse move restores every position.
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(MovedIndex(MovedIndex(i, 1, 2, 3), 3, 4, 1), i);
}

TEST(GridRange, KindsAndContainment)
{
    const CGXRange rows = CGXRange::Rows(2, 4, 7);
    EXPECT_TRUE(rows.IsRows());
    EXPECT_EQ(rows.left, 0);
    EXPECT_EQ(rows.right, 7);
    const CGXRange cols = CGXRange::Cols(3, 3, 10);
    EXPECT_EQ(cols.top, 0);
    EXPECT_EQ(cols.bottom, 10);
    EXPECT_TRUE(cols.Contains(5, 3));
    EXPECT_FALSE(cols.Contains(5, 4));
    const CGXRange table = CGXRange::Table(3, 2);
    EXPECT_TRUE(table.IsTable());
    EXPECT_EQ(table.RowCount(), 4);  // the header row counts in a table range
    EXPECT_FALSE(CGXRange().IsValid());
}

TEST(GridClipboardText, TabTextAndHtmlKeepTheBlock)
{
    const CGXCellBlock block{{"a", "b\tc"}, {"<x>", "line1\nline2"}};
    EXPECT_EQ(BlockToTabText(block), QString("a\tb c\r\n<x>\tline1 line2\r\n"));
    const QString html = BlockToHtml(block);
    EXPECT_TRUE(html.contains("<tr><td>a</td><td>b\tc</td></tr>"));
    EXPECT_TRUE(html.contains("<td>&lt;x&gt;</td><td>line1<br>line2</td>"));
}

TEST(GridClipboardText, ParsesLinesOfAnyEnding)
{
    const CGXCellBlock block = TabTextToBlock("1\t2\r\n3\t4\n5\r");
    ASSERT_EQ(block.size(), 3u);
    EXPECT_EQ(block[0], (QStringList{"1", "2"}));
    EXPECT_EQ(block[1], (QStringList{"3", "4"}));
    EXPECT_EQ(block[2], (QStringList{"5"}));
    EXPECT_TRUE(TabTextToBlock("").empty());
    EXPECT_TRUE(TabTextToBlock("\n").empty());
    // Empty cells are kept, so a paste can clear cells in the middle.
    EXPECT_EQ(TabTextToBlock("a\t\tc")[0], (QStringList{"a", "", "c"}));
}

TEST(GridStyle, FilledFromARecordCell)
{
    CCellDescription cell;
    cell.text = "12.50";
    cell.alignment = HAlign::Right;
    cell.editable = false;
    cell.italic = true;
    CGXStyle style;
    style.fontWeight = 700;
    FillStyleFromCell(style, cell);
    EXPECT_EQ(style.value, QString("12.50"));
    EXPECT_EQ(style.horizontal, Qt::AlignRight);
    EXPECT_FALSE(style.editable);
    EXPECT_TRUE(style.italic);
    EXPECT_EQ(style.fontWeight, 700);  // left as it was
    cell.alignment = HAlign::Left;
    FillStyleFromCell(style, cell);
    EXPECT_EQ(style.horizontal, Qt::AlignLeft);
}
