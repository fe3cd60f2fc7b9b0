// "Worker Description" and its pick lists, driven as a user.
#include "BranchDialogs.h"
#include "DialogTest.h"
#include "KalvexDoc.h"
#include "WorkerDlg.h"
#include "WorkerPickLists.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

class WorkerDescription : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        doc.OnNewDocument();
    }

    bool Run(std::function<void(CWorkerDlg&)> user)
    {
        Expect([user](QDialog& dialog) {
            auto& worker = dynamic_cast<CWorkerDlg&>(dialog);
            Show(worker);
            user(worker);
            return worker.result();
        });
        // Stored as the program's undo step stores it.
        CWorkerValues values;
        if (!EditWorkerDescription(nullptr, doc, values))
            return false;
        doc.SetWorkerValues(values);
        return true;
    }

    // Answers a pick list that opens at row `from`: the row moved to with
    // Down presses, then OK (or Cancel).
    void ExpectPick(int downs, bool ok = true, int from = 1)
    {
        Expect([downs, ok, from](QDialog& dialog) {
            Show(dialog);
            auto* list = dialog.findChild<CClothingFactorGrid*>();
            EXPECT_EQ(list->GetCurrentRow(), from);
            list->TableView()->setFocus();
            for (int i = 0; i < downs; ++i)
                Press(list->TableView(), Qt::Key_Down);
            auto* buttons = dialog.findChild<QDialogButtonBox*>();
            Click(buttons->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel));
            return dialog.result();
        });
    }

    static QString Text(CWorkerDlg& dialog, WorkerField field) { return dialog.Field(field)->text(); }

    CKalvexDoc doc;
};

TEST_F(WorkerDescription, OpensWithTheDocumentValuesInTheirForms)
{
    doc.metabolicRate = 212.9;  // truncated for the dialog
    EXPECT_FALSE(Run([](CWorkerDlg& dialog) {
        EXPECT_EQ(Text(dialog, kResistanceField), "0.000");
        EXPECT_EQ(Text(dialog, kAreaFactorField), "1");
        EXPECT_EQ(Text(dialog, kPermeabilityField), "0.45");
        EXPECT_EQ(Text(dialog, kMetabolicField), "212");
        EXPECT_EQ(Text(dialog, kViewFactorField), "0.75");
        Type(dialog.Field(kMetabolicField), "300");
        Click(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel));
    }));
    EXPECT_EQ(doc.metabolicRate, 212.9);
    EXPECT_EQ(doc.skinTempLimit, 36.0);
}

