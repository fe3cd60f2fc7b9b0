#include "ExportFileDialog.h"

#include "GXModal.h"
#include "MessageBoxes.h"

#include <QFileDialog>
#include <QSaveFile>

QString AskExportFileName(QWidget* parent, const QString& filters, const QString& suggested,
                          const QString& defaultSuffix)
{
    QFileDialog dialog(parent, QStringLiteral("Export"), suggested, filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    if (GXModal::Exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool WriteExportFile(QWidget* parent, const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    Messages::Error(parent, QStringLiteral("The file %1 could not be written: %2").arg(path, file.errorString()));
    return false;
}
