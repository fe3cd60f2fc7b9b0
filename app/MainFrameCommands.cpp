// CMainFrame: the commands of the application and the main window (files,
// view switching, windows, help, sequence mode).
#include "MainFrame.h"

#include "AboutBox.h"
#include "BranchDialogs.h"
#include "ChildPlacement.h"
#include "CommandIds.h"
#include "FileDialogs.h"
#include "GXGridView.h"
#include "GXPrintDialogs.h"
#include "GXModal.h"
#include "HeatStressCalcDlg.h"
#include "HelpWindow.h"
#include "KalvexFrm.h"
#include "MessageBoxes.h"
#include "OpenDocument.h"
#include "SettingsCommands.h"

#include <QMdiArea>
#include <QPrinter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include <memory>
#include <set>

namespace {

const std::set<int> kShellCommands = {
    Cmd::FileNew,    Cmd::FileOpen,   Cmd::FileClose,    Cmd::FileSave,       Cmd::FileSaveAs,
    Cmd::PrintSetup, Cmd::Exit,       Cmd::ViewBranchTable, Cmd::ViewResultsTable, Cmd::ViewGraphs,
    Cmd::ViewAirSourceTable, Cmd::ViewHeatSourceTable, Cmd::Cascade, Cmd::Tile, Cmd::ArrangeIcons,
    Cmd::Toolbar,    Cmd::StatusBar,  Cmd::Help,         Cmd::HelpIndex,      Cmd::UsingHelp,
    Cmd::ContextHelp, Cmd::About,     Cmd::NextPane,     Cmd::PreviousPane,   Cmd::SequenceMode,
    Cmd::WorkerDescription, Cmd::HeatStressCalculator,
};

ViewKind SwitchKind(int id)
{
    switch (id) {
    case Cmd::ViewBranchTable: return ViewKind::Branch;
    case Cmd::ViewResultsTable: return ViewKind::Results;
    case Cmd::ViewGraphs: return ViewKind::Graph;
    case Cmd::ViewAirSourceTable: return ViewKind::AirSource;
    default: return ViewKind::HeatSource;
    }
}

bool IsViewSwitch(int id)
{
    return id == Cmd::ViewBranchTable || id == Cmd::ViewResultsTable || id == Cmd::ViewGraphs ||
           id == Cmd::ViewAirSourceTable || id == Cmd::ViewHeatSourceTable;
}

}  // namespace

bool CMainFrame::ShellHandles(int id) const
{
    return kShellCommands.count(id) != 0;
}

bool CMainFrame::ShellEnabled(int id) const
{
    const bool haveDocument = ActiveDocument() != nullptr;
    if (IsViewSwitch(id))
        return haveDocument;
    switch (id) {
    case Cmd::FileClose:
    case Cmd::FileSave:
    case Cmd::FileSaveAs:
    case Cmd::SequenceMode: return haveDocument;
    case Cmd::Cascade:
    case Cmd::Tile:
    case Cmd::NextPane:
    case Cmd::PreviousPane: return !m_mdi->subWindowList().isEmpty();
    case Cmd::ArrangeIcons: return haveDocument;
    case Cmd::WorkerDescription: return haveDocument;
    default: return true;
    }
}

bool CMainFrame::ShellChecked(int id) const
{
    switch (id) {
    case Cmd::Toolbar: return m_toolbar && !m_toolbar->isHidden();
    case Cmd::StatusBar: return !statusBar()->isHidden();
    case Cmd::SequenceMode: return ActiveDocument() && ActiveDocument()->doc.sequenceMode;
    default: return false;
    }
}

