// Editing cells as a user does: typing, Enter, moving away, refusal by the
// validation call-back, Escape, the key-down call-back, and the editing
// commands' shortcuts left to the window's actions.
#include "DemoFixture.h"
#include "GXFindReplaceDialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>

#include <map>

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
    EXPECT_TRUE(table->log.isEmpty());
}

namespace {

// The editing commands whose shortcuts the window's actions own.
const QKeySequence::StandardKey kCommandKeys[] = {
    QKeySequence::Copy, QKeySequence::Paste,    QKeySequence::Undo,    QKeySequence::Redo,
    QKeySequence::Find, QKeySequence::FindNext, QKeySequence::Replace,
};

// Presses the first key binding of a standard key on the platform; false
// when the platform has none.
bool PressStandardKey(QWidget* target, QKeySequence::StandardKey key)
{
    const QList<QKeySequence> bindings = QKeySequence::keyBindings(key);
    if (bindings.isEmpty())
        return false;
    const QKeyCombination combination = bindings.first()[0];
    QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
    QApplication::processEvents();
    return true;
}

// A window without actions that counts the keys its children leave (the
// modifier keys pressed on their own aside).
class KeyCatcher : public QWidget {
public:
    int keys = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        switch (event->key()) {
        case Qt::Key_Control:
        case Qt::Key_Shift:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
            break;
        default:
            ++keys;
            break;
        }
        event->accept();
    }
};

}  // namespace

TEST_F(DemoTableTest, EditingShortcutsReachTheWindowsActions)
{
    QMainWindow window;
    auto* grid = new CDemoTable(data, param.get());
    grid->InitialUpdate(false);
    window.setCentralWidget(grid);
    std::map<QKeySequence::StandardKey, int> triggered;
    for (const QKeySequence::StandardKey key : kCommandKeys) {
        QAction* action = window.addAction(QString::number(static_cast<int>(key)));
        action->setShortcut(QKeySequence(key));
        QObject::connect(action, &QAction::triggered, [&triggered, key] { ++triggered[key]; });
    }
    ShowGrid(window);
    grid->TableView()->setFocus();
    ASSERT_TRUE(grid->SetCurrentCell(2, CDemoTable::kNote));

    QApplication::clipboard()->setText("untouched");
    for (const QKeySequence::StandardKey key : kCommandKeys) {
        if (PressStandardKey(grid->TableView(), key)) {
            EXPECT_EQ(triggered[key], 1) << QKeySequence(key).toString().toStdString();
        }
    }
    // The grid did none of it itself.
    EXPECT_EQ(QApplication::clipboard()->text(), QString("untouched"));
    EXPECT_TRUE(grid->log.isEmpty());
    EXPECT_EQ(grid->findChild<CGXFindReplaceDialog*>(), nullptr);

    // In a cell being edited, copy and paste are the editor's.
    TypeKeys(*grid, "abc");
    ASSERT_TRUE(grid->IsEditing());
    QLineEdit* editor = grid->CurrentEditor();
    editor->selectAll();
    ASSERT_TRUE(PressStandardKey(editor, QKeySequence::Copy));
    EXPECT_EQ(QApplication::clipboard()->text(), QString("abc"));
    editor->end(false);
    ASSERT_TRUE(PressStandardKey(editor, QKeySequence::Paste));
    EXPECT_EQ(editor->text(), QString("abcabc"));
    EXPECT_EQ(triggered[QKeySequence::Copy], 1);
    EXPECT_EQ(triggered[QKeySequence::Paste], 1);
    PressKey(*grid, Qt::Key_Escape);
    EXPECT_EQ(data.records[1].note, "n2");
}

TEST_F(DemoTableTest, GridAloneLeavesEditingShortcutsToItsWindow)
{
    KeyCatcher window;
    auto* grid = new CDemoTable(data, param.get(), nullptr, &window);
    grid->InitialUpdate(false);
    grid->resize(600, 300);
    ShowGrid(window);
    grid->TableView()->setFocus();
    ASSERT_TRUE(grid->SetCurrentCell(1, CDemoTable::kNote));

    QApplication::clipboard()->setText("pasted");
    int pressed = 0;
    for (const QKeySequence::StandardKey key : kCommandKeys)
        pressed += PressStandardKey(grid->TableView(), key) ? 1 : 0;
    EXPECT_EQ(window.keys, pressed);  // every one passed on, none swallowed
    EXPECT_EQ(QApplication::clipboard()->text(), QString("pasted"));
    EXPECT_TRUE(grid->log.isEmpty());
    EXPECT_EQ(grid->findChild<CGXFindReplaceDialog*>(), nullptr);
    int row = 0;
    int col = 0;
    ASSERT_TRUE(grid->GetCurrentCell(row, col));
    EXPECT_EQ(row, 1);
    EXPECT_FALSE(grid->IsEditing());
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
