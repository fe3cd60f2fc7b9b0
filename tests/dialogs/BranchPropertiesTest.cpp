// "Branch Properties" driven as a user: pages switched by their tabs, text
// typed into the fields, OK pressed.
#include "BranchDialogs.h"
#include "BranchPropertySheet.h"
#include "DialogTest.h"
#include "KalvexDoc.h"
#include "PageSheet.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

namespace {

class BranchProperties : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        doc.OnNewDocument();
        doc.InsertNewBranch(0);
        doc.SetModifiedFlag(false);
    }

    CKalvexBranch& Branch() { return doc.BranchAt(0); }

    // Runs the operation with one answer for the sheet itself.
    bool Run(std::function<void(CBranchPropertySheet&)> user)
    {
        Expect([user](QDialog& dialog) {
            auto& sheet = dynamic_cast<CBranchPropertySheet&>(dialog);
            Show(sheet);
            user(sheet);
            return sheet.result();
        });
        return EditBranchProperties(nullptr, Branch());
    }

    static void ClickTab(CBranchPropertySheet& sheet, int page)
    {
        QTabBar* tabs = sheet.Sheet()->TabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(page).center());
        QApplication::processEvents();
    }

    static void Cancel(CBranchPropertySheet& sheet)
    {
        Click(sheet.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel));
    }

    CKalvexDoc doc;
};

TEST_F(BranchProperties, DepthChangeLongerThanTheBranchIsRefusedOnLength)
{
    const bool stored = Run([this](CBranchPropertySheet& sheet) {
        ClickTab(sheet, kAirwayPage);
        ASSERT_EQ(sheet.Sheet()->CurrentPage(), kAirwayPage);
        EXPECT_EQ(sheet.FieldFor(Col::Length)->text(), "100");
        Type(sheet.FieldFor(Col::DepthIn), "0");
        Type(sheet.FieldFor(Col::DepthOut), "150");
        ExpectMessage();
        Click(sheet.OkButton());
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_EQ(Focus(), sheet.FieldFor(Col::Length));
        // A depth change equal to the length passes.
        Type(sheet.FieldFor(Col::DepthOut), "100");
        Click(sheet.OkButton());
        EXPECT_FALSE(sheet.isVisible());
    });
    EXPECT_TRUE(stored);
    EXPECT_EQ(messages, QStringList{kDepthChangeMessage});
    EXPECT_EQ(Branch().depthOut, 100);
}

TEST_F(BranchProperties, PerimeterMayNotBeSmallerThanACircleOfTheArea)
{
    const bool stored = Run([this](CBranchPropertySheet& sheet) {
        ClickTab(sheet, kAirwayPage);
        Type(sheet.FieldFor(Col::Area), "10");
        Type(sheet.FieldFor(Col::Perimeter), "11");
        ExpectMessage();
        Click(sheet.OkButton());
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_EQ(Focus(), sheet.FieldFor(Col::Area));
        Type(sheet.FieldFor(Col::Perimeter), "11.3");
        Click(sheet.OkButton());
    });
    EXPECT_TRUE(stored);
    EXPECT_EQ(messages, QStringList{kPerimeterMessage});
    EXPECT_EQ(Branch().area, 10);
    EXPECT_EQ(Branch().perimeter, 11.3);
}

