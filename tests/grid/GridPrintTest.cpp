// Printing the whole table to PDF: texts on the page, pages across and
// down with repeated headers, the print options, the page header call-back.
#include "DemoFixture.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>

namespace {

void SetUpPdf(QPrinter& printer, const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
}

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Text of one page (or all pages with page 0).
QString PdfText(const QString& path, int page = 0)
{
    QStringList args{"-layout"};
    if (page > 0)
        args << "-f" << QString::number(page) << "-l" << QString::number(page);
    args << path << "-";
    return Run("pdftotext", args);
}

int PdfPages(const QString& path)
{
    const QString info = Run("pdfinfo", {path});
    const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString PdfPageSize(const QString& path)
{
    const QString info = Run("pdfinfo", {path});
    const QRegularExpressionMatch m = QRegularExpression("Page size:\\s+([0-9.]+ x [0-9.]+)").match(info);
    return m.hasMatch() ? m.captured(1) : QString();
}

// Left edge (points) of the first occurrence of a word on page 1.
double WordLeft(const QString& path, const QString& word)
{
    const QString html = Run("pdftotext", {"-bbox", "-f", "1", "-l", "1", path, "-"});
    const QRegularExpression re("<word xMin=\"([0-9.]+)\"[^>]*>" + QRegularExpression::escape(word) + "</word>");
    const QRegularExpressionMatch m = re.match(html);
    return m.hasMatch() ? m.captured(1).toDouble() : -1.0;
}

QImage RenderPage(const QString& pdf, int page, const QString& pngBase)
{
    Run("pdftoppm", {"-png", "-r", "60", "-f", QString::number(page), "-l", QString::number(page), "-singlefile",
                     pdf, pngBase});
    return QImage(pngBase + ".png");
}

int RedPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 90 && c.blue() < 90)
                ++count;
        }
    return count;
}

class PrintTest : public DemoTableTest {
protected:
    QString Print(const QString& name)
    {
        const QString path = OutputPath(name);
        QFile::remove(path);
        QPrinter printer(QPrinter::HighResolution);
        SetUpPdf(printer, path);
        pages = table->PrintTo(printer);
        return path;
    }
    int pages = 0;
};

}  // namespace

TEST_F(PrintTest, HeaderAndCellTextsAreOnThePage)
{
    const QString pdf = Print("demo_print.pdf");
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(PdfPages(pdf), 1);
    const QString text = PdfText(pdf);
    for (const char* expected : {"Point", "Name", "Heat", "(kW)", "Share", "Note", "P1", "P5", "10.00", "50.00",
                                 "n3", "Demo Table - page 1 of 1"})
        EXPECT_TRUE(text.contains(expected)) << expected << "\n" << text.toStdString();
    const QImage page = RenderPage(pdf, 1, OutputPath("demo_print_page1"));
    EXPECT_FALSE(page.isNull());
}

TEST_F(PrintTest, LongTablePrintsOnManyPagesWithRepeatedHeaders)
{
    Open(200);
    table->SetDefaultRowHeight(20);  // header row 40 (two lines)
    QPrinter probe(QPrinter::HighResolution);
    SetUpPdf(probe, OutputPath("probe.pdf"));
    const double pageHeight = probe.pageLayout().fullRect(QPageLayout::Inch).height() * 96.0;
    const int rowsPerPage = static_cast<int>((pageHeight - 144 - 144 - 40) / 20);
    const int expected = (200 + rowsPerPage - 1) / rowsPerPage;
    ASSERT_GT(expected, 3);

    const QString pdf = Print("demo_long.pdf");
    EXPECT_EQ(pages, expected);
    EXPECT_EQ(PdfPages(pdf), expected);
    EXPECT_EQ(table->CountPages(probe), expected);
    const QString second = PdfText(pdf, 2);
    EXPECT_TRUE(second.contains("Name"));
    EXPECT_TRUE(second.contains(QString("P%1").arg(rowsPerPage + 1)));
    EXPECT_FALSE(second.contains(QString("P%1 ").arg(rowsPerPage)));
    EXPECT_TRUE(second.contains(QString("page 2 of %1").arg(expected)));
    EXPECT_TRUE(PdfText(pdf, expected).contains("P200"));
    RenderPage(pdf, 2, OutputPath("demo_long_page2"));
}

