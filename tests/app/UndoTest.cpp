// One undo history per document: edits and moves in any view are undone on
// the records they were made on, found by id.
#include "Session.h"

#include "BranchTableView.h"
#include "ColumnIds.h"
#include "KalvexDoc.h"
#include "OpenDocument.h"

#include <QLineEdit>
#include <QTest>
#include <QUndoStack>

#include <map>
#include <random>

namespace {

class Undo : public Session {
protected:
    void SetUp() override
    {
        Session::SetUp();
        for (int i = 0; i < 5; ++i)
            Command(Cmd::AddBranch);
        second = std::make_unique<CBranchTableView>(Open());
        second->InitialUpdate();
        second->resize(600, 300);
        second->show();
        main->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }
    void TearDown() override
    {
        second.reset();
        Session::TearDown();
    }

    // Types a value into a cell of a view as a user would and stores it.
    static bool Edit(CBranchTableView& view, int row, ColumnId column, const QString& text)
    {
        view.SetCurrentCell(row, column);
        if (!view.StartEditing())
            return false;
        view.CurrentEditor()->setText(text);
        return view.TransferCurrentCell();
    }

    std::vector<std::uint16_t> Order() const
    {
        std::vector<std::uint16_t> ids;
        for (int i = 0; i < Doc().BranchCount(); ++i)
            ids.push_back(Doc().BranchAt(i).branchId);
        return ids;
    }
    double AreaOf(std::uint16_t id) const { return Doc().BranchAt(Doc().FindBranchIndex(id)).area; }

    std::unique_ptr<CBranchTableView> second;
};

}  // namespace

TEST_F(Undo, AnEditIsUndoneOnItsBranchAfterAMoveInAnotherView)
{
    ASSERT_TRUE(Edit(*Branches(), 3, Col::Area, "25"));
    ASSERT_TRUE(second->MoveRows(1, 2, 3));
    EXPECT_EQ(Order(), (std::vector<std::uint16_t>{3, 4, 1, 2, 5}));
    EXPECT_EQ(Cell(1, Col::Area), "25.00");  // the other view follows

    GoTo(1, 1);
    Press(Qt::Key_Z, Qt::ControlModifier);  // the move
    EXPECT_EQ(Order(), (std::vector<std::uint16_t>{1, 2, 3, 4, 5}));
    Press(Qt::Key_Z, Qt::ControlModifier);  // the edit
    for (std::uint16_t id = 1; id <= 5; ++id)
        EXPECT_EQ(AreaOf(id), 12.0) << id;
    EXPECT_FALSE(Enabled(Cmd::Undo));

    Press(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(AreaOf(3), 25.0);
    EXPECT_EQ(AreaOf(4), 12.0);
}

TEST_F(Undo, BranchListChangesEmptyTheHistory)
{
    ASSERT_TRUE(Edit(*Branches(), 2, Col::Name, "Intake"));
    ASSERT_TRUE(Enabled(Cmd::Undo));
    Command(Cmd::AddBranch);
    EXPECT_FALSE(Enabled(Cmd::Undo));

    ASSERT_TRUE(Edit(*Branches(), 2, Col::Name, "Shaft"));
    GoTo(2, 1);
    Command(Cmd::InsertBranches);
    EXPECT_FALSE(Enabled(Cmd::Undo));

    ASSERT_TRUE(Edit(*Branches(), 2, Col::Length, "250"));
    GoTo(4, 1);
    Command(Cmd::DeleteBranches);
    EXPECT_FALSE(Enabled(Cmd::Undo));
    EXPECT_FALSE(Open().undo.canRedo());
}

TEST_F(Undo, AColumnMoveIsUndoneWithItsWidths)
{
    second->SetColWidth(1, 150);
    ASSERT_TRUE(second->MoveCols(2, 3, 1));
    std::vector<std::uint16_t> moved{0, 2, 3, 1};
    for (std::uint16_t id = 4; id <= 20; ++id)
        moved.push_back(id);
    EXPECT_EQ(Doc().branchColumns, moved);
    EXPECT_EQ(second->GetColWidth(3), 150);
    EXPECT_TRUE(Doc().IsModified());

    Open().undo.undo();
    EXPECT_EQ(Doc().branchColumns, CKalvexDoc::DefaultColumns(kBranchColumns));
    EXPECT_EQ(second->GetColWidth(1), 150);
    EXPECT_EQ(Branches()->GetColWidth(1), 150);
    Open().undo.redo();
    EXPECT_EQ(Doc().branchColumns, moved);
    EXPECT_EQ(Branches()->GetColWidth(3), 150);
}

TEST_F(Undo, APasteIsOneStep)
{
    Branches()->SetCurrentCell(1, Col::Area);
    ASSERT_TRUE(Branches()->PasteText("20\t30\n21\t31\n"));
    EXPECT_EQ(Doc().BranchAt(1).perimeter, 31.0);
    Open().undo.undo();
    EXPECT_EQ(Doc().BranchAt(0).area, 12.0);
    EXPECT_EQ(Doc().BranchAt(1).perimeter, 14.0);
    EXPECT_FALSE(Open().undo.canUndo());
}

// Edits, moves, undos and redos at random over two views, against a model
// that knows each branch's value by id and the order of the ids.
TEST_F(Undo, RandomEditsMovesAndUndosMatchAModel)
{
    struct State {
        std::vector<std::uint16_t> order;
        std::map<std::uint16_t, int> length;
    };
    State model{Order(), {}};
    for (std::uint16_t id : model.order)
        model.length[id] = 100;
    std::vector<State> undone, redone;

    std::mt19937 random(20261210);
    auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int step = 0; step < 300; ++step) {
        CBranchTableView& view = pick(0, 1) ? *Branches() : *second;
        const int action = pick(0, 9);
        if (action < 4) {
            const int row = pick(1, 5);
            const int value = pick(2, 4000);
            const std::uint16_t id = model.order[static_cast<std::size_t>(row - 1)];
            const bool changes = model.length[id] != value;
            ASSERT_TRUE(Edit(view, row, Col::Length, QString::number(value)));
            if (changes) {
                undone.push_back(model);
                redone.clear();
                model.length[id] = value;
            }
        } else if (action < 7) {
            const int from = pick(1, 5);
            const int to = pick(from, 5);
            const int dest = pick(1, 5 - (to - from));
            if (dest == from)
                continue;  // nothing moves
            ASSERT_TRUE(view.MoveRows(from, to, dest));
            undone.push_back(model);
            redone.clear();
            std::vector<std::uint16_t> block(model.order.begin() + from - 1, model.order.begin() + to);
            model.order.erase(model.order.begin() + from - 1, model.order.begin() + to);
            model.order.insert(model.order.begin() + dest - 1, block.begin(), block.end());
        } else if (action < 9) {
            ASSERT_EQ(Open().undo.canUndo(), !undone.empty());
            if (undone.empty())
                continue;
            Open().undo.undo();
            redone.push_back(model);
            model = undone.back();
            undone.pop_back();
        } else {
            ASSERT_EQ(Open().undo.canRedo(), !redone.empty());
            if (redone.empty())
                continue;
            Open().undo.redo();
            undone.push_back(model);
            model = redone.back();
            redone.pop_back();
        }
        ASSERT_EQ(Order(), model.order) << "step " << step;
        for (const auto& [id, length] : model.length)
            ASSERT_EQ(Doc().BranchAt(Doc().FindBranchIndex(id)).length, length) << "step " << step << " id " << id;
    }
}