TEST_F(BranchProperties, RangeAndNumberMessagesKeepTheFieldAndChangeNothing)
{
    const bool stored = Run([this](CBranchPropertySheet& sheet) {
        QLineEdit* interval = sheet.FieldFor(Col::Interval);
        EXPECT_EQ(interval->text(), "10");
        for (const char* text : {"1", "abc", "", "1e999", "12\n13"}) {
            Paste(interval, QString::fromUtf8(text));
            ExpectMessage();
            Click(sheet.OkButton());
            EXPECT_TRUE(sheet.isVisible());
            EXPECT_EQ(Focus(), interval);
        }
        Cancel(sheet);
    });
    EXPECT_FALSE(stored);
    EXPECT_EQ(messages, (QStringList{"Enter an integer between 2 and 4000.", "Enter an integer.", "Enter an integer.",
                                     "Enter an integer.", "Enter an integer."}));
    EXPECT_EQ(Branch().outputInterval, 10);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(BranchProperties, RefusedPageKeepsItsTabUntilCorrected)
{
    const bool stored = Run([this](CBranchPropertySheet& sheet) {
        ClickTab(sheet, kVentilationPage);
        Type(sheet.FieldFor(Col::Pressure), "nan");
        ExpectMessage();
        ClickTab(sheet, kRockPage);
        EXPECT_EQ(sheet.Sheet()->CurrentPage(), kVentilationPage);
        EXPECT_EQ(sheet.Sheet()->TabBar()->currentIndex(), kVentilationPage);
        EXPECT_EQ(Focus(), sheet.FieldFor(Col::Pressure));
        Type(sheet.FieldFor(Col::Pressure), "101.3254");
        ClickTab(sheet, kRockPage);
        EXPECT_EQ(sheet.Sheet()->CurrentPage(), kRockPage);
        Type(sheet.FieldFor(Col::Conductivity), "0.0005");
        ExpectMessage();
        Click(sheet.OkButton());
        Type(sheet.FieldFor(Col::Conductivity), "2.5");
        Click(sheet.OkButton());
    });
    EXPECT_TRUE(stored);
    EXPECT_EQ(messages, (QStringList{"Enter a number.", "Enter a number between 0.001 and 500."}));
    EXPECT_EQ(Branch().intakePressure, 101.325);
    EXPECT_EQ(Branch().rockConductivity, 2.5);
}

TEST_F(BranchProperties, WetBulbUpToTheDryBulb)
{
    const bool stored = Run([this](CBranchPropertySheet& sheet) {
        ClickTab(sheet, kVentilationPage);
        Type(sheet.FieldFor(Col::DryBulb), "25");
        Type(sheet.FieldFor(Col::WetBulb), "25.01");
        Type(sheet.FieldFor(Col::Quantity), "12");  // the focus is elsewhere when OK is pressed
        ExpectMessage();
        Click(sheet.OkButton());
        EXPECT_EQ(Focus(), sheet.FieldFor(Col::WetBulb));
        Type(sheet.FieldFor(Col::WetBulb), "25");
        Click(sheet.OkButton());
    });
    EXPECT_TRUE(stored);
    EXPECT_EQ(messages, QStringList{kWetBulbMessage});
    EXPECT_EQ(Branch().intakeWetBulb, 25);
    EXPECT_EQ(Branch().intakeQuantity, 12);
}

TEST_F(BranchProperties, FrictionKeepsFourDecimalsAndShowsThemNextTime)
{
    EXPECT_TRUE(Run([](CBranchPropertySheet& sheet) {
        ClickTab(sheet, kAirwayPage);
        Type(sheet.FieldFor(Col::Friction), "0.01234");
        // Back and forth: the page shows what it holds, with its decimals.
        ClickTab(sheet, kGeneralPage);
        ClickTab(sheet, kAirwayPage);
        EXPECT_EQ(sheet.FieldFor(Col::Friction)->text(), "0.0123");
        Click(sheet.OkButton());
    }));
    EXPECT_EQ(Branch().frictionFactor, 0.0123);
    EXPECT_TRUE(Run([](CBranchPropertySheet& sheet) {
        ClickTab(sheet, kAirwayPage);
        EXPECT_EQ(sheet.FieldFor(Col::Friction)->text(), "0.0123");
        EXPECT_EQ(sheet.FieldFor(Col::Area)->text(), "12.00");
        Click(sheet.OkButton());
    }));
}

TEST_F(BranchProperties, EveryFieldIsShownAsStoredAndWrittenBack)
{
    Branch().name = "Main decline";
    Branch().description = "to level 12";
    Branch().intakePressure = 98.5;
    EXPECT_TRUE(Run([](CBranchPropertySheet& sheet) {
        EXPECT_EQ(sheet.FieldFor(Col::Name)->text(), "Main decline");
        EXPECT_EQ(sheet.FieldFor(Col::Description)->text(), "to level 12");
        Type(sheet.FieldFor(Col::Name), "");  // no check on texts
        Type(sheet.FieldFor(Col::Description), "new text");
        ClickTab(sheet, kVentilationPage);
        EXPECT_EQ(sheet.FieldFor(Col::Pressure)->text(), "98.500");
        EXPECT_EQ(sheet.FieldFor(Col::DryBulb)->text(), "30.00");
        ClickTab(sheet, kRockPage);
        EXPECT_EQ(sheet.FieldFor(Col::VrtIn)->text(), "40.0");
        EXPECT_EQ(sheet.FieldFor(Col::GeoStep)->text(), "30");
        EXPECT_EQ(sheet.FieldFor(Col::Diffusivity)->text(), "2.000");
        Type(sheet.FieldFor(Col::GeoStep), "45");
        Click(sheet.OkButton());
    }));
    EXPECT_EQ(Branch().name, "");
    EXPECT_EQ(Branch().description, "new text");
    EXPECT_EQ(Branch().geothermalStep, 45);
    EXPECT_EQ(Branch().intakePressure, 98.5);
}

TEST_F(BranchProperties, IntegerFieldsHoldTheTruncatedValueWhetherShownOrNot)
{
    // A length with a fraction, as a loaded file may hold it: the sheet
    // reads it truncated, and the column's rounding of the fraction never
    // comes into play, page opened or not.
    Branch().length = 200.6;
    Branch().ageIn = 10.7;
    EXPECT_TRUE(Run([](CBranchPropertySheet& sheet) { Click(sheet.OkButton()); }));
    EXPECT_EQ(Branch().length, 200);
    EXPECT_EQ(Branch().ageIn, 10);

    Branch().length = 300.9;
    EXPECT_TRUE(Run([](CBranchPropertySheet& sheet) {
        ClickTab(sheet, kAirwayPage);
        EXPECT_EQ(sheet.FieldFor(Col::Length)->text(), "300");
        Click(sheet.OkButton());
    }));
    EXPECT_EQ(Branch().length, 300);
}

TEST_F(BranchProperties, ChecksOfUnvisitedPagesDoNotRun)
{
    // Values no page would accept stay as they are while their page is not opened.
    Branch().intakeWetBulb = 35;
    Branch().perimeter = 1;
    EXPECT_TRUE(Run([](CBranchPropertySheet& sheet) {
        Type(sheet.FieldFor(Col::Interval), "20");
        Click(sheet.OkButton());
    }));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(Branch().outputInterval, 20);
    EXPECT_EQ(Branch().intakeWetBulb, 35);
    EXPECT_EQ(Branch().perimeter, 1);
}

TEST_F(BranchProperties, CtrlTabSwitchesPagesWhenThePageLetsGo)
{
    EXPECT_FALSE(Run([this](CBranchPropertySheet& sheet) {
        Press(sheet.FieldFor(Col::Name), Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(sheet.Sheet()->CurrentPage(), kAirwayPage);
        EXPECT_EQ(Focus(), sheet.FieldFor(Col::Length));
        Type(sheet.FieldFor(Col::Wetness), "1.5");
        ExpectMessage();
        Press(Focus(), Qt::Key_PageUp, Qt::ControlModifier);
        EXPECT_EQ(sheet.Sheet()->CurrentPage(), kAirwayPage);
        EXPECT_EQ(Focus(), sheet.FieldFor(Col::Wetness));
        Type(sheet.FieldFor(Col::Wetness), "0.5");
        Press(Focus(), Qt::Key_PageUp, Qt::ControlModifier);
        EXPECT_EQ(sheet.Sheet()->CurrentPage(), kGeneralPage);
        Cancel(sheet);
    }));
    EXPECT_EQ(messages, QStringList{"Enter a number between 0 and 1."});
    EXPECT_EQ(Branch().wetness, 0);
}

}  // namespace

// A shorter branch that leaves heat sources or the fan beyond its end asks
// first; No goes back to the length field, Yes stores.
TEST_F(BranchProperties, ALengthThatLeavesPartsBeyondItAsksFirst)
{
    for (double at : {250.0, 1250.0}) {
        CHeatSource diesel;
        diesel.kind = CHeatSource::Diesel;
        diesel.location = at;
        Branch().AddHeatSource(diesel);
    }
    CHeatSource inside;
    inside.location = 50;
    Branch().AddHeatSource(inside);
    Branch().length = 2000;
    Branch().fanReg.location = 1000;
    Branch().fanReg.pressureChange = 1.5;

    const bool stored = Run([this](CBranchPropertySheet& sheet) {
        ClickTab(sheet, kAirwayPage);
        Type(sheet.FieldFor(Col::Length), "150");
        ExpectMessage(0x00010000 /* No */);
        Click(sheet.OkButton());
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_EQ(Focus(), sheet.FieldFor(Col::Length));
        Type(sheet.FieldFor(Col::Length), "1000");  // the fan at the very end does not act
        ExpectMessage(0x00004000 /* Yes */);
        Click(sheet.OkButton());
        EXPECT_FALSE(sheet.isVisible());
    });
    EXPECT_TRUE(stored);
    EXPECT_EQ(messages, (QStringList{"2 heat sources and the fan lie beyond the new length of 150 m and will not "
                                     "act.\n\nKeep the new length?",
                                     "1 heat source and the fan lie beyond the new length of 1000 m and will not "
                                     "act.\n\nKeep the new length?"}));
    EXPECT_EQ(Branch().length, 1000);
}

TEST_F(BranchProperties, AnUnchangedLengthOrNothingBeyondAsksNothing)
{
    CHeatSource spot;
    spot.location = 500;
    Branch().AddHeatSource(spot);
    Branch().length = 300;  // already short: not asked again
    EXPECT_TRUE(Run([this](CBranchPropertySheet& sheet) {
        ClickTab(sheet, kAirwayPage);
        Type(sheet.FieldFor(Col::Area), "13");
        Click(sheet.OkButton());
    }));
    EXPECT_TRUE(Run([this](CBranchPropertySheet& sheet) {
        ClickTab(sheet, kAirwayPage);
        Type(sheet.FieldFor(Col::Length), "600");
        Click(sheet.OkButton());
    }));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(Branch().length, 600);
}
