// The graph view on a document: its curves and caption, the branch it
// shows and the commands on it, and what it draws.
#include "GraphFixture.h"

#include "Curve.h"
#include "GraphExport.h"
#include "GraphPropertiesDlg.h"
#include "NumberText.h"
#include "SelectBranchDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <QTest>
#include <QClipboard>
#include <QImage>
#include <QListWidget>
#include <QSignalSpy>
#include <QStatusTipEvent>

using GraphView = GraphFixture;

namespace {

// Collects the status tips a widget sends towards the status bar.
class CStatusTipSpy : public QObject {
public:
    explicit CStatusTipSpy(QStringList& tips) : m_tips(tips) {}
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::StatusTip)
            m_tips.append(static_cast<QStatusTipEvent*>(event)->tip());
        return false;
    }

private:
    QStringList& m_tips;
};

}  // namespace

TEST_F(GraphView, InitialUpdateAddsCurvesInFrontAndNamesTheWindow)
{
    Doc().InsertNewCurve(0);  // one curve already in the list, as a loaded file has
    Doc().SetTitle("drift.zt2");
    MakeView();
    EXPECT_EQ(Doc().CurveList().size(), 14u);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(view->Caption(), QStringLiteral("drift.zt2 - Graphs"));
    EXPECT_EQ(view->windowTitle(), view->Caption());
    const PlotChoices& choices = view->Choices();
    EXPECT_EQ(choices.selectedPlot, 0);
    EXPECT_EQ(choices.rightPlot, -1);
    for (int i = 0; i < kPlotCount; ++i) {
        EXPECT_EQ(choices.showPlot[static_cast<std::size_t>(i)], i < 2);
        EXPECT_TRUE(choices.showColor[static_cast<std::size_t>(i)]);  // every plot in its own colour
    }

    // Once only, however often it is called.
    view->InitialUpdate();
    EXPECT_EQ(Doc().CurveList().size(), 14u);

    QSignalSpy captions(view.get(), &QWidget::windowTitleChanged);
    CKalvexBranch& branch = AddBranchWithResults(10, {20, 21});
    branch.name = "Haulage";
    Doc().graphBranch = &branch;
    Doc().UpdateAllViews(nullptr);
    EXPECT_EQ(view->Caption(), QStringLiteral("drift.zt2 - Graphs - Haulage"));
    ASSERT_EQ(captions.count(), 1);
    EXPECT_EQ(captions.at(0).at(0).toString(), view->Caption());
}

TEST_F(GraphView, NextAndPreviousMoveBothAxesToTheOtherBranch)
{
    CKalvexBranch& first = AddBranchWithResults(100, {20.05, 20.3, 20.2});  // 0 ... 200 m
    CKalvexBranch& second = AddBranchWithResults(400, {20, 24, 28, 32, 36, 40, 44, 48, 52, 56, 60});  // 4000 m
    Doc().graphBranch = &first;
    MakeView();
    EXPECT_EQ(view->Distance().xMax, 200);
    EXPECT_EQ(Doc().CurveAt(0).yMin, 14);  // down to the wet bulbs, 5 °C lower
    EXPECT_FALSE(view->IsCommandEnabled(Cmd::PreviousBranch));
    ASSERT_TRUE(view->IsCommandEnabled(Cmd::NextBranch));

    QSignalSpy states(view.get(), &CKalvexGraphView::commandStateChanged);
    ASSERT_TRUE(view->RunCommand(Cmd::NextBranch));
    EXPECT_EQ(Doc().graphBranch, &second);
    EXPECT_EQ(Doc().resultBranch, nullptr);  // the results table keeps its own
    EXPECT_EQ(view->Distance().xMax, 4000);
    EXPECT_EQ(view->Distance().xGridCount, 7);
    EXPECT_EQ(Doc().CurveAt(0).xMax, 4000);
    EXPECT_EQ(Doc().CurveAt(0).yMin, 10);
    EXPECT_EQ(Doc().CurveAt(0).yMax, 65);
    EXPECT_EQ(Doc().CurveAt(1).yMin, 10);  // dry and wet bulb on one scale
    EXPECT_EQ(Doc().CurveAt(1).yMax, 65);
    EXPECT_GE(states.count(), 1);
    EXPECT_FALSE(view->IsCommandEnabled(Cmd::NextBranch));
    EXPECT_FALSE(view->RunCommand(Cmd::NextBranch));

    ASSERT_TRUE(view->RunCommand(Cmd::PreviousBranch));
    EXPECT_EQ(Doc().graphBranch, &first);
    EXPECT_EQ(view->Distance().xMax, 200);
    EXPECT_EQ(Doc().CurveAt(0).yMax, 21);
}

