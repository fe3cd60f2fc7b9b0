// Editing cells as a user does: typing, Enter, moving away, refusal by the
// validation call-back, Escape, undo and redo, the key-down call-back.
#include "DemoFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

TEST_F(DemoTableTest, TypingAndEnterStoresTheCell)
{
    ClickCell(*table, 2, CDemoTable::kHeat);
    TypeKeys(*table, "123.456");
    ASSERT_TRUE(table->IsEditing());
    EXPECT_EQ(table->CurrentEditor()->text(), QString("123.456"));  // typing replaced the old text
    PressKey(*table, Qt::Key_Return);
    EXPECT_FALSE(table->IsEditing());
    EXPECT_DOUBLE_EQ(data.records[1].heat, 123.46);  // the store call-back rounds
    EXPECT_EQ(table->GetValueRowCol(2, CDemoTable::kHeat), QString("123.46"));
    EXPECT_TRUE(feedback->warnings.isEmpty());
}

TEST_F(DemoTableTest, RefusedEditKeepsEditorTextAndCurrentCell)
{
    ClickCell(*table, 3, CDemoTable::kHeat);
    TypeKeys(*table, "2000");
    PressKey(*table, Qt::Key_Return);
    ASSERT_TRUE(table->IsEditing());
    EXPECT_EQ(table->CurrentEditor()->text(), QString("2000"));
    ASSERT_EQ(feedback->warnings.size(), 1);
    EXPECT_EQ(feedback->warnings[0], QString("Please enter a number from 0 to 1000.00"));
    EXPECT_EQ(feedback->beeps, 1);
    EXPECT_DOUBLE_EQ(data.records[2].heat, 30.0);

    // Leaving by the keyboard and by the mouse is refused the same way, with
    // one warning per attempt, and the current cell stays.
    PressKey(*table, Qt::Key_Down);
    ClickCell(*table, 1, CDemoTable::kName);
    PressKey(*table, Qt::Key_Tab);
    ClickColumnHeader(*table, 1);
    EXPECT_EQ(feedback->warnings.size(), 5);
    EXPECT_EQ(feedback->beeps, 5);
    EXPECT_FALSE(table->HasSelection());
    int row = 0;
    int col = 0;
    ASSERT_TRUE(table->GetCurrentCell(row, col));
    EXPECT_EQ(row, 3);
    EXPECT_EQ(col, CDemoTable::kHeat);
    ASSERT_TRUE(table->IsEditing());
    EXPECT_EQ(table->CurrentEditor()->text(), QString("2000"));
    EXPECT_FALSE(table->SetCurrentCell(1, 1));  // programs are refused too
    EXPECT_FALSE(table->TransferCurrentCell());

    // A text that is not a number at all has its own message.
    QLineEdit* editor = table->CurrentEditor();
    editor->selectAll();
    QTest::keyClicks(editor, "12x");
    PressKey(*table, Qt::Key_Return);
    EXPECT_EQ(feedback->warnings.last(), QString("Please enter a number."));

    // Fixed: accepted, and the move the user asks for next goes ahead.
    editor->selectAll();
    QTest::keyClicks(editor, "999");
    PressKey(*table, Qt::Key_Down);
    EXPECT_FALSE(table->IsEditing());
    EXPECT_DOUBLE_EQ(data.records[2].heat, 999.0);
    ASSERT_TRUE(table->GetCurrentCell(row, col));
    EXPECT_EQ(row, 4);
}

TEST_F(DemoTableTest, StoreCallBackRefusalKeepsTheEditOpen)
{
    ClickCell(*table, 1, CDemoTable::kName);
    PressKey(*table, Qt::Key_F2);
    ASSERT_TRUE(table->IsEditing());
    table->CurrentEditor()->clear();  // an empty name is refused by the record
    PressKey(*table, Qt::Key_Return);
    EXPECT_TRUE(table->IsEditing());
    EXPECT_EQ(data.records[0].name, "P1");
    EXPECT_EQ(feedback->beeps, 1);
    PressKey(*table, Qt::Key_Escape);  // undoes the edit
    EXPECT_FALSE(table->IsEditing());
    EXPECT_EQ(table->GetValueRowCol(1, CDemoTable::kName), QString("P1"));
}

