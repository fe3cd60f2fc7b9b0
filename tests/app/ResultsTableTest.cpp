// Execute from the tables and the results table: rows, message rows,
// colours, the branch shown, and the Data Errors dialog.
#include "Session.h"

#include "ColumnChoice.h"
#include "ColumnIds.h"
#include "DataErrorsDlg.h"
#include "KalvexDoc.h"
#include "KalvexFrm.h"
#include "ResultTableView.h"
#include "ResultTwl.h"
#include "RunUi.h"
#include "SelectBranchDlg.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>

using ResultsTable = Session;

namespace {

int FirstMessageRow(const CKalvexBranch& branch)
{
    for (int i = 0; i < branch.ResultCount(); ++i)
        if (branch.ResultAt(i).isMessage)
            return i + 1;
    return 0;
}

// The lines of an exported file.
QStringList FileLines(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n') : QStringList();
}

}  // namespace

TEST_F(ResultsTable, F10RunsTheSelectedBranchAndTheTableShowsItsRows)
{
    Command(Cmd::AddBranch);
    Command(Cmd::AddBranch);
    Doc().BranchAt(1).name = "Decline";
    GoTo(2, 1);
    Press(Qt::Key_F10);
    const CKalvexBranch& branch = Doc().BranchAt(1);
    ASSERT_GT(branch.ResultCount(), 0);
    EXPECT_EQ(Doc().resultBranch, &branch);
    EXPECT_EQ(Doc().BranchAt(0).ResultCount(), 0);

    Command(Cmd::ViewResultsTable);
    CResultTableView* results = Results();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(Frame()->windowTitle(), "Untitled - Results Table - Decline");
    EXPECT_EQ(results->GetRowCount(), branch.ResultCount());
    EXPECT_EQ(results->GetValueRowCol(1, 1), "0");  // distance of the intake row

    const int message = FirstMessageRow(branch);
    ASSERT_GT(message, 0);
    EXPECT_EQ(results->GetValueRowCol(message, 1).toStdString(), branch.ResultAt(message - 1).messageText);
    EXPECT_TRUE(results->GetValueRowCol(message, 2).isEmpty());
    CGXRange covering;
    ASSERT_TRUE(results->GetCoveredCells(message, 1, covering));
    EXPECT_EQ(covering.right, results->GetColCount());
    EXPECT_FALSE(results->LookupStyle(1, 2).editable);
    EXPECT_FALSE(Enabled(Cmd::Paste));
    EXPECT_FALSE(Enabled(Cmd::AddBranch));
}

TEST_F(ResultsTable, SkinTemperatureAtTheLimitIsRedAndCondensingRowsItalic)
{
    Command(Cmd::AddBranch);
    Press(Qt::Key_F10);
    CKalvexBranch& branch = Doc().BranchAt(0);
    branch.ResultAt(0).meanSkinTemp = 36.0;
    branch.ResultAt(1).meanSkinTemp = 35.99;
    branch.ResultAt(1).condensing = true;
    Command(Cmd::ViewResultsTable);
    const int mst = Col::Mst - Col::ResultRow;
    EXPECT_EQ(Results()->GetValueRowCol(1, mst), "36.00");
    EXPECT_EQ(Results()->LookupStyle(1, mst).textColour, QColor(200, 0, 0));
    EXPECT_FALSE(Results()->LookupStyle(2, mst).textColour.isValid());
    EXPECT_TRUE(Results()->LookupStyle(2, 1).italic);
    EXPECT_FALSE(Results()->LookupStyle(1, 1).italic);

    Doc().skinTempLimit = 37.0;
    EXPECT_FALSE(Results()->LookupStyle(1, mst).textColour.isValid());
}

