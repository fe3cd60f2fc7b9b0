#include "FileDialogs.h"

#include "GXModal.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

QString Chosen(QFileDialog& dialog)
{
    if (GXModal::Exec(dialog) != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

}  // namespace

QString AskOpenFileName(QWidget* parent, const QString& folder)
{
    QFileDialog dialog(parent, QStringLiteral("Open"), folder, kDocumentFilters);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Chosen(dialog);
}

QString AskSaveFileName(QWidget* parent, const QString& suggested)
{
    QFileDialog dialog(parent, QStringLiteral("Save As"), suggested, kDocumentFilters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("zt2"));
    if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    return Chosen(dialog);
}
