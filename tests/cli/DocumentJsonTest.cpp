// The document's JSON form: export and import through dorvan-cli, the
// round trip of every member, and each refusal.
#include "CliRun.h"
#include "DocumentJson.h"
#include "ExampleDocuments.h"
#include "KalvexDoc.h"
#include "archive/DocumentFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>

namespace {

// A document that sets every saved member away from its default: all four
// table layouts, curves with an empty entry, every heat source kind,
// message rows, texts that need the wide form, a stale source id, a value
// JSON has no number for.
void BuildEveryMember(CKalvexDoc& doc)
{
    doc.OnNewDocument();
    doc.InsertNewBranches(0, 4);
    doc.DeleteBranch(3);  // id 4 is stale in the source list below
    CKalvexBranch& first = doc.BranchAt(0);
    first.name = "Zugang \u00E9\u20AC";
    first.description = "quotes \" and \\ and\ttab\nline";
    first.SetColumnValue(Col::Quantity, 0.1);
    first.SetColumnValue(Col::Pressure, 101.325);
    first.SetColumnValue(Col::Friction, 0.0123);
    first.outletPressure = 101234.56789012345;
    first.outletDryBulb = std::numeric_limits<double>::quiet_NaN();
    first.fanReg.location = 50;
    first.fanReg.sensibleHeat = 12.5;
    first.fanReg.pressureChange = -0.75;
    first.fanReg.description = "booster";
    first.AddHeatSource(CHeatSource(CHeatSource::Spot, {"10", "-5", "0", "cooler"}));
    first.AddHeatSource(CHeatSource(CHeatSource::Electric, {"20", "75", "80", ""}));
    first.AddHeatSource(CHeatSource(CHeatSource::Diesel, {"30", "120", "60", "1.5", "loader"}));
    first.AddHeatSource(CHeatSource(CHeatSource::Linear, {"40", "30", "5", "1", "belt"}));
    CHeatSource oddSpot(CHeatSource::Spot, {"1", "2", "3", ""});
    oddSpot.length() = 7.25;  // a slot the kind does not use
    first.AddHeatSource(oddSpot);
    CResultInterval row;
    row.distance = 10;
    row.dryBulb = 30.123456789;
    row.wbgt = 25.5;
    row.condensing = true;
    first.ResultList().push_back(row);
    first.ResultList().push_back(CResultInterval::Message("Condensation \u00B0C"));

    CKalvexBranch& second = doc.BranchAt(1);
    second.name = "\u4E2D\u6587";  // needs the wide form in the file
    second.SetSourceBranchIds({1, 4});
    second.SetColumnValue(Col::AddedQuantity, 2.5);
    second.SetColumnValue(Col::AddedDryBulb, 25);
    second.SetColumnValue(Col::AddedWetBulb, 18.25);

    doc.sequenceMode = true;
    doc.showUnitsResultTable = false;
    doc.SetWorkerValues({1.15, 0.8, 250, 0.155, 0.4});
    doc.branchColumns = {0, 5, 1, 2};
    doc.resultColumns = {100, 117, 101};
    doc.InsertNewCurve(0);
    doc.InsertNewCurve(1);
    doc.curves.push_back(nullptr);
    auto param = std::make_unique<CGXGridParam>();
    param->defaultRowHeight = 22;
    param->frozenCols = 2;
    param->zoom = 150;
    param->columnWidths = {{0, 40}, {3, 120}};
    param->rowHeights = {{2, 30}};
    param->allowColMove = false;
    param->properties.headerColour = 0x123456;
    param->properties.marginLeft = -3;
    param->properties.centerVertically = true;
    param->properties.landscape = 1;
    doc.branchGridParam = std::move(param);
    doc.heatSourceGridParam = std::make_unique<CGXGridParam>();
    doc.graphMarginLeft = 75;
    doc.graphOrientation = 1;
}

std::vector<std::uint8_t> ThroughJson(const std::vector<std::uint8_t>& file)
{
    CKalvexDoc doc;
    EXPECT_TRUE(ReadDocumentBytes(file, doc).ok);
    CKalvexDoc imported;
    std::string error;
    EXPECT_TRUE(DocumentFromJson(DocumentToJson(doc), imported, error)) << error;
    return WriteDocumentBytes(imported);
}

class DocumentJson : public CCliFolderTest {
protected:
    // Imports the text; returns the run and whether the target was written.
    CCliRun Import(const std::string& json, bool& written)
    {
        std::ofstream(Path("in.json")) << json;
        std::filesystem::remove(Path("out.zt2"));
        const CCliRun run = RunCliCommand({"import", Path("in.json"), Path("out.zt2")});
        written = std::filesystem::exists(Path("out.zt2"));
        return run;
    }
    // The message of a refused import of the text.
    std::string Refusal(const std::string& json)
    {
        bool written = true;
        const CCliRun run = Import(json, written);
        EXPECT_EQ(run.status, 2) << json;
        EXPECT_FALSE(written) << json;
        const std::string prefix = "dorvan-cli: " + Path("in.json") + ": ";
        EXPECT_EQ(run.err.rfind(prefix, 0), 0u) << run.err;
        return run.err.substr(std::min(prefix.size(), run.err.size()));
    }
};

}  // namespace

