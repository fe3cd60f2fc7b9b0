#include "GraphFixture.h"

#include "archive/DocumentFile.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QXmlStreamReader>

#include <cstdlib>

void GraphFixture::SetUp()
{
    open.doc.OnNewDocument();
}

void GraphFixture::TearDown()
{
    view.reset();
}

void GraphFixture::MakeView()
{
    view = std::make_unique<CKalvexGraphView>(open);
    view->resize(900, 600);
    view->InitialUpdate();
    view->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
}

void GraphFixture::LoadExample(const char* name)
{
    const std::string path = std::string(EXAMPLES_DIR) + "/" + name;
    const CFileResult result = LoadDocumentFile(path, open.doc);
    ASSERT_TRUE(result.ok) << result.message;
}

CKalvexBranch& GraphFixture::AddBranchWithResults(double step, std::initializer_list<double> dryBulbs)
{
    Doc().InsertNewBranch(Doc().BranchCount());
    CKalvexBranch& branch = Doc().BranchAt(Doc().BranchCount() - 1);
    double x = 0.0;
    for (const double t : dryBulbs) {
        CResultInterval row;
        row.distance = x;
        row.dryBulb = t;
        row.wetBulb = t - 5.0;
        row.meanSkinTemp = 34.0;
        branch.ResultList().push_back(row);
        x += step;
    }
    branch.ResultList().push_back(CResultInterval::Message("Total heat 12 kW"));
    return branch;
}

QString GraphFixture::OutputPath(const QString& name)
{
    QDir dir(QStringLiteral(GRAPH_TEST_OUTPUT_DIR));
    dir.mkpath(QStringLiteral("."));
    return dir.filePath(name);
}

QStringList GraphFixture::SvgTexts(const QByteArray& svg)
{
    QXmlStreamReader xml(svg);
    QStringList texts;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
            texts.append(xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed());
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texts;
}

int GraphFixture::CountPixels(const QImage& image, QColor colour, int tolerance)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) <= tolerance && std::abs(c.green() - colour.green()) <= tolerance &&
                std::abs(c.blue() - colour.blue()) <= tolerance)
                ++count;
        }
    return count;
}
