// dorvan-cli solve, called through RunCli with string streams.
#include "CliCommands.h"
#include "CliRun.h"
#include "KalvexDoc.h"
#include "archive/DocumentFile.h"
#include "archive/FileAccess.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <regex>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using SolveOutput = CCliRun;

SolveOutput Solve(std::vector<std::string> args)
{
    args.insert(args.begin(), "solve");
    return RunCliCommand(args);
}

constexpr auto Example = ExampleDocumentPath;

// The text after "name": in a flat JSON object, quotes kept.
std::string JsonField(const std::string& json, const std::string& name)
{
    std::smatch m;
    const std::regex field("\"" + name + "\": ([^,\\n]+)");
    return std::regex_search(json, m, field) ? m[1].str() : "?";
}

// The first number after label in the text output.
double TextNumber(const std::string& text, const std::string& label)
{
    const auto at = text.find(label);
    return at == std::string::npos ? std::nan("") : std::stod(text.substr(at + label.size()));
}

class SolveCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("dorvan-solve-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Path(const std::string& name) const { return (dir / name).string(); }

    fs::path dir;
};

}  // namespace

TEST_F(SolveCommand, JsonHoldsTheNumbersOfTheText)
{
    const std::string json = Path("answer.json");
    const std::string file = Example("haulage-drift.zt2");
    const std::string before = FileText(file);
    const SolveOutput r = Solve({file, "--branch", "1", "--quantity", "--criterion", "wet", "--json", json});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    EXPECT_NE(r.out.find("Branch 1 - 12 Level haulage\nCriterion: wet bulb at most 28.00 \u00B0C along the branch\n"),
              std::string::npos)
        << r.out;
    const std::string j = FileText(json);
    EXPECT_EQ(JsonField(j, "status"), "\"found\"");
    EXPECT_EQ(JsonField(j, "field"), "\"intakeQuantity\"");
    EXPECT_EQ(JsonField(j, "criterion"), "\"wet\"");
    EXPECT_EQ(std::stod(JsonField(j, "value")), TextNumber(r.out, "Required air quantity: "));
    EXPECT_EQ(std::stod(JsonField(j, "peak")), TextNumber(r.out, "Peak: "));
    EXPECT_EQ(std::stod(JsonField(j, "peakDistance")), TextNumber(r.out, "\u00B0C at "));
    EXPECT_EQ(std::stod(JsonField(j, "marches")), TextNumber(r.out, "Marches: "));
    EXPECT_EQ(std::stod(JsonField(j, "limit")), 28.0);
    EXPECT_EQ(FileText(file), before);

    // To standard output the JSON comes alone, with the same answer.
    const SolveOutput s = Solve({file, "--branch", "1", "--quantity", "--criterion", "wet", "--json", "-"});
    EXPECT_EQ(s.out, j);
}

TEST_F(SolveCommand, CoolingAnswerAndItsLimitDefaults)
{
    const SolveOutput r =
        Solve({Example("five-branch-sequence.zt2"), "--branch", "4", "--cooling", "200", "--criterion", "wbgt",
               "--limit", "20", "--outlet", "--range", "0,-400", "--json", "-"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(JsonField(r.out, "field"), "\"sensibleHeat\"");
    EXPECT_EQ(JsonField(r.out, "outletOnly"), "true");
    EXPECT_EQ(JsonField(r.out, "location"), "200");
    EXPECT_EQ(JsonField(r.out, "peakDistance"), "800");
    EXPECT_LT(std::stod(JsonField(r.out, "value")), 0.0);
    EXPECT_EQ(JsonField(r.out, "rangeTo"), "-400");

    // The mean skin temperature against the document's limit, by default.
    const SolveOutput d = Solve({Example("hot-decline.zt2"), "--branch", "1", "--cooling", "1900"});
    EXPECT_NE(d.out.find("mean skin temperature at most 34.38 \u00B0C along the branch downstream of a spot source at 1900 m"),
              std::string::npos)
        << d.out;
}

TEST_F(SolveCommand, UnreachableTargetExitsThree)
{
    const SolveOutput r =
        Solve({Example("hot-decline.zt2"), "--branch", "1", "--quantity", "--criterion", "wet"});
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.out.find("Not reachable within 0.10 \u2026 10,000.00 m\u00B3/s\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("(at 10000.00 m\u00B3/s)"), std::string::npos) << r.out;
    const SolveOutput j =
        Solve({Example("hot-decline.zt2"), "--branch", "1", "--quantity", "--criterion", "wet", "--json", "-"});
    EXPECT_EQ(j.status, 3);
    EXPECT_EQ(JsonField(j.out, "status"), "\"notReachable\"");
}

TEST_F(SolveCommand, DataErrorsExitOneAndWriteNothing)
{
    CKalvexDoc doc;
    doc.OnNewDocument();
    doc.InsertNewBranch(0);
    doc.BranchAt(0).perimeter = 5;
    const std::string file = Path("bad.zt2");
    ASSERT_TRUE(SaveDocumentFile(file, doc).ok);
    const std::string json = Path("answer.json");
    const SolveOutput r = Solve({file, "--branch", "1", "--quantity", "--json", json});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty());
    const std::string at = "dorvan-cli: " + file + ": ";
    EXPECT_EQ(r.err, at + "The following errors were found in the input data:\n" + at +
                         "Perimeter too small relative to area.\n" + at +
                         "Please correct these errors before executing the calculation routine again.\n");
    EXPECT_FALSE(fs::exists(json));
}

TEST_F(SolveCommand, UsageAndFileErrorsExitTwo)
{
    const std::string file = Example("haulage-drift.zt2");
    const std::vector<std::vector<std::string>> cases = {
        {file, "--quantity"},
        {file, "--branch", "2", "--quantity"},
        {file, "--branch", "0", "--quantity"},
        {file, "--branch", "id1", "--quantity"},
        {file, "--branch", "1"},
        {file, "--branch", "1", "--quantity", "--cooling", "10"},
        {file, "--branch", "1", "--cooling", "ten"},
        {file, "--branch", "1", "--cooling", "1500"},
        {file, "--branch", "1", "--cooling", "10", "--range", "0"},
        {file, "--branch", "1", "--cooling", "10", "--range", "-5,0"},
        {file, "--branch", "1", "--quantity", "--range", "0,-5"},
        {file, "--branch", "1", "--quantity", "--criterion", "MST"},
        {file, "--branch", "1", "--quantity", "--limit", "hot"},
        {file, "--branch", "1", "--quantity", "--json", ""},
        {Path("missing.zt2"), "--branch", "1", "--quantity"},
        {"--branch", "1", "--quantity"},
    };
    for (const std::vector<std::string>& args : cases) {
        const SolveOutput r = Solve(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_TRUE(r.out.empty()) << args.back();
        EXPECT_FALSE(r.err.empty()) << args.back();
    }
    EXPECT_EQ(Solve({file, "--branch", "3", "--quantity"}).err,
              "dorvan-cli solve: --branch 3: the document has 1 branch\nTry 'dorvan-cli solve --help'.\n");
    const SolveOutput help = Solve({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("row number in the branch table"), std::string::npos);
    EXPECT_NE(help.out.find("  3  no value in the range keeps the limit"), std::string::npos);
}