TEST_F(ResultsTable, NextAndPreviousStopAtTheEndsOfTheList)
{
    for (int i = 0; i < 3; ++i)
        Command(Cmd::AddBranch);
    GoTo(1, 1);
    Press(Qt::Key_F10);
    Command(Cmd::ViewResultsTable);
    EXPECT_FALSE(Enabled(Cmd::PreviousBranch));
    ASSERT_TRUE(Enabled(Cmd::NextBranch));
    Press(Qt::Key_F8, Qt::ControlModifier);
    EXPECT_EQ(Doc().resultBranch, &Doc().BranchAt(1));
    EXPECT_EQ(Results()->GetRowCount(), 0);  // not run yet
    Command(Cmd::NextBranch);
    EXPECT_EQ(Doc().resultBranch, &Doc().BranchAt(2));
    EXPECT_FALSE(Enabled(Cmd::NextBranch));
    EXPECT_TRUE(Enabled(Cmd::PreviousBranch));
    Press(Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_EQ(Doc().resultBranch, &Doc().BranchAt(1));
}

TEST_F(ResultsTable, SelectNothingEmptiesTheTable)
{
    Command(Cmd::AddBranch);
    Command(Cmd::AddBranch);
    GoTo(2, 1);
    Command(Cmd::Execute);
    Command(Cmd::ViewResultsTable);
    QStringList offered;
    Expect([&offered](QDialog& dialog) {
        auto& select = dynamic_cast<CSelectBranchDlg&>(dialog);
        for (int i = 0; i < select.List()->count(); ++i)
            offered << select.List()->item(i)->text();
        EXPECT_EQ(select.ChosenIndex(), 1);
        select.List()->clearSelection();
        return int(QDialog::Accepted);
    });
    Press(Qt::Key_F8);
    EXPECT_EQ(offered, (QStringList{"1 - Sample", "2 - Sample"}));
    EXPECT_EQ(Doc().resultBranch, nullptr);
    EXPECT_EQ(Results()->GetRowCount(), 0);
    EXPECT_EQ(Frame()->windowTitle(), "Untitled - Results Table");
    EXPECT_FALSE(Enabled(Cmd::Execute));
}

TEST_F(ResultsTable, InvalidInputShowsTheDataErrorsAndRunsNothing)
{
    Command(Cmd::AddBranch);
    Doc().BranchAt(0).intakeWetBulb = 35.0;  // above the dry bulb
    QStringList texts;
    int listed = 0;
    Expect([&](QDialog& dialog) {
        auto& errors = dynamic_cast<CDataErrorsDlg&>(dialog);
        for (QLabel* label : errors.findChildren<QLabel*>())
            texts << label->text();
        listed = errors.List()->count();
        return int(QDialog::Accepted);
    });
    Press(Qt::Key_F10);
    EXPECT_TRUE(texts.contains(kDataErrorsHeading));
    EXPECT_TRUE(texts.contains(kDataErrorsRequest));
    EXPECT_GE(listed, 1);
    EXPECT_EQ(Doc().BranchAt(0).ResultCount(), 0);
}

TEST_F(ResultsTable, ExecuteInSequenceModeRunsEveryBranch)
{
    for (int i = 0; i < 3; ++i)
        Command(Cmd::AddBranch);
    Command(Cmd::SequenceMode);
    EXPECT_TRUE(Checked(Cmd::SequenceMode));
    GoTo(2, 1);
    Command(Cmd::Execute);
    for (int i = 0; i < 3; ++i)
        EXPECT_GT(Doc().BranchAt(i).ResultCount(), 0) << i;
}

TEST_F(ResultsTable, ExportWritesTheShownColumnsAsCsv)
{
    Command(Cmd::AddBranch);
    Doc().BranchAt(0).name = "Drift, east";
    Command(Cmd::Execute);
    Command(Cmd::ViewResultsTable);
    Doc().resultColumns = {Col::ResultRow, Col::Distance, Col::Mst};
    Results()->SetColCount(2);
    const QString path = TempPath("results.csv");
    QFile::remove(path);
    Expect(File(path));
    ASSERT_TRUE(Command(Cmd::Export));
    const QStringList lines = FileLines(path);
    ASSERT_GT(lines.size(), 2);
    EXPECT_EQ(lines[0], "Branch,1,\"Drift, east\"");
    EXPECT_EQ(lines[1], QString::fromUtf8("Row,Distance (m),MST (\u00B0C)"));
    EXPECT_EQ(lines[2], "1,0," + Results()->GetValueRowCol(1, 2));
    const int message = FirstMessageRow(Doc().BranchAt(0));
    EXPECT_TRUE(lines[message + 1].startsWith(QStringLiteral("%1,").arg(message)));

    Expect(Button(QDialog::Rejected));
    EXPECT_FALSE(Command(Cmd::Export));
}

TEST_F(ResultsTable, ThermalWorkLimitColumnIsOfferedColouredByZoneAndExported)
{
    Command(Cmd::AddBranch);
    Command(Cmd::Execute);
    Command(Cmd::ViewResultsTable);
    // Offered by the Columns dialog, not shown by a new document.
    const CColumnChoice offer = CColumnChoice::ForList(Doc().resultColumns, kResultTableColumns);
    EXPECT_EQ(offer.Available(), std::vector<ColumnId>{Col::Twl});

    Doc().resultColumns = {Col::ResultRow, Col::Distance, Col::Twl};
    Results()->SetColCount(2);
    const CKalvexBranch& branch = Doc().BranchAt(0);
    const CResultTwl twl(Doc(), branch);
    const TwlResult first = twl.At(branch.ResultAt(0));
    EXPECT_EQ(Results()->GetValueRowCol(0, 2), QString::fromUtf8("TWL\n(W/m\u00B2)"));
    EXPECT_EQ(Results()->GetValueRowCol(1, 2).toStdString(), CResultTwl::Text(first));
    const CGXStyle style = Results()->LookupStyle(1, 2);
    EXPECT_EQ(style.interiorColour, CResultTableView::ZoneColour(first.zone));
    EXPECT_EQ(style.toolTip, QString::fromUtf8(ZoneName(first.zone)) + " zone");
    EXPECT_FALSE(Results()->LookupStyle(1, 1).interiorColour.isValid());
    const int message = FirstMessageRow(branch);
    EXPECT_TRUE(Results()->LookupStyle(message, 2).toolTip.isEmpty());

    // Hot, humid air in still conditions is a Withdrawal zone, in red.
    Doc().BranchAt(0).ResultAt(1).wetBulb = 33.0;
    EXPECT_EQ(Results()->LookupStyle(2, 2).interiorColour, CResultTableView::ZoneColour(TwlZone::Withdrawal));

    const QString path = TempPath("twl.csv");
    QFile::remove(path);
    Expect(File(path));
    ASSERT_TRUE(Command(Cmd::Export));
    const QStringList lines = FileLines(path);
    ASSERT_GT(lines.size(), 2);
    EXPECT_EQ(lines[1], QString::fromUtf8("Row,Distance (m),TWL (W/m\u00B2)"));
    EXPECT_EQ(lines[2], "1,0," + Results()->GetValueRowCol(1, 2));
}
