#include "QtRunUi.h"

#include "DataErrorsDlg.h"
#include "MessageBoxes.h"

#include <QApplication>
#include <QCursor>

void CQtRunUi::BeginBusy()
{
    ++m_busy;
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void CQtRunUi::EndBusy()
{
    if (m_busy == 0)
        return;
    --m_busy;
    QApplication::restoreOverrideCursor();
}

void CQtRunUi::ShowGuardMessage(const std::string& text)
{
    // The arrow while the box waits for an answer, the busy cursor after.
    QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    Messages::Error(m_parent, QString::fromStdString(text));
    QApplication::restoreOverrideCursor();
}

void CQtRunUi::ShowDataErrors(const std::vector<std::string>& errors)
{
    QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    ::ShowDataErrors(m_parent, errors);
    QApplication::restoreOverrideCursor();
}
