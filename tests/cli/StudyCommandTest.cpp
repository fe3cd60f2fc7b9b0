// dorvan-cli study: variants run on several threads, and written out for a
// batch system.
#include "CliRun.h"
#include "KalvexDoc.h"
#include "ResultTwl.h"
#include "NumberText.h"
#include "RunUi.h"
#include "SimulationRun.h"
#include "archive/DocumentFile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, ',');)
        fields.push_back(field);
    if (!line.empty() && line.back() == ',')
        fields.emplace_back();
    return fields;
}

class QuietUi : public IRunUi {
public:
    void ShowGuardMessage(const std::string&) override {}
    void ShowDataErrors(const std::vector<std::string>&) override {}
};

const std::vector<std::string> kSequenceStudy{
    "study", ExampleDocumentPath("five-branch-sequence.zt2"), "--vary", "1:intakeQuantity=100:200:3",
    "--vary=3:length=300:600:2"};

}  // namespace

using Study = CCliFolderTest;

TEST_F(Study, EveryJobCountGivesTheSameLines)
{
    std::vector<std::string> args = kSequenceStudy;
    args.insert(args.end(), {"--jobs", "1", "--csv", "-"});
    const CCliRun one = RunCliCommand(args);
    ASSERT_EQ(one.status, 0) << one.err;
    const std::vector<std::string> lines = Lines(one.out);
    ASSERT_EQ(lines.size(), 7u);  // the header and 3 x 2 variants
    EXPECT_EQ(lines[0].rfind("variant,1:intakeQuantity,3:length,1 outlet dry bulb,1 outlet wet bulb,1 worst MST,"
                             "1 worst MST distance,1 worst WBGT,1 worst WBGT distance,1 worst ET,1 worst ET distance,"
                             "1 lowest TWL,1 lowest TWL distance,"
                             "2 outlet dry bulb",
                             0),
              0u);
    EXPECT_EQ(Fields(lines[0]).size(), 3u + 5 * 10);
    for (const std::string jobs : {"2", "3", "8"}) {
        args[args.size() - 3] = jobs;
        EXPECT_EQ(RunCliCommand(args).out, one.out) << jobs << " jobs";
    }

    // The fourth variant is the second quantity with the second length, run
    // as Execute runs the sequence.
    const std::vector<std::string> fourth = Fields(lines[4]);
    ASSERT_EQ(fourth.size(), 3u + 5 * 10);
    EXPECT_EQ(fourth[0], "4");
    EXPECT_EQ(fourth[1], "150.00");
    EXPECT_EQ(fourth[2], "600");
    CKalvexDoc doc;
    ASSERT_TRUE(LoadDocumentFile(ExampleDocumentPath("five-branch-sequence.zt2"), doc).ok);
    doc.BranchAt(0).SetColumnText(Col::Quantity, "150");
    doc.BranchAt(2).SetColumnText(Col::Length, "600");
    QuietUi ui;
    ExecuteSequence(doc, ui);
    for (int b = 0; b < doc.BranchCount(); ++b) {
        const CKalvexBranch& branch = doc.BranchAt(b);
        EXPECT_EQ(fourth[3 + 10 * b], FormatFixed(branch.outletDryBulb, 2)) << b;
        EXPECT_EQ(fourth[4 + 10 * b], FormatFixed(branch.outletWetBulb, 2)) << b;
        double worstWbgt = -1e9;
        for (const CResultInterval& row : branch.ResultList())
            if (!row.isMessage)
                worstWbgt = std::max(worstWbgt, row.wbgt);
        EXPECT_EQ(fourth[7 + 10 * b], FormatFixed(worstWbgt, 2)) << b;
        // The lowest thermal work limit as the results table's TWL cells
        // show it, at the first row where it is reached.
        const CResultTwl twl(doc, branch);
        const CResultInterval* lowest = nullptr;
        for (const CResultInterval& row : branch.ResultList())
            if (!row.isMessage && (!lowest || twl.At(row).value < twl.At(*lowest).value))
                lowest = &row;
        ASSERT_NE(lowest, nullptr) << b;
        EXPECT_EQ(fourth[11 + 10 * b], CResultTwl::Text(twl.At(*lowest))) << b;
        EXPECT_EQ(fourth[12 + 10 * b], FormatFixed(lowest->distance, 0)) << b;
    }
}

