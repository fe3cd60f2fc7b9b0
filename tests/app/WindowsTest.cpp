// The child windows in the work area: where they open, Cascade, the keys
// that close and cycle them, the main window's place, the status line, and
// the results table that a run opens.
#include "Session.h"

#include "ChildPlacement.h"
#include "KalvexDoc.h"
#include "KalvexFrm.h"
#include "KalvexTableView.h"
#include "OpenDocument.h"
#include "ResultTableView.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QMdiArea>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QHeaderView>

namespace {

class Windows : public Session {
protected:
    QRect Area() const { return main->MdiArea()->viewport()->rect(); }

    // Every window of the area lies inside it and keeps a useful size.
    void ExpectAllInView(int minWidth, int minHeight)
    {
        for (CKalvexFrm* frame : main->Frames()) {
            const QString title = frame->windowTitle();
            EXPECT_TRUE(Area().contains(frame->geometry())) << title.toStdString();
            EXPECT_GE(frame->width(), minWidth) << title.toStdString();
            EXPECT_GE(frame->height(), minHeight) << title.toStdString();
        }
    }

    CKalvexFrm* FrameOf(ViewKind kind) const
    {
        for (CKalvexFrm* frame : main->Frames(main->ActiveDocument()))
            if (frame->Kind() == kind)
                return frame;
        return nullptr;
    }
};

const ViewKind kAllKinds[] = {ViewKind::Branch, ViewKind::Results, ViewKind::Graph, ViewKind::AirSource,
                              ViewKind::HeatSource};

}  // namespace

TEST(ChildPlacement, EveryPlaceLiesInsideWideNarrowAndTinyAreas)
{
    for (const QRect area : {QRect(0, 0, 1285, 700), QRect(0, 0, 600, 700), QRect(0, 0, 300, 150)}) {
        for (const ViewKind kind : kAllKinds) {
            for (int document = 0; document < 9; ++document) {
                const QRect rect = ChildRect(kind, area, document, 26);
                EXPECT_TRUE(area.contains(rect)) << area.width() << " " << int(kind) << " " << document;
                EXPECT_GE(rect.width(), std::min(area.width(), 360));
            }
        }
        for (const QRect& rect : CascadeRects(12, area, 26)) {
            EXPECT_TRUE(area.contains(rect));
            EXPECT_GE(rect.width(), area.width() * 2 / 3);
        }
    }
    // Side by side where there is room: the results table right of the
    // branch table, the graph below the results.
    const QRect wide(0, 0, 1285, 700);
    EXPECT_GE(ChildRect(ViewKind::Results, wide, 0, 26).left(), ChildRect(ViewKind::Branch, wide, 0, 26).right());
    EXPECT_GE(ChildRect(ViewKind::Graph, wide, 0, 26).top(), ChildRect(ViewKind::Results, wide, 0, 26).bottom());
}

TEST_F(Windows, EveryViewOpensInViewAndCascadeKeepsThemLarge)
{
    for (int i = 0; i < 3; ++i)
        Command(Cmd::AddBranch);
    for (int id : {Cmd::ViewResultsTable, Cmd::ViewGraphs, Cmd::ViewAirSourceTable, Cmd::ViewHeatSourceTable})
        Command(id);
    Command(Cmd::FileNew);  // a second document: its window a caption lower
    Command(Cmd::ViewResultsTable);
    Settle();
    ASSERT_EQ(main->Frames().size(), 7);
    ExpectAllInView(300, 200);
    const QList<CKalvexFrm*> frames = main->Frames();
    EXPECT_NE(frames[0]->pos(), frames[5]->pos());  // the branch tables of both documents

    Command(Cmd::Cascade);
    Settle();
    ExpectAllInView(Area().width() * 2 / 3, Area().height() * 2 / 3);
    Command(Cmd::Tile);
    Settle();
    ExpectAllInView(100, 100);
}

namespace {

// What the screen shows of a widget (the window's backing store) against
// what the widget paints when asked afresh.
bool ShowsItsOwnPixels(QWidget* widget, QWidget* window)
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    // The part of the widget in view: inside its windows and not covered.
    const QRect visible = widget->visibleRegion().boundingRect();
    if (visible.isEmpty())
        return false;
    const QPoint at = widget->mapTo(window, visible.topLeft());
    const QImage shown = window->screen()
                             ->grabWindow(window->winId(), at.x(), at.y(), visible.width(), visible.height())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    const QImage painted = widget->grab(visible).toImage().convertToFormat(QImage::Format_RGB32);
    return !shown.isNull() && shown == painted;
}

}  // namespace

