#pragma once
// Print dialogs that work without an installed printer: each offers a PDF
// file as a destination (chosen when there is no printer), Print Setup
// chooses the printer or the PDF file and the paper without printing, and
// a print that cannot start says so in a message box. All run through
// GXModal::Exec.
class QPainter;
class QPrintDialog;
class QPrinter;
class QWidget;

namespace GXPrint {

// Offers a PDF file in the dialog; a printer that writes PDF gets a file
// name after its job name in the user's documents folder.
void OfferPdfFile(QPrintDialog& dialog, QPrinter& printer);
// The print dialog as "Print Setup": OK keeps the choice on the printer.
bool RunPrintSetup(QPrinter& printer, QWidget* parent);
// QPainter::begin on the printer; when the printer or the file cannot
// start, a message box says so and the result is false.
bool Begin(QPainter& painter, QPrinter& printer, QWidget* parent);

}  // namespace GXPrint
