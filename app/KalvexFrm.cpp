#include "KalvexFrm.h"

#include <QCloseEvent>

CKalvexFrm::CKalvexFrm(COpenDocument& document, ViewKind kind, QWidget* view, ICommandTarget* target)
    : m_document(document), m_kind(kind), m_target(target)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
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