bool CMainFrame::RunShellCommand(int id)
{
    COpenDocument* document = ActiveDocument();
    if (IsViewSwitch(id))
        return document && ShowView(*document, SwitchKind(id)) != nullptr;
    switch (id) {
    case Cmd::FileNew: return NewDocument() != nullptr;
    case Cmd::FileOpen: {
        const QString path = AskOpenFileName(this);
        return !path.isEmpty() && OpenDocument(path) != nullptr;
    }
    case Cmd::FileClose: return document && CloseDocument(*document);
    case Cmd::FileSave: return document && SaveDocument(*document, false);
    case Cmd::FileSaveAs: return document && SaveDocument(*document, true);
    case Cmd::PrintSetup: return PrintSetup();
    case Cmd::Exit: return close();
    case Cmd::Cascade: CascadeWindows(); return true;
    case Cmd::Tile: m_mdi->tileSubWindows(); return true;
    case Cmd::ArrangeIcons: ArrangeIcons(); return true;
    case Cmd::Toolbar: m_toolbar->setVisible(m_toolbar->isHidden()); return true;
    case Cmd::StatusBar: statusBar()->setVisible(statusBar()->isHidden()); return true;
    case Cmd::NextPane: m_mdi->activateNextSubWindow(); return true;
    case Cmd::PreviousPane: m_mdi->activatePreviousSubWindow(); return true;
    case Cmd::About: ShowAboutBox(this); return true;
    case Cmd::SequenceMode:
        if (!document)
            return false;
        document->undo.push(new CSequenceModeCommand(document->doc));
        return true;
    case Cmd::WorkerDescription: {
        // Stored in the file: one undo step; the views show the new limit.
        CWorkerValues values;
        if (!document || !EditWorkerDescription(this, document->doc, values))
            return false;
        auto step = std::make_unique<CWorkerCommand>(document->doc, values);
        if (step->Changes())
            document->undo.push(step.release());
        return true;
    }
    case Cmd::Help:
    case Cmd::ContextHelp: ShowHelp(ActiveHelpTopic(), this); return true;
    case Cmd::HelpIndex: ShowHelp(QStringLiteral("index"), this); return true;
    case Cmd::HeatStressCalculator: ShowHeatStressCalculator(); return true;
    case Cmd::UsingHelp: ShowHelp(QStringLiteral("using-help"), this); return true;
    default: return false;
    }
}

void CMainFrame::ShowHeatStressCalculator()
{
    // One calculator, kept while the main window lives; it keeps its fields.
    if (!m_stressCalculator)
        m_stressCalculator = new CHeatStressCalcDlg(this);
    m_stressCalculator->show();
    m_stressCalculator->raise();
    m_stressCalculator->activateWindow();
}

void CMainFrame::ArrangeIcons()
{
    // Minimised windows in a row along the bottom of the area.
    int x = 0;
    const int bottom = m_mdi->viewport()->height();
    for (QMdiSubWindow* window : m_mdi->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized())
            continue;
        window->move(x, bottom - window->height());
        x += window->width();
    }
}

QRect CMainFrame::WorkArea() const
{
    // Before the main window is first shown its area has no size yet; the
    // window's own size, less menu, toolbar and status bar, stands in.
    if (m_mdi->isVisible())
        return m_mdi->viewport()->rect();
    return {QPoint(0, 0), size() - QSize(0, 120)};
}

int CMainFrame::CaptionHeight() const
{
    return style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + 4;
}

void CMainFrame::CascadeWindows()
{
    // Qt's own cascade shrinks windows to their size hints; here each keeps
    // most of the area, the active one on top.
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : m_mdi->subWindowList(QMdiArea::StackingOrder)) {
        if (!window->isVisible() || window->isMinimized())
            continue;
        if (window->isMaximized())
            window->showNormal();
        windows.append(window);
    }
    const QList<QRect> rects = CascadeRects(static_cast<int>(windows.size()), WorkArea(), CaptionHeight());
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->setGeometry(rects[i]);
        windows[i]->raise();
    }
}

QString CMainFrame::ActiveHelpTopic() const
{
    CKalvexFrm* frame = ActiveFrame();
    switch (frame ? frame->Kind() : ViewKind::None) {
    case ViewKind::Branch: return QStringLiteral("branch-table");
    case ViewKind::Results: return QStringLiteral("results-table");
    case ViewKind::Graph: return QStringLiteral("graph");
    case ViewKind::AirSource: return QStringLiteral("air-source-table");
    case ViewKind::HeatSource: return QStringLiteral("heat-source-table");
    default: return QStringLiteral("index");
    }
}

bool CMainFrame::PrintSetup()
{
    // The active table's printer, so that its next print job uses the setup.
    QPrinter* printer = nullptr;
    if (CKalvexFrm* frame = ActiveFrame())
        if (auto* grid = qobject_cast<CGXGridView*>(frame->View()))
            printer = grid->GetPrinter();
    if (!printer) {
        if (!m_printer)
            m_printer = std::make_unique<QPrinter>();
        printer = m_printer.get();
    }
    return GXPrint::RunPrintSetup(*printer, this);
}
