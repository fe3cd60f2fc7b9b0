// CMainFrame: actions, menus, toolbar, status bar and command routing.
#include "MainFrame.h"

#include "CommandIds.h"
#include "KalvexFrm.h"
#include "OpenDocument.h"
#include "RecoveryCopies.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QScreen>
#include <QSettings>
#include <QMenuBar>
#include <QPrinter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include <algorithm>

namespace {

const QString kMainTitle = QStringLiteral("Kalvex for Windows Version 1.2");

QIcon CommandIcon(int id)
{
    const QString file = [id] {
        switch (id) {
        case Cmd::FileNew: return QStringLiteral("new");
        case Cmd::FileOpen: return QStringLiteral("open");
        case Cmd::FileSave: return QStringLiteral("save");
        case Cmd::Copy: return QStringLiteral("copy");
        case Cmd::Paste: return QStringLiteral("paste");
        case Cmd::Print: return QStringLiteral("print");
        case Cmd::PrintPreview: return QStringLiteral("preview");
        case Cmd::BranchProperties: return QStringLiteral("properties");
        case Cmd::HeatSources: return QStringLiteral("heat");
        case Cmd::FanReg: return QStringLiteral("fan");
        case Cmd::AirSources: return QStringLiteral("air");
        case Cmd::Execute: return QStringLiteral("execute");
        case Cmd::PreviousBranch: return QStringLiteral("previous");
        case Cmd::NextBranch: return QStringLiteral("next");
        default: return QString();
        }
    }();
    return file.isEmpty() ? QIcon() : QIcon(QStringLiteral(":/icons/%1.svg").arg(file));
}

}  // namespace

CMainFrame::CMainFrame() : m_mdi(new QMdiArea(this))
{
    setCentralWidget(m_mdi);
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);

    m_recent.Load();
    m_recovery = std::make_unique<CRecoveryCopies>([this] { return m_documents; });
    CreateActions();
    CreateToolBar();
    CreateStatusBar();
    RebuildMenus();
    UpdateTitle();
    UpdateActions();
    qApp->installEventFilter(this);
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                          : QRect(0, 0, 1280, 800);
    resize(std::max(900, screen.width() * 17 / 20), std::max(600, screen.height() * 17 / 20));
    RestoreGeometry();
}

void CMainFrame::SaveGeometry() const
{
    QSettings().setValue(QStringLiteral("MainWindow/geometry"), saveGeometry());
}

void CMainFrame::RestoreGeometry()
{
    // The window comes back where the user left it; a place on a screen
    // that is gone is put right by Qt.
    const QByteArray geometry = QSettings().value(QStringLiteral("MainWindow/geometry")).toByteArray();
    if (!geometry.isEmpty())
        restoreGeometry(geometry);
}

CMainFrame::~CMainFrame()
{
    qApp->removeEventFilter(this);
    // Windows first: their views still talk to their documents.
    for (CKalvexFrm* frame : Frames())
        delete frame;
    qDeleteAll(m_documents);
}