TEST_F(DocumentJson, ExamplesGoThroughJsonByteForByte)
{
    for (const CExampleDocument& example : ExampleDocuments()) {
        const std::string file = ExampleDocumentPath(example.fileName);
        const CCliRun exported = RunCliCommand({"export", file, "--json", Path("doc.json")});
        ASSERT_EQ(exported.status, 0) << exported.err;
        const CCliRun imported = RunCliCommand({"import", Path("doc.json"), Path("doc.zt2")});
        ASSERT_EQ(imported.status, 0) << imported.err;
        EXPECT_EQ(FileBytes(Path("doc.zt2")), FileBytes(file)) << example.fileName;
    }
    const std::string seed = std::string(DORVAN_SOURCE_DIR) + "/fuzz/seeds/grid-layouts.zt2";
    EXPECT_EQ(ThroughJson(FileBytes(seed)), FileBytes(seed));
}

TEST_F(DocumentJson, EveryMemberGoesThroughJsonByteForByte)
{
    CKalvexDoc doc;
    BuildEveryMember(doc);
    const std::vector<std::uint8_t> file = WriteDocumentBytes(doc);
    EXPECT_EQ(ThroughJson(file), file);

    CKalvexDoc fresh;
    fresh.OnNewDocument();
    EXPECT_EQ(ThroughJson(WriteDocumentBytes(fresh)), WriteDocumentBytes(fresh));

    // Written to standard output, the text is the same as in a file.
    const std::string path = Path("every.zt2");
    ASSERT_TRUE(SaveDocumentFile(path, doc).ok);
    const CCliRun toOut = RunCliCommand({"export", path, "--json", "-"});
    EXPECT_EQ(toOut.status, 0);
    EXPECT_EQ(toOut.out, DocumentToJson(doc));
    EXPECT_NE(toOut.out.find("\"name\": \"\u4E2D\u6587\""), std::string::npos);
    EXPECT_NE(toOut.out.find("\"outletDryBulb\": \"NaN\""), std::string::npos);
    EXPECT_NE(toOut.out.find("\"waterFuelRatio\": 1.5"), std::string::npos);
}

TEST_F(DocumentJson, LeftOutMembersTakeTheDefaultsAndIdsAreIssued)
{
    bool written = false;
    const CCliRun run = Import(R"({"branches": [{"name": "A"}, {"name": "B", "sourceBranchIds": [1],
        "addedQuantity": 3}], "worker": {"metabolicRate": 100}})",
                               written);
    ASSERT_EQ(run.status, 0) << run.err;
    CKalvexDoc doc;
    ASSERT_TRUE(LoadDocumentFile(Path("out.zt2"), doc).ok);
    ASSERT_EQ(doc.BranchCount(), 2);
    EXPECT_EQ(doc.BranchAt(0).branchId, 1);
    EXPECT_EQ(doc.BranchAt(1).branchId, 2);
    EXPECT_EQ(doc.lastBranchId, 2);
    EXPECT_EQ(doc.BranchAt(1).addedQuantity, 3.0);
    EXPECT_EQ(doc.BranchAt(0).length, 100.0);
    EXPECT_EQ(doc.branchColumns, CKalvexDoc::DefaultColumns(kBranchColumns));
    // The limit follows the metabolic rate, as the worker dialog sets it.
    EXPECT_DOUBLE_EQ(doc.skinTempLimit, CKalvexDoc::SkinTempLimitFor(100));
    EXPECT_DOUBLE_EQ(doc.skinTempLimit, 35.80);
}