TEST_F(Study, RefusedValuesAndDataErrors)
{
    const std::string file = ExampleDocumentPath("haulage-drift.zt2");
    CCliRun run = RunCliCommand({"study", file, "--vary", "1:intakeQuantity=0:10:3", "--csv", Path("out.csv")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "dorvan-cli: " + file +
                           ": --vary 1:intakeQuantity=0:10:3: intakeQuantity=0: Please enter a number from 0.10 to "
                           "10,000.00\n");
    EXPECT_FALSE(std::filesystem::exists(Path("out.csv")));

    // A wet bulb above the dry bulb passes its cell but not the run's checks:
    // that variant keeps empty results, the others run.
    run = RunCliCommand({"study", file, "--vary", "1:intakeWetBulb=20:40:2", "--csv", "-"});
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(Fields(lines[1])[2], "");
    EXPECT_EQ(lines[2], "2,40.00,,,,,,,,,,");
    EXPECT_EQ(run.err.rfind("dorvan-cli: " + file + ": variant 2: ", 0), 0u) << run.err;

    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"study", file, "--csv", "-"},
             {"study", file, "--vary", "1:intakeQuantity=10:20:2"},
             {"study", file, "--vary", "2:intakeQuantity=10:20:2", "--csv", "-"},
             {"study", file, "--vary", "1:name=10:20:2", "--csv", "-"},
             {"study", file, "--vary", "1:intakeQuantity=10:20", "--csv", "-"},
             {"study", file, "--vary", "1:intakeQuantity=10:20:0", "--csv", "-"},
             {"study", file, "--vary", "1:intakeQuantity=10:20:1", "--csv", "-"},
             {"study", file, "--vary", "1:length=10:20:2", "--vary", "1:length=30:40:2", "--csv", "-"},
             {"study", file, "--vary", "1:length=10:20:2", "--jobs", "0", "--csv", "-"},
             {"study", file, "--vary", "1:intakeQuantity=10:1010:1001", "--vary", "1:area=0:1000:1001", "--csv", "-"}}) {
        run = RunCliCommand(args);
        EXPECT_EQ(run.status, 2) << args[3];
        EXPECT_TRUE(run.out.empty()) << args[3];
    }
}

TEST_F(Study, EmittedVariantsAreTheDocumentsTheStudyRuns)
{
    std::vector<std::string> args = kSequenceStudy;
    args.insert(args.end(), {"--emit-variants", Path("variants")});
    const CCliRun run = RunCliCommand(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(FileText(Path("variants/manifest.csv")),
              "variant,file,1:intakeQuantity,3:length\n"
              "1,variant-1.zt2,100.00,300\n2,variant-2.zt2,100.00,600\n3,variant-3.zt2,150.00,300\n"
              "4,variant-4.zt2,150.00,600\n5,variant-5.zt2,200.00,300\n6,variant-6.zt2,200.00,600\n");
    // Variant 4 is the file with the two values typed in.
    const std::string copy = Path("copy.zt2");
    ASSERT_EQ(RunCliCommand({"set", ExampleDocumentPath("five-branch-sequence.zt2"), "--branch", "1",
                             "intakeQuantity=150", "--save", copy})
                  .status,
              0);
    ASSERT_EQ(RunCliCommand({"set", copy, "--branch", "3", "length=600"}).status, 0);
    EXPECT_EQ(FileBytes(Path("variants/variant-4.zt2")), FileBytes(copy));
}