TEST_F(GraphView, SelectBranchChoosesTheGraphBranchOrNone)
{
    AddBranchWithResults(10, {20, 21});
    AddBranchWithResults(10, {22, 23});
    Doc().BranchAt(1).name = "Ramp";
    MakeView();
    EXPECT_FALSE(view->IsCommandEnabled(Cmd::NextBranch));  // no graph branch yet
    EXPECT_FALSE(view->IsCommandEnabled(Cmd::Execute));
    Expect([](QDialog& dialog) {
        auto& select = dynamic_cast<CSelectBranchDlg&>(dialog);
        EXPECT_EQ(select.windowTitle(), QStringLiteral("Select Branch to Display"));
        EXPECT_EQ(select.List()->count(), 2);
        EXPECT_EQ(select.List()->item(1)->text(), QStringLiteral("2 - Ramp"));
        select.List()->setCurrentRow(1);
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(view->RunCommand(Cmd::SelectBranch));
    EXPECT_EQ(Doc().graphBranch, &Doc().BranchAt(1));
    EXPECT_TRUE(view->Caption().endsWith(QStringLiteral(" - Ramp")));

    Expect(Button(QDialog::Rejected));
    EXPECT_FALSE(view->RunCommand(Cmd::SelectBranch));
    EXPECT_EQ(Doc().graphBranch, &Doc().BranchAt(1));

    Expect([](QDialog& dialog) {
        dynamic_cast<CSelectBranchDlg&>(dialog).List()->clearSelection();
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(view->RunCommand(Cmd::SelectBranch));
    EXPECT_EQ(Doc().graphBranch, nullptr);
    EXPECT_EQ(view->Caption(), QStringLiteral("Untitled - Graphs"));
}

TEST_F(GraphView, CommandsItHandlesAndWhenTheyAreAvailable)
{
    MakeView();
    for (const int id : {Cmd::GraphPresentation, Cmd::PageSetup, Cmd::PrintSetup, Cmd::Print, Cmd::PrintPreview})
        EXPECT_TRUE(view->IsCommandEnabled(id)) << id;
    for (const int id : {Cmd::SelectBranch, Cmd::Execute, Cmd::Copy, Cmd::Export})
        EXPECT_FALSE(view->IsCommandEnabled(id)) << id;
    EXPECT_FALSE(view->HandlesCommand(Cmd::Paste));
    EXPECT_FALSE(view->HandlesCommand(Cmd::Undo));

    CKalvexBranch& branch = AddBranchWithResults(10, {20, 21});
    Doc().graphBranch = &branch;
    Doc().UpdateAllViews(nullptr);
    EXPECT_TRUE(view->IsCommandEnabled(Cmd::SelectBranch));
    EXPECT_TRUE(view->IsCommandEnabled(Cmd::Execute));
    EXPECT_TRUE(view->IsCommandEnabled(Cmd::Copy));
    EXPECT_TRUE(view->IsCommandEnabled(Cmd::Export));
    // The branch dialogs act on the graph's branch; the first branch has
    // no air sources.
    for (const int id : {Cmd::BranchProperties, Cmd::HeatSources, Cmd::FanReg, Cmd::PrintBranchForm}) {
        EXPECT_TRUE(view->HandlesCommand(id)) << id;
        EXPECT_TRUE(view->IsCommandEnabled(id)) << id;
    }
    EXPECT_TRUE(view->HandlesCommand(Cmd::AirSources));
    EXPECT_FALSE(view->IsCommandEnabled(Cmd::AirSources));

    // Deleting the shown branch leaves the view with none.
    Doc().DeleteBranch(0);
    Doc().UpdateAllViews(nullptr, kHintBranchList);
    EXPECT_FALSE(view->IsCommandEnabled(Cmd::Copy));
    EXPECT_EQ(view->Caption(), QStringLiteral("Untitled - Graphs"));
}

TEST_F(GraphView, ExecuteOnAnExampleDrawsTheTwoDefaultCurves)
{
    LoadExample("haulage-drift.zt2");
    Doc().graphBranch = &Doc().BranchAt(0);
    Doc().BranchAt(0).ResultList().clear();
    MakeView();
    // Before the run there is nothing to draw: the picture stays white.
    const QImage before = view->RenderImage(QSize(900, 600));
    EXPECT_EQ(CountPixels(before, Qt::white, 0), 900 * 600);

    ASSERT_TRUE(view->IsCommandEnabled(Cmd::Execute));
    ASSERT_TRUE(view->RunCommand(Cmd::Execute));
    ASSERT_GT(Doc().GraphBranchRowCount(), 2);
    EXPECT_EQ(view->Distance().xMax, 1600);  // 1500 m in steps of 200
    QApplication::processEvents();
    const QImage shot = view->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(OutputPath(QStringLiteral("graph-haulage-drift.png"))));
    // Dry bulb in blue, wet bulb in red, the grid in light grey.
    EXPECT_GT(CountPixels(shot, QColor(0, 0, 255)), 300);
    EXPECT_GT(CountPixels(shot, QColor(255, 0, 0)), 150);
    EXPECT_GT(CountPixels(shot, QColor(192, 192, 192), 8), 1000);
    // The view's grab and a rendered picture agree.
    const QImage rendered = view->RenderImage(shot.size());
    EXPECT_EQ(CountPixels(rendered, QColor(0, 0, 255)), CountPixels(shot.convertToFormat(QImage::Format_RGB32), QColor(0, 0, 255)));

    // Copy puts the window's picture on the clipboard.
    ASSERT_TRUE(view->RunCommand(Cmd::Copy));
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), view->size());
}

TEST_F(GraphView, BadResultsNeverCrashAndDrawNothingOrWhatTheyCan)
{
    MakeView();
    const auto drawn = [this] {
        const QImage image = view->RenderImage(QSize(400, 300));
        return image.width() * image.height() - CountPixels(image, Qt::white, 0);
    };
    // Only message rows.
    Doc().InsertNewBranch(0);
    CKalvexBranch& messages = Doc().BranchAt(0);
    messages.ResultList() = {CResultInterval::Message("a"), CResultInterval::Message("b")};
    Doc().graphBranch = &messages;
    Doc().UpdateAllViews(nullptr);
    EXPECT_EQ(drawn(), 0);

    // One value row and the messages: a single point on a one-step axis.
    CResultInterval only;
    only.dryBulb = 25;
    messages.ResultList().insert(messages.ResultList().begin(), only);
    Doc().UpdateAllViews(nullptr);
    EXPECT_GT(drawn(), 0);

    // Extreme values are drawn where they fall, clipped to the picture.
    CKalvexBranch& wild = AddBranchWithResults(1.0e12, {-1.0e200, 1.0e200, 5});
    Doc().graphBranch = &wild;
    Doc().UpdateAllViews(nullptr);
    EXPECT_GT(drawn(), 0);

    // A curve list a damaged file left short and with empty entries.
    Doc().curves.resize(5);
    Doc().curves[1].reset();
    Doc().UpdateAllViews(nullptr);
    EXPECT_GT(drawn(), 0);
    EXPECT_NE(Doc().curves[1], nullptr);

    // A window too small for the labels draws nothing.
    const QImage tiny = view->RenderImage(QSize(30, 20));
    EXPECT_EQ(CountPixels(tiny, Qt::white, 0), 30 * 20);
}

TEST_F(GraphView, ExecuteRunsTheSequenceInSequenceModeAndRefusesBadInput)
{
    LoadExample("five-branch-sequence.zt2");
    ASSERT_TRUE(Doc().sequenceMode);
    for (CKalvexBranch* branch : {&Doc().BranchAt(0), &Doc().BranchAt(4)})
        branch->ResultList().clear();
    Doc().graphBranch = &Doc().BranchAt(1);
    MakeView();
    ASSERT_TRUE(view->RunCommand(Cmd::Execute));
    EXPECT_GT(Doc().BranchAt(0).ResultCount(), 2);
    EXPECT_GT(Doc().BranchAt(4).ResultCount(), 2);
    EXPECT_EQ(Doc().graphBranch, &Doc().BranchAt(1));

    // One branch with an input the run refuses: the Data Errors dialog, and
    // the graph keeps what it had.
    Doc().sequenceMode = false;
    CKalvexBranch& shown = Doc().BranchAt(1);
    const int rows = shown.ResultCount();
    shown.outputInterval = shown.length * 2;
    Expect(Button(QDialog::Rejected));
    EXPECT_FALSE(view->RunCommand(Cmd::Execute));
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs.first(), QStringLiteral("Data Errors"));
    EXPECT_EQ(shown.ResultCount(), rows);
}