TEST_F(PrintTest, WideTablePrintsPagesAcrossWithRowHeaders)
{
    for (int c = 1; c <= 4; ++c)
        table->SetColWidth(c, 300);
    const QString pdf = Print("demo_wide.pdf");
    EXPECT_EQ(pages, 4);  // one 300-pixel column per page of about 600
    EXPECT_EQ(PdfPages(pdf), 4);
    const QString second = PdfText(pdf, 2);
    EXPECT_TRUE(second.contains("Heat"));
    EXPECT_FALSE(second.contains("Name"));
    EXPECT_TRUE(second.contains("Point"));  // the header column again
    EXPECT_TRUE(second.contains("20.00"));
    EXPECT_TRUE(PdfText(pdf, 4).contains("n5"));
}

TEST_F(PrintTest, HeadersMarginsCentringAndOrientation)
{
    CGridProperties& props = param->properties;
    props.centerHorizontally = false;
    QString pdf = Print("demo_left.pdf");
    const double left = WordLeft(pdf, "Point");
    EXPECT_NEAR(left, 72.0, 6.0);  // 1 inch, plus the cell's padding

    props.marginLeft = 192;  // 2 inches at 96 dpi
    pdf = Print("demo_margin.pdf");
    EXPECT_NEAR(WordLeft(pdf, "Point"), 144.0, 6.0);

    props.marginLeft = 96;
    props.centerHorizontally = true;
    pdf = Print("demo_centred.pdf");
    int tableWidth = 0;
    for (int c = 0; c <= table->GetColCount(); ++c)
        tableWidth += table->GetColWidth(c);
    const double areaWidth = 595.0 - 144.0;  // A4 in points less two 1-inch margins
    const double expectedLeft = 72.0 + (areaWidth - tableWidth * 0.75) / 2.0;
    EXPECT_NEAR(WordLeft(pdf, "Point"), expectedLeft, 6.0);

    props.printColHeaders = false;
    props.printRowHeaders = false;
    pdf = Print("demo_noheaders.pdf");
    QString text = PdfText(pdf);
    EXPECT_FALSE(text.contains("Name"));
    EXPECT_FALSE(text.contains("Point"));
    EXPECT_TRUE(text.contains("P3"));

    props.landscape = 1;
    const QString path = OutputPath("demo_landscape.pdf");
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdf(printer, path);
    table->PreparePrinter(printer);
    ASSERT_GT(table->PrintTo(printer), 0);
    EXPECT_EQ(PdfPageSize(path), QString("842 x 595"));
}

TEST_F(PrintTest, BlackAndWhiteDropsColours)
{
    data.records[0].heat = 900.0;  // shown in red
    param->properties.printBlackWhite = false;
    QString pdf = Print("demo_colour.pdf");
    EXPECT_GT(RedPixels(RenderPage(pdf, 1, OutputPath("demo_colour_page1"))), 5);
    param->properties.printBlackWhite = true;
    pdf = Print("demo_bw.pdf");
    EXPECT_EQ(RedPixels(RenderPage(pdf, 1, OutputPath("demo_bw_page1"))), 0);
}

TEST_F(PrintTest, CoveredRemarkAndEmptyTable)
{
    data.records[1].remark = true;
    data.records[1].note = "Remark across";
    table->RecordsChanged();
    EXPECT_TRUE(PdfText(Print("demo_remark.pdf")).contains("Remark across"));
    Open(0);
    const QString pdf = Print("demo_empty.pdf");
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(PdfText(pdf).contains("Name"));
}

