// CMainFrame: documents and their windows (new, open, save, close, view
// switching).
#include "MainFrame.h"

#include "AirSourceView.h"
#include "BranchTableView.h"
#include "ChildPlacement.h"
#include "archive/DocumentFile.h"
#include "FileDialogs.h"
#include "GraphView.h"
#include "HeatSourceView.h"
#include "KalvexFrm.h"
#include "MessageBoxes.h"
#include "OpenDocument.h"
#include "RecoveryCopies.h"
#include "ResultTableView.h"

#include <QFileInfo>
#include <QLocale>
#include <QMdiArea>
#include <QTimer>

#include <functional>

COpenDocument* CMainFrame::Adopt(std::unique_ptr<COpenDocument> document)
{
    COpenDocument* adopted = document.release();
    adopted->setParent(this);
    m_documents.append(adopted);
    connect(&adopted->undo, &QUndoStack::indexChanged, this, &CMainFrame::UpdateActions);
    return adopted;
}

void CMainFrame::NoteRecentFile(const QString& path)
{
    m_recent.Add(path);
    m_recent.Save();
    UpdateRecentActions();
}

COpenDocument* CMainFrame::AddDocument()
{
    auto document = std::make_unique<COpenDocument>();
    document->doc.OnNewDocument();
    document->MarkSaved();
    return Adopt(std::move(document));
}

COpenDocument* CMainFrame::NewDocument()
{
    COpenDocument* document = AddDocument();
    CreateFrame(*document, ViewKind::Branch);
    return document;
}

COpenDocument* CMainFrame::FindOpen(const QString& path) const
{
    const QString wanted = QFileInfo(path).absoluteFilePath();
    for (COpenDocument* document : m_documents) {
        const QString own = QString::fromStdString(document->doc.PathName());
        if (!own.isEmpty() && QFileInfo(own).absoluteFilePath() == wanted)
            return document;
    }
    return nullptr;
}

COpenDocument* CMainFrame::OpenDocument(const QString& path)
{
    if (COpenDocument* open = FindOpen(path)) {
        QList<CKalvexFrm*> frames = Frames(open);
        if (!frames.isEmpty())
            m_mdi->setActiveSubWindow(frames.first());
        return open;
    }
    auto document = std::make_unique<COpenDocument>();
    const CFileResult result = LoadDocumentFile(path.toStdString(), document->doc);
    if (!result.ok) {
        Messages::Error(this, QString::fromStdString(result.message));
        m_recent.Remove(path);
        UpdateRecentActions();
        return nullptr;
    }
    document->MarkSaved();
    if (result.layoutsReset)
        Messages::Information(this, QString::fromStdString(result.message));
    COpenDocument* opened = Adopt(std::move(document));
    NoteRecentFile(path);
    CreateFrame(*opened, ViewKind::Branch);
    return opened;
}

bool CMainFrame::StorePendingEdits(COpenDocument& document, bool discardRefused)
{
    for (CKalvexFrm* frame : Frames(&document)) {
        auto* grid = qobject_cast<CGXGridView*>(frame->View());
        if (!grid || grid->TransferCurrentCell())
            continue;
        if (!discardRefused)
            return false;
        grid->CancelEditing();
    }
    return true;
}

bool CMainFrame::SaveDocument(COpenDocument& document, bool askName)
{
    if (!StorePendingEdits(document, false))
        return false;
    QString path = QString::fromStdString(document.doc.PathName());
    if (askName || path.isEmpty()) {
        const QString suggested = path.isEmpty() ? QString::fromStdString(document.doc.Title()) : path;
        path = AskSaveFileName(this, suggested);
        if (path.isEmpty())
            return false;
    }
    const CFileResult result = SaveDocumentFile(path.toStdString(), document.doc);
    if (!result.ok) {
        Messages::Error(this, QString::fromStdString(result.message));
        return false;
    }
    document.MarkSaved();
    m_recovery->Forget(&document);
    NoteRecentFile(path);
    document.doc.UpdateAllViews(nullptr, kHintContents);  // captions show the new title
    UpdateTitle();
    return true;
}

