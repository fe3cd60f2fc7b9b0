// Export of the graph: a PNG of the chosen size, an SVG other programs
// parse, a PDF of the graph alone, and a file that cannot be written
// reported as such.
#include "GraphFixture.h"

#include "GraphExport.h"

#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QProcess>
#include <QSpinBox>
#include <QXmlStreamReader>

using GraphExport = GraphFixture;

namespace {

GraphFixture::Answer PictureSize(int width, int height)
{
    return [width, height](QDialog& dialog) {
        auto& sizes = dynamic_cast<CPictureSizeDlg&>(dialog);
        sizes.WidthBox()->setValue(width);
        sizes.HeightBox()->setValue(height);
        return int(QDialog::Accepted);
    };
}

}  // namespace

class GraphExportRun : public GraphExport {
protected:
    void SetUp() override
    {
        GraphExport::SetUp();
        CKalvexBranch& branch = AddBranchWithResults(250, {24.5, 26, 27.5, 29, 28, 31, 33});
        branch.name = "East drive";
        Doc().graphBranch = &branch;
        MakeView();
    }
};

TEST_F(GraphExportRun, APngOfTheChosenSize)
{
    const QString path = OutputPath(QStringLiteral("export.png"));
    QFile::remove(path);
    Expect(File(path));
    Expect(PictureSize(1200, 800));
    ASSERT_TRUE(view->RunCommand(Cmd::Export));
    const QImage image(path);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(1200, 800));
    EXPECT_GT(CountPixels(image, QColor(0, 0, 255)), 500);

    // Cancelling the size writes nothing.
    QFile::remove(path);
    Expect(File(path));
    Expect(Button(QDialog::Rejected));
    EXPECT_FALSE(view->RunCommand(Cmd::Export));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(GraphExportRun, AnSvgDrawingThatParsesAndCarriesTheTexts)
{
    // No suffix typed: the chosen filter's.
    const QString path = OutputPath(QStringLiteral("export"));
    QFile::remove(path + QStringLiteral(".svg"));
    Expect([path](QDialog& dialog) {
        auto& files = dynamic_cast<QFileDialog&>(dialog);
        files.selectNameFilter(QStringLiteral("SVG Drawing (*.svg)"));
        files.selectFile(path);
        return int(QDialog::Accepted);
    });
    Expect(PictureSize(1500, 900));
    ASSERT_TRUE(view->RunCommand(Cmd::Export));
    QFile file(path + QStringLiteral(".svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList texts;
    int lines = 0;
    QString root;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (root.isEmpty())
            root = xml.name().toString();
        if (xml.name() == QLatin1String("text"))
            texts.append(xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed());
        else if (xml.name() == QLatin1String("polyline") || xml.name() == QLatin1String("path"))
            ++lines;
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(root, QStringLiteral("svg"));
    file.seek(0);
    EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains(QStringLiteral("viewBox=\"0 0 1500 900\"")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Dry Bulb Temperature (\u00b0C)"))) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("East drive")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Distance (m)")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Wet Bulb Temperature")));  // the legend
    EXPECT_TRUE(texts.contains(QStringLiteral("1400")));  // 1500 m: 0 ... 1600 in steps of 200
    EXPECT_FALSE(texts.contains(QStringLiteral("1600")));  // the right end has no label
    EXPECT_GT(lines, 2);
}

TEST_F(GraphExportRun, APdfOfTheGraphAloneAtTheChosenSize)
{
    Doc().SetTitle("report.zt2");
    const QString path = OutputPath(QStringLiteral("export.pdf"));
    QFile::remove(path);
    Expect(File(path));
    Expect(PictureSize(1920, 1200));
    ASSERT_TRUE(view->RunCommand(Cmd::Export));
    const QString text = PdfText(path);
    for (const char* expected : {"Dry Bulb Temperature (\u00b0C)", "East drive", "1400", "Distance (m)"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    // The printed page's file name and time of printing are not part of it.
    EXPECT_FALSE(text.contains(QStringLiteral("report.zt2"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Printed:")));
    // 1920 x 1200 pixels drawn at twice the screen's resolution: 10 x 6.25 in.
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished(30000);
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains(QStringLiteral("720 x 450 pts")));
}

TEST_F(GraphExportRun, AFileThatCannotBeWrittenIsReported)
{
    const QString path = OutputPath(QStringLiteral("no-such-folder/graph.svg"));
    Expect(File(path));
    Expect(PictureSize(800, 600));
    Expect(Button(QMessageBox::Ok));
    EXPECT_FALSE(view->RunCommand(Cmd::Export));
    ASSERT_EQ(dialogs.size(), 3);
    EXPECT_TRUE(dialogs.last().contains(QStringLiteral("could not be saved"))) << dialogs.last().toStdString();
}

TEST(GraphFileFormat, BySuffix)
{
    EXPECT_EQ(GraphFileFormatOf(QStringLiteral("/a/b.PNG")), GraphFileFormat::Png);
    EXPECT_EQ(GraphFileFormatOf(QStringLiteral("b.svg")), GraphFileFormat::Svg);
    EXPECT_EQ(GraphFileFormatOf(QStringLiteral("b.pdf")), GraphFileFormat::Pdf);
    EXPECT_EQ(GraphFileFormatOf(QStringLiteral("b.pdf.txt")), GraphFileFormat::Unknown);
}
