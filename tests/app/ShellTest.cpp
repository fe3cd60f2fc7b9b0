// The main window: view switching, documents, saving and closing, recent
// files, start-up and the actions' state.
#include "Session.h"

#include "BranchTableView.h"
#include "ColumnIds.h"
#include "DorvanApp.h"
#include "HelpWindow.h"
#include "KalvexDoc.h"
#include "KalvexFrm.h"
#include "OpenDocument.h"

#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>

using Shell = Session;

TEST_F(Shell, ViewSwitchActivatesTheExistingWindow)
{
    COpenDocument* document = main->ActiveDocument();
    Command(Cmd::ViewResultsTable);
    CKalvexFrm* results = Frame();
    ASSERT_EQ(results->Kind(), ViewKind::Results);
    Command(Cmd::ViewBranchTable);
    EXPECT_EQ(Frame()->Kind(), ViewKind::Branch);
    Command(Cmd::ViewResultsTable);
    EXPECT_EQ(Frame(), results);
    EXPECT_EQ(main->Frames(document).size(), 2);

    results->close();
    Settle();
    Command(Cmd::ViewResultsTable);
    EXPECT_NE(Frame(), nullptr);
    EXPECT_EQ(main->Frames(document).size(), 2);
}

TEST_F(Shell, ViewSwitchActsOnTheActiveDocumentOnly)
{
    COpenDocument* first = main->ActiveDocument();
    Press(Qt::Key_N, Qt::ControlModifier);
    COpenDocument* second = main->ActiveDocument();
    ASSERT_NE(first, second);
    Command(Cmd::ViewResultsTable);
    EXPECT_EQ(main->Frames(second).size(), 2);
    EXPECT_EQ(main->Frames(first).size(), 1);
    EXPECT_EQ(&Frame()->Document(), second);
}

TEST_F(Shell, MenusFollowTheActiveViewAndGreyWhatCannotRun)
{
    auto titles = [this] {
        QStringList list;
        for (QAction* menu : main->menuBar()->actions())
            list << menu->text();
        return list;
    };
    EXPECT_EQ(titles(), (QStringList{"&File", "&Edit", "&Branch", "&View", "&Tools", "&Window", "&Help"}));
    EXPECT_EQ(main->Action(Cmd::AddBranch)->text(), "&Add Branch\tCtrl+Enter");
    EXPECT_EQ(main->Action(Cmd::Execute)->statusTip(), "Execute the climatic simulation");
    EXPECT_EQ(main->Action(Cmd::Execute)->toolTip(), "Execute");
    EXPECT_FALSE(Enabled(Cmd::Execute));  // no branch yet
    EXPECT_FALSE(Enabled(Cmd::Undo));
    EXPECT_TRUE(Checked(Cmd::Units));
    EXPECT_TRUE(Checked(Cmd::Toolbar));
    Command(Cmd::AddBranch);
    EXPECT_TRUE(Enabled(Cmd::Execute));
    Command(Cmd::Units);
    EXPECT_FALSE(Checked(Cmd::Units));
    EXPECT_FALSE(Doc().showUnitsBranchTable);
    EXPECT_EQ(main->windowTitle(), "Kalvex for Windows Version 1.2 - Untitled");

    Command(Cmd::ViewResultsTable);
    QMenu* edit = main->menuBar()->actions()[1]->menu();
    ASSERT_EQ(edit->actions().size(), 1);
    EXPECT_EQ(edit->actions()[0]->text(), "&Copy\tCtrl+C");
}

TEST_F(Shell, ZoomAndFreezeFollowTheirLimits)
{
    Command(Cmd::AddBranch);
    EXPECT_FALSE(Enabled(Cmd::Zoom100));
    std::vector<int> steps;
    while (Enabled(Cmd::ZoomIn)) {
        Command(Cmd::ZoomIn);
        steps.push_back(Table()->GetZoom());
    }
    EXPECT_EQ(steps, (std::vector<int>{110, 121, 133, 146, 160, 176, 193, 212, 233, 256, 281, 309}));
    Command(Cmd::Zoom100);
    for (int i = 0; i < 8; ++i)
        Command(Cmd::ZoomOut);
    EXPECT_EQ(Table()->GetZoom(), 44);
    Command(Cmd::ZoomOut);
    EXPECT_EQ(Table()->GetZoom(), 40);
    EXPECT_FALSE(Enabled(Cmd::ZoomOut));

    GoTo(1, 1);
    EXPECT_FALSE(Enabled(Cmd::FreezeColumns));
    GoTo(1, Table()->GetColCount());
    EXPECT_FALSE(Enabled(Cmd::FreezeColumns));
    GoTo(1, 4);
    ASSERT_TRUE(Enabled(Cmd::FreezeColumns));
    Command(Cmd::FreezeColumns);
    EXPECT_EQ(Table()->GetFrozenCols(), 3);
    EXPECT_FALSE(Enabled(Cmd::FreezeColumns));
    Command(Cmd::UnfreezeColumns);
    EXPECT_EQ(Table()->GetFrozenCols(), 0);
}

