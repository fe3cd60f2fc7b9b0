// The Columns dialog and a table's page setup.
#include "Session.h"

#include "ColumnChoice.h"
#include "ColumnsDlg.h"
#include "GridPageSetupDlg.h"
#include "KalvexDoc.h"
#include "KalvexTableView.h"
#include "MarginText.h"
#include "archive/DocumentFile.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>

#include <algorithm>

using ColumnsAndPageSetup = Session;

namespace {

int Line(const std::vector<ColumnId>& ids, ColumnId id)
{
    return static_cast<int>(std::find(ids.begin(), ids.end(), id) - ids.begin());
}

}  // namespace

TEST(ColumnChoice, RemovedColumnsGoToTheEndOfTheAvailableList)
{
    std::vector<ColumnId> list{Col::BranchRow, Col::Name, Col::DryBulb, Col::WetBulb, Col::Length, Col::Area};
    CColumnChoice choice = CColumnChoice::ForList(list, kBranchColumns);
    ASSERT_EQ(choice.Available().front(), Col::Pressure);
    const std::size_t before = choice.Available().size();
    choice.Remove(Line(choice.Shown(), Col::WetBulb));
    choice.Remove(Line(choice.Shown(), Col::Area));
    ASSERT_EQ(choice.Available().size(), before + 2);
    EXPECT_EQ(choice.Available()[before], Col::WetBulb);
    EXPECT_EQ(choice.Available()[before + 1], Col::Area);

    // Added in front of the selected shown line, or at the end.
    const int length = Line(choice.Shown(), Col::Length);
    choice.Add(Line(choice.Available(), Col::DepthIn), length);
    EXPECT_EQ(choice.Shown()[static_cast<std::size_t>(length)], Col::DepthIn);
    EXPECT_EQ(choice.Shown()[static_cast<std::size_t>(length + 1)], Col::Length);
    EXPECT_EQ(choice.Add(0, -1), -1);
    EXPECT_EQ(choice.Shown().size() + choice.Available().size(), 20u);

    EXPECT_EQ(choice.MoveUp(0), 0);
    const int last = static_cast<int>(choice.Shown().size()) - 1;
    const std::vector<ColumnId> shown = choice.Shown();
    EXPECT_EQ(choice.MoveDown(last), last);
    EXPECT_EQ(choice.Shown(), shown);
    EXPECT_EQ(choice.MoveDown(0), 1);
    EXPECT_EQ(choice.Shown()[1], shown[0]);
}

TEST(ColumnChoice, ResetShowsEveryColumnOfTheTable)
{
    CColumnChoice choice = CColumnChoice::ForList({Col::ResultRow, Col::Mst}, kResultColumns);
    choice.Reset();
    EXPECT_TRUE(choice.Available().empty());
    ASSERT_EQ(choice.Shown().size(), 17u);
    EXPECT_EQ(choice.Shown().front(), Col::Distance);
    EXPECT_EQ(choice.Shown().back(), Col::Htc);
}

TEST_F(ColumnsAndPageSetup, AnEmptyColumnListLeavesTheRowNumbersAndCanBeUndoneByColumns)
{
    Command(Cmd::AddBranch);
    Expect([](QDialog& dialog) {
        auto& columns = dynamic_cast<CColumnsDlg&>(dialog);
        EXPECT_EQ(columns.ShownList()->count(), 20);
        EXPECT_EQ(columns.ShownList()->item(1)->text(), "Dry Bulb");
        while (columns.ShownList()->count() > 0) {
            columns.ShownList()->setCurrentRow(0);
            columns.Remove();
        }
        return int(QDialog::Accepted);
    });
    Command(Cmd::Columns);
    EXPECT_EQ(Doc().branchColumns, std::vector<std::uint16_t>{Col::BranchRow});
    EXPECT_EQ(Table()->GetColCount(), 0);
    EXPECT_TRUE(Doc().IsModified());

    Expect([](QDialog& dialog) {
        auto& columns = dynamic_cast<CColumnsDlg&>(dialog);
        EXPECT_EQ(columns.AvailableList()->count(), 20);
        columns.Reset();
        return int(QDialog::Accepted);
    });
    Command(Cmd::Columns);
    EXPECT_EQ(Doc().branchColumns, CKalvexDoc::DefaultColumns(kBranchColumns));
    EXPECT_EQ(Table()->GetColCount(), 20);

    Expect(Button(QDialog::Rejected));
    Command(Cmd::Columns);
    EXPECT_EQ(Table()->GetColCount(), 20);
}

TEST(MarginText, InchesAndCentimetres)
{
    EXPECT_EQ(MarginText(96, 96), "1.00 in");
    EXPECT_EQ(ParseMarginText("2.5 cm", 96), 94);
    EXPECT_EQ(MarginText(94, 96), "0.98 in");
    EXPECT_EQ(ParseMarginText("2.5 CM", 96), 94);
    EXPECT_EQ(ParseMarginText("0.5", 96), 48);
    EXPECT_EQ(ParseMarginText("0.5 in", 96), 48);
    EXPECT_EQ(ParseMarginText("abc", 96), 0);
    EXPECT_FALSE(ParseMarginText("-1", 96).has_value());
    EXPECT_FALSE(ParseMarginText("1e999", 96).has_value());
    EXPECT_FALSE(ParseMarginText("nan", 96).has_value());
}