TEST_F(PrintTest, PrintDialogAndPreview)
{
    // The print dialog, confirmed: the printer-changed call-back sees the
    // chosen settings before the table is printed to the dialog's printer.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("dialog.pdf");
    param->properties.landscape = 1;
    {
        ModalAnswer answer([&path](QDialog& dialog) {
            auto* print = qobject_cast<QPrintDialog*>(&dialog);
            if (!print)
                return static_cast<int>(QDialog::Rejected);
            print->printer()->setOutputFormat(QPrinter::PdfFormat);
            print->printer()->setOutputFileName(path);
            return static_cast<int>(QDialog::Accepted);
        });
        EXPECT_TRUE(table->Print());
        EXPECT_EQ(answer.dialogs, 1);
        EXPECT_FALSE(answer.sawVisibleDialog);
    }
    EXPECT_EQ(table->printerChangedCalls, 1);
    EXPECT_TRUE(table->lastPrintLandscape);
    EXPECT_EQ(PdfPages(path), 1);
    EXPECT_TRUE(PdfText(path).contains("P3"));

    // Cancelled: nothing printed, no call-back.
    const QString cancelled = dir.filePath("cancelled.pdf");
    {
        ModalAnswer answer([&cancelled](QDialog& dialog) {
            if (auto* print = qobject_cast<QPrintDialog*>(&dialog))
                print->printer()->setOutputFileName(cancelled);
            return static_cast<int>(QDialog::Rejected);
        });
        EXPECT_FALSE(table->Print());
    }
    EXPECT_EQ(table->printerChangedCalls, 1);
    EXPECT_FALSE(QFile::exists(cancelled));

    // The preview draws the table when its widget asks for the pages.
    int previewPages = -1;
    {
        ModalAnswer answer([&previewPages](QDialog& dialog) {
            auto* preview = dialog.findChild<QPrintPreviewWidget*>();
            if (!qobject_cast<QPrintPreviewDialog*>(&dialog) || !preview)
                return static_cast<int>(QDialog::Rejected);
            preview->updatePreview();
            previewPages = preview->pageCount();
            return static_cast<int>(QDialog::Rejected);
        });
        table->PrintPreview();
        EXPECT_EQ(answer.dialogs, 1);
    }
    EXPECT_EQ(previewPages, 1);
}

namespace {

int DarkPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                ++count;
    return count;
}

double WordTop(const QString& path, const QString& word)
{
    const QString html = Run("pdftotext", {"-bbox", "-f", "1", "-l", "1", path, "-"});
    const QRegularExpression re("<word xMin=\"[0-9.]+\" yMin=\"([0-9.]+)\"[^>]*>" + QRegularExpression::escape(word) +
                                "</word>");
    const QRegularExpressionMatch m = re.match(html);
    return m.hasMatch() ? m.captured(1).toDouble() : -1.0;
}

}  // namespace

TEST_F(PrintTest, LinesFrameAndVerticalCentring)
{
    CGridProperties& props = param->properties;
    const int all = DarkPixels(RenderPage(Print("demo_lines_all.pdf"), 1, OutputPath("demo_lines_all")));
    props.printVertLines = false;
    const int noVertical = DarkPixels(RenderPage(Print("demo_lines_h.pdf"), 1, OutputPath("demo_lines_h")));
    props.printHorzLines = false;
    const int noLines = DarkPixels(RenderPage(Print("demo_lines_none.pdf"), 1, OutputPath("demo_lines_none")));
    props.printFrame = false;
    const int noFrame = DarkPixels(RenderPage(Print("demo_lines_noframe.pdf"), 1, OutputPath("demo_lines_noframe")));
    EXPECT_GT(all, noVertical);
    EXPECT_GT(noVertical, noLines);
    EXPECT_GT(noLines, noFrame);

    // The table's top follows the top margin, or is centred on the page.
    const double top = WordTop(Print("demo_top.pdf"), "Point");
    EXPECT_NEAR(top, 108.0, 6.0);  // 1.5 inches
    props.centerVertically = true;
    const double centred = WordTop(Print("demo_vcentre.pdf"), "Point");
    int tableHeight = table->GetStoredRowHeight(0) * 2;  // the two-line header row
    for (int r = 1; r <= table->GetRowCount(); ++r)
        tableHeight += table->GetStoredRowHeight(r);
    const double areaHeight = 842.0 - 216.0;
    EXPECT_NEAR(centred, 108.0 + (areaHeight - tableHeight * 0.75) / 2.0, 6.0);
}
