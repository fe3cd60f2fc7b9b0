// Design answers in the windowed program: the Tools commands, the dialog's
// checks, and Apply as an edit of the branch that is then executed.
#include "Session.h"

#include "KalvexDoc.h"
#include "NumberText.h"
#include "OpenDocument.h"
#include "RequirementDlg.h"
#include "archive/DocumentFile.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

class Requirement : public Session {
protected:
    void OpenExample(const char* name)
    {
        ASSERT_NE(main->OpenDocument(QStringLiteral(EXAMPLES_DIR "/") + QString::fromUtf8(name)), nullptr);
        GoTo(1, 1);
    }
    // The criterion's highest value over the branch's result rows from
    // distance `after` on.
    double Peak(int index, SolveCriterion criterion, double after = -1.0)
    {
        double peak = -1e9;
        for (const CResultInterval& row : Doc().BranchAt(index).ResultList()) {
            if (row.isMessage || row.distance <= after)
                continue;
            const double values[] = {row.meanSkinTemp, row.wbgt, row.effectiveTemp, row.dryBulb, row.wetBulb};
            peak = std::max(peak, values[static_cast<int>(criterion)]);
        }
        return peak;
    }
};

CRequirementDlg& Dialog(QDialog& dialog) { return dynamic_cast<CRequirementDlg&>(dialog); }

}  // namespace

TEST_F(Requirement, BothCommandsAreToolsForTheCurrentBranch)
{
    EXPECT_FALSE(Enabled(Cmd::RequiredQuantity));  // no branch yet
    EXPECT_FALSE(Enabled(Cmd::RequiredCooling));
    Command(Cmd::AddBranch);
    EXPECT_TRUE(Enabled(Cmd::RequiredQuantity));
    EXPECT_TRUE(Enabled(Cmd::RequiredCooling));
    QStringList tools;
    for (QAction* menu : main->menuBar()->actions())
        if (menu->text() == "&Tools")
            for (QAction* item : menu->menu()->actions())
                tools << item->text();
    EXPECT_TRUE(tools.contains("Re&quired Air Quantity...")) << tools.join(", ").toStdString();
    EXPECT_TRUE(tools.contains("Required &Cooling..."));
}

TEST_F(Requirement, ApplyWritesTheQuantityAndTheExecutedBranchKeepsTheLimit)
{
    OpenExample("haulage-drift.zt2");
    CRequirementAnswer shown;
    Expect([&](QDialog& dialog) {
        CRequirementDlg& dlg = Dialog(dialog);
        dlg.Criterion()->setCurrentIndex(1);  // WBGT, from 28.00 °C
        EXPECT_EQ(dlg.Limit()->text(), "28.00");
        EXPECT_FALSE(dlg.ApplyButton()->isEnabled());
        EXPECT_TRUE(dlg.Find());
        shown = *dlg.Answer();
        EXPECT_TRUE(dlg.ApplyButton()->isEnabled());
        EXPECT_TRUE(dlg.AnswerText()->text().contains(QString::fromStdString(FormatFixed(shown.value, 2))));
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(Command(Cmd::RequiredQuantity));
    ASSERT_EQ(shown.status, SolveStatus::Found);
    EXPECT_EQ(Doc().BranchAt(0).intakeQuantity, shown.value);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_LE(Peak(0, SolveCriterion::Wbgt), 28.0);  // executed with the new quantity
}

TEST_F(Requirement, ClosingOrARefusedFieldLeavesTheDocumentAsItWas)
{
    OpenExample("haulage-drift.zt2");
    const std::vector<std::uint8_t> before = WriteDocumentBytes(Doc());
    Expect([&](QDialog& dialog) {
        CRequirementDlg& dlg = Dialog(dialog);
        dlg.Limit()->setText("hot");
        Expect(Button(QMessageBox::Ok));
        EXPECT_FALSE(dlg.Find());
        EXPECT_FALSE(dlg.Answer().has_value());
        dlg.Limit()->setText("30");
        dlg.Find();
        EXPECT_TRUE(dlg.Answer().has_value());
        dlg.Limit()->setText("31");
        emit dlg.Limit()->textEdited("31");  // any change takes the answer away
        EXPECT_FALSE(dlg.Answer().has_value());
        EXPECT_FALSE(dlg.ApplyButton()->isEnabled());
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(Command(Cmd::RequiredQuantity));
    EXPECT_TRUE(script.messages.contains("Enter a number.")) << script.messages.join(" / ").toStdString();
    EXPECT_EQ(WriteDocumentBytes(Doc()), before);
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(Requirement, ApplyAddsOneSpotCoolerAndTheLimitHoldsDownstreamOfIt)
{
    OpenExample("haulage-drift.zt2");
    const int sourcesBefore = Doc().BranchAt(0).HeatSourceCount();
    CRequirementAnswer shown;
    double location = 0.0;
    Expect([&](QDialog& dialog) {
        CRequirementDlg& dlg = Dialog(dialog);
        dlg.Criterion()->setCurrentIndex(1);  // WBGT
        dlg.Location()->setText("100");
        EXPECT_TRUE(dlg.Find());
        shown = *dlg.Answer();
        location = dlg.Query().coolerLocation;
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(Command(Cmd::RequiredCooling));
    ASSERT_EQ(shown.status, SolveStatus::Found);
    const CKalvexBranch& branch = Doc().BranchAt(0);
    ASSERT_EQ(branch.HeatSourceCount(), sourcesBefore + 1);
    const CHeatSource& cooler = branch.HeatSourceList().back();
    EXPECT_EQ(cooler.kind, CHeatSource::Spot);
    EXPECT_EQ(cooler.location, 100.0);
    EXPECT_EQ(location, 100.0);
    EXPECT_EQ(cooler.sensibleHeat(), shown.value);
    EXPECT_LT(shown.value, 0.0);
    EXPECT_LE(Peak(0, SolveCriterion::Wbgt, 100.0), 28.0);

    // Apply is one undo step; the run after it is not.
    Open().undo.undo();
    EXPECT_EQ(Doc().BranchAt(0).HeatSourceCount(), sourcesBefore);
    EXPECT_TRUE(Doc().IsModified());
    Open().undo.redo();
    EXPECT_EQ(Doc().BranchAt(0).HeatSourceList().back().sensibleHeat(), shown.value);
}