TEST_F(WorkerDescription, FieldsAreReadInTheirOrderAndTheFirstRefusedKeepsTheFocus)
{
    const bool stored = Run([this](CWorkerDlg& dialog) {
        Type(dialog.Field(kResistanceField), "0.6");  // read after the metabolic rate
        Type(dialog.Field(kMetabolicField), "39");
        ExpectMessage();
        Click(dialog.OkButton());
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(Focus(), dialog.Field(kMetabolicField));
        Type(dialog.Field(kMetabolicField), "100");
        Type(dialog.Field(kViewFactorField), "0.95");
        ExpectMessage();
        Click(dialog.OkButton());
        EXPECT_EQ(Focus(), dialog.Field(kViewFactorField));
        Type(dialog.Field(kViewFactorField), "0.6");
        ExpectMessage();
        Click(dialog.OkButton());
        EXPECT_EQ(Focus(), dialog.Field(kResistanceField));
        Type(dialog.Field(kResistanceField), "0.1234");
        Type(dialog.Field(kPermeabilityField), "1e999");
        ExpectMessage();
        Click(dialog.OkButton());
        Type(dialog.Field(kPermeabilityField), "0.333");
        Type(dialog.Field(kAreaFactorField), "1.456");
        Click(dialog.OkButton());
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_TRUE(stored);
    EXPECT_EQ(messages, (QStringList{"Enter an integer between 40 and 400.", "Enter a number between 0.6 and 0.9.",
                                     "Enter a number between 0 and 0.5.", "Enter a number between 0.1 and 1."}));
    EXPECT_EQ(doc.metabolicRate, 100);
    EXPECT_EQ(doc.skinTempLimit, 35.80);
    EXPECT_EQ(doc.clothingResistance, 0.123);
    EXPECT_EQ(doc.vapourPermeability, 0.33);
    EXPECT_EQ(doc.areaFactor, 1.46);
    EXPECT_EQ(doc.bodyViewFactor, 0.6);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(WorkerDescription, ConfirmingUnchangedValuesDerivesTheSkinTemperatureLimit)
{
    EXPECT_TRUE(Run([](CWorkerDlg& dialog) { Click(dialog.OkButton()); }));
    EXPECT_EQ(doc.skinTempLimit, 34.98);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(WorkerDescription, ClothingPickFillsResistanceAndAreaFactorAndRedisplays)
{
    const bool stored = Run([this](CWorkerDlg& dialog) {
        Type(dialog.Field(kPermeabilityField), "0.9");
        ExpectPick(4);  // " Thick trousers, long sleeve shirt"
        Click(dialog.ClothingButton());
        EXPECT_EQ(Text(dialog, kResistanceField), "0.110");
        EXPECT_EQ(Text(dialog, kAreaFactorField), "1.28");
        EXPECT_EQ(Text(dialog, kPermeabilityField), "0.45");  // the typed text is gone
        // A cancelled pick changes nothing, typed texts included.
        Type(dialog.Field(kPermeabilityField), "0.8");
        ExpectPick(1, false, 5);  // opens at the chosen ensemble
        Click(dialog.ClothingButton());
        EXPECT_EQ(Text(dialog, kPermeabilityField), "0.8");
        Click(dialog.OkButton());
    });
    EXPECT_TRUE(stored);
    EXPECT_EQ(doc.clothingResistance, 0.11);
    EXPECT_EQ(doc.areaFactor, 1.28);
    EXPECT_EQ(doc.vapourPermeability, 0.8);
}

TEST_F(WorkerDescription, ActivityPickSetsTheMetabolicRate)
{
    const bool stored = Run([this](CWorkerDlg& dialog) {
        ExpectPick(4);  // " Walking on the level at 1.4 m/s"
        Click(dialog.ActivityButton());
        EXPECT_EQ(Text(dialog, kMetabolicField), "175");
        ExpectPick(20, true, 5);  // Down stops at the last row, " Manual work - heavy"
        Click(dialog.ActivityButton());
        EXPECT_EQ(Text(dialog, kMetabolicField), "340");
        Click(dialog.OkButton());
    });
    EXPECT_TRUE(stored);
    EXPECT_EQ(doc.metabolicRate, 340);
}

TEST_F(WorkerDescription, PickListsShowTheirTablesAndTabLeavesThem)
{
    CClothingFactorDlg clothing;
    CClothingFactorGrid* list = clothing.List();
    ASSERT_EQ(list->GetRowCount(), 6);
    EXPECT_EQ(list->GetRowTexts(6), (QStringList{" Long sleeve coveralls, long sleeve shirt", "0.143", "1.28"}));
    EXPECT_TRUE(list->IsReadOnly());
    EXPECT_EQ(clothing.Chosen().areaFactor, 1.0);

    CMetRateDlg rates;
    ASSERT_EQ(rates.List()->GetRowCount(), 10);
    EXPECT_EQ(rates.List()->GetRowTexts(7), (QStringList{" Manual work - very light", "95"}));
    EXPECT_EQ(rates.List()->GetValueRowCol(0, 1), " Activity");
    EXPECT_EQ(rates.List()->GetValueRowCol(0, 2), QString::fromUtf8("Metabolic Heat Production\n(W/m\u00B2)"));
    EXPECT_EQ(list->GetValueRowCol(0, 1), " Ensemble");
    Show(rates);
    rates.List()->TableView()->setFocus();
    Press(rates.List()->TableView(), Qt::Key_Tab);
    ASSERT_NE(Focus(), nullptr);
    EXPECT_FALSE(rates.List()->isAncestorOf(Focus()));
}

}  // namespace

TEST_F(WorkerDescription, PickListsOpenAtTheCurrentValueAndADoubleClickChooses)
{
    CMetRateDlg rates;
    rates.ShowCurrent(175);
    EXPECT_EQ(rates.List()->GetCurrentRow(), 5);
    rates.ShowCurrent(200);  // not in the list: the row stays
    EXPECT_EQ(rates.List()->GetCurrentRow(), 5);
    CClothingFactorDlg clothing;
    clothing.ShowCurrent(0.143, 1.28);
    EXPECT_EQ(clothing.List()->GetCurrentRow(), 6);

    Show(rates);
    QTableView* table = rates.List()->TableView();
    rates.List()->ShowRow(6);
    emit table->doubleClicked(table->model()->index(5, 0));  // as the view does on a double click
    EXPECT_EQ(rates.result(), QDialog::Accepted);
    EXPECT_EQ(rates.Chosen().rate, 220);
}