void CMainFrame::CreateActions()
{
    for (const CCommandInfo& info : CommandTable()) {
        auto* action = new QAction(info.text, this);
        action->setStatusTip(info.prompt);
        action->setToolTip(info.tooltip.isEmpty() ? QString(info.text).remove('&').section('\t', 0, 0) : info.tooltip);
        action->setShortcuts(info.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setCheckable(info.checkable);
        action->setIcon(CommandIcon(info.id));
        action->setIconVisibleInMenu(false);
        const int id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        addAction(action);  // shortcuts work whichever menu is shown
        m_actions.insert(id, action);
    }
    for (int i = 0; i < CRecentFiles::kSize; ++i) {
        auto* action = new QAction(this);
        action->setStatusTip(QStringLiteral("Open this document"));
        connect(action, &QAction::triggered, this, [this, i] {
            if (i < m_recent.Files().size())
                OpenDocument(m_recent.Files()[i]);
        });
        m_recentActions.append(action);
    }
    UpdateRecentActions();
    // Ctrl+F4 closes the active child window (its document only when it
    // was the last one), as in every multi-document program.
    auto* closeWindow = new QAction(this);
    closeWindow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    closeWindow->setShortcutContext(Qt::WindowShortcut);
    connect(closeWindow, &QAction::triggered, m_mdi, &QMdiArea::closeActiveSubWindow);
    addAction(closeWindow);
}

void CMainFrame::CreateToolBar()
{
    m_toolbar = addToolBar(QStringLiteral("Standard"));
    m_toolbar->setObjectName(QStringLiteral("Standard"));
    m_toolbar->setIconSize(QSize(16, 16));
    m_toolbar->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : ToolbarLayout()) {
        if (id == kSeparator)
            m_toolbar->addSeparator();
        else
            m_toolbar->addAction(m_actions.value(id));
    }
    connect(m_toolbar, &QToolBar::visibilityChanged, this, [this] { UpdateActions(); });
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->showMessage(QStringLiteral("Ready"));
    // A prompt that goes (the mouse leaves a menu item) leaves "Ready".
    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& message) {
        if (message.isEmpty())
            bar->showMessage(QStringLiteral("Ready"));
    });
    const char* names[3] = {"CAP", "NUM", "SCRL"};
    for (int i = 0; i < 3; ++i) {
        m_lockPanes[i] = new QLabel(QString::fromLatin1(names[i]), bar);
        m_lockPanes[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_lockPanes[i]->setAlignment(Qt::AlignCenter);
        m_lockPanes[i]->setMinimumWidth(m_lockPanes[i]->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        m_lockPanes[i]->setEnabled(false);
        bar->addPermanentWidget(m_lockPanes[i]);
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    // Qt tells nothing of the lock keys' state; the panes follow the lock
    // keys pressed while the program runs.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int pane = key == Qt::Key_CapsLock ? 0 : key == Qt::Key_NumLock ? 1 : key == Qt::Key_ScrollLock ? 2 : -1;
        if (pane >= 0 && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
            m_lockState[pane] = !m_lockState[pane];
            m_lockPanes[pane]->setEnabled(m_lockState[pane]);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::RebuildMenus()
{
    CKalvexFrm* frame = ActiveFrame();
    const ViewKind kind = frame ? frame->Kind() : ViewKind::None;
    if (kind == m_menuKind)
        return;
    m_menuKind = kind;
    QMenuBar* bar = menuBar();
    // clear() only takes the menus out of the bar; they stay its children
    // until deleted (later: the switch may come from one of them).
    const QList<QMenu*> old = bar->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
    bar->clear();
    for (QMenu* menu : old)
        menu->deleteLater();
    for (const CMenuLayout& layout : MenuLayout(kind)) {
        QMenu* menu = bar->addMenu(layout.title);
        for (int id : layout.items) {
            if (id == kSeparator)
                menu->addSeparator();
            else if (id == kRecentFiles)
                menu->addActions(m_recentActions);
            else if (id == kWindowList)
                connect(menu, &QMenu::aboutToShow, this, [this, menu] { FillWindowMenu(menu); });
            else
                menu->addAction(m_actions.value(id));
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateActions);
    }
}

void CMainFrame::FillWindowMenu(QMenu* menu)
{
    for (QAction* action : menu->actions())
        if (action->property("windowEntry").toBool())
            delete action;
    const QList<QMdiSubWindow*> windows = m_mdi->subWindowList();
    if (!windows.isEmpty())
        menu->addSeparator()->setProperty("windowEntry", true);
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        const QString text = i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(window->windowTitle())
                                   : QStringLiteral("%1 %2").arg(i + 1).arg(window->windowTitle());
        QAction* action = menu->addAction(text);
        action->setProperty("windowEntry", true);
        action->setCheckable(true);
        action->setChecked(window == m_mdi->currentSubWindow());
        action->setStatusTip(QStringLiteral("Activate this window"));
        connect(action, &QAction::triggered, this, [this, window] { m_mdi->setActiveSubWindow(window); });
    }
}

void CMainFrame::UpdateRecentActions()
{
    const QStringList& files = m_recent.Files();
    for (int i = 0; i < m_recentActions.size(); ++i) {
        QAction* action = m_recentActions[i];
        action->setVisible(i < files.size());
        if (i < files.size())
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(files[i]));
    }
}

void CMainFrame::UpdateTitle()
{
    COpenDocument* document = ActiveDocument();
    setWindowTitle(document ? kMainTitle + QStringLiteral(" - ") + QString::fromStdString(document->doc.Title())
                            : kMainTitle);
}

void CMainFrame::OnSubWindowActivated(QMdiSubWindow*)
{
    RebuildMenus();
    UpdateTitle();
    UpdateActions();
}

ICommandTarget* CMainFrame::ActiveTarget() const
{
    CKalvexFrm* frame = ActiveFrame();
    return frame ? frame->Target() : nullptr;
}

void CMainFrame::UpdateActions()
{
    ICommandTarget* target = ActiveTarget();
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const int id = it.key();
        QAction* action = it.value();
        // The view first: the graph has its own Print Setup.
        if (target && target->HandlesCommand(id)) {
            action->setEnabled(target->IsCommandEnabled(id));
            action->setChecked(target->IsCommandChecked(id));
        } else if (ShellHandles(id)) {
            action->setEnabled(ShellEnabled(id));
            action->setChecked(ShellChecked(id));
        } else {
            action->setEnabled(false);
            action->setChecked(false);
        }
    }
}

bool CMainFrame::RunCommand(int id)
{
    UpdateActions();
    QAction* action = m_actions.value(id);
    if (action && !action->isEnabled())
        return false;
    bool done = false;
    if (ICommandTarget* target = ActiveTarget(); target && target->HandlesCommand(id))
        done = target->RunCommand(id);
    else if (ShellHandles(id))
        done = RunShellCommand(id);
    if (id == Cmd::Execute && done)
        ShowRunResults();
    UpdateTitle();
    UpdateActions();
    return done;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    for (COpenDocument* document : Documents()) {
        if (!QueryClose(*document)) {
            m_closing.clear();
            event->ignore();
            return;
        }
        m_closing.append(document);
    }
    m_recent.Save();
    SaveGeometry();
    event->accept();
}
