#pragma once
// One open document of the windowed program: the document and its undo
// history. Every view of the document records its edits on the one stack,
// so an undo in any view finds its record by id whatever the others did.
//
// The modified flag follows the history: back at the point where the
// document was saved (or opened) it is clear again, unless something off
// the history (a run) changed the document since.
#include "KalvexDoc.h"

#include <QObject>
#include <QUndoStack>

#include <cstdint>

class COpenDocument : public QObject {
    Q_OBJECT

public:
    explicit COpenDocument(QObject* parent = nullptr);

    // The document as stored now (saved, opened or new): the history's
    // clean point.
    void MarkSaved();

    CKalvexDoc doc;
    QUndoStack undo;

private:
    void FollowHistory();

    std::uint64_t m_outsideAtSave = 0;
};
