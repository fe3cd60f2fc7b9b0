#pragma once
// The open and save file dialogs of documents, through the modal seam.
#include <QString>

class QWidget;

inline const QString kDocumentFilters = QStringLiteral("Kalvex Files (*.zt2);;All Files (*.*)");

// The chosen file, empty on Cancel.
QString AskOpenFileName(QWidget* parent, const QString& folder = {});
// The chosen file (".zt2" added when the name has no extension and the
// document filter was chosen), empty on Cancel.
QString AskSaveFileName(QWidget* parent, const QString& suggested);
