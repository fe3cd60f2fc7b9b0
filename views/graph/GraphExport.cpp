#include "GraphExport.h"

#include "GXModal.h"
#include "GraphView.h"
#include "GraphPictures.h"
#include "MessageBoxes.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QSaveFile>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

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

bool ExportGraph(const CKalvexGraphView& view, GraphFileFormat format, const QString& path, const QSize& size)
{
    const GraphDrawing drawing = view.Drawing(false);
    QByteArray bytes;
    switch (format) {
    case GraphFileFormat::Png: bytes = GraphPng(drawing, size); break;
    case GraphFileFormat::Svg: bytes = GraphSvg(drawing, size, view.Caption()); break;
    case GraphFileFormat::Pdf: bytes = GraphPdf(drawing, size, view.Caption()); break;
    case GraphFileFormat::Unknown: break;
    }
    if (bytes.isEmpty())
        return false;
    // Written whole or not at all: an older file of that name stays.
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

CPictureSizeDlg::CPictureSizeDlg(const QSize& size, QWidget* parent)
    : QDialog(parent), m_width(new QSpinBox(this)), m_height(new QSpinBox(this))
{
    setWindowTitle(QStringLiteral("Picture Size"));
    for (QSpinBox* box : {m_width, m_height}) {
        box->setRange(kMinPictureSide, kMaxPictureSide);
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
    const QSize suggested = size().expandedTo(QSize(800, 600)).boundedTo(QSize(kMaxPictureSide, kMaxPictureSide));
    CPictureSizeDlg sizes(suggested, window());
    if (GXModal::Exec(sizes) != QDialog::Accepted)
        return false;
    const bool written = ExportGraph(*this, GraphFileFormatOf(path), path, sizes.Size());
    if (!written)
        Messages::Error(window(), QStringLiteral("The graph could not be saved as %1.").arg(path));
    return written;
}
