// The graph on paper: page setup in the document, the view's own printer
// and print setup, one printed page inside the margins, the preview.
#include "GraphFixture.h"

#include "GraphPageSetup.h"
#include "GraphPrintSetup.h"

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>

using GraphPrint = GraphFixture;

namespace {

GraphFixture::Answer PageSetup(const QString& margin, bool portrait)
{
    return [margin, portrait](QDialog& dialog) {
        auto& setup = dynamic_cast<CGraphPageSetup&>(dialog);
        for (QLineEdit* edit : {setup.LeftEdit(), setup.RightEdit(), setup.TopEdit(), setup.BottomEdit()})
            edit->setText(margin);
        (portrait ? setup.PortraitButton() : setup.LandscapeButton())->setChecked(true);
        return int(QDialog::Accepted);
    };
}

GraphFixture::Answer PrintToPdf(const QString& path)
{
    return [path](QDialog& dialog) {
        auto& print = dynamic_cast<QPrintDialog&>(dialog);
        print.printer()->setOutputFormat(QPrinter::PdfFormat);
        print.printer()->setOutputFileName(path);
        return int(QDialog::Accepted);
    };
}

QString PdfInfo(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

TEST_F(GraphPrint, PageSetupShowsAndStoresMarginsInHundredthsOfAnInch)
{
    MakeView();
    Doc().SetModifiedFlag(false);
    Expect([](QDialog& dialog) {
        auto& setup = dynamic_cast<CGraphPageSetup&>(dialog);
        EXPECT_EQ(setup.windowTitle(), QStringLiteral("Page Setup"));
        EXPECT_EQ(setup.LeftEdit()->text(), QStringLiteral("1.00 in"));
        EXPECT_TRUE(setup.LandscapeButton()->isChecked());
        setup.LeftEdit()->setText(QStringLiteral("0.5"));
        setup.RightEdit()->setText(QStringLiteral("wide"));
        setup.TopEdit()->setText(QStringLiteral(" 1.256in"));
        setup.BottomEdit()->setText(QStringLiteral("-0.2"));
        setup.PortraitButton()->setChecked(true);
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(view->RunCommand(Cmd::PageSetup));
    EXPECT_EQ(Doc().graphMarginLeft, 50);
    EXPECT_EQ(Doc().graphMarginRight, 0);
    EXPECT_EQ(Doc().graphMarginTop, 126);
    EXPECT_EQ(Doc().graphMarginBottom, -19);  // taken as it is, rounded half up
    EXPECT_EQ(Doc().graphOrientation, 1);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(view->Printer().pageLayout().orientation(), QPageLayout::Portrait);

    Doc().SetModifiedFlag(false);
    Expect([](QDialog& dialog) {
        auto& setup = dynamic_cast<CGraphPageSetup&>(dialog);
        EXPECT_EQ(setup.LeftEdit()->text(), QStringLiteral("0.50 in"));
        EXPECT_TRUE(setup.PortraitButton()->isChecked());
        setup.LeftEdit()->setText(QStringLiteral("3"));
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(view->RunCommand(Cmd::PageSetup));
    EXPECT_EQ(Doc().graphMarginLeft, 50);
    EXPECT_FALSE(Doc().IsModified());

    EXPECT_EQ(CGraphPageSetup::MarginFromText(QStringLiteral("1e300")), 100000);
    EXPECT_EQ(CGraphPageSetup::MarginFromText(QStringLiteral("-1e300")), -100000);
}

TEST_F(GraphPrint, APortraitPageWithHalfInchMarginsCarriesTheGraphsTexts)
{
    LoadExample("haulage-drift.zt2");
    MakeView();
    Doc().graphBranch = &Doc().BranchAt(0);
    Doc().UpdateAllViews(nullptr);
    Expect(PageSetup(QStringLiteral("0.5"), true));
    ASSERT_TRUE(view->RunCommand(Cmd::PageSetup));

    const QString pdf = OutputPath(QStringLiteral("graph-portrait.pdf"));
    QFile::remove(pdf);
    Doc().SetModifiedFlag(false);
    Expect(PrintToPdf(pdf));
    ASSERT_TRUE(view->RunCommand(Cmd::Print));
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_FALSE(Doc().IsModified());  // same printer, same orientation

    const QString text = PdfText(pdf);
    for (const char* expected : {"Dry Bulb Temperature (\u00b0C)", "12 Level haulage", "haulage-drift.zt2 - ", "Printed: ",
                                 "1400", "800"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    const QString info = PdfInfo(pdf);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\n")))) << info.toStdString();
    // Portrait: taller than wide.
    const QRegularExpression sizeLine(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+)"));
    const QRegularExpressionMatch match = sizeLine.match(info);
    ASSERT_TRUE(match.hasMatch()) << info.toStdString();
    EXPECT_GT(match.captured(2).toDouble(), match.captured(1).toDouble());

    // A picture of the page for a person to look at.
    QProcess render;
    render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                                              QStringLiteral("-singlefile"), pdf,
                                              OutputPath(QStringLiteral("graph-portrait"))});
    render.waitForFinished(30000);
    EXPECT_TRUE(QFile::exists(OutputPath(QStringLiteral("graph-portrait.png"))));
}

TEST_F(GraphPrint, PrintSetupChoosesAPdfFileAndTheOrientationNotTheMargins)
{
    CKalvexBranch& branch = AddBranchWithResults(10, {20, 21, 25});
    branch.name = "Setup drive";
    Doc().graphBranch = &branch;
    MakeView();
    ASSERT_EQ(Doc().graphOrientation, 2);
    Doc().SetModifiedFlag(false);
    const QString pdf = OutputPath(QStringLiteral("graph-print-setup.pdf"));
    QFile::remove(pdf);
    Expect([](QDialog& dialog) {
        auto& setup = dynamic_cast<CGraphPrintSetupDlg&>(dialog);
        EXPECT_EQ(setup.windowTitle(), QStringLiteral("Print Setup"));
        // Margins are the graph's Page Setup's alone.
        for (const QLabel* label : setup.findChildren<QLabel*>())
            EXPECT_FALSE(label->text().contains(QStringLiteral("argin"))) << label->text().toStdString();
        EXPECT_EQ(setup.findChildren<QLineEdit*>().size(), 1);
        EXPECT_TRUE(setup.LandscapeButton()->isChecked());
        setup.PrinterList()->setCurrentIndex(setup.PrinterList()->findText(CGraphPrintSetupDlg::PdfEntry()));
        EXPECT_TRUE(setup.FileEdit()->isEnabled());
        // A PDF file without a name is refused and the dialog stays.
        setup.FileEdit()->clear();
        setup.accept();
        EXPECT_NE(setup.result(), QDialog::Accepted);
        setup.BrowseButton()->click();
        setup.PortraitButton()->setChecked(true);
        return int(QDialog::Accepted);
    });
    Expect(Button(QMessageBox::Ok));
    Expect(File(pdf));
    ASSERT_TRUE(view->RunCommand(Cmd::PrintSetup));
    EXPECT_EQ(view->Printer().outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(view->Printer().outputFileName(), pdf);
    EXPECT_EQ(Doc().graphOrientation, 1);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_TRUE(dialogs.at(1).contains(QStringLiteral("name of the PDF file"))) << dialogs.join('\n').toStdString();

    // Printing goes to the file chosen, in portrait.
    Expect(Button(QDialog::Accepted));
    ASSERT_TRUE(view->RunCommand(Cmd::Print));
    const QString info = PdfInfo(pdf);
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+)")).match(info);
    ASSERT_TRUE(size.hasMatch()) << info.toStdString();
    EXPECT_GT(size.captured(2).toDouble(), size.captured(1).toDouble());
    EXPECT_TRUE(PdfText(pdf).contains(QStringLiteral("Setup drive")));

    // Cancelled: nothing changes; the setup shows the choice as it stands.
    Doc().SetModifiedFlag(false);
    Expect([pdf](QDialog& dialog) {
        auto& setup = dynamic_cast<CGraphPrintSetupDlg&>(dialog);
        EXPECT_EQ(setup.PrinterList()->currentText(), CGraphPrintSetupDlg::PdfEntry());
        EXPECT_EQ(setup.FileEdit()->text(), pdf);
        EXPECT_TRUE(setup.PortraitButton()->isChecked());
        setup.LandscapeButton()->setChecked(true);
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(view->RunCommand(Cmd::PrintSetup));
    EXPECT_EQ(Doc().graphOrientation, 1);
    EXPECT_FALSE(Doc().IsModified());

    // Landscape chosen in the print dialog itself sets the document back.
    Expect([](QDialog& dialog) {
        dynamic_cast<QPrintDialog&>(dialog).printer()->setPageOrientation(QPageLayout::Landscape);
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(view->RunCommand(Cmd::Print));
    EXPECT_EQ(Doc().graphOrientation, 2);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(GraphPrint, TheTopMarginOfPageSetupMovesThePrintedGraphDown)
{
    CKalvexBranch& branch = AddBranchWithResults(10, {20, 21, 25});
    Doc().graphBranch = &branch;
    MakeView();
    const auto firstInkRow = [this](int topMargin) {
        Doc().graphMarginTop = topMargin;
        const QString pdf = OutputPath(QStringLiteral("graph-margin-%1.pdf").arg(topMargin));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        EXPECT_TRUE(view->PrintTo(printer));
        QProcess render;
        render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"),
                                                  QStringLiteral("-singlefile"), pdf, pdf});
        render.waitForFinished(30000);
        const QImage page(pdf + QStringLiteral(".png"));
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (page.pixelColor(x, y).lightness() < 128)
                    return y;
        return -1;
    };
    const int narrow = firstInkRow(50);
    const int wide = firstInkRow(250);
    ASSERT_GT(narrow, 0);
    EXPECT_NEAR(wide - narrow, 100, 3);  // 2 in at 50 dpi
}

TEST_F(GraphPrint, MarginsThatLeaveNoRoomAreReportedNotPrinted)
{
    CKalvexBranch& branch = AddBranchWithResults(10, {20, 21});
    Doc().graphBranch = &branch;
    MakeView();
    Expect(PageSetup(QStringLiteral("6"), true));  // 12 in of an 8.5 or 8.3 in wide page
    ASSERT_TRUE(view->RunCommand(Cmd::PageSetup));
    const QString pdf = OutputPath(QStringLiteral("graph-no-room.pdf"));
    QFile::remove(pdf);
    Expect(PrintToPdf(pdf));
    Expect(Button(QMessageBox::Ok));
    EXPECT_FALSE(view->RunCommand(Cmd::Print));
    ASSERT_EQ(dialogs.size(), 3);
    EXPECT_TRUE(dialogs.last().contains(QStringLiteral("margins leave no room"))) << dialogs.last().toStdString();
}

TEST_F(GraphPrint, PreviewShowsOnePage)
{
    CKalvexBranch& branch = AddBranchWithResults(10, {20, 21, 25});
    Doc().graphBranch = &branch;
    MakeView();
    int pages = -1;
    Expect([&pages](QDialog& dialog) {
        auto& preview = dynamic_cast<QPrintPreviewDialog&>(dialog);
        auto* widget = preview.findChild<QPrintPreviewWidget*>();
        EXPECT_NE(widget, nullptr);
        if (widget) {
            widget->updatePreview();
            pages = widget->pageCount();
        }
        return int(QDialog::Rejected);
    });
    EXPECT_TRUE(view->RunCommand(Cmd::PrintPreview));
    EXPECT_EQ(pages, 1);
}