TEST_F(GraphView, ARightAxisTheSkinLimitALegendAndThePointersReadout)
{
    CKalvexBranch& branch = AddBranchWithResults(100, {20, 22, 24, 26, 28});
    branch.name = "Decline";
    Doc().graphBranch = &branch;
    MakeView();
    Expect([](QDialog& dialog) {
        auto& properties = dynamic_cast<CGraphPropertiesDlg&>(dialog);
        EXPECT_TRUE(properties.NoRightAxisButton()->isChecked());
        properties.ShowPlotBox(1)->setChecked(false);
        properties.ShowPlotBox(10)->setChecked(true);
        properties.RightAxisButton(11)->setChecked(true);
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(view->RunCommand(Cmd::GraphPresentation));
    const PlotChoices& choices = view->Choices();
    EXPECT_EQ(choices.rightPlot, 11);
    EXPECT_TRUE(choices.Shown(11));  // the right-hand axis's plot is shown
    EXPECT_FALSE(choices.Shown(1));
    // The wet bulb hidden, the dry bulb axis is its own again: 19.9 ... 28.1.
    EXPECT_EQ(Doc().CurveAt(0).yMin, 19);

    const QString svg = OutputPath(QStringLiteral("graph-right-axis.svg"));
    ASSERT_TRUE(ExportGraph(*view, GraphFileFormat::Svg, svg, QSize(1000, 600)));
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList texts = SvgTexts(file.readAll());
    const QString limit = QStringLiteral("Limit ") + QString::fromStdString(FormatFixed(Doc().skinTempLimit, 2));
    for (const QString& expected :
         {QStringLiteral("Dry Bulb Temperature"), QStringLiteral("Skin Temperature"),
          QStringLiteral("Wet Bulb Globe Temperature (right axis)"), QStringLiteral("Wet Bulb Globe Temperature (\u00b0C)"),
          QStringLiteral("Distance (m)"), limit})
        EXPECT_TRUE(texts.contains(expected)) << expected.toStdString() << "\n" << texts.join('|').toStdString();
    EXPECT_FALSE(texts.contains(QStringLiteral("Wet Bulb Temperature")));

    // The pointer over the middle of the graph: 200 m or close to it.
    const QPoint middle(view->width() / 2, view->height() / 2);
    const QString readout = view->ReadoutAt(middle);
    EXPECT_TRUE(readout.startsWith(QStringLiteral("Distance "))) << readout.toStdString();
    EXPECT_TRUE(readout.contains(QStringLiteral("Skin Temperature 34.00 \u00b0C"))) << readout.toStdString();
    EXPECT_TRUE(readout.contains(QStringLiteral("Wet Bulb Globe Temperature "))) << readout.toStdString();
    EXPECT_TRUE(view->ReadoutAt(QPoint(2, 2)).isEmpty());  // on the labels, off the plot
    // Moving the pointer there puts the read-out in the status bar.
    QStringList tips;
    CStatusTipSpy spy(tips);
    view->installEventFilter(&spy);
    QTest::mouseMove(view.get(), middle);
    ASSERT_FALSE(tips.isEmpty());
    EXPECT_EQ(tips.last(), readout);
}
