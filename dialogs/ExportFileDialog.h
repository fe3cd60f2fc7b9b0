#pragma once
// The save dialog of the Export commands, through the modal seam, and the
// writing of the exported bytes.
#include <QByteArray>
#include <QString>

class QWidget;

// The chosen file name with the filter's suffix added when it has none;
// empty on Cancel.
QString AskExportFileName(QWidget* parent, const QString& filters, const QString& suggested,
                          const QString& defaultSuffix);
// Writes the whole file or nothing (a new file renamed over the old one);
// shows the message and returns false when that fails.
bool WriteExportFile(QWidget* parent, const QString& path, const QByteArray& bytes);
