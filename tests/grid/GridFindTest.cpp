// Find, Replace and Find Again, through the grid and its dialogs.
#include "DemoFixture.h"
#include "GXFindReplaceDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QPushButton* Button(QWidget* dialog, const QString& text)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

}  // namespace

TEST_F(DemoTableTest, FindNextSearchesOnAndWraps)
{
    data.records[3].note = "Fan stopped";
    data.records[0].note = "fan running";
    table->Redraw();
    ASSERT_TRUE(table->SetCurrentCell(2, 1));
    CGXFindOptions options;
    options.findWhat = "fan";
    ASSERT_TRUE(table->FindNext(options));
    int row = 0;
    int col = 0;
    table->GetCurrentCell(row, col);
    EXPECT_EQ(row, 4);
    EXPECT_EQ(col, 4);
    ASSERT_TRUE(table->FindAgain());  // wraps to the top
    table->GetCurrentCell(row, col);
    EXPECT_EQ(row, 1);

    options.matchCase = true;
    options.findWhat = "Fan";
    ASSERT_TRUE(table->FindNext(options));
    table->GetCurrentCell(row, col);
    EXPECT_EQ(row, 4);
    options.searchDown = false;
    options.matchCase = false;
    ASSERT_TRUE(table->FindNext(options));
    table->GetCurrentCell(row, col);
    EXPECT_EQ(row, 1);

    options.wholeCell = true;
    options.findWhat = "fan";
    EXPECT_FALSE(table->FindNext(options));
    ASSERT_EQ(feedback->warnings.size(), 1);
    EXPECT_EQ(feedback->warnings[0], QString("Cannot find \"fan\"."));
}

TEST_F(DemoTableTest, ReplaceGoesThroughValidation)
{
    CGXFindOptions options;
    options.findWhat = "0.00";
    options.replaceWith = "0000.00";  // 100000.00 kW is out of range
    ASSERT_TRUE(table->SetCurrentCell(1, CDemoTable::kHeat));
    EXPECT_FALSE(table->ReplaceCurrent(options));
    EXPECT_DOUBLE_EQ(data.records[0].heat, 10.0);
    EXPECT_EQ(feedback->warnings.size(), 1);

    options.findWhat = "n";
    options.replaceWith = "note ";
    table->log.clear();
    EXPECT_EQ(table->ReplaceAll(options), 5);  // the names and heats have no "n"
    EXPECT_EQ(data.records[0].note, "note 1");
    EXPECT_EQ(data.records[4].note, "note 5");
    // One edit group around the stores, for one undo step of the owner's.
    EXPECT_EQ(table->log,
              (QStringList{"begin", "store 1,4", "store 2,4", "store 3,4", "store 4,4", "store 5,4", "end"}));
}

TEST_F(DemoTableTest, ReplaceAllKeepsItsEditGroupBalanced)
{
    // Stopped by a refused cell: the cells before it are in the group, which closes.
    data.records[2].heat = 15.0;
    table->Redraw();
    CGXFindOptions options;
    options.findWhat = "5";
    options.replaceWith = "5000";
    EXPECT_EQ(table->ReplaceAll(options), 0);  // 15.00 -> 150000.00 is refused at once
    EXPECT_EQ(table->log, (QStringList{"begin", "end"}));
    EXPECT_EQ(feedback->warnings.size(), 1);
    options.findWhat = "n4";
    options.replaceWith = "checked";
    table->log.clear();
    EXPECT_EQ(table->ReplaceAll(options), 1);
    EXPECT_EQ(table->log, (QStringList{"begin", "store 4,4", "end"}));

    // Nothing found: an empty group, and the warning comes after it closed.
    table->log.clear();
    int openAtWarning = -1;
    const auto previous = GXFeedback::SetWarningPresenter(
        [this, &openAtWarning](QWidget*, const QString&) { openAtWarning = table->OpenGroups(); });
    options.findWhat = "nowhere";
    EXPECT_EQ(table->ReplaceAll(options), 0);
    GXFeedback::SetWarningPresenter(previous);
    EXPECT_EQ(table->log, (QStringList{"begin", "end"}));
    EXPECT_EQ(openAtWarning, 0);

    // A pending edit that is refused stops it before any group.
    table->log.clear();
    ClickCell(*table, 1, CDemoTable::kHeat);
    TypeKeys(*table, "x");
    EXPECT_EQ(table->ReplaceAll(options), 0);
    EXPECT_TRUE(table->log.isEmpty());
}

TEST_F(DemoTableTest, FindAndReplaceDialogs)
{
    data.records[2].note = "pump";
    table->Redraw();
    ASSERT_TRUE(table->SetCurrentCell(1, 1));
    table->ShowFindDialog();
    auto* dialog = table->findChild<CGXFindReplaceDialog*>();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->IsReplace());
    QPushButton* findNext = Button(dialog, "&Find Next");
    ASSERT_NE(findNext, nullptr);
    EXPECT_FALSE(findNext->isEnabled());
    QTest::keyClicks(dialog->findChild<QLineEdit*>(), "PUMP");
    ASSERT_TRUE(findNext->isEnabled());
    QTest::mouseClick(findNext, Qt::LeftButton);
    int row = 0;
    int col = 0;
    table->GetCurrentCell(row, col);
    EXPECT_EQ(row, 3);
    EXPECT_EQ(col, 4);
    dialog->close();

    table->ShowReplaceDialog();
    dialog = table->findChild<CGXFindReplaceDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->IsReplace());
    const QList<QLineEdit*> edits = dialog->findChildren<QLineEdit*>();
    ASSERT_EQ(edits.size(), 2);
    EXPECT_EQ(edits[0]->text(), QString("PUMP"));  // the last search is offered again
    QTest::keyClicks(edits[1], "fan");
    QTest::mouseClick(Button(dialog, "&Replace"), Qt::LeftButton);
    EXPECT_EQ(data.records[2].note, "fan");
    EXPECT_TRUE(table->log.contains("store 3,4"));
}
