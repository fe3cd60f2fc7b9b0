// One undo history per document: edits and moves in any view are undone on
// the records they were made on, found by id.
#include "Session.h"

#include "BranchTableView.h"
#include "BranchPropertySheet.h"
#include "ColumnIds.h"
#include "EditCommands.h"
#include "KalvexDoc.h"
#include "OpenDocument.h"
#include "PageSheet.h"
#include "WorkerDlg.h"

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
    EXPECT_EQ(Open().undo.index(), 5);  // the five Add Branch steps are left

    Press(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(AreaOf(3), 25.0);
    EXPECT_EQ(AreaOf(4), 12.0);
}

TEST_F(Undo, BranchListChangesKeepTheHistory)
{
    ASSERT_TRUE(Edit(*Branches(), 2, Col::Name, "Intake"));
    Command(Cmd::AddBranch);
    GoTo(2, 1);
    Command(Cmd::InsertBranches);
    GoTo(4, 1);
    Command(Cmd::DeleteBranches);
    for (int i = 0; i < 3; ++i)
        Open().undo.undo();
    EXPECT_EQ(Order(), (std::vector<std::uint16_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Doc().BranchAt(1).name, "Intake");
    Open().undo.undo();
    EXPECT_EQ(Doc().BranchAt(1).name, "Sample");
    EXPECT_EQ(second->GetRowCount(), 5);
}

// A group undoes its children last first: a cell edited twice in one paste
// ends with the value it had before, not the one in between.
TEST_F(Undo, AGroupIsUndoneInReverseOrder)
{
    auto* group = new CEditGroupCommand(Doc(), QStringLiteral("Paste"));
    new CEditCellCommand(Doc(), 3, Col::Name, "Sample", "Middle", group);
    new CEditCellCommand(Doc(), 3, Col::Name, "Middle", "Last", group);
    Open().undo.push(group);
    EXPECT_EQ(Doc().BranchAt(2).name, "Last");
    Open().undo.undo();
    EXPECT_EQ(Doc().BranchAt(2).name, "Sample");
    Open().undo.redo();
    EXPECT_EQ(Doc().BranchAt(2).name, "Last");
}

// An order naming one id twice (and so leaving one out) is refused whole.
TEST_F(Undo, AReorderNamingAnIdTwiceLosesNoBranch)
{
    EXPECT_FALSE(ReorderBranches(Doc(), {1, 2, 2, 4, 5}));
    EXPECT_FALSE(ReorderBranches(Doc(), {5, 4, 3, 2}));
    EXPECT_FALSE(ReorderBranches(Doc(), {5, 4, 3, 2, 9}));
    EXPECT_EQ(Order(), (std::vector<std::uint16_t>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(ReorderBranches(Doc(), {5, 4, 3, 2, 1}));
    EXPECT_EQ(Order(), (std::vector<std::uint16_t>{5, 4, 3, 2, 1}));
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
    Open().undo.undo();  // the fifth Add Branch
    EXPECT_EQ(Doc().BranchCount(), 4);
}

// Edits, moves, branch list changes, dialog OKs, save points, undos and
// redos at random over two views, against a model that knows each branch's
// length by id, the order of the ids, the worker's metabolic rate, and
// whether the document differs from what was saved.
TEST_F(Undo, RandomStepsUndosAndSavesMatchAModel)
{
    struct State {
        std::vector<std::uint16_t> order;
        std::map<std::uint16_t, int> length;
        std::uint16_t lastId = 0;
        int metabolic = 200;
    };
    Doc().skinTempLimit = CKalvexDoc::SkinTempLimitFor(200);
    Open().MarkSaved();
    State model{Order(), {}, Doc().lastBranchId, 200};
    for (std::uint16_t id : model.order)
        model.length[id] = 100;
    std::vector<State> undone, redone;
    long saved = 0;  // the history depth that was saved; -1 once out of reach

    std::mt19937 random(20261210);
    auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    auto pushed = [&](const State& before) {
        if (saved > static_cast<long>(undone.size()))
            saved = -1;  // the saved state was among the undone steps
        undone.push_back(before);
        redone.clear();
    };
    auto answerLength = [](int value) {
        return [value](QDialog& dialog) {
            auto& sheet = dynamic_cast<CBranchPropertySheet&>(dialog);
            sheet.Sheet()->SwitchTo(kAirwayPage);
            sheet.FieldFor(Col::Length)->setText(QString::number(value));
            sheet.accept();
            return sheet.result();
        };
    };
    for (int step = 0; step < 300; ++step) {
        CBranchTableView& view = pick(0, 1) ? *Branches() : *second;
        const int count = static_cast<int>(model.order.size());
        const int row = pick(1, count);
        const std::uint16_t id = model.order[static_cast<std::size_t>(row - 1)];
        const State before = model;
        Branches()->ClearSelection();
        switch (pick(0, 15)) {
        case 0:
        case 1:
        case 2: {
            const int value = pick(2, 4000);
            ASSERT_TRUE(Edit(view, row, Col::Length, QString::number(value)));
            if (model.length[id] != value) {
                model.length[id] = value;
                pushed(before);
            }
            break;
        }
        case 3:
        case 4: {
            const int from = pick(1, count);
            const int to = pick(from, count);
            const int dest = pick(1, count - (to - from));
            if (dest == from)
                continue;  // nothing moves
            ASSERT_TRUE(view.MoveRows(from, to, dest));
            std::vector<std::uint16_t> block(model.order.begin() + from - 1, model.order.begin() + to);
            model.order.erase(model.order.begin() + from - 1, model.order.begin() + to);
            model.order.insert(model.order.begin() + dest - 1, block.begin(), block.end());
            pushed(before);
            break;
        }
        case 5:
        case 6: {
            if (count >= 9)
                continue;
            const bool add = pick(0, 1) == 0;
            GoTo(row, 1);
            ASSERT_TRUE(Command(add ? Cmd::AddBranch : Cmd::InsertBranches));
            const std::uint16_t added = ++model.lastId;
            model.order.insert(add ? model.order.end() : model.order.begin() + row - 1, added);
            model.length[added] = 100;
            pushed(before);
            break;
        }
        case 7:
            if (count <= 1)
                continue;
            GoTo(row, 1);
            ASSERT_TRUE(Command(Cmd::DeleteBranches));
            model.order.erase(model.order.begin() + row - 1);
            pushed(before);
            break;
        case 8: {
            const int value = pick(2, 4000);
            GoTo(row, 1);
            Expect(answerLength(value));
            Command(Cmd::BranchProperties);
            if (model.length[id] != value) {
                model.length[id] = value;
                pushed(before);
            }
            break;
        }
        case 9: {
            const int value = pick(40, 400);
            Expect([value](QDialog& dialog) {
                auto& worker = dynamic_cast<CWorkerDlg&>(dialog);
                worker.Field(kMetabolicField)->setText(QString::number(value));
                worker.accept();
                return worker.result();
            });
            Command(Cmd::WorkerDescription);
            if (model.metabolic != value) {
                model.metabolic = value;
                pushed(before);
            }
            break;
        }
        case 10:
            Open().MarkSaved();
            saved = static_cast<long>(undone.size());
            break;
        case 11:
        case 12:
        case 13:
            ASSERT_EQ(Open().undo.canUndo(), !undone.empty()) << "step " << step;
            if (undone.empty())
                continue;
            Open().undo.undo();
            redone.push_back(model);
            model = undone.back();
            undone.pop_back();
            break;
        default:
            ASSERT_EQ(Open().undo.canRedo(), !redone.empty()) << "step " << step;
            if (redone.empty())
                continue;
            Open().undo.redo();
            undone.push_back(model);
            model = redone.back();
            redone.pop_back();
            break;
        }
        ASSERT_EQ(Order(), model.order) << "step " << step;
        for (std::uint16_t branch : model.order)
            ASSERT_EQ(Doc().BranchAt(Doc().FindBranchIndex(branch)).length, model.length[branch]) << "step " << step << " id " << branch;
        ASSERT_EQ(Doc().metabolicRate, model.metabolic) << "step " << step;
        ASSERT_EQ(Doc().IsModified(), saved != static_cast<long>(undone.size())) << "step " << step;
        ASSERT_EQ(second->GetRowCount(), static_cast<int>(model.order.size())) << "step " << step;
    }
}