TEST_F(ColumnsAndPageSetup, PageSetupShowsTheDefaultsAndKeepsLandscapeInTheFile)
{
    Command(Cmd::AddBranch);
    Expect([](QDialog& dialog) {
        auto& setup = dynamic_cast<CGridPageSetupDlg&>(dialog);
        EXPECT_EQ(setup.MarginEdit(0)->text(), "1.00 in");
        EXPECT_EQ(setup.MarginEdit(2)->text(), "1.50 in");
        EXPECT_FALSE(setup.Landscape()->isChecked());
        setup.MarginEdit(0)->setText("2.5 cm");
        setup.Landscape()->setChecked(true);
        setup.Option(3)->setChecked(false);  // frame
        setup.accept();
        return setup.result();
    });
    Command(Cmd::PageSetup);
    const CGridProperties& properties = Doc().branchGridParam->properties;
    EXPECT_EQ(properties.landscape, 1);
    EXPECT_FALSE(properties.printFrame);
    EXPECT_EQ(properties.marginLeft, 94);  // 2.5 cm at 96 pixels per inch

    const QString path = TempPath("landscape.zt2");
    ASSERT_TRUE(SaveDocumentFile(path.toStdString(), Doc()).ok);
    CKalvexDoc reread;
    ASSERT_TRUE(LoadDocumentFile(path.toStdString(), reread).ok);
    EXPECT_EQ(reread.branchGridParam->properties.landscape, 1);
}

TEST_F(ColumnsAndPageSetup, PageSetupCancelAndBadMarginsChangeNothing)
{
    const CGridProperties before = Doc().branchGridParam->properties;
    Expect([](QDialog& dialog) {
        auto& setup = dynamic_cast<CGridPageSetupDlg&>(dialog);
        for (int i = 0; i < 4; ++i)
            setup.MarginEdit(i)->setText("3");
        setup.Landscape()->setChecked(true);
        return int(QDialog::Rejected);
    });
    Command(Cmd::PageSetup);
    EXPECT_EQ(Doc().branchGridParam->properties, before);

    Expect([this](QDialog& dialog) {
        auto& setup = dynamic_cast<CGridPageSetupDlg&>(dialog);
        setup.MarginEdit(2)->setText("-1 in");
        Expect(Button(QMessageBox::Ok));
        setup.accept();  // refused: the dialog stays
        EXPECT_EQ(setup.result(), int(QDialog::Rejected));
        EXPECT_TRUE(dialogs.last().contains("Enter a margin"));
        return int(QDialog::Rejected);
    });
    Command(Cmd::PageSetup);
    EXPECT_EQ(Doc().branchGridParam->properties, before);
}

// Add puts the column above the selected shown line, which keeps its
// selection one line further down.
TEST_F(ColumnsAndPageSetup, AddKeepsTheSelectedShownColumnSelected)
{
    Expect([](QDialog& dialog) {
        auto& columns = dynamic_cast<CColumnsDlg&>(dialog);
        columns.ShownList()->setCurrentRow(3);
        columns.Remove();  // the fourth column goes to the available list
        columns.AvailableList()->setCurrentRow(0);
        columns.ShownList()->setCurrentRow(1);
        const QString selected = columns.ShownList()->item(1)->text();
        const QString added = columns.AvailableList()->item(0)->text();
        columns.Add();
        EXPECT_EQ(columns.ShownList()->item(1)->text(), added);
        const QList<QListWidgetItem*> now = columns.ShownList()->selectedItems();
        EXPECT_EQ(now.size(), 1);
        EXPECT_EQ(columns.ShownList()->row(now.value(0)), 2);
        EXPECT_EQ(now.value(0) ? now.value(0)->text() : QString(), selected);
        return int(QDialog::Rejected);
    });
    Command(Cmd::Columns);
}

// The OKs of Columns and Page Setup are one undo step each.
TEST_F(ColumnsAndPageSetup, ColumnsAndPageSetupAreUndoneAndRedone)
{
    Command(Cmd::AddBranch);
    const std::vector<ColumnId> all = Doc().branchColumns;
    const CGridProperties before = Doc().branchGridParam->properties;
    Expect([](QDialog& dialog) {
        auto& columns = dynamic_cast<CColumnsDlg&>(dialog);
        columns.ShownList()->setCurrentRow(0);
        columns.Remove();
        return int(QDialog::Accepted);
    });
    Command(Cmd::Columns);
    Expect([](QDialog& dialog) {
        auto& setup = dynamic_cast<CGridPageSetupDlg&>(dialog);
        setup.Landscape()->setChecked(true);
        setup.accept();
        return setup.result();
    });
    Command(Cmd::PageSetup);
    ASSERT_EQ(Doc().branchColumns.size(), all.size() - 1);
    ASSERT_EQ(Doc().branchGridParam->properties.landscape, 1);

    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Doc().branchGridParam->properties, before);
    EXPECT_EQ(Doc().branchColumns.size(), all.size() - 1);
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Doc().branchColumns, all);
    EXPECT_EQ(Table()->GetColCount(), static_cast<int>(all.size()) - 1);
    Press(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(Table()->GetColCount(), static_cast<int>(all.size()) - 2);
    EXPECT_EQ(Doc().branchColumns[1], all[2]);
}
