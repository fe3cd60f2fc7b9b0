// The printed branch form: its layout, and the pages printed to PDF.
#include "Session.h"

#include "BranchForm.h"
#include "BranchFormPrint.h"
#include "HeatSource.h"
#include "KalvexDoc.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>

#include <algorithm>

namespace {

CFormMetrics Letter600()
{
    CFormMetrics m;
    m.dpiX = m.dpiY = 600;
    m.pageWidth = 5100;
    m.pageHeight = 6600;
    m.cellHeight = 90;
    m.externalLeading = 3;
    m.averageCharWidth = 40;
    return m;
}

std::vector<std::string> Texts(const CFormLayout& layout, int page = 0)
{
    std::vector<std::string> texts;
    for (const CFormItem& item : layout.items)
        if (item.kind == CFormItem::Kind::Text && (page == 0 || item.page == page))
            texts.push_back(item.text);
    return texts;
}

bool Has(const std::vector<std::string>& texts, const std::string& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

void AddElectricSources(CKalvexBranch& branch, int count)
{
    for (int i = 0; i < count; ++i) {
        CHeatSource source;
        source.kind = CHeatSource::Electric;
        source.location = 5.0 * i;
        branch.AddHeatSource(source);
    }
}

class BranchForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc.OnNewDocument();
        doc.InsertNewBranch(0);
        doc.InsertNewBranch(1);
    }
    CKalvexDoc doc;
};


}  // namespace

TEST_F(BranchForm, ANewBranchFillsOnePage)
{
    const CFormLayout form = LayoutBranchForm(doc, doc.BranchAt(0), Letter600(), "Printed: now");
    EXPECT_EQ(form.pages, 1);
    const std::vector<std::string> texts = Texts(form);
    for (const char* expected :
         {"Untitled - Branch Data Summary", "Branch Name - Sample", "Output Interval = 10 m", "Length = 100 m",
          "Quantity = 10.00 m\u00B3/s", "Pressure = 100.000 kPa", "Dry Bulb Temperature = 30.00 \u00B0C",
          "Friction Factor = 0.0100 kg/m\u00B3", "Wetness Factor = 0.00",
          "Diffusivity = 2.000 m\u00B2/s \u00D7 10^-6", "Page 1 of 1 ", "Printed: now"})
        EXPECT_TRUE(Has(texts, expected)) << expected;
    EXPECT_FALSE(Has(texts, "Fan/Regulator Object:"));
    EXPECT_FALSE(Has(texts, "Inlet Air Source Data:"));
    EXPECT_FALSE(Has(texts, "Heat Source Data:"));

    // The one-inch margins and the line step from the font's metrics.
    const CFormItem& title = form.items.front();
    EXPECT_EQ(title.x, 600);
    EXPECT_EQ(title.y, 599);
    const auto name = std::find_if(form.items.begin(), form.items.end(),
                                   [](const CFormItem& i) { return i.text == "Branch Name - Sample"; });
    EXPECT_EQ(name->x, 640);
    EXPECT_EQ(name->y, 600 + (95 + 2) + (95 + 1));
}

TEST_F(BranchForm, OptionalSectionsAppearOnlyWhenTheyApply)
{
    CKalvexBranch& second = doc.BranchAt(1);
    second.SetSourceBranchIds({doc.BranchAt(0).branchId, 999});
    EXPECT_FALSE(Has(Texts(LayoutBranchForm(doc, second, Letter600(), "s")), "Inlet Air Source Data:"));
    doc.sequenceMode = true;
    const std::vector<std::string> fed = Texts(LayoutBranchForm(doc, second, Letter600(), "s"));
    EXPECT_TRUE(Has(fed, "Source Branches - 1"));
    EXPECT_EQ(second.SourceBranchIds().size(), 1u);  // the stale id went

    second.fanReg.sensibleHeat = 20.0;
    const std::vector<std::string> fan = Texts(LayoutBranchForm(doc, second, Letter600(), "s"));
    EXPECT_TRUE(Has(fan, "Pressure Gain/Loss = 0.000 kPa"));
    EXPECT_TRUE(Has(fan, "Sensible Heat Load = 20.00 kW"));

    CHeatSource spot;
    spot.kind = CHeatSource::Spot;
    spot.location = 50.0;
    second.AddHeatSource(spot);
    spot.description = "Pump station";
    second.AddHeatSource(spot);
    const std::vector<std::string> heat = Texts(LayoutBranchForm(doc, second, Letter600(), "s"));
    EXPECT_TRUE(Has(heat, "Spot at 50 m"));
    EXPECT_TRUE(Has(heat, "Spot at 50 m, Pump station"));
}

