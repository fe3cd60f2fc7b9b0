#include "KalvexFrm.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

CKalvexFrm::CKalvexFrm(COpenDocument& document, ViewKind kind, QWidget* view, ICommandTarget* target)
    : m_document(document), m_kind(kind), m_target(target)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
    // Ctrl+F4 is the main window's (it closes the active child window);
    // the system menu's own would make the key ambiguous.
    if (QMenu* menu = systemMenu())
        for (QAction* action : menu->actions())
            if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_F4)))
                action->setShortcuts({});
    setWindowTitle(view->windowTitle());
    connect(view, &QWidget::windowTitleChanged, this, &QWidget::setWindowTitle);
}

void CKalvexFrm::closeEvent(QCloseEvent* event)
{
    if (canClose && !canClose(*this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
