#include "BranchFormPrint.h"

#include "BranchForm.h"
#include "GXModal.h"
#include "GXPrintDialogs.h"
#include "KalvexDoc.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace {

QFont FormFont(const QPrinter& printer)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(CFormMetrics::FontHeight(printer.logicalDpiY()));
    font.setWeight(QFont::Normal);
    return font;
}

void DrawItem(QPainter& painter, const CFormItem& item)
{
    if (item.kind == CFormItem::Kind::Line) {
        painter.drawLine(item.x, item.y, item.x2, item.y2);
        return;
    }
    const QString text = QString::fromStdString(item.text);
    const QFontMetrics metrics = painter.fontMetrics();
    switch (item.anchor) {
    case CFormItem::Anchor::BottomLeft: painter.drawText(item.x, item.y - metrics.descent(), text); break;
    case CFormItem::Anchor::TopLeft: painter.drawText(item.x, item.y + metrics.ascent(), text); break;
    case CFormItem::Anchor::TopRight:
        painter.drawText(item.x - metrics.horizontalAdvance(text), item.y + metrics.ascent(), text);
        break;
    }
}

}  // namespace

int PrintBranchFormTo(QPrinter& printer, CKalvexDoc& doc, CKalvexBranch& branch, QWidget* parent)
{
    // The form's margins are its own: the whole paper is the drawing area.
    printer.setFullPage(true);
    printer.setDocName(QString::fromStdString(FormJobName(doc)));
    const QFont font = FormFont(printer);
    const QFontMetrics fontMetrics(font, &printer);
    CFormMetrics metrics;
    metrics.dpiX = printer.logicalDpiX();
    metrics.dpiY = printer.logicalDpiY();
    const QRect paper = printer.pageLayout().fullRectPixels(printer.resolution());
    metrics.pageWidth = paper.width();
    metrics.pageHeight = paper.height();
    metrics.cellHeight = fontMetrics.height();
    metrics.externalLeading = std::max(0, fontMetrics.leading());
    metrics.averageCharWidth = fontMetrics.averageCharWidth();

    const CFormLayout layout = LayoutBranchForm(doc, branch, metrics, FormPrintStamp());
    QPainter painter;
    if (!GXPrint::Begin(painter, printer, parent))
        return 0;
    painter.setFont(font);
    int page = 1;
    for (const CFormItem& item : layout.items) {
        while (item.page > page) {
            printer.newPage();
            ++page;
        }
        DrawItem(painter, item);
    }
    painter.end();
    return layout.pages;
}

bool PrintBranchForm(QWidget* parent, CKalvexDoc& doc, CKalvexBranch& branch)
{
    if (doc.BranchCount() == 0)
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(FormJobName(doc)));
    QPrintDialog dialog(&printer, parent);
    // The form prints whole: no page range, current page or selection.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    GXPrint::OfferPdfFile(dialog, printer);
    if (GXModal::Exec(dialog) != QDialog::Accepted)
        return false;
    return PrintBranchFormTo(printer, doc, branch, parent) > 0;
}
