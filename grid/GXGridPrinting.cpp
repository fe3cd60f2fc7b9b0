// CGXGridView: printing, print preview and the page count.
#include "GXGridView.h"

#include "GXGridPrinter.h"
#include "GXModal.h"
#include "GXPrintDialogs.h"
#include "GridParam.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

void CGXGridView::PreparePrinter(QPrinter& printer) const
{
    printer.setPageOrientation(m_param->properties.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool CGXGridView::Print()
{
    if (!TransferCurrentCell())
        return false;
    QPrinter* printer = GetPrinter();
    PreparePrinter(*printer);
    if (printer->docName().isEmpty())
        printer->setDocName(windowTitle());
    QPrintDialog dialog(printer, this);
    GXPrint::OfferPdfFile(dialog, *printer);
    if (GXModal::Exec(dialog) != QDialog::Accepted)
        return false;
    OnPrinterChanged(*printer);
    return PrintTo(*printer) > 0;
}

void CGXGridView::PrintPreview()
{
    if (!TransferCurrentCell())
        return;
    QPrinter* printer = GetPrinter();
    PreparePrinter(*printer);
    QPrintPreviewDialog dialog(printer, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) { PrintTo(*target); });
    GXModal::Exec(dialog);
}

int CGXGridView::PrintTo(QPrinter& printer)
{
    CGXGridPrinter job(*this, printer);
    return job.Print();
}

int CGXGridView::CountPages(QPrinter& printer)
{
    return CGXGridPrinter(*this, printer).PageCount();
}
