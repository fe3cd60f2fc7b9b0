// "Fan or Pressure Loss in Branch" and "Inlet Air Sources", driven as a user.
#include "AirSourcesDlg.h"
#include "BranchDialogs.h"
#include "DialogTest.h"
#include "FanRegDlg.h"
#include "KalvexDoc.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

class SmallBranchDialogs : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        doc.OnNewDocument();
        const char* names[] = {"Intake", "Shaft", "Decline", "Stope"};
        for (int i = 0; i < 4; ++i) {
            doc.InsertNewBranch(i);
            doc.BranchAt(i).name = names[i];
        }
        doc.SetModifiedFlag(false);
    }

    template <class Dialog>
    void ExpectDialog(std::function<void(Dialog&)> user)
    {
        Expect([user](QDialog& dialog) {
            auto& shown = dynamic_cast<Dialog&>(dialog);
            Show(shown);
            user(shown);
            return shown.result();
        });
    }

    static void Cancel(QDialog& dialog)
    {
        Click(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel));
    }

    static QStringList Items(QListWidget* list)
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }

    static void Pick(QListWidget* list, int row)
    {
        list->setFocus();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(row)).center());
        QApplication::processEvents();
    }

    CKalvexDoc doc;
};

TEST_F(SmallBranchDialogs, FanDistanceMustLieInsideTheBranch)
{
    CKalvexBranch& branch = doc.BranchAt(1);
    branch.length = 250;
    branch.fanReg.location = 12.8;
    branch.fanReg.pressureChange = 1.5;
    branch.fanReg.description = "booster";
    ExpectDialog<CFanRegDlg>([this](CFanRegDlg& dialog) {
        EXPECT_EQ(dialog.DistanceHint()->text(), "(0 to 249 m)");
        EXPECT_EQ(dialog.Field(kFanDescriptionField)->text(), "booster");
        EXPECT_EQ(dialog.Field(kFanDistanceField)->text(), "12");
        EXPECT_EQ(dialog.Field(kFanPressureField)->text(), "1.500");
        EXPECT_EQ(dialog.Field(kFanHeatField)->text(), "0.00");
        Type(dialog.Field(kFanDistanceField), "250");
        Type(dialog.Field(kFanHeatField), "120.5");
        ExpectMessage();
        Click(dialog.OkButton());
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(Focus(), dialog.Field(kFanDistanceField));
        // Read before the distance: the heat load, then the pressure.
        Type(dialog.Field(kFanPressureField), "-20.5");
        Type(dialog.Field(kFanHeatField), "5000.01");
        ExpectMessage();
        Click(dialog.OkButton());
        EXPECT_EQ(Focus(), dialog.Field(kFanHeatField));
        Type(dialog.Field(kFanHeatField), "0");
        ExpectMessage();
        Click(dialog.OkButton());
        EXPECT_EQ(Focus(), dialog.Field(kFanPressureField));
        Type(dialog.Field(kFanPressureField), "-2.25");
        Type(dialog.Field(kFanDistanceField), "249");
        Type(dialog.Field(kFanDescriptionField), "regulator");
        Click(dialog.OkButton());
    });
    EXPECT_TRUE(EditFanReg(nullptr, branch));
    EXPECT_EQ(messages, (QStringList{"Enter an integer between 0 and 249.", "Enter a number between 0 and 5000.",
                                     "Enter a number between -20 and 20."}));
    EXPECT_EQ(branch.fanReg.location, 249);
    EXPECT_EQ(branch.fanReg.pressureChange, -2.25);
    EXPECT_EQ(branch.fanReg.sensibleHeat, 0);
    EXPECT_EQ(branch.fanReg.description, "regulator");
}

