// The intake air source and heat source summary tables.
#include "Session.h"

#include "AirSourceView.h"
#include "ColumnIds.h"
#include "HeatSource.h"
#include "HeatSourceView.h"
#include "KalvexDoc.h"
#include "KalvexFrm.h"

#include <QLineEdit>

namespace {

class SourceTables : public Session {
protected:
    // Grid column of an id in a new document's list.
    static int At(ColumnId id, ColumnRange range) { return id - range.header; }

    bool EditCell(int row, int col, const QString& text)
    {
        GoTo(row, col);
        if (!Table()->StartEditing())
            return false;
        Table()->CurrentEditor()->setText(text);
        return Table()->TransferCurrentCell();
    }
};

}  // namespace

TEST_F(SourceTables, AdditionalAirIsCheckedAndOnlyFedBranchesHaveIt)
{
    for (int i = 0; i < 3; ++i)
        Command(Cmd::AddBranch);
    Doc().BranchAt(0).SetSourceBranchIds({2});  // ignored: the first branch has no sources
    Doc().BranchAt(2).SetSourceBranchIds({1});
    Command(Cmd::ViewAirSourceTable);
    ASSERT_NE(qobject_cast<CAirSourceView*>(Table()), nullptr);
    EXPECT_EQ(Frame()->windowTitle(), "Untitled - Intake Air Source Table");
    const int quantity = At(Col::AddedQuantity, kAirSourceColumns);
    EXPECT_EQ(Cell(1, quantity), "N/A");
    EXPECT_FALSE(Table()->LookupStyle(1, quantity).editable);
    EXPECT_TRUE(Table()->LookupStyle(1, quantity).italic);
    EXPECT_EQ(Cell(2, quantity), "N/A");
    EXPECT_FALSE(Table()->LookupStyle(2, quantity).editable);
    Doc().BranchAt(1).SetSourceBranchIds({1});  // its first source branch
    EXPECT_TRUE(Table()->LookupStyle(2, quantity).editable);
    EXPECT_EQ(Cell(2, quantity), "0.00");
    EXPECT_TRUE(Table()->LookupStyle(3, quantity).editable);
    EXPECT_EQ(Cell(3, quantity), "0.00");

    EXPECT_FALSE(EditCell(3, quantity, "0"));
    EXPECT_EQ(warnings.value(0), "Please enter a number from 0.10 to 100.00");
    Table()->CancelEditing();
    EXPECT_FALSE(EditCell(3, quantity, "100.5"));
    Table()->CancelEditing();
    EXPECT_TRUE(EditCell(3, quantity, "100"));
    EXPECT_TRUE(EditCell(3, quantity, "0.1"));
    EXPECT_EQ(Doc().BranchAt(2).addedQuantity, 0.1);
    EXPECT_FALSE(EditCell(3, At(Col::AddedWetBulb, kAirSourceColumns), "100.01"));
    EXPECT_EQ(warnings.value(2), "Please enter a number from 0 to 100.00");
    Table()->CancelEditing();

    // Branch-list commands work here as in the branch table.
    GoTo(1, 1);
    EXPECT_TRUE(Enabled(Cmd::DeleteBranches));
    Command(Cmd::AddBranch);
    EXPECT_EQ(Doc().BranchCount(), 4);
}

TEST_F(SourceTables, SourceBranchTextsFollowDeletedBranches)
{
    for (int i = 0; i < 4; ++i)
        Command(Cmd::AddBranch);
    Doc().BranchAt(3).SetSourceBranchIds({3, 1});
    Command(Cmd::ViewAirSourceTable);
    const int sources = At(Col::SourceBranches, kAirSourceColumns);
    EXPECT_EQ(Cell(1, sources), "None - N/A");
    EXPECT_EQ(Cell(2, sources), "None");
    EXPECT_EQ(Cell(4, sources), "3, 1");
    EXPECT_FALSE(Table()->LookupStyle(4, sources).editable);

    GoTo(3, 1);
    Command(Cmd::DeleteBranches);
    EXPECT_EQ(Cell(3, sources), "1");
    EXPECT_EQ(Doc().BranchAt(2).SourceBranchIds(), std::vector<std::uint16_t>{1});
}

TEST_F(SourceTables, HeatTotalsAreReadOnlyAndShiftEnterStillInserts)
{
    Command(Cmd::AddBranch);
    CKalvexBranch& branch = Doc().BranchAt(0);
    for (double power : {100.0, 50.5}) {
        CHeatSource diesel;
        diesel.kind = CHeatSource::Diesel;
        diesel.power() = power;
        branch.AddHeatSource(diesel);
    }
    Command(Cmd::ViewHeatSourceTable);
    ASSERT_NE(qobject_cast<CHeatSourceView*>(Table()), nullptr);
    const int dieselCol = At(Col::DieselTotal, kHeatSourceColumns);
    EXPECT_EQ(Cell(1, dieselCol), "150.50");
    EXPECT_EQ(Cell(1, At(Col::ElectricTotal, kHeatSourceColumns)), "none");
    EXPECT_EQ(Cell(1, At(Col::FanTotal, kHeatSourceColumns)), "none");
    EXPECT_FALSE(Table()->LookupStyle(1, dieselCol).editable);
    EXPECT_TRUE(Table()->LookupStyle(1, 1).editable);
    EXPECT_FALSE(Enabled(Cmd::AddBranch));
    EXPECT_FALSE(Enabled(Cmd::InsertBranches));
    EXPECT_FALSE(Enabled(Cmd::DeleteBranches));

    GoTo(1, 1);
    Press(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(Doc().BranchCount(), 2);
    EXPECT_EQ(Table()->GetRowCount(), 2);

    // A renamed branch shows its new name in the other tables.
    EXPECT_TRUE(EditCell(1, 1, "Workshop"));
    Command(Cmd::ViewBranchTable);
    EXPECT_EQ(Cell(1, 1), "Workshop");
}

TEST_F(SourceTables, TheTwoSourceTablesShareTheUnitsSwitch)
{
    Command(Cmd::ViewHeatSourceTable);
    CKalvexTableView* heat = Table();
    EXPECT_TRUE(heat->GetValueRowCol(0, 2).contains('\n'));
    Command(Cmd::ViewAirSourceTable);
    EXPECT_TRUE(Checked(Cmd::Units));
    Command(Cmd::Units);
    EXPECT_FALSE(Doc().showUnitsSourceTables);
    EXPECT_TRUE(Doc().showUnitsBranchTable);
    EXPECT_FALSE(heat->GetValueRowCol(0, 2).contains('\n'));
    Command(Cmd::ViewBranchTable);
    EXPECT_TRUE(Cell(0, 2).contains('\n'));
}
