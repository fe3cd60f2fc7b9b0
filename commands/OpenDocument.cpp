#include "OpenDocument.h"

COpenDocument::COpenDocument(QObject* parent) : QObject(parent), undo(this)
{
    connect(&undo, &QUndoStack::indexChanged, this, &COpenDocument::FollowHistory);
}

void COpenDocument::MarkSaved()
{
    m_outsideAtSave = doc.ChangesOutsideHistory();
    undo.setClean();
    doc.SetModifiedFlag(false);
}

void COpenDocument::FollowHistory()
{
    if (undo.isClean() && doc.ChangesOutsideHistory() == m_outsideAtSave)
        doc.SetModifiedFlag(false);
}
