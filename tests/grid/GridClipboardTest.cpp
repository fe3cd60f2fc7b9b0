// Copy and paste through the clipboard.
#include "DemoFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

TEST_F(DemoTableTest, CopyPutsTabTextAndHtmlOnTheClipboard)
{
    ClickCell(*table, 2, 1);
    ClickCell(*table, 3, 2, Qt::ShiftModifier);
    ASSERT_TRUE(table->Copy());
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_EQ(mime->text(), QString("P2\t20.00\r\nP3\t30.00\r\n"));
    EXPECT_TRUE(mime->html().contains("<tr><td>P2</td><td>20.00</td></tr>"));

    // Nothing selected: the current cell alone.
    ClickCell(*table, 5, 4);
    ASSERT_TRUE(table->Copy());
    EXPECT_EQ(QApplication::clipboard()->text(), QString("n5\r\n"));

    // Whole columns copy their data cells, not the header.
    ClickColumnHeader(*table, 1);
    ASSERT_TRUE(table->Copy());
    EXPECT_EQ(QApplication::clipboard()->text(), QString("P1\r\nP2\r\nP3\r\nP4\r\nP5\r\n"));
}

TEST_F(DemoTableTest, PasteStoresEditableCellsThroughTheCallBacks)
{
    QApplication::clipboard()->setText("A\t111\t99\tx\r\nB\t222\t99\ty\r\n");
    ClickCell(*table, 2, 1);
    table->log.clear();
    ASSERT_TRUE(table->Paste());
    EXPECT_EQ(data.records[1].name, "A");
    EXPECT_DOUBLE_EQ(data.records[1].heat, 111.0);
    EXPECT_EQ(data.records[1].note, "x");
    EXPECT_EQ(data.records[2].name, "B");
    EXPECT_DOUBLE_EQ(data.records[2].heat, 222.0);
    EXPECT_EQ(data.records[2].note, "y");
    EXPECT_TRUE(feedback->warnings.isEmpty());  // the static share column was skipped

    // One edit group around all the stores, so the owner makes one undo step.
    EXPECT_EQ(table->log, (QStringList{"begin", "store 2,1", "store 2,2", "store 2,4", "store 3,1", "store 3,2",
                                       "store 3,4", "end"}));

    // Pasting what the cells already hold stores nothing; the group still closes.
    table->log.clear();
    ASSERT_TRUE(table->PasteText("A\t111.00\r\n"));
    EXPECT_EQ(table->log, (QStringList{"begin", "end"}));
}

TEST_F(DemoTableTest, PasteStopsAtTheFirstRefusedCell)
{
    ClickCell(*table, 1, 2);
    table->log.clear();
    ASSERT_FALSE(table->PasteText("500\r\n5000\r\n7\r\n"));
    // The group closes after the refused cell.
    EXPECT_EQ(table->log, (QStringList{"begin", "store 1,2", "end"}));
    EXPECT_DOUBLE_EQ(data.records[0].heat, 500.0);
    EXPECT_DOUBLE_EQ(data.records[1].heat, 20.0);  // refused
    EXPECT_DOUBLE_EQ(data.records[2].heat, 30.0);  // not reached
    ASSERT_EQ(feedback->warnings.size(), 1);
    EXPECT_EQ(feedback->warnings[0], QString("Please enter a number from 0 to 1000.00"));
    int row = 0;
    int col = 0;
    ASSERT_TRUE(table->GetCurrentCell(row, col));
    EXPECT_EQ(row, 2);
    EXPECT_EQ(col, 2);
    // Cells past the table's end are dropped.
    ClickCell(*table, 5, 4);
    EXPECT_TRUE(table->PasteText("last\tbeyond\nbelow\n"));
    EXPECT_EQ(data.records[4].note, "last");

    // Nothing to paste, or a pending edit that is refused: no group at all.
    table->log.clear();
    EXPECT_FALSE(table->PasteText(""));
    ClickCell(*table, 3, 2);
    TypeKeys(*table, "x");
    EXPECT_FALSE(table->PasteText("1\r\n"));
    EXPECT_TRUE(table->IsEditing());
    EXPECT_TRUE(table->log.isEmpty());
    EXPECT_EQ(table->OpenGroups(), 0);
}

TEST_F(DemoTableTest, CopyOfACoveredRowShowsItsTextOnce)
{
    data.records[0].remark = true;
    data.records[0].note = "remark";
    table->RecordsChanged();
    table->SelectRange(CGXRange::Rows(1, 1, table->GetColCount()));
    ASSERT_TRUE(table->Copy());
    EXPECT_EQ(QApplication::clipboard()->text(), QString("remark\t\t\t\r\n"));
}
