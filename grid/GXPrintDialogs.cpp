#include "GXPrintDialogs.h"

#include "GXModal.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>

namespace GXPrint {

void OfferPdfFile(QPrintDialog& dialog, QPrinter& printer)
{
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (printer.outputFormat() != QPrinter::PdfFormat || !printer.outputFileName().isEmpty())
        return;
    QString name = printer.docName().section(QLatin1Char('/'), -1).section(QLatin1Char('\\'), -1);
    if (name.isEmpty())
        name = QStringLiteral("print");
    name.remove(QRegularExpression(QStringLiteral("\\.[A-Za-z0-9]{1,4}$")));  // the document's own extension
    name += QStringLiteral(".pdf");
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    printer.setOutputFileName(QDir(folder).filePath(name));
}

bool RunPrintSetup(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    OfferPdfFile(dialog, printer);
    // The dialog's button says "Print"; here it only keeps the choice.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    return GXModal::Exec(dialog) == QDialog::Accepted;
}

bool Begin(QPainter& painter, QPrinter& printer, QWidget* parent)
{
    if (painter.begin(&printer))
        return true;
    const QString text =
        printer.outputFileName().isEmpty()
            ? QStringLiteral("The printer %1 could not start printing.").arg(printer.printerName())
            : QStringLiteral("The file %1 could not be written; nothing was printed.")
                  .arg(QDir::toNativeSeparators(printer.outputFileName()));
    QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    GXModal::Exec(box);
    return false;
}

}  // namespace GXPrint