TEST_F(Windows, AHeaderShowsItsOwnTitlesWhateverHappensInAnotherWindow)
{
    for (int i = 0; i < 3; ++i)
        Command(Cmd::AddBranch);
    Command(Cmd::ViewHeatSourceTable);
    Command(Cmd::ViewAirSourceTable);  // over the heat source table
    CKalvexTableView* air = Table();
    QWidget* header = air->TableView()->horizontalHeader()->viewport();
    ASSERT_TRUE(ShowsItsOwnPixels(header, main.get()));
    GoTo(2, 1);
    Press(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(Doc().BranchCount(), 4);
    EXPECT_TRUE(ShowsItsOwnPixels(header, main.get())) << "after Ctrl+I";
    GoTo(2, 1);
    Press(Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(ShowsItsOwnPixels(header, main.get())) << "after Ctrl+D";
    Press(Qt::Key_F10);
    EXPECT_TRUE(ShowsItsOwnPixels(header, main.get())) << "after F10";
}

TEST_F(Windows, CtrlF4ClosesTheWindowAndCtrlTabCyclesThem)
{
    Command(Cmd::AddBranch);
    Command(Cmd::ViewAirSourceTable);
    Command(Cmd::ViewHeatSourceTable);
    ASSERT_EQ(Frame()->Kind(), ViewKind::HeatSource);
    Press(Qt::Key_Tab, Qt::ControlModifier);
    const ViewKind next = Frame()->Kind();
    EXPECT_NE(next, ViewKind::HeatSource);
    Press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Frame()->Kind(), ViewKind::HeatSource);

    Press(Qt::Key_F4, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(main->Frames().size(), 2);
    EXPECT_EQ(FrameOf(ViewKind::HeatSource), nullptr);
    EXPECT_EQ(main->Documents().size(), 1);  // the document stays with its other windows
}

TEST_F(Windows, MainWindowComesBackWhereItWasAndTheStatusLineSaysReady)
{
    EXPECT_EQ(main->statusBar()->currentMessage(), "Ready");
    main->statusBar()->showMessage(QStringLiteral("Display the branch table"));
    main->statusBar()->clearMessage();
    EXPECT_EQ(main->statusBar()->currentMessage(), "Ready");

    main->setGeometry(QRect(40, 50, 1000, 700));
    Settle();
    const QRect left = main->geometry();
    ASSERT_TRUE(main->close());
    main = std::make_unique<CMainFrame>();
    EXPECT_EQ(main->geometry().size(), left.size());
    EXPECT_EQ(main->geometry().topLeft(), left.topLeft());
}

TEST_F(Windows, ExecuteOpensTheResultsOfTheBranchThatRan)
{
    for (int i = 0; i < 3; ++i)
        Command(Cmd::AddBranch);
    Doc().BranchAt(1).name = "Decline";
    GoTo(2, 1);
    Press(Qt::Key_F10);
    CKalvexFrm* results = FrameOf(ViewKind::Results);
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->windowTitle(), "Untitled - Results Table - Decline");
    EXPECT_EQ(Frame()->Kind(), ViewKind::Branch);  // the keyboard stays in the table
    EXPECT_TRUE(main->MdiArea()->viewport()->rect().contains(results->geometry()));

    // Message rows read across the table however far it is scrolled.
    auto* view = qobject_cast<CResultTableView*>(results->View());
    int message = 0;
    for (int row = 1; row <= view->GetRowCount() && !message; ++row)
        if (Doc().resultBranch->ResultAt(row - 1).isMessage)
            message = row;
    ASSERT_GT(message, 0);
    QTableView* table = view->TableView();
    table->horizontalScrollBar()->setValue(table->horizontalScrollBar()->maximum());
    ASSERT_GT(table->horizontalScrollBar()->value(), 0);
    Settle();
    const QImage picture = table->viewport()->grab().toImage();
    const int y = table->rowViewportPosition(message - 1) + table->rowHeight(message - 1) / 2;
    int dark = 0;
    for (int x = 0; x < picture.width() / 2; ++x)
        dark += qGray(picture.pixel(x, y)) < 128 ? 1 : 0;
    EXPECT_GT(dark, 2) << "no text in the message row";

    // A closed results table comes back after the next run, on the last
    // branch of a sequence.
    results->close();
    Settle();
    Doc().ToggleSequenceMode();
    Press(Qt::Key_F10);
    ASSERT_NE(FrameOf(ViewKind::Results), nullptr);
    EXPECT_EQ(Doc().resultBranch, &Doc().BranchAt(2));
}

TEST_F(Windows, AFileWithResultsOpensItsResultsTableOnTheFirstBranchWithResults)
{
    for (int i = 0; i < 3; ++i)
        Command(Cmd::AddBranch);
    GoTo(2, 1);
    Press(Qt::Key_F10);
    const QString path = TempPath("with-results.zt2");
    QFile::remove(path);
    Expect(File(path));
    ASSERT_TRUE(Command(Cmd::FileSaveAs));
    ASSERT_TRUE(Command(Cmd::FileClose));
    Settle();
    ASSERT_NE(main->OpenDocument(path), nullptr);
    EXPECT_EQ(Doc().resultBranch, nullptr);
    Command(Cmd::ViewResultsTable);
    EXPECT_EQ(Doc().resultBranch, &Doc().BranchAt(1));
    EXPECT_GT(Results()->GetRowCount(), 0);
}

TEST_F(Windows, NewColumnsFitTheirTitlesAndValues)
{
    Command(Cmd::AddBranch);
    Doc().BranchAt(0).name = "A branch with a rather long name for its column";
    for (ViewKind kind : {ViewKind::HeatSource, ViewKind::AirSource}) {
        Command(kind == ViewKind::HeatSource ? Cmd::ViewHeatSourceTable : Cmd::ViewAirSourceTable);
        CKalvexTableView* table = Table();
        const QFontMetrics metrics(table->font());
        for (int col = 1; col <= table->GetColCount(); ++col) {
            QStringList texts = table->GetValueRowCol(0, col).split('\n');
            texts << table->GetValueRowCol(1, col);
            for (const QString& text : texts)
                EXPECT_GE(table->GetColWidth(col), metrics.horizontalAdvance(text)) << text.toStdString();
        }
    }
}

TEST_F(Windows, PrintDialogsOfferAPdfFileAndSayWhenAPrintCannotStart)
{
    Command(Cmd::AddBranch);
    const QString nowhere = TempPath("no-such-folder/table.pdf");
    Expect([&nowhere](QDialog& dialog) {
        auto& print = dynamic_cast<QPrintDialog&>(dialog);
        EXPECT_TRUE(print.testOption(QAbstractPrintDialog::PrintToFile));
        if (print.printer()->outputFormat() == QPrinter::PdfFormat) {  // no printer installed
            EXPECT_TRUE(print.printer()->outputFileName().endsWith("Untitled - Branch Table.pdf"));
        }
        print.printer()->setOutputFormat(QPrinter::PdfFormat);
        print.printer()->setOutputFileName(nowhere);
        return int(QDialog::Accepted);
    });
    Expect(Button(QMessageBox::Ok));
    EXPECT_FALSE(Command(Cmd::Print));
    EXPECT_TRUE(script.messages.value(0).contains("could not be written")) << dialogs.join('\n').toStdString();

    // The branch form's dialog: a PDF file, no page range.
    Expect([](QDialog& dialog) {
        auto& print = dynamic_cast<QPrintDialog&>(dialog);
        EXPECT_TRUE(print.testOption(QAbstractPrintDialog::PrintToFile));
        EXPECT_FALSE(print.testOption(QAbstractPrintDialog::PrintPageRange));
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(Command(Cmd::PrintBranchForm));

    // Print Setup chooses among the printers and the PDF file.
    Expect([](QDialog& dialog) {
        auto& print = dynamic_cast<QPrintDialog&>(dialog);
        EXPECT_EQ(print.windowTitle(), "Print Setup");
        EXPECT_TRUE(print.testOption(QAbstractPrintDialog::PrintToFile));
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(Command(Cmd::PrintSetup));
}