TEST_F(Shell, SaveCloseAndReopenKeepTheTable)
{
    Command(Cmd::AddBranch);
    Command(Cmd::AddBranch);
    Doc().BranchAt(1).name = "Return";
    ASSERT_TRUE(Table()->MoveCols(2, 3, 1));  // Dry Bulb and Wet Bulb in front of Name
    Table()->SetColWidth(2, 140);
    GoTo(1, 3);
    Command(Cmd::FreezeColumns);
    const QString path = TempPath("reopen.zt2");
    QFile::remove(path);
    Expect(File(path));
    Press(Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Frame()->windowTitle(), "reopen.zt2 - Branch Table");
    const std::vector<std::uint16_t> columns = Doc().branchColumns;

    Command(Cmd::FileClose);
    Settle();
    EXPECT_TRUE(main->Documents().isEmpty());
    EXPECT_EQ(main->menuBar()->actions().size(), 3);  // the menu without a document

    Expect(File(path));
    Press(Qt::Key_O, Qt::ControlModifier);
    ASSERT_NE(Table(), nullptr);
    EXPECT_EQ(Doc().BranchCount(), 2);
    EXPECT_EQ(Doc().branchColumns, columns);
    EXPECT_EQ(Table()->GetColWidth(2), 140);
    EXPECT_EQ(Table()->GetFrozenCols(), 2);
    EXPECT_EQ(Cell(2, 3), "Return");
    EXPECT_EQ(Doc().branchColumns[1], Col::DryBulb);
    EXPECT_EQ(QSettings().value("Recent File List/File1").toString(), path);
}

TEST_F(Shell, ClosingWithChangesAsksAndCancelKeepsTheDocument)
{
    Command(Cmd::AddBranch);
    Expect(Button(QMessageBox::Cancel));
    EXPECT_FALSE(main->close());
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0], "Dorvan | Save changes to Untitled?");
    EXPECT_EQ(main->Documents().size(), 1);
    EXPECT_TRUE(main->isVisible());

    Expect(Button(QMessageBox::Cancel));
    Frame()->close();
    Settle();
    EXPECT_EQ(main->Documents().size(), 1);

    Expect(Button(QMessageBox::No));
    EXPECT_TRUE(main->close());
}

TEST_F(Shell, AFileThatCannotBeOpenedGivesItsMessageAndANewDocument)
{
    main.reset();
    Settle();
    const QString path = TempPath("not-a-document.zt2");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is not a document");
    file.close();

    Expect(Button(QMessageBox::Ok));  // the file's message
    Expect(Button(QDialog::Accepted));  // the about box
    main = StartMainFrame({path}, true);
    ASSERT_EQ(dialogs.size(), 2);
    EXPECT_EQ(dialogs[0], "Dorvan | Unexpected file format.");
    EXPECT_EQ(dialogs[1], "About Kalvex for Windows");
    EXPECT_EQ(main->Documents().size(), 1);
    EXPECT_EQ(Doc().Title(), "Untitled");
}

TEST_F(Shell, RecentFilesKeepFourNewestFirst)
{
    CRecentFiles& recent = main->RecentFiles();
    for (int i = 1; i <= 5; ++i)
        recent.Add(TempPath(QStringLiteral("f%1.zt2").arg(i)));
    recent.Add(TempPath("f3.zt2"));
    recent.Save();
    QSettings settings;
    EXPECT_EQ(settings.value("Recent File List/File1").toString(), TempPath("f3.zt2"));
    EXPECT_EQ(settings.value("Recent File List/File2").toString(), TempPath("f5.zt2"));
    EXPECT_EQ(settings.value("Recent File List/File4").toString(), TempPath("f2.zt2"));
    EXPECT_FALSE(settings.contains("Recent File List/File5"));
}

