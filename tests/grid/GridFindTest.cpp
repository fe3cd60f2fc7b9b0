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
    EXPECT_EQ(table->ReplaceAll(options), 5);  // the names and heats have no "n"
    EXPECT_EQ(data.records[0].note, "note 1");
    EXPECT_EQ(data.records[4].note, "note 5");
    ASSERT_TRUE(table->Undo());
    EXPECT_EQ(data.records[0].note, "n1");
    EXPECT_EQ(data.records[4].note, "n5");
}

TEST_F(DemoTableTest, FindAndReplaceDialogs)
{
    data.records[2].note = "pump";
    table->Redraw();
    ASSERT_TRUE(table->SetCurrentCell(1, 1));
    PressKey(*table, Qt::Key_F, Qt::ControlModifier);
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
    EXPECT_TRUE(table->CanUndo());
}
