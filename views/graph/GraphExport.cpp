#include "GraphExport.h"

#include "GXModal.h"
#include "GraphView.h"
#include "KalvexDoc.h"
#include "MessageBoxes.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QSpinBox>
#include <QSvgGenerator>
#include <QVBoxLayout>

namespace {

constexpr int kMinPicture = 100;
constexpr int kMaxPicture = 10000;

const QStringList kExportFilters = {QStringLiteral("PNG Picture (*.png)"), QStringLiteral("SVG Drawing (*.svg)"),
                                    QStringLiteral("PDF Document (*.pdf)")};

// A name typed without a known suffix takes the one of the chosen filter.
QString WithSuffix(const QString& path, const QString& filter)
{
    if (GraphFileFormatOf(path) != GraphFileFormat::Unknown)
        return path;
    const int at = kExportFilters.indexOf(filter);
    const char* const suffixes[] = {".png", ".svg", ".pdf"};
    return path + QString::fromLatin1(suffixes[at < 0 ? 0 : at]);
}

}  // namespace

GraphFileFormat GraphFileFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return GraphFileFormat::Png;
    if (suffix == QLatin1String("svg"))
        return GraphFileFormat::Svg;
    if (suffix == QLatin1String("pdf"))
        return GraphFileFormat::Pdf;
    return GraphFileFormat::Unknown;
}

bool ExportGraphPng(const CKalvexGraphView& view, const QString& path, const QSize& size)
{
    return view.RenderImage(size).save(path, "PNG");
}

bool ExportGraphSvg(const CKalvexGraphView& view, const QString& path, const QSize& size)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(size);
    svg.setResolution(96);  // text as large as in the window
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(view.Caption());
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    view.Render(painter, QRect(QPoint(0, 0), size), false);
    return painter.end() && QFileInfo(path).size() > 0;
}

bool ExportGraphPdf(CKalvexGraphView& view, const QString& path)
{
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setPageSize(view.Printer().pageLayout().pageSize());
    pdf.setPageOrientation(view.Doc().graphOrientation == 1 ? QPageLayout::Portrait : QPageLayout::Landscape);
    pdf.setDocName(view.Caption());
    return view.PrintTo(pdf) && QFileInfo(path).size() > 0;
}

CPictureSizeDlg::CPictureSizeDlg(const QSize& size, QWidget* parent)
    : QDialog(parent), m_width(new QSpinBox(this)), m_height(new QSpinBox(this))
{
    setWindowTitle(QStringLiteral("Picture Size"));
    for (QSpinBox* box : {m_width, m_height}) {
        box->setRange(kMinPicture, kMaxPicture);
        box->setSuffix(QStringLiteral(" pixels"));
    }
    m_width->setValue(size.width());
    m_height->setValue(size.height());
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Width:"), m_width);
    form->addRow(QStringLiteral("&Height:"), m_height);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QSize CPictureSizeDlg::Size() const
{
    return {m_width->value(), m_height->value()};
}

bool CKalvexGraphView::RunExport()
{
    QFileDialog files(window(), QStringLiteral("Export Graph"));
    files.setAcceptMode(QFileDialog::AcceptSave);
    files.setFileMode(QFileDialog::AnyFile);
    files.setNameFilters(kExportFilters);
    files.selectFile(Caption());
    if (GXModal::Exec(files) != QDialog::Accepted || files.selectedFiles().isEmpty())
        return false;
    const QString path = WithSuffix(files.selectedFiles().first(), files.selectedNameFilter());

    // The picture as large as the window, unless that is too small to read.
    const QSize suggested = size().expandedTo(QSize(800, 600)).boundedTo(QSize(kMaxPicture, kMaxPicture));
    bool written = false;
    switch (GraphFileFormatOf(path)) {
    case GraphFileFormat::Png: {
        CPictureSizeDlg sizes(suggested, window());
        if (GXModal::Exec(sizes) != QDialog::Accepted)
            return false;
        written = ExportGraphPng(*this, path, sizes.Size());
        break;
    }
    case GraphFileFormat::Svg: written = ExportGraphSvg(*this, path, suggested); break;
    case GraphFileFormat::Pdf: written = ExportGraphPdf(*this, path); break;
    case GraphFileFormat::Unknown: break;
    }
    if (!written)
        Messages::Error(window(), QStringLiteral("The graph could not be saved as %1.").arg(path));
    return written;
}
