// Every change to a document is one undo step: the dialogs' OKs, Add,
// Insert and Delete Branches, the worker and the sequence mode, a paste that
// needs new branches; and the modified flag follows the history.
#include "Session.h"

#include "BranchPropertySheet.h"
#include "ColumnIds.h"
#include "KalvexDoc.h"
#include "KalvexTableView.h"
#include "OpenDocument.h"
#include "PageSheet.h"
#include "WorkerDlg.h"
#include "archive/DocumentFile.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QUndoStack>

namespace {

class UndoSteps : public Session {
protected:
    // Answers Branch Properties: the field of the column set, then OK.
    Answer Properties(ColumnId column, const QString& text)
    {
        return [column, text](QDialog& dialog) {
            auto& sheet = dynamic_cast<CBranchPropertySheet&>(dialog);
            QLineEdit* field = sheet.FieldFor(column);
            for (int page = 0; page < sheet.Sheet()->PageCount(); ++page)
                if (sheet.Page(page)->FieldFor(column))
                    sheet.Sheet()->SwitchTo(page);
            field->setText(text);
            sheet.accept();
            return sheet.result();
        };
    }
    static Answer Worker(const QString& metabolicRate)
    {
        return [metabolicRate](QDialog& dialog) {
            auto& worker = dynamic_cast<CWorkerDlg&>(dialog);
            worker.Field(kMetabolicField)->setText(metabolicRate);
            worker.accept();
            return worker.result();
        };
    }
    std::string Name(int index) const { return Doc().BranchAt(index).name; }
};

}  // namespace

TEST_F(UndoSteps, ADialogEditAfterACellEditIsItsOwnStep)
{
    Command(Cmd::AddBranch);
    GoTo(1, Col::Name);
    Type("FromCell");
    Press(Qt::Key_Return);
    ASSERT_EQ(Name(0), "FromCell");
    Expect(Properties(Col::Name, "FromDialog"));
    Press(Qt::Key_F9);
    ASSERT_EQ(Name(0), "FromDialog");
    EXPECT_EQ(Cell(1, Col::Name), "FromDialog");

    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Name(0), "FromCell");
    EXPECT_EQ(Cell(1, Col::Name), "FromCell");
    Press(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(Name(0), "FromDialog");
    Press(Qt::Key_Z, Qt::ControlModifier);
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Name(0), "Sample");
}

