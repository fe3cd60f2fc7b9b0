// CKalvexGraphView: the graph's own printer, page setup, print setup, print
// and print preview of one page inside the document's margins.
#include "GraphView.h"

#include "GXModal.h"
#include "GXPrintDialogs.h"
#include "GraphPageSetup.h"
#include "GraphPrintSetup.h"
#include "KalvexDoc.h"
#include "MessageBoxes.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <cmath>

namespace {

QPageLayout::Orientation OrientationOf(std::uint8_t graphOrientation)
{
    return graphOrientation == 1 ? QPageLayout::Portrait : QPageLayout::Landscape;
}

int MarginPixels(int hundredths, int dpi)
{
    return static_cast<int>(std::trunc(hundredths / 100.0 * dpi + 0.5));
}

// What a print job is compared by: a different printer or orientation
// makes the chosen settings the view's.
struct PrinterChoice {
    QString name;
    QPageLayout::Orientation orientation;
    bool operator==(const PrinterChoice&) const = default;
};

PrinterChoice ChoiceOf(const QPrinter& printer)
{
    return {printer.printerName(), printer.pageLayout().orientation()};
}

const QString kNoRoomText = QStringLiteral("The graph could not be printed: the page margins leave no room for it, "
                                           "or the printer did not start.");

}  // namespace

QPrinter& CKalvexGraphView::Printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageOrientation(OrientationOf(Doc().graphOrientation));
    }
    return *m_printer;
}

void CKalvexGraphView::TakeOrientationFrom(const QPrinter& printer)
{
    Doc().graphOrientation = printer.pageLayout().orientation() == QPageLayout::Portrait ? 1 : 2;
    Doc().SetModifiedFlag();
}

bool CKalvexGraphView::PrintTo(QPrinter& printer) const
{
    // The document's margins are the only ones.
    printer.setFullPage(true);
    const QRect page = printer.pageLayout().fullRectPixels(printer.resolution());
    const int dpiX = printer.logicalDpiX();
    const int dpiY = printer.logicalDpiY();
    QRect area;
    area.setCoords(MarginPixels(Doc().graphMarginLeft, dpiX), MarginPixels(Doc().graphMarginTop, dpiY),
                   page.width() - MarginPixels(Doc().graphMarginRight, dpiX),
                   page.height() - MarginPixels(Doc().graphMarginBottom, dpiY));
    if (area.width() < 2 || area.height() < 2)
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    Render(painter, area, true);
    return painter.end();
}

bool CKalvexGraphView::EditPageSetup()
{
    if (!RunGraphPageSetup(window(), Doc()))
        return false;
    Printer().setPageOrientation(OrientationOf(Doc().graphOrientation));
    return true;
}

bool CKalvexGraphView::RunPrintSetup()
{
    QPrinter& printer = Printer();
    CGraphPrintSetupDlg dialog(printer, window());
    if (GXModal::Exec(dialog) != QDialog::Accepted)
        return false;
    dialog.ApplyTo(printer);
    TakeOrientationFrom(printer);
    return true;
}

bool CKalvexGraphView::RunPrint()
{
    QPrinter& printer = Printer();
    printer.setPageOrientation(OrientationOf(Doc().graphOrientation));
    const PrinterChoice before = ChoiceOf(printer);
    QPrintDialog dialog(&printer, window());
    dialog.setMinMax(1, 1);  // before the option: setMinMax switches page ranges on
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    GXPrint::OfferPdfFile(dialog, printer);
    if (GXModal::Exec(dialog) != QDialog::Accepted)
        return false;
    if (!(ChoiceOf(printer) == before))
        TakeOrientationFrom(printer);
    if (!PrintTo(printer)) {
        Messages::Error(window(), kNoRoomText);
        return false;
    }
    return true;
}

bool CKalvexGraphView::RunPrintPreview()
{
    QPrintPreviewDialog dialog(&Printer(), window());
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) { PrintTo(*target); });
    GXModal::Exec(dialog);
    return true;
}
