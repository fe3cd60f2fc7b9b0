#pragma once
// The main window: the child windows of every open document in a QMdiArea,
// one QAction per command (menus and toolbar share them), the status bar,
// and the file, window and help commands. Every other command goes to the
// active view, which says whether it is available or checked.
#include "CommandTable.h"
#include "RecentFiles.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <memory>

class COpenDocument;
class CKalvexFrm;
class CRecoveryCopies;
struct CRecoveryCopy;
class ICommandTarget;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    CMainFrame();
    ~CMainFrame() override;

    // A new document in a branch table window.
    COpenDocument* NewDocument();
    // Opens a file in a branch table window (or activates it when it is
    // open already); shows the message and gives null when it fails.
    COpenDocument* OpenDocument(const QString& path);
    bool SaveDocument(COpenDocument& document, bool askName);
    // Offers every recovery copy an earlier run left behind; restored ones
    // open as modified documents under their own names.
    void OfferRecoveryCopies();
    COpenDocument* RestoreDocument(const CRecoveryCopy& copy);
    CRecoveryCopies& Recovery() { return *m_recovery; }
    // Asks to save when modified; false when the user cancelled.
    bool CloseDocument(COpenDocument& document);

    // The window of the requested kind for the document, activated or made.
    CKalvexFrm* ShowView(COpenDocument& document, ViewKind kind);

    CKalvexFrm* ActiveFrame() const;
    COpenDocument* ActiveDocument() const;
    QList<CKalvexFrm*> Frames(const COpenDocument* document = nullptr) const;
    QList<COpenDocument*> Documents() const { return m_documents; }
    QMdiArea* MdiArea() const { return m_mdi; }
    QAction* Action(int id) const { return m_actions.value(id); }
    QToolBar* ToolBar() const { return m_toolbar; }
    CRecentFiles& RecentFiles() { return m_recent; }
    QLabel* LockPane(int index) const { return m_lockPanes[index]; }

    // Availability and check marks of every action from the active view.
    void UpdateActions();
    // Runs a command as its action would (when it is available).
    bool RunCommand(int id);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateToolBar();
    void CreateStatusBar();
    void RebuildMenus();
    void FillWindowMenu(QMenu* menu);
    void UpdateRecentActions();
    void UpdateTitle();
    void OnSubWindowActivated(QMdiSubWindow* window);

    bool ShellHandles(int id) const;
    bool ShellEnabled(int id) const;
    bool ShellChecked(int id) const;
    bool RunShellCommand(int id);
    ICommandTarget* ActiveTarget() const;

    CKalvexFrm* CreateFrame(COpenDocument& document, ViewKind kind);
    COpenDocument* AddDocument();
    // Takes a document into the window's list.
    COpenDocument* Adopt(std::unique_ptr<COpenDocument> document);
    void NoteRecentFile(const QString& path);
    void FrameDestroyed(COpenDocument* document);
    bool CanCloseFrame(CKalvexFrm& frame);
    bool QueryClose(COpenDocument& document);
    bool StorePendingEdits(COpenDocument& document, bool discardRefused);
    COpenDocument* FindOpen(const QString& path) const;
    void ArrangeIcons();
    void CascadeWindows();
    // After a run: a results table for the active document when it has
    // none, on the branch that ran (the last one of a sequence).
    void ShowRunResults();
    // The part of the work area where child windows are in view, and the
    // height of a child window's caption.
    QRect WorkArea() const;
    int CaptionHeight() const;
    void SaveGeometry() const;
    void RestoreGeometry();
    void ShowHeatStressCalculator();
    // The help page of the active window.
    QString ActiveHelpTopic() const;
    bool PrintSetup();

    QMdiArea* m_mdi;
    QToolBar* m_toolbar = nullptr;
    QHash<int, QAction*> m_actions;
    QList<QAction*> m_recentActions;
    QList<COpenDocument*> m_documents;
    QList<COpenDocument*> m_closing;  // asked already; their windows close without asking
    ViewKind m_menuKind = ViewKind(0);
    CRecentFiles m_recent;
    QLabel* m_lockPanes[3] = {};
    bool m_lockState[3] = {};
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<CRecoveryCopies> m_recovery;
    QPointer<QDialog> m_stressCalculator;
};