TEST_F(DocumentJson, RefusalsNameThePathAndTheReason)
{
    EXPECT_EQ(Refusal(R"({"branches": [{}, {}, {"intakeQuantity": 0.01}]})"),
              "branches[2].intakeQuantity: Please enter a number from 0.10 to 10,000.00\n");
    EXPECT_EQ(Refusal(R"({"branches": [{"length": 100.5}]})"), "branches[0].length: Please enter an integer.\n");
    EXPECT_EQ(Refusal(R"({"branches": [{"intakeDryBulb": "30"}]})"),
              "branches[0].intakeDryBulb: Please enter a number.\n");
    EXPECT_EQ(Refusal(R"({"branches": [{"lenght": 100}]})"), "branches[0].lenght: unknown key\n");
    EXPECT_EQ(Refusal(R"({"branches": [{"fanReg": {"power": 1}}]})"), "branches[0].fanReg.power: unknown key\n");
    EXPECT_EQ(Refusal(R"({"branches": [{"name": 7}]})"), "branches[0].name: expects a text\n");
    EXPECT_EQ(Refusal(R"({"sequenceMode": 1})"), "sequenceMode: expects true or false\n");
    EXPECT_EQ(Refusal(R"({"branches": {}})"), "branches: expects a list\n");
    EXPECT_EQ(Refusal(R"([])"), "(document): expects an object\n");
    EXPECT_EQ(Refusal(R"({"branches": [{"branchId": 1}, {"sourceBranchIds": [1, 9]}]})"),
              "branches[1].sourceBranchIds[1]: no branch has the id 9\n");
    EXPECT_EQ(Refusal(R"({"branches": [{"branchId": 3}, {"branchId": 3}]})"),
              "branches[1].branchId: the id 3 is already used by branches[0]\n");
    EXPECT_EQ(Refusal(R"({"branches": [{"branchId": 70000}]})"),
              "branches[0].branchId: expects a whole number from 0 to 65535\n");
    EXPECT_EQ(Refusal(R"({"branches": [{"heatSources": [{"kind": "Spot", "power": 5}]}]})"),
              "branches[0].heatSources[0].power: unknown key\n");
    EXPECT_EQ(Refusal(R"({"branches": [{"heatSources": [{"kind": "Nuclear"}]}]})"),
              "branches[0].heatSources[0].kind: expects \"Spot\", \"Electric\", \"Diesel\" or \"Linear\"\n");
    // Heat sources meet the checks of their lists in the heat sources dialog.
    EXPECT_EQ(Refusal(R"({"branches": [{"length": 100, "heatSources": [{"kind": "Spot", "location": 150}]}]})"),
              "branches[0].heatSources[0].location: Location must be less than the length of the branch, which is "
              "currently 100 m.\n");
    EXPECT_EQ(Refusal(R"({"branches": [{"heatSources": [{"kind": "Linear", "location": 10}, {"kind": "Electric",
        "location": 5, "power": 10, "utilization": 150}]}]})"),
              "branches[0].heatSources[1].utilization: Please enter a number from 0 to 100\n");
    EXPECT_EQ(Refusal(R"({"branches": [{"heatSources": [{"kind": "Diesel", "waterFuelRatio": -1}]}]})"),
              "branches[0].heatSources[0].waterFuelRatio: Please enter a number from 0 to 100\n");
    // The worker meets the checks of the Worker Description dialog.
    EXPECT_EQ(Refusal(R"({"worker": {"metabolicRate": 500}})"),
              "worker.metabolicRate: Enter an integer between 40 and 400.\n");
    EXPECT_EQ(Refusal(R"({"branchColumns": [0, 1, 1]})"), "branchColumns[2]: the column 1 is listed twice\n");
    EXPECT_EQ(Refusal(R"({"resultColumns": [0]})"),
              "resultColumns[0]: the list begins with 100, the row number column of the results table\n");
    EXPECT_EQ(Refusal(R"({"branchGridParam": {"zoom": 0}})"),
              "branchGridParam.zoom: expects a whole number from 1 to 1000\n");
    EXPECT_EQ(Refusal(R"({"graphOrientation": 0})"), "graphOrientation: expects a whole number from 1 to 2\n");
    EXPECT_EQ(Refusal(R"({"lastBranchId": -1})"), "lastBranchId: expects a whole number from 0 to 65535\n");
    EXPECT_EQ(Refusal(R"({"lastBranchId": 100000000000000000000})"),
              "lastBranchId: expects a whole number from 0 to 65535\n");
    EXPECT_EQ(Refusal(R"({"curves": [{"xMin": 0}]})"), "curves[0].xMin: unknown key\n");
    EXPECT_EQ(Refusal(R"({"formatVersion": 2})"), "formatVersion: this program reads version 1\n");
    EXPECT_EQ(Refusal("{\"branches\": [\n  {,}]}").rfind("not valid JSON: parse error at line 2, column 4", 0), 0u);
    EXPECT_EQ(Refusal(""), "not valid JSON: parse error at line 1, column 1: syntax error while parsing value - "
                           "unexpected end of input; expected '[', '{', or a literal\n");

    // A refused import leaves an existing target as it was.
    std::ofstream(Path("out.zt2")) << "old";
    std::ofstream(Path("in.json")) << R"({"branches": [{"wetness": 2}]})";
    const CCliRun run = RunCliCommand({"import", Path("in.json"), Path("out.zt2")});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "dorvan-cli: " + Path("in.json") + ": branches[0].wetness: Please enter a number from 0 to 1.00\n");
    EXPECT_EQ(FileText(Path("out.zt2")), "old");
}

TEST_F(DocumentJson, UsageAndFileErrors)
{
    EXPECT_EQ(RunCliCommand({"export", ExampleDocumentPath("haulage-drift.zt2")}).status, 2);
    EXPECT_EQ(RunCliCommand({"import", Path("in.json")}).status, 2);
    const CCliRun missing = RunCliCommand({"import", Path("missing.json"), Path("out.zt2")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("missing.json"), std::string::npos);
    const CCliRun notDocument = RunCliCommand({"export", Path("missing.zt2"), "--json", "-"});
    EXPECT_EQ(notDocument.status, 2);
    EXPECT_TRUE(notDocument.out.empty());
}
