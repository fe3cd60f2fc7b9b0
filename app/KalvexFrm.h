#pragma once
// The child window of one view of a document. Its caption is set by the
// view; closing the last window of a document closes the document, which
// the main window asks about first.
#include "CommandTable.h"

#include <QMdiSubWindow>

#include <functional>

class COpenDocument;
class ICommandTarget;

class CKalvexFrm : public QMdiSubWindow {
    Q_OBJECT

public:
    CKalvexFrm(COpenDocument& document, ViewKind kind, QWidget* view, ICommandTarget* target);

    COpenDocument& Document() const { return m_document; }
    ViewKind Kind() const { return m_kind; }
    QWidget* View() const { return widget(); }
    ICommandTarget* Target() const { return m_target; }

    // Asked before the window closes; false keeps it open.
    std::function<bool(CKalvexFrm&)> canClose;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    COpenDocument& m_document;
    ViewKind m_kind;
    ICommandTarget* m_target;
};
