#pragma once
// One open document of the windowed program: the document and its undo
// history. Every view of the document records its edits on the one stack,
// so an undo in any view finds its record by id whatever the others did.
#include "KalvexDoc.h"

#include <QObject>
#include <QUndoStack>

class COpenDocument : public QObject {
    Q_OBJECT

public:
    explicit COpenDocument(QObject* parent = nullptr) : QObject(parent), undo(this) {}

    CKalvexDoc doc;
    QUndoStack undo;
};