bool CMainFrame::QueryClose(COpenDocument& document)
{
    if (m_closing.contains(&document))
        return true;
    StorePendingEdits(document, true);
    if (!document.doc.IsModified())
        return true;
    const QString question =
        QStringLiteral("Save changes to %1?").arg(QString::fromStdString(document.doc.Title()));
    switch (Messages::Show(this, QMessageBox::Warning, question,
                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes: return SaveDocument(document, false);
    case QMessageBox::No: return true;
    default: return false;
    }
}

bool CMainFrame::CloseDocument(COpenDocument& document)
{
    if (!QueryClose(document))
        return false;
    m_closing.append(&document);
    for (CKalvexFrm* frame : Frames(&document))
        frame->close();
    return true;
}

bool CMainFrame::CanCloseFrame(CKalvexFrm& frame)
{
    COpenDocument& document = frame.Document();
    if (Frames(&document).size() > 1)
        return true;
    if (!QueryClose(document))
        return false;
    m_closing.append(&document);
    return true;
}

void CMainFrame::FrameDestroyed(COpenDocument* document)
{
    // The last window of a document gone: the document goes, once its
    // views have left it.
    if (!m_documents.contains(document) || !Frames(document).isEmpty())
        return;
    m_documents.removeAll(document);
    m_closing.removeAll(document);
    m_recovery->Forget(document);
    document->deleteLater();
    RebuildMenus();
    UpdateTitle();
    UpdateActions();
}

QList<CKalvexFrm*> CMainFrame::Frames(const COpenDocument* document) const
{
    QList<CKalvexFrm*> frames;
    for (QMdiSubWindow* window : m_mdi->subWindowList(QMdiArea::CreationOrder)) {
        auto* frame = qobject_cast<CKalvexFrm*>(window);
        if (frame && (!document || &frame->Document() == document))
            frames.append(frame);
    }
    return frames;
}

CKalvexFrm* CMainFrame::ActiveFrame() const
{
    return qobject_cast<CKalvexFrm*>(m_mdi->currentSubWindow());
}

COpenDocument* CMainFrame::ActiveDocument() const
{
    CKalvexFrm* frame = ActiveFrame();
    return frame ? &frame->Document() : nullptr;
}

namespace {

// A view of the kind, its command states tied to the main window's actions.
template <typename View>
View* MakeView(COpenDocument& document, CMainFrame* main)
{
    auto* view = new View(document);
    QObject::connect(view, &View::commandStateChanged, main, &CMainFrame::UpdateActions);
    return view;
}

}  // namespace

CKalvexFrm* CMainFrame::CreateFrame(COpenDocument& document, ViewKind kind)
{
    QWidget* view = nullptr;
    ICommandTarget* target = nullptr;
    std::function<void()> initialUpdate;
    auto make = [&](auto* made) {
        view = made;
        target = made;
        initialUpdate = [made] { made->InitialUpdate(); };
    };
    switch (kind) {
    case ViewKind::Branch: make(MakeView<CBranchTableView>(document, this)); break;
    case ViewKind::Results: make(MakeView<CResultTableView>(document, this)); break;
    case ViewKind::Graph: make(MakeView<CKalvexGraphView>(document, this)); break;
    case ViewKind::AirSource: make(MakeView<CAirSourceView>(document, this)); break;
    case ViewKind::HeatSource: make(MakeView<CHeatSourceView>(document, this)); break;
    default: return nullptr;
    }
    auto* frame = new CKalvexFrm(document, kind, view, target);
    frame->canClose = [this](CKalvexFrm& closing) { return CanCloseFrame(closing); };
    connect(view, &QWidget::windowTitleChanged, this, &CMainFrame::UpdateTitle);
    COpenDocument* owner = &document;
    connect(frame, &QObject::destroyed, this, [this, owner] {
        QTimer::singleShot(0, this, [this, owner] { FrameDestroyed(owner); });
    });
    m_mdi->addSubWindow(frame);
    initialUpdate();
    frame->setGeometry(ChildRect(kind, WorkArea(), static_cast<int>(m_documents.indexOf(&document)),
                                 CaptionHeight()));
    frame->show();
    m_mdi->setActiveSubWindow(frame);
    view->setFocus();
    return frame;
}

CKalvexFrm* CMainFrame::ShowView(COpenDocument& document, ViewKind kind)
{
    for (CKalvexFrm* frame : Frames(&document)) {
        if (frame->Kind() != kind)
            continue;
        if (frame->isMinimized())
            frame->showNormal();
        m_mdi->setActiveSubWindow(frame);
        return frame;
    }
    return CreateFrame(document, kind);
}

void CMainFrame::ShowRunResults()
{
    CKalvexFrm* active = ActiveFrame();
    if (!active)
        return;
    COpenDocument& document = active->Document();
    for (CKalvexFrm* frame : Frames(&document))
        if (frame->Kind() == ViewKind::Results)
            return;
    CKalvexDoc& doc = document.doc;
    if (doc.sequenceMode && doc.BranchCount() > 0)
        doc.resultBranch = &doc.BranchAt(doc.BranchCount() - 1);
    if (!doc.resultBranch)
        return;
    CreateFrame(document, ViewKind::Results);
    // The window the user worked in keeps the keyboard.
    m_mdi->setActiveSubWindow(active);
    active->View()->setFocus();
}

COpenDocument* CMainFrame::RestoreDocument(const CRecoveryCopy& copy)
{
    auto document = std::make_unique<COpenDocument>();
    const CFileResult result = LoadDocumentFile(copy.file.toStdString(), document->doc);
    if (!result.ok) {
        Messages::Error(this, QString::fromStdString(result.message));
        return nullptr;
    }
    // The document as it was: its own file (or none) and unsaved changes.
    if (copy.path.isEmpty()) {
        document->doc.SetPathName({});
        document->doc.SetTitle(copy.title.toStdString());
    } else {
        document->doc.SetPathName(copy.path.toStdString());
    }
    document->MarkSaved();
    document->doc.SetModifiedFlag();
    COpenDocument* restored = Adopt(std::move(document));
    CreateFrame(*restored, ViewKind::Branch);
    return restored;
}

void CMainFrame::OfferRecoveryCopies()
{
    for (const CRecoveryCopy& copy : CRecoveryCopies::LeftOver()) {
        const QString question =
            QStringLiteral("Dorvan was not closed normally. A copy of %1 was kept at %2 with changes that were not "
                           "saved.\n\nRestore it? (No deletes the copy.)")
                .arg(copy.title, QLocale().toString(copy.written, QLocale::ShortFormat));
        switch (Messages::Show(this, QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes)) {
        case QMessageBox::Yes:
            if (RestoreDocument(copy))
                CRecoveryCopies::Discard(copy);
            break;
        case QMessageBox::No: CRecoveryCopies::Discard(copy); break;
        default: break;  // kept for the next start
        }
    }
}