TEST_F(Shell, F6CyclesTheWindowsAndTheWindowMenuListsThem)
{
    Command(Cmd::AddBranch);
    Command(Cmd::ViewResultsTable);
    Command(Cmd::ViewHeatSourceTable);
    ASSERT_EQ(main->Frames().size(), 3);
    CKalvexFrm* start = Frame();
    Press(Qt::Key_F6);
    EXPECT_NE(Frame(), start);
    Press(Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(Frame(), start);

    QMenu* window = nullptr;
    for (QAction* menu : main->menuBar()->actions())
        if (menu->text() == "&Window")
            window = menu->menu();
    ASSERT_NE(window, nullptr);
    emit window->aboutToShow();
    QStringList entries;
    for (QAction* action : window->actions())
        if (action->isCheckable())
            entries << action->text();
    EXPECT_EQ(entries, (QStringList{"&1 Untitled - Branch Table", "&2 Untitled - Results Table",
                                    "&3 Untitled - Heat Source Summary Table"}));
    emit window->aboutToShow();  // built afresh, not added twice
    const QList<QAction*> actions = window->actions();
    EXPECT_EQ(std::count_if(actions.begin(), actions.end(), [](QAction* a) { return a->isCheckable(); }), 3);
}

TEST_F(Shell, ARenamedBranchShowsInTheResultsCaption)
{
    Command(Cmd::AddBranch);
    Command(Cmd::Execute);
    Command(Cmd::ViewResultsTable);
    CKalvexFrm* results = Frame();
    Command(Cmd::ViewBranchTable);
    GoTo(1, 1);
    Type("Ramp");
    Press(Qt::Key_Return);
    EXPECT_EQ(Doc().BranchAt(0).name, "Ramp");
    EXPECT_EQ(results->windowTitle(), "Untitled - Results Table - Ramp");
}

TEST_F(Shell, LockKeyPanesFollowTheKeys)
{
    EXPECT_EQ(main->LockPane(0)->text(), "CAP");
    EXPECT_FALSE(main->LockPane(0)->isEnabled());
    Press(Qt::Key_CapsLock);
    EXPECT_TRUE(main->LockPane(0)->isEnabled());
    Press(Qt::Key_CapsLock);
    EXPECT_FALSE(main->LockPane(0)->isEnabled());
    Press(Qt::Key_NumLock);
    EXPECT_TRUE(main->LockPane(1)->isEnabled());
}

TEST_F(Shell, GraphsTwiceActivatesOneGraphWindowWithItsOwnMenu)
{
    Command(Cmd::AddBranch);
    Command(Cmd::Execute);
    Command(Cmd::ViewGraphs);
    CKalvexFrm* graph = Frame();
    ASSERT_EQ(graph->Kind(), ViewKind::Graph);
    EXPECT_EQ(graph->windowTitle().left(19), "Untitled - Graphs -");
    QStringList titles;
    for (QAction* menu : main->menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&Branch", "&View", "&Graph", "&Tools", "&Window", "&Help"}));
    EXPECT_TRUE(Enabled(Cmd::GraphPresentation));
    EXPECT_TRUE(Enabled(Cmd::Export));
    Command(Cmd::ViewBranchTable);
    EXPECT_FALSE(Enabled(Cmd::GraphPresentation));
    Command(Cmd::ViewGraphs);
    EXPECT_EQ(Frame(), graph);
    EXPECT_EQ(main->Frames().size(), 3);  // with the results table Execute opened
}

TEST_F(Shell, F1OpensThePageOfTheActiveWindow)
{
    Press(Qt::Key_F1);
    ASSERT_NE(CHelpWindow::Existing(), nullptr);
    EXPECT_EQ(CHelpWindow::Existing()->CurrentTopic(), "branch-table");
    Command(Cmd::ViewResultsTable);
    Press(Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(CHelpWindow::Existing()->CurrentTopic(), "results-table");
    Command(Cmd::ViewGraphs);
    Press(Qt::Key_F1);
    EXPECT_EQ(CHelpWindow::Existing()->CurrentTopic(), "graph");
    Command(Cmd::ViewAirSourceTable);
    Command(Cmd::Help);
    EXPECT_EQ(CHelpWindow::Existing()->CurrentTopic(), "air-source-table");
    Command(Cmd::ViewHeatSourceTable);
    Command(Cmd::Help);
    EXPECT_EQ(CHelpWindow::Existing()->CurrentTopic(), "heat-source-table");
    Command(Cmd::UsingHelp);
    EXPECT_EQ(CHelpWindow::Existing()->CurrentTopic(), "using-help");
    Command(Cmd::HelpIndex);
    EXPECT_EQ(CHelpWindow::Existing()->CurrentTopic(), "index");
    CHelpWindow::Existing()->close();
}

TEST_F(Shell, SwitchingViewsDoesNotPileUpMenus)
{
    Command(Cmd::ViewResultsTable);
    for (int i = 0; i < 5; ++i) {
        Command(Cmd::ViewBranchTable);
        Command(Cmd::ViewResultsTable);
    }
    Settle();
    EXPECT_EQ(main->menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly).size(),
              main->menuBar()->actions().size());
}
