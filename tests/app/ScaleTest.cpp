// A mine-sized document in the windowed program: the tables ask only for
// the cells they show, and the branch-list commands take whole blocks.
#include "Session.h"

#include "BranchTableView.h"
#include "ColumnIds.h"
#include "KalvexDoc.h"
#include "OpenDocument.h"
#include "ResultTableView.h"

#include <QApplication>
#include <QScrollBar>
#include <QTableView>

namespace {

// A branch table that counts the cells it is asked for.
class CountingTable : public CBranchTableView {
public:
    using CBranchTableView::CBranchTableView;
    mutable long asked = 0;

protected:
    bool GetStyleRowCol(int row, int col, CGXStyle& style) const override
    {
        ++asked;
        return CBranchTableView::GetStyleRowCol(row, col, style);
    }
};

class Scale : public Session {
protected:
    // Cells asked for by one repaint at the end of a table of n branches.
    long CellsAskedAtTheEnd(int n)
    {
        Doc().DeleteBranches(0, Doc().BranchCount());
        Doc().InsertNewBranches(0, n);
        CountingTable table(Open());
        table.InitialUpdate();
        table.resize(900, 600);
        table.show();
        QApplication::processEvents();
        table.SetCurrentCell(n, 1);
        table.TableView()->verticalScrollBar()->setValue(table.TableView()->verticalScrollBar()->maximum());
        QApplication::processEvents();
        table.asked = 0;
        table.TableView()->viewport()->repaint();
        return table.asked;
    }
};

}  // namespace

TEST_F(Scale, ARepaintAsksForTheVisibleCellsOnly)
{
    const long at2000 = CellsAskedAtTheEnd(2000);
    const long at4000 = CellsAskedAtTheEnd(4000);
    EXPECT_GT(at2000, 0);
    EXPECT_LT(at2000, 2000);        // far fewer than the rows
    EXPECT_LE(at4000, at2000 + 40);  // and not more for twice the rows
}

TEST_F(Scale, LargeBlocksAreInsertedAndDeletedWhole)
{
    Doc().InsertNewBranches(0, 2000);
    Doc().UpdateAllViews(nullptr, kHintBranchList);
    ASSERT_EQ(Branches()->GetRowCount(), 2000);
    Branches()->SelectRange(CGXRange::Rows(1001, 2000, Branches()->GetColCount()));
    ASSERT_TRUE(Command(Cmd::InsertBranches));
    EXPECT_EQ(Doc().BranchCount(), 3000);
    EXPECT_EQ(Doc().BranchAt(1000).branchId, 2001);
    EXPECT_EQ(Doc().BranchAt(2000).branchId, 1001);

    Branches()->SelectRange(CGXRange::Table(Branches()->GetRowCount(), Branches()->GetColCount()));
    ASSERT_TRUE(Command(Cmd::DeleteBranches));
    EXPECT_EQ(Doc().BranchCount(), 0);
    EXPECT_EQ(Branches()->GetRowCount(), 0);
}

TEST_F(Scale, TheResultsOfA4000MetreBranchAreAllShown)
{
    Command(Cmd::AddBranch);
    Doc().BranchAt(0).length = 4000;
    Command(Cmd::Execute);
    Command(Cmd::ViewResultsTable);
    const CKalvexBranch& branch = Doc().BranchAt(0);
    ASSERT_GT(branch.ResultCount(), 400);
    EXPECT_EQ(Results()->GetRowCount(), branch.ResultCount());
    EXPECT_EQ(Results()->GetValueRowCol(401, 1), "4000");
}