TEST_F(SmallBranchDialogs, FanCancelAndBadTextLeaveTheBranchAlone)
{
    CKalvexBranch& branch = doc.BranchAt(0);
    ExpectDialog<CFanRegDlg>([this](CFanRegDlg& dialog) {
        for (const char* text : {"", "abc", "nan", "1e999"}) {
            Paste(dialog.Field(kFanPressureField), QString::fromUtf8(text));
            ExpectMessage();
            Click(dialog.OkButton());
            EXPECT_EQ(Focus(), dialog.Field(kFanPressureField));
        }
        Cancel(dialog);
    });
    EXPECT_FALSE(EditFanReg(nullptr, branch));
    EXPECT_EQ(messages, (QStringList{"Enter a number.", "Enter a number.", "Enter a number.",
                                     "Enter a number between -20 and 20."}));
    EXPECT_EQ(branch.fanReg.pressureChange, 0);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(SmallBranchDialogs, OnlyEarlierBranchesAreOfferedAndDeletedSourcesDisappear)
{
    CKalvexBranch& third = doc.BranchAt(2);
    third.SetSourceBranchIds({doc.BranchAt(1).branchId, 99, doc.BranchAt(3).branchId});
    const std::uint16_t second = doc.BranchAt(1).branchId;
    ExpectDialog<CAirSourcesDlg>([](CAirSourcesDlg& dialog) {
        EXPECT_EQ(Items(dialog.AvailableList()), QStringList{"1 - Intake"});
        // The fourth branch comes later in the list: never a source here.
        EXPECT_EQ(Items(dialog.SelectedList()), QStringList{"2 - Shaft"});
        Cancel(dialog);
    });
    EXPECT_FALSE(EditAirSources(nullptr, doc, third));
    // The stale id is dropped on opening, whatever the answer.
    EXPECT_EQ(third.SourceBranchIds(), (std::vector<std::uint16_t>{second, doc.BranchAt(3).branchId}));
    EXPECT_FALSE(doc.IsModified());

    // A source deleted from the document is gone the next time.
    doc.DeleteBranch(1);
    CKalvexBranch& nowSecond = doc.BranchAt(1);
    ExpectDialog<CAirSourcesDlg>([](CAirSourcesDlg& dialog) {
        EXPECT_EQ(Items(dialog.AvailableList()), QStringList{"1 - Intake"});
        EXPECT_TRUE(Items(dialog.SelectedList()).isEmpty());
        Cancel(dialog);
    });
    EXPECT_FALSE(EditAirSources(nullptr, doc, nowSecond));
    EXPECT_EQ(nowSecond.SourceBranchIds(), std::vector<std::uint16_t>{doc.BranchAt(2).branchId});
}

TEST_F(SmallBranchDialogs, RemovedAndAddedBackSourceComesLast)
{
    CKalvexBranch& fourth = doc.BranchAt(3);
    const std::uint16_t id1 = doc.BranchAt(0).branchId;
    const std::uint16_t id2 = doc.BranchAt(1).branchId;
    const std::uint16_t id3 = doc.BranchAt(2).branchId;
    fourth.SetSourceBranchIds({id2, id1});
    ExpectDialog<CAirSourcesDlg>([](CAirSourcesDlg& dialog) {
        EXPECT_EQ(Items(dialog.SelectedList()), (QStringList{"1 - Intake", "2 - Shaft"}));  // in document order
        EXPECT_EQ(Items(dialog.AvailableList()), QStringList{"3 - Decline"});
        // Nothing selected: the buttons do nothing.
        dialog.SelectedList()->clearSelection();
        Click(dialog.RemoveButton());
        EXPECT_EQ(dialog.SelectedList()->count(), 2);
        Pick(dialog.SelectedList(), 0);
        Click(dialog.RemoveButton());
        EXPECT_EQ(Items(dialog.AvailableList()), (QStringList{"3 - Decline", "1 - Intake"}));
        Pick(dialog.AvailableList(), 1);
        Click(dialog.AddButton());
        // A double click moves an item too.
        QListWidget* available = dialog.AvailableList();
        const QPoint first = available->visualItemRect(available->item(0)).center();
        QTest::mouseClick(available->viewport(), Qt::LeftButton, Qt::NoModifier, first);
        QTest::mouseDClick(available->viewport(), Qt::LeftButton, Qt::NoModifier, first);
        EXPECT_EQ(Items(dialog.SelectedList()), (QStringList{"2 - Shaft", "1 - Intake", "3 - Decline"}));
        EXPECT_EQ(dialog.AvailableList()->count(), 0);
        Click(dialog.OkButton());
    });
    EXPECT_TRUE(EditAirSources(nullptr, doc, fourth));
    EXPECT_EQ(fourth.SourceBranchIds(), (std::vector<std::uint16_t>{id2, id1, id3}));
}

TEST_F(SmallBranchDialogs, AdditionalAirIsCheckedAndStoredWithTwoDecimals)
{
    CKalvexBranch& second = doc.BranchAt(1);
    ExpectDialog<CAirSourcesDlg>([this](CAirSourcesDlg& dialog) {
        EXPECT_EQ(dialog.Field(kAddedQuantityField)->text(), "0.00");
        Type(dialog.Field(kAddedQuantityField), "100.5");
        Type(dialog.Field(kAddedDryBulbField), "121");
        ExpectMessage();
        Click(dialog.OkButton());
        EXPECT_EQ(Focus(), dialog.Field(kAddedDryBulbField));  // read first
        Type(dialog.Field(kAddedDryBulbField), "20");
        ExpectMessage();
        Click(dialog.OkButton());
        EXPECT_EQ(Focus(), dialog.Field(kAddedQuantityField));
        Type(dialog.Field(kAddedQuantityField), "2.345");
        Type(dialog.Field(kAddedWetBulbField), "20.01");
        ExpectMessage();
        Click(dialog.OkButton());
        EXPECT_EQ(Focus(), dialog.Field(kAddedWetBulbField));
        EXPECT_TRUE(dialog.isVisible());
        Type(dialog.Field(kAddedWetBulbField), "20");  // equal passes
        Click(dialog.OkButton());
    });
    EXPECT_TRUE(EditAirSources(nullptr, doc, second));
    EXPECT_EQ(messages, (QStringList{"Enter a number between 0 and 120.", "Enter a number between 0 and 100.",
                                     kAddedWetBulbMessage}));
    EXPECT_EQ(second.addedQuantity, 2.35);  // the column's decimals (printf's rounding of 2.345)
    EXPECT_EQ(second.addedDryBulb, 20);
    EXPECT_EQ(second.addedWetBulb, 20);
    EXPECT_TRUE(second.SourceBranchIds().empty());
}

TEST_F(SmallBranchDialogs, TheFirstBranchHasNoSourcesToChoose)
{
    ExpectDialog<CAirSourcesDlg>([](CAirSourcesDlg& dialog) {
        EXPECT_EQ(dialog.AvailableList()->count(), 0);
        EXPECT_EQ(dialog.SelectedList()->count(), 0);
        Click(dialog.AddButton());
        Click(dialog.OkButton());
    });
    EXPECT_TRUE(EditAirSources(nullptr, doc, doc.BranchAt(0)));
    EXPECT_TRUE(doc.BranchAt(0).SourceBranchIds().empty());
}

}  // namespace
