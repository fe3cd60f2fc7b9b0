// The branch dialogs reached from the views: availability, Cancel, and the
// views after an OK.
#include "Session.h"

#include "ColumnIds.h"
#include "FanRegDlg.h"
#include "HelpWindow.h"
#include "KalvexDoc.h"
#include "KalvexFrm.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

using BranchCommands = Session;

TEST_F(BranchCommands, EachViewOpensTheDialogsOfItsBranch)
{
    Command(Cmd::AddBranch);
    Command(Cmd::AddBranch);
    GoTo(1, 1);
    EXPECT_TRUE(Enabled(Cmd::BranchProperties));
    EXPECT_FALSE(Enabled(Cmd::AirSources));  // the first branch has no sources
    GoTo(2, 1);
    EXPECT_TRUE(Enabled(Cmd::AirSources));
    Doc().SetModifiedFlag(false);

    const std::pair<int, QString> dialogsOf[] = {{Cmd::BranchProperties, "Branch Properties"},
                                                 {Cmd::HeatSources, "Branch Heat Sources"},
                                                 {Cmd::FanReg, "Fan or Pressure Loss in Branch"},
                                                 {Cmd::AirSources, "Inlet Air Sources"}};
    for (const auto& [command, title] : dialogsOf) {
        Expect(Button(QDialog::Rejected));
        EXPECT_FALSE(Command(command));
        EXPECT_EQ(dialogs.last(), title);
    }
    EXPECT_FALSE(Doc().IsModified());

    Expect(Button(QDialog::Rejected));
    Command(Cmd::WorkerDescription);
    EXPECT_EQ(dialogs.last(), "Worker Description");

    // From the results table and the graph, for the branch they show.
    Command(Cmd::Execute);
    Command(Cmd::ViewResultsTable);
    Expect(Button(QDialog::Rejected));
    Press(Qt::Key_F9);
    EXPECT_EQ(dialogs.last(), "Branch Properties");
    Command(Cmd::ViewGraphs);
    Expect(Button(QDialog::Rejected));
    Press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(dialogs.last(), "Fan or Pressure Loss in Branch");
}

TEST_F(BranchCommands, AFanSetInItsDialogShowsInTheHeatSourceTable)
{
    Command(Cmd::AddBranch);
    Command(Cmd::ViewHeatSourceTable);
    const int fan = Col::FanTotal - Col::HeatTotalRow;
    EXPECT_EQ(Cell(1, fan), "none");
    GoTo(1, 1);
    Expect([](QDialog& dialog) {
        auto& fanDialog = dynamic_cast<CFanRegDlg&>(dialog);
        fanDialog.Field(kFanPressureField)->setText("1.5");
        fanDialog.Field(kFanHeatField)->setText("75");
        fanDialog.accept();
        return fanDialog.result();
    });
    ASSERT_TRUE(Command(Cmd::FanReg));
    EXPECT_EQ(Doc().BranchAt(0).fanReg.sensibleHeat, 75.0);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Cell(1, fan), "75.00");
}

TEST_F(BranchCommands, TheHelpButtonOfADialogOpensItsPage)
{
    Command(Cmd::AddBranch);
    Expect([](QDialog& dialog) {
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        EXPECT_NE(buttons, nullptr);
        if (buttons && buttons->button(QDialogButtonBox::Help))
            buttons->button(QDialogButtonBox::Help)->click();
        return int(QDialog::Rejected);
    });
    Command(Cmd::FanReg);
    ASSERT_NE(CHelpWindow::Existing(), nullptr);
    EXPECT_EQ(CHelpWindow::Existing()->CurrentTopic(), "fan-regulator");
    CHelpWindow::Existing()->close();
}
