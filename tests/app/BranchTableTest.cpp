// The branch table as a user drives it: adding, typing, checks, inserting
// and deleting.
#include "Session.h"

#include "BranchTableView.h"
#include "ColumnIds.h"
#include "KalvexDoc.h"

#include <QLineEdit>

namespace {

// Grid column of a column id in a new document (all columns in id order).
int ColumnOf(ColumnId id)
{
    return id;
}

}  // namespace

using BranchTable = Session;

TEST_F(BranchTable, CtrlEnterAddsBranchesWithNewIds)
{
    for (int i = 0; i < 3; ++i)
        Press(Qt::Key_Return, Qt::ControlModifier);
    ASSERT_EQ(Doc().BranchCount(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Doc().BranchAt(i).branchId, i + 1);
    int row = 0, col = 0;
    ASSERT_TRUE(Branches()->GetCurrentCell(row, col));
    EXPECT_EQ(row, 3);
    EXPECT_EQ(col, 1);
    EXPECT_EQ(Branches()->GetRowCount(), 3);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(BranchTable, OutOfRangeValueIsRefusedAndTheEditStaysOpen)
{
    Command(Cmd::AddBranch);
    GoTo(1, ColumnOf(Col::DryBulb));
    Type("120.01");
    Press(Qt::Key_Return);
    ASSERT_EQ(warnings, QStringList{"Please enter a number from 0 to 120.00"});
    EXPECT_EQ(beeps, 1);
    ASSERT_TRUE(Branches()->IsEditing());
    EXPECT_EQ(Branches()->CurrentEditor()->text(), "120.01");
    EXPECT_EQ(Doc().BranchAt(0).intakeDryBulb, 30.0);

    // Other commands that store the edit first do nothing while it is refused.
    Command(Cmd::AddBranch);
    EXPECT_EQ(Doc().BranchCount(), 1);

    Branches()->CurrentEditor()->setText("120");
    Press(Qt::Key_Return);
    EXPECT_EQ(Doc().BranchAt(0).intakeDryBulb, 120.0);
    EXPECT_FALSE(Branches()->IsEditing());
}

TEST_F(BranchTable, SyntaxOfIntegersAndNumbersInCells)
{
    Command(Cmd::AddBranch);
    struct Case {
        ColumnId column;
        const char* text;
        const char* refusal;  // empty: accepted
    };
    const Case cases[] = {
        {Col::AgeIn, "007", "Please enter an integer."},
        {Col::AgeIn, "0", ""},
        {Col::Area, "1e3", "Please enter a number."},
        {Col::Length, "2.5", "Please enter an integer."},
        {Col::DepthIn, "-3", "Please enter an integer from 0 to 20,000"},
        {Col::Quantity, "0.09", "Please enter a number from 0.10 to 10,000.00"},
        {Col::Quantity, "0.1", ""},
        {Col::Area, "00.5", "Please enter a number."},
        {Col::Area, ".5", ""},
        {Col::Wetness, "-", "Please enter a number."},
        {Col::GeoStep, "-", "Please enter an integer."},
        {Col::Area, "99999999999999999999999", "Please enter a number from 0 to 1000.00"},
    };
    for (const Case& c : cases) {
        warnings.clear();
        GoTo(1, ColumnOf(c.column));
        Type(QString::fromLatin1(c.text));
        Press(Qt::Key_Return);
        if (*c.refusal) {
            EXPECT_EQ(warnings, QStringList{c.refusal}) << c.text;
            Branches()->CancelEditing();
        } else {
            EXPECT_TRUE(warnings.isEmpty()) << c.text;
        }
    }
    EXPECT_EQ(Doc().BranchAt(0).ageIn, 0.0);
    EXPECT_EQ(Doc().BranchAt(0).intakeQuantity, 0.1);
    EXPECT_EQ(Doc().BranchAt(0).area, 0.5);
}

TEST_F(BranchTable, ShiftEnterInsertsBelowTheCurrentRow)
{
    for (int i = 0; i < 3; ++i)
        Command(Cmd::AddBranch);
    GoTo(2, 3);
    Press(Qt::Key_Return, Qt::ShiftModifier);
    ASSERT_EQ(Doc().BranchCount(), 4);
    EXPECT_EQ(Doc().BranchAt(2).branchId, 4);
    int row = 0, col = 0;
    Branches()->GetCurrentCell(row, col);
    EXPECT_EQ(row, 3);
    EXPECT_EQ(col, 1);
}

TEST_F(BranchTable, InsertBranchesAboveASelectionOfRows)
{
    for (int i = 0; i < 5; ++i)
        Command(Cmd::AddBranch);
    Branches()->SelectRange(CGXRange::Rows(2, 4, Branches()->GetColCount()));
    ASSERT_TRUE(Enabled(Cmd::InsertBranches));
    Command(Cmd::InsertBranches);
    ASSERT_EQ(Doc().BranchCount(), 8);
    EXPECT_EQ(Doc().BranchAt(0).branchId, 1);
    EXPECT_EQ(Doc().BranchAt(1).branchId, 6);
    EXPECT_EQ(Doc().BranchAt(3).branchId, 8);
    EXPECT_EQ(Doc().BranchAt(4).branchId, 2);  // the former row 2 is now row 5
    int row = 0, col = 0;
    Branches()->GetCurrentCell(row, col);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(col, 1);
}

TEST_F(BranchTable, DeleteBranchesOfASelection)
{
    for (int i = 0; i < 5; ++i)
        Command(Cmd::AddBranch);
    Branches()->SelectRange(CGXRange::Rows(2, 4, Branches()->GetColCount()));
    Press(Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(Doc().BranchCount(), 2);
    EXPECT_EQ(Branches()->GetRowCount(), 2);
    EXPECT_EQ(Doc().BranchAt(1).branchId, 5);
    int row = 0, col = 0;
    ASSERT_TRUE(Branches()->GetCurrentCell(row, col));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(col, 1);

    GoTo(1, 1);
    Command(Cmd::DeleteBranches);
    GoTo(1, 1);
    Command(Cmd::DeleteBranches);
    EXPECT_EQ(Doc().BranchCount(), 0);
    EXPECT_EQ(Branches()->GetRowCount(), 0);
    EXPECT_FALSE(Enabled(Cmd::DeleteBranches));
    EXPECT_FALSE(Enabled(Cmd::InsertBranches));
    EXPECT_TRUE(Enabled(Cmd::AddBranch));
}

TEST_F(BranchTable, EmptyTableSwallowsKeys)
{
    GoTo(1, 1);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Return);
    Press(Qt::Key_Down);
    EXPECT_EQ(Doc().BranchCount(), 0);
    EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(BranchTable, TabWrapsToTheNextRowAndEnterSkipsStaticCells)
{
    Command(Cmd::AddBranch);
    Command(Cmd::AddBranch);
    const int last = Branches()->GetColCount();
    GoTo(1, last);
    Press(Qt::Key_Tab);
    int row = 0, col = 0;
    Branches()->GetCurrentCell(row, col);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(col, 1);
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    Branches()->GetCurrentCell(row, col);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(col, last);

    // Sequence mode makes the intake cells of a fed branch static.
    Doc().BranchAt(1).SetSourceBranchIds({1});
    Command(Cmd::SequenceMode);
    EXPECT_TRUE(Branches()->LookupStyle(2, Col::DryBulb).italic);
    EXPECT_FALSE(Branches()->LookupStyle(2, Col::DryBulb).editable);
    GoTo(2, Col::Name);
    Press(Qt::Key_Return);
    Branches()->GetCurrentCell(row, col);
    EXPECT_EQ(col, Col::Quantity);
    Command(Cmd::SequenceMode);
    EXPECT_TRUE(Branches()->LookupStyle(2, Col::DryBulb).editable);
}