TEST_F(UndoSteps, ADeletedBranchComesBackWithItsPlaceAndViews)
{
    for (int i = 0; i < 3; ++i)
        Command(Cmd::AddBranch);
    GoTo(2, Col::Name);
    Type("Keep");
    Press(Qt::Key_Return);
    Doc().BranchAt(1).length = 321;
    Doc().resultBranch = &Doc().BranchAt(1);
    Doc().graphBranch = &Doc().BranchAt(1);

    GoTo(2, 1);
    ASSERT_TRUE(Command(Cmd::DeleteBranches));
    ASSERT_EQ(Doc().BranchCount(), 2);
    EXPECT_EQ(Doc().resultBranch, nullptr);
    EXPECT_EQ(Doc().graphBranch, nullptr);
    EXPECT_EQ(Cell(2, Col::Name), "Sample");

    Press(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(Doc().BranchCount(), 3);
    EXPECT_EQ(Doc().BranchAt(1).branchId, 2);
    EXPECT_EQ(Name(1), "Keep");
    EXPECT_EQ(Doc().BranchAt(1).length, 321);
    EXPECT_EQ(Doc().resultBranch, &Doc().BranchAt(1));
    EXPECT_EQ(Doc().graphBranch, &Doc().BranchAt(1));
    EXPECT_EQ(Table()->GetRowCount(), 3);
    EXPECT_EQ(Cell(2, Col::Name), "Keep");

    Press(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(Doc().BranchCount(), 2);
    EXPECT_EQ(Doc().graphBranch, nullptr);
    EXPECT_EQ(Doc().FindBranchIndex(2), -1);
}

TEST_F(UndoSteps, DeletingTheWholeMineIsUndone)
{
    for (int i = 0; i < 4; ++i)
        Command(Cmd::AddBranch);
    Table()->SelectRange(CGXRange::Table(Table()->GetRowCount(), Table()->GetColCount()));
    Press(Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(Doc().BranchCount(), 0);
    Press(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(Doc().BranchCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Doc().BranchAt(i).branchId, i + 1);
}

TEST_F(UndoSteps, AddAndInsertAreUndoneWithTheIdsTheyIssued)
{
    Command(Cmd::AddBranch);
    Command(Cmd::AddBranch);
    GoTo(2, 1);
    ASSERT_TRUE(Command(Cmd::InsertBranches));
    EXPECT_EQ(Doc().BranchAt(1).branchId, 3);
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Doc().BranchCount(), 2);
    EXPECT_EQ(Doc().lastBranchId, 2);
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Doc().BranchCount(), 1);
    Command(Cmd::AddBranch);  // the undone id is issued again
    EXPECT_EQ(Doc().BranchAt(1).branchId, 2);
    EXPECT_FALSE(Open().undo.canRedo());
}

TEST_F(UndoSteps, APasteAddsTheBranchesItNeedsAsOneStep)
{
    Command(Cmd::AddBranch);
    GoTo(1, Col::Area);
    ASSERT_TRUE(Table()->PasteText("20\n21\n22\n"));
    ASSERT_EQ(Doc().BranchCount(), 3);
    EXPECT_EQ(Doc().BranchAt(2).area, 22.0);
    EXPECT_EQ(Table()->GetRowCount(), 3);
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Doc().BranchCount(), 1);
    EXPECT_EQ(Doc().BranchAt(0).area, 12.0);
    EXPECT_EQ(Table()->GetRowCount(), 1);
    Press(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(Doc().BranchCount(), 3);
    EXPECT_EQ(Doc().BranchAt(1).area, 21.0);
}

TEST_F(UndoSteps, APasteTheHeatSourceTableCannotHoldIsRefusedWhole)
{
    Command(Cmd::AddBranch);
    Command(Cmd::ViewHeatSourceTable);
    GoTo(1, 1);
    const std::uint64_t changes = Doc().ChangeCount();
    EXPECT_FALSE(Table()->PasteText("a\nb\n"));
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_EQ(warnings[0], "The clipboard holds 1 more rows than the table has from the current row down. Nothing "
                           "was pasted.");
    EXPECT_EQ(Doc().BranchCount(), 1);
    EXPECT_EQ(Doc().ChangeCount(), changes);
}

TEST_F(UndoSteps, TheModifiedFlagFollowsTheHistory)
{
    const QString path = TempPath("undo-saved.zt2");
    Command(Cmd::AddBranch);
    Expect(File(path));
    ASSERT_TRUE(Command(Cmd::FileSaveAs));
    ASSERT_FALSE(Doc().IsModified());

    Press(Qt::Key_Z, Qt::ControlModifier);  // undo after a save
    EXPECT_TRUE(Doc().IsModified());
    Press(Qt::Key_R, Qt::ControlModifier);  // back where it was saved
    EXPECT_FALSE(Doc().IsModified());

    GoTo(1, 1);
    Expect(Properties(Col::Length, "250"));
    Press(Qt::Key_F9);
    EXPECT_EQ(Doc().BranchAt(0).length, 250);
    EXPECT_TRUE(Doc().IsModified());
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(Doc().IsModified());

    // A run is not on the history: undoing to the saved point leaves it modified.
    Press(Qt::Key_R, Qt::ControlModifier);
    ASSERT_TRUE(Command(Cmd::Execute));
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(UndoSteps, CloseAfterAWorkerChangeAsksAndYesStoresIt)
{
    const QString path = TempPath("undo-worker.zt2");
    Command(Cmd::AddBranch);
    Expect(File(path));
    ASSERT_TRUE(Command(Cmd::FileSaveAs));

    Expect(Worker("300"));
    ASSERT_TRUE(Command(Cmd::WorkerDescription));
    EXPECT_TRUE(Doc().IsModified());
    Expect(Button(QMessageBox::Yes));
    ASSERT_TRUE(Command(Cmd::FileClose));
    Settle();
    EXPECT_TRUE(dialogs.last().contains("Save changes to undo-worker.zt2?")) << dialogs.last().toStdString();

    CKalvexDoc onDisk;
    ASSERT_TRUE(LoadDocumentFile(path.toStdString(), onDisk).ok);
    EXPECT_EQ(onDisk.metabolicRate, 300);
}

TEST_F(UndoSteps, TheWorkerAndTheSequenceModeAreSteps)
{
    Command(Cmd::AddBranch);
    Open().MarkSaved();
    Expect(Worker("300"));
    ASSERT_TRUE(Command(Cmd::WorkerDescription));
    ASSERT_TRUE(Command(Cmd::SequenceMode));
    EXPECT_TRUE(Doc().sequenceMode);
    EXPECT_TRUE(Doc().IsModified());

    Open().undo.undo();
    EXPECT_FALSE(Doc().sequenceMode);
    EXPECT_EQ(Doc().metabolicRate, 300);
    Open().undo.undo();
    EXPECT_EQ(Doc().metabolicRate, 200);
    EXPECT_EQ(Doc().skinTempLimit, 36.0);
    EXPECT_FALSE(Doc().IsModified());
    Open().undo.redo();
    EXPECT_EQ(Doc().skinTempLimit, CKalvexDoc::SkinTempLimitFor(300));
}