TEST_F(BranchForm, ManyHeatSourcesMoveWholeToPageTwo)
{
    CKalvexBranch& branch = doc.BranchAt(0);
    AddElectricSources(branch, 12);
    const CFormLayout form = LayoutBranchForm(doc, branch, Letter600(), "Printed: once");
    ASSERT_EQ(form.pages, 2);
    EXPECT_TRUE(Has(Texts(form, 1), "Page 1 of 2 "));
    EXPECT_TRUE(Has(Texts(form, 2), "Page 2 of 2 "));
    EXPECT_TRUE(Has(Texts(form, 2), "Heat Source Data:"));
    EXPECT_FALSE(Has(Texts(form, 1), "Heat Source Data:"));
    EXPECT_TRUE(Has(Texts(form, 2), "Untitled - Branch Data Summary"));
    const std::vector<std::string> all = Texts(form);
    EXPECT_EQ(std::count(all.begin(), all.end(), "Printed: once"), 2);

    // At this size the sections above end at y = 2104 and each source takes
    // 2 (L + 1) + 3L / 2 = 334 units: eleven fit above 6001, twelve do not.
    branch.HeatSourceList().pop_back();
    EXPECT_EQ(LayoutBranchForm(doc, branch, Letter600(), "s").pages, 1);
}

TEST_F(BranchForm, HeatSourcesThatJustFitStayOnPageOne)
{
    CKalvexBranch& branch = doc.BranchAt(0);
    AddElectricSources(branch, 11);
    // Eleven sources below y = 2104 need 2104 + (L + 3) + 22 (L + 1) + 10 (3L / 2)
    // = 5734 units with L = 95: a bottom margin exactly there still fits.
    CFormMetrics metrics = Letter600();
    metrics.pageHeight = 5734 + metrics.dpiY - 1;
    const CFormLayout fits = LayoutBranchForm(doc, branch, metrics, "s");
    EXPECT_EQ(fits.pages, 1);
    EXPECT_TRUE(Has(Texts(fits, 1), "Heat Source Data:"));
    metrics.pageHeight -= 1;
    EXPECT_EQ(LayoutBranchForm(doc, branch, metrics, "s").pages, 2);
}

TEST_F(BranchForm, AHeatSectionLongerThanAPageGoesOnInsideTheMargins)
{
    CKalvexBranch& branch = doc.BranchAt(0);
    const int count = 50;
    for (int i = 0; i < count; ++i) {
        CHeatSource source;
        source.kind = CHeatSource::Spot;
        source.location = i;
        branch.AddHeatSource(source);
    }
    const CFormMetrics metrics = Letter600();
    const CFormLayout form = LayoutBranchForm(doc, branch, metrics, "Printed: once");
    ASSERT_EQ(form.pages, 4);  // the section starts on page 2; 22 sources a page
    const int bottom = metrics.pageHeight - metrics.dpiY + 1;
    int page = 1;
    for (const CFormItem& item : form.items) {
        EXPECT_GE(item.page, page);  // in page order, for the printer
        page = item.page;
        if (item.kind == CFormItem::Kind::Text && item.text.rfind("Spot at ", 0) == 0) {
            EXPECT_LE(item.y + metrics.cellHeight + metrics.externalLeading + 3, bottom) << item.text;
        }
    }
    for (int i = 0; i < count; ++i)
        EXPECT_TRUE(Has(Texts(form), "Spot at " + std::to_string(i) + " m")) << i;
    for (int p = 1; p <= 4; ++p) {
        EXPECT_TRUE(Has(Texts(form, p), "Page " + std::to_string(p) + " of 4 "));
        EXPECT_TRUE(Has(Texts(form, p), "Untitled - Branch Data Summary"));
    }
    const std::vector<std::string> all = Texts(form);
    EXPECT_EQ(std::count(all.begin(), all.end(), "Printed: once"), 4);
}

TEST_F(BranchForm, JobNameKeepsTheEndOfALongPath)
{
    EXPECT_EQ(FormJobName(doc), "Untitled");
    const std::string path = "/mines/north/ventilation/2026/decline.zt2";  // 41 characters
    doc.SetPathName(path);
    EXPECT_EQ(FormJobName(doc), "..." + path.substr(path.size() - 28));
    doc.SetPathName("/m/\u00C4rger-\u00D6ffnung-\u00DCbersicht-Nordfeld.zt2");
    EXPECT_EQ(FormJobName(doc).substr(0, 3), "...");
}

using BranchFormSession = Session;

TEST_F(BranchFormSession, PrintedToPdfFromTheBranchTable)
{
    Command(Cmd::AddBranch);
    const QString pdf = OutputPath("branch-form.pdf");
    QFile::remove(pdf);
    Expect([&pdf](QDialog& dialog) {
        auto& print = dynamic_cast<QPrintDialog&>(dialog);
        print.printer()->setOutputFormat(QPrinter::PdfFormat);
        print.printer()->setOutputFileName(pdf);
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(Command(Cmd::PrintBranchForm));
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("Untitled - Branch Data Summary")) << text.toStdString();
    EXPECT_TRUE(text.contains("Branch Name - Sample"));
    EXPECT_TRUE(text.contains(QString::fromUtf8("Dry Bulb Temperature = 30.00 \u00B0C")));
    EXPECT_TRUE(text.contains("Page 1 of 1"));
    EXPECT_TRUE(text.contains("Printed: "));

    Expect(Button(QDialog::Rejected));
    EXPECT_FALSE(Command(Cmd::PrintBranchForm));
}
