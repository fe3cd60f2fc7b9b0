#include "GraphPrintSetup.h"

#include "GXModal.h"
#include "MessageBoxes.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QPageSize::PageSizeId kPapers[] = {QPageSize::A4, QPageSize::Letter, QPageSize::Legal, QPageSize::A3,
                                         QPageSize::A5};

}  // namespace

QString CGraphPrintSetupDlg::PdfEntry()
{
    return QStringLiteral("PDF file");
}

CGraphPrintSetupDlg::CGraphPrintSetupDlg(const QPrinter& printer, QWidget* parent)
    : QDialog(parent), m_printers(new QComboBox(this)), m_file(new QLineEdit(this)),
      m_browse(new QPushButton(QStringLiteral("&Browse..."), this)), m_paper(new QComboBox(this)),
      m_portrait(new QRadioButton(QStringLiteral("&Portrait"), this)),
      m_landscape(new QRadioButton(QStringLiteral("Lan&dscape"), this))
{
    setWindowTitle(QStringLiteral("Print Setup"));
    m_printers->addItems(QPrinterInfo::availablePrinterNames());
    m_printers->addItem(PdfEntry());
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat || m_printers->count() == 1;
    const int named = m_printers->findText(printer.printerName());
    m_printers->setCurrentIndex(toFile || named < 0 ? m_printers->count() - 1 : named);
    if (!toFile && named < 0 && m_printers->count() > 1)
        m_printers->setCurrentIndex(std::max(0, m_printers->findText(QPrinterInfo::defaultPrinterName())));
    m_file->setText(printer.outputFileName());

    for (const QPageSize::PageSizeId id : kPapers)
        m_paper->addItem(QPageSize::name(id), static_cast<int>(id));
    const int paper = m_paper->findData(static_cast<int>(printer.pageLayout().pageSize().id()));
    if (paper >= 0) {
        m_paper->setCurrentIndex(paper);
    } else {
        const QPageSize size = printer.pageLayout().pageSize();
        m_paper->addItem(size.name(), static_cast<int>(size.id()));
        m_paper->setCurrentIndex(m_paper->count() - 1);
    }
    (printer.pageLayout().orientation() == QPageLayout::Portrait ? m_portrait : m_landscape)->setChecked(true);

    auto* printerBox = new QGroupBox(QStringLiteral("Printer"), this);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file);
    fileRow->addWidget(m_browse);
    auto* printerForm = new QFormLayout(printerBox);
    printerForm->addRow(QStringLiteral("&Name:"), m_printers);
    printerForm->addRow(QStringLiteral("&File:"), fileRow);

    auto* paperBox = new QGroupBox(QStringLiteral("Paper"), this);
    auto* paperForm = new QFormLayout(paperBox);
    paperForm->addRow(QStringLiteral("Si&ze:"), m_paper);
    auto* orientationBox = new QGroupBox(QStringLiteral("Orientation"), this);
    auto* orientation = new QVBoxLayout(orientationBox);
    orientation->addWidget(m_portrait);
    orientation->addWidget(m_landscape);
    auto* lower = new QHBoxLayout;
    lower->addWidget(paperBox);
    lower->addWidget(orientationBox);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_browse, &QPushButton::clicked, this, &CGraphPrintSetupDlg::Browse);
    connect(m_printers, &QComboBox::currentIndexChanged, this, &CGraphPrintSetupDlg::ShowChoice);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printerBox);
    layout->addLayout(lower);
    layout->addWidget(buttons);
    ShowChoice();
}

bool CGraphPrintSetupDlg::PdfChosen() const
{
    return m_printers->currentIndex() == m_printers->count() - 1;
}

void CGraphPrintSetupDlg::ShowChoice()
{
    m_file->setEnabled(PdfChosen());
    m_browse->setEnabled(PdfChosen());
}

void CGraphPrintSetupDlg::Browse()
{
    QFileDialog files(this, QStringLiteral("Print to File"));
    files.setAcceptMode(QFileDialog::AcceptSave);
    files.setFileMode(QFileDialog::AnyFile);
    files.setNameFilter(QStringLiteral("PDF Document (*.pdf)"));
    files.setDefaultSuffix(QStringLiteral("pdf"));
    if (!m_file->text().isEmpty())
        files.selectFile(m_file->text());
    if (GXModal::Exec(files) == QDialog::Accepted && !files.selectedFiles().isEmpty())
        m_file->setText(files.selectedFiles().first());
}

void CGraphPrintSetupDlg::accept()
{
    if (PdfChosen() && m_file->text().trimmed().isEmpty()) {
        Messages::Error(this, QStringLiteral("Enter the name of the PDF file to print to."));
        m_file->setFocus();
        return;
    }
    QDialog::accept();
}

void CGraphPrintSetupDlg::ApplyTo(QPrinter& printer) const
{
    if (PdfChosen()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_file->text().trimmed());
    } else {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(m_printers->currentText());
    }
    printer.setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(m_paper->currentData().toInt())));
    printer.setPageOrientation(m_portrait->isChecked() ? QPageLayout::Portrait : QPageLayout::Landscape);
}
