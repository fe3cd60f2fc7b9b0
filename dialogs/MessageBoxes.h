#pragma once
// Message boxes of the program, titled "Dorvan", shown through the modal
// seam so that tests answer them.
#include <QMessageBox>
#include <QString>

namespace Messages {

inline const QString kAppTitle = QStringLiteral("Dorvan");

QMessageBox::StandardButton Show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                 QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                 QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
inline void Error(QWidget* parent, const QString& text) { Show(parent, QMessageBox::Critical, text); }
inline void Warning(QWidget* parent, const QString& text) { Show(parent, QMessageBox::Warning, text); }
inline void Information(QWidget* parent, const QString& text) { Show(parent, QMessageBox::Information, text); }

}  // namespace Messages