TEST_F(DemoTableTest, StaticCellsCannotBeEdited)
{
    ClickCell(*table, 1, CDemoTable::kShare);
    TypeKeys(*table, "5");
    EXPECT_FALSE(table->IsEditing());
    DoubleClickCell(*table, 1, CDemoTable::kShare);
    EXPECT_FALSE(table->IsEditing());
    EXPECT_FALSE(table->StartEditing());
    DoubleClickCell(*table, 1, CDemoTable::kNote);
    EXPECT_TRUE(table->IsEditing());
}

TEST_F(DemoTableTest, UnchangedEditIsNotStoredNorValidated)
{
    data.records[0].heat = 0.0;
    ClickCell(*table, 1, CDemoTable::kHeat);
    PressKey(*table, Qt::Key_F2);
    PressKey(*table, Qt::Key_Return);
    EXPECT_FALSE(table->IsEditing());
    EXPECT_FALSE(table->CanUndo());
}

TEST_F(DemoTableTest, UndoAndRedoOfAnEdit)
{
    ClickCell(*table, 2, CDemoTable::kNote);
    TypeKeys(*table, "checked");
    PressKey(*table, Qt::Key_Return);
    ASSERT_EQ(data.records[1].note, "checked");
    ASSERT_TRUE(table->CanUndo());
    ClickCell(*table, 5, CDemoTable::kName);

    PressKey(*table, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(data.records[1].note, "n2");
    EXPECT_FALSE(table->CanUndo());
    ASSERT_TRUE(table->CanRedo());
    int row = 0;
    int col = 0;
    ASSERT_TRUE(table->GetCurrentCell(row, col));  // undo shows the cell it changed
    EXPECT_EQ(row, 2);
    EXPECT_EQ(col, CDemoTable::kNote);

    PressKey(*table, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(data.records[1].note, "checked");
    EXPECT_TRUE(table->CanUndo());
    EXPECT_FALSE(table->CanRedo());
}

TEST_F(DemoTableTest, UndoHistoryCanBeSuspendedAndEmptied)
{
    table->EnableUndo(false);
    ClickCell(*table, 1, CDemoTable::kNote);
    TypeKeys(*table, "a");
    PressKey(*table, Qt::Key_Return);
    EXPECT_FALSE(table->CanUndo());
    table->EnableUndo(true);
    ClickCell(*table, 2, CDemoTable::kNote);
    TypeKeys(*table, "b");
    PressKey(*table, Qt::Key_Return);
    EXPECT_TRUE(table->CanUndo());
    table->EmptyUndoHistory();
    EXPECT_FALSE(table->CanUndo());
    EXPECT_FALSE(table->Undo());
    EXPECT_EQ(data.records[1].note, "b");
}

TEST_F(DemoTableTest, KeyDownCallBackRunsFirstAndMayConsume)
{
    const int before = table->keyDownCalls;
    const int headerHeight = table->TableView()->horizontalHeader()->height();
    PressKey(*table, Qt::Key_F9);  // the demo's units switch
    EXPECT_EQ(table->keyDownCalls, before + 1);
    EXPECT_FALSE(data.showUnits);
    QApplication::processEvents();
    EXPECT_LT(table->TableView()->horizontalHeader()->height(), headerHeight);  // one text line now

    // An empty table swallows every key, navigation included.
    Open(0);
    const int calls = table->keyDownCalls;
    PressKey(*table, Qt::Key_Down);
    PressKey(*table, Qt::Key_Tab);
    PressKey(*table, Qt::Key_Return);
    EXPECT_EQ(table->keyDownCalls, calls + 3);
    int row = 0;
    int col = 0;
    EXPECT_FALSE(table->GetCurrentCell(row, col));
}

TEST_F(DemoTableTest, KeysWhileEditingReachTheCallBack)
{
    ClickCell(*table, 1, CDemoTable::kNote);
    TypeKeys(*table, "x");
    ASSERT_TRUE(table->IsEditing());
    const int before = table->keyDownCalls;
    TypeKeys(*table, "yz");  // the editor's own keys
    EXPECT_EQ(table->keyDownCalls, before);
    PressKey(*table, Qt::Key_Tab);  // leaves the cell: the call-back sees it first
    EXPECT_EQ(table->keyDownCalls, before + 1);
    EXPECT_EQ(data.records[0].note, "xyz");
}
