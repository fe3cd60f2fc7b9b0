// Graph Properties: the view's choices in and out, line types, colours that
// stay changed on Cancel, and the selected plot always shown.
#include "GraphFixture.h"

#include "Curve.h"
#include "GraphPropertiesDlg.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

using GraphProperties = GraphFixture;

namespace {

GraphFixture::Answer PickColour(QColor colour)
{
    return [colour](QDialog& dialog) {
        auto& chooser = dynamic_cast<QColorDialog&>(dialog);
        chooser.setCurrentColor(colour);
        return int(QDialog::Accepted);
    };
}

}  // namespace

TEST_F(GraphProperties, OpensWithTheViewsChoicesAndTheCurvesLineTypes)
{
    MakeView();
    Expect([](QDialog& dialog) {
        auto& properties = dynamic_cast<CGraphPropertiesDlg&>(dialog);
        EXPECT_EQ(properties.windowTitle(), QStringLiteral("Graph Properties"));
        EXPECT_TRUE(properties.SelectedButton(0)->isChecked());
        EXPECT_EQ(properties.SelectedButton(7)->text(), QStringLiteral("Sigms Heat"));
        EXPECT_EQ(properties.SelectedButton(12)->text(), QStringLiteral("Effective Temperature"));
        for (int i = 0; i < kPlotCount; ++i) {
            EXPECT_EQ(properties.ShowPlotBox(i)->isChecked(), i < 2) << i;
            EXPECT_TRUE(properties.ShowColorBox(i)->isChecked()) << i;  // each plot in its own colour
            EXPECT_FALSE(properties.RightAxisButton(i)->isChecked()) << i;
            EXPECT_EQ(properties.LineTypeList(i)->currentIndex(), i % 5) << i;
        }
        EXPECT_EQ(properties.LineTypeList(0)->count(), 5);
        EXPECT_EQ(properties.LineTypeList(0)->itemText(2), QStringLiteral("Dot Dot"));
        EXPECT_EQ(properties.ChangeButton(4)->text(), QStringLiteral("Change"));
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(view->RunCommand(Cmd::GraphPresentation));
}

TEST_F(GraphProperties, AChangedColourStaysWhenTheDialogIsCancelled)
{
    MakeView();
    Doc().SetModifiedFlag(false);
    Expect([this](QDialog& dialog) {
        auto& properties = dynamic_cast<CGraphPropertiesDlg&>(dialog);
        Expect(PickColour(QColor(0, 160, 0)));
        properties.ChangeButton(3)->click();
        // A colour chooser closed with Cancel changes nothing.
        Expect(Button(QDialog::Rejected));
        properties.ChangeButton(4)->click();
        properties.LineTypeList(3)->setCurrentIndex(4);
        properties.ShowPlotBox(3)->setChecked(true);
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(view->RunCommand(Cmd::GraphPresentation));
    EXPECT_EQ(Doc().CurveAt(3).colour, RgbValue(0, 160, 0));
    EXPECT_EQ(Doc().CurveAt(4).colour, DefaultPlotColour(4));
    EXPECT_EQ(Doc().CurveAt(3).lineStyle, 3);  // line types only on OK
    EXPECT_FALSE(view->Choices().showPlot[3]);
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(GraphProperties, ClearingEveryShowPlotBoxStillShowsTheSelectedPlot)
{
    MakeView();
    Doc().SetModifiedFlag(false);
    Expect([](QDialog& dialog) {
        auto& properties = dynamic_cast<CGraphPropertiesDlg&>(dialog);
        properties.NoPlotsButton()->click();
        properties.AllColorsButton()->click();
        properties.SelectedButton(10)->setChecked(true);
        properties.LineTypeList(10)->setCurrentIndex(1);
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(view->RunCommand(Cmd::GraphPresentation));
    const PlotChoices& choices = view->Choices();
    EXPECT_EQ(choices.selectedPlot, 10);
    for (int i = 0; i < kPlotCount; ++i) {
        EXPECT_EQ(choices.showPlot[static_cast<std::size_t>(i)], i == 10) << i;
        EXPECT_TRUE(choices.showColor[static_cast<std::size_t>(i)]) << i;
    }
    EXPECT_EQ(Doc().CurveAt(10).lineStyle, 1);
    EXPECT_FALSE(Doc().IsModified());

    // All and None of the colours, then All of the plots.
    Expect([](QDialog& dialog) {
        auto& properties = dynamic_cast<CGraphPropertiesDlg&>(dialog);
        EXPECT_TRUE(properties.SelectedButton(10)->isChecked());
        EXPECT_TRUE(properties.ShowPlotBox(10)->isChecked());
        properties.NoColorsButton()->click();
        properties.AllPlotsButton()->click();
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(view->RunCommand(Cmd::GraphPresentation));
    for (int i = 0; i < kPlotCount; ++i) {
        EXPECT_TRUE(view->Choices().showPlot[static_cast<std::size_t>(i)]) << i;
        EXPECT_FALSE(view->Choices().showColor[static_cast<std::size_t>(i)]) << i;
    }
}

TEST_F(GraphProperties, TheDrawingFollowsTheChoices)
{
    CKalvexBranch& branch = AddBranchWithResults(100, {20, 24, 22, 27, 30});
    Doc().graphBranch = &branch;
    MakeView();
    const QSize size(600, 400);
    const QImage standard = view->RenderImage(size);
    EXPECT_GT(CountPixels(standard, QColor(0, 0, 255)), 100);

    // Dry bulb only, in black, then recoloured green while shown in colour.
    Expect([](QDialog& dialog) {
        auto& properties = dynamic_cast<CGraphPropertiesDlg&>(dialog);
        properties.NoPlotsButton()->click();
        properties.NoColorsButton()->click();
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(view->RunCommand(Cmd::GraphPresentation));
    const QImage black = view->RenderImage(size);
    EXPECT_EQ(CountPixels(black, QColor(0, 0, 255)), 0);
    EXPECT_EQ(CountPixels(black, QColor(255, 0, 0)), 0);

    Expect([this](QDialog& dialog) {
        auto& properties = dynamic_cast<CGraphPropertiesDlg&>(dialog);
        properties.ShowColorBox(0)->setChecked(true);
        Expect(PickColour(QColor(0, 160, 0)));
        properties.ChangeButton(0)->click();
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(view->RunCommand(Cmd::GraphPresentation));
    EXPECT_GT(CountPixels(view->RenderImage(size), QColor(0, 160, 0), 30), 100);
}
