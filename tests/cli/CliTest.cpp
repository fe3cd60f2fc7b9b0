// dorvan-cli commands, called through RunCli with string streams.
#include "CliCommands.h"
#include "CliRun.h"
#include "ExampleDocuments.h"
#include "KalvexDoc.h"
#include "ResultExport.h"
#include "archive/DocumentFile.h"
#include "CliHelp.h"
#include "DorvanVersion.h"
#include "archive/FileAccess.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using CliOutput = CCliRun;
constexpr auto Cli = RunCliCommand;
constexpr auto Bytes = FileBytes;

int Count(const std::string& text, const std::string& part)
{
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

class CliCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("dorvan-cli-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Path(const std::string& name) const { return (dir / name).string(); }
    static std::string Example(const std::string& name)
    {
        return std::string(DORVAN_SOURCE_DIR) + "/examples/" + name;
    }
    // Saves a document built by the test and returns its path.
    std::string Save(CKalvexDoc& doc, const std::string& name) const
    {
        const CFileResult saved = SaveDocumentFile(Path(name), doc);
        EXPECT_TRUE(saved.ok) << saved.message;
        return Path(name);
    }

    fs::path dir;
};

}  // namespace

TEST_F(CliCommands, HelpAndUsageErrors)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, {"-h"}, {"help"}}) {
        const CliOutput r = Cli(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_NE(r.out.find("Usage: dorvan-cli COMMAND"), std::string::npos);
        EXPECT_NE(r.out.find("Exit status:"), std::string::npos);
    }
    for (const std::string command : {"new", "convert", "info", "run"}) {
        const CliOutput r = Cli({command, "--help"});
        EXPECT_EQ(r.status, 0) << command;
        EXPECT_EQ(r.out.rfind("Usage: dorvan-cli " + command, 0), 0u) << command;
        EXPECT_NE(r.out.find("  2  wrong usage"), std::string::npos) << command;
        EXPECT_EQ(Cli({"help", command}).out, r.out);
    }
    EXPECT_NE(Cli({"run", "-h"}).out.find("--branch N"), std::string::npos);

    CliOutput r = Cli({});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("expects a command"), std::string::npos);
    r = Cli({"frobnicate"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "dorvan-cli: unknown command 'frobnicate'\nTry 'dorvan-cli --help'.\n");
    r = Cli({"--verbose"});
    EXPECT_EQ(r.err.rfind("dorvan-cli: unknown option '--verbose'", 0), 0u);
    r = Cli({"run", Example("haulage-drift.zt2"), "--jsn", "x.json"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "dorvan-cli run: unknown option '--jsn'\nTry 'dorvan-cli run --help'.\n");
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(Cli({"run", Example("haulage-drift.zt2"), "--json"}).err.rfind(
                  "dorvan-cli run: option '--json' needs a value", 0),
              0u);
    EXPECT_EQ(Cli({"run", "a.zt2", "--csv=x", "--csv=y"}).status, 2);
    // A repeated output option is a usage error, whatever its form, and
    // nothing is written.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"run", Example("haulage-drift.zt2"), "--json", Path("a.json"), "--json", Path("b.json")},
          {"run", Example("haulage-drift.zt2"), "--json=" + Path("a.json"), "--json", Path("b.json")},
          {"solve", Example("haulage-drift.zt2"), "--branch", "1", "--quantity", "--json", "-", "--json", "-"}}) {
        const CliOutput twice = Cli(args);
        EXPECT_EQ(twice.status, 2) << args[0];
        EXPECT_NE(twice.err.find("option '--json' given twice"), std::string::npos) << twice.err;
        EXPECT_TRUE(twice.out.empty()) << args[0];
    }
    EXPECT_FALSE(fs::exists(Path("a.json")));
    EXPECT_FALSE(fs::exists(Path("b.json")));
    EXPECT_EQ(Cli({"new", "--force=yes", "a.zt2"}).err.rfind("dorvan-cli new: option '--force' takes no value", 0), 0u);
    EXPECT_EQ(Cli({"convert", "only-one.zt2"}).status, 2);
    EXPECT_EQ(Cli({"info"}).status, 2);
    EXPECT_EQ(Cli({"help", "nothing"}).status, 2);
}

TEST_F(CliCommands, NewWritesThe195ByteDocument)
{
    const std::string path = Path("new.zt2");
    CliOutput r = Cli({"new", path});
    ASSERT_EQ(r.status, 0) << r.err;
    CKalvexDoc fresh;
    fresh.OnNewDocument();
    EXPECT_EQ(Bytes(path), WriteDocumentBytes(fresh));
    EXPECT_EQ(Bytes(path).size(), 195u);

    // An existing file is kept unless --force is given.
    fs::resize_file(path, 10);
    r = Cli({"new", path});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("exists; --force replaces it"), std::string::npos);
    EXPECT_EQ(fs::file_size(path), 10u);
    EXPECT_EQ(Cli({"new", "--force", path}).status, 0);
    EXPECT_EQ(fs::file_size(path), 195u);

    r = Cli({"new", "-"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.size(), 195u);
    r = Cli({"new", Path("missing/new.zt2")});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "dorvan-cli: All or part of the path " + Path("missing/new.zt2") + " is invalid.\n");
}

TEST_F(CliCommands, ConvertKeepsOurFilesByteForByte)
{
    for (const CExampleDocument& example : ExampleDocuments()) {
        const std::string out = Path(example.fileName);
        const CliOutput r = Cli({"convert", Example(example.fileName), out});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(r.err.empty());
        EXPECT_EQ(Bytes(out), Bytes(Example(example.fileName))) << example.fileName;
    }
    // In place, and to standard output.
    const std::string copy = Path("copy.zt2");
    fs::copy_file(Example("hot-decline.zt2"), copy);
    EXPECT_EQ(Cli({"convert", copy, copy}).status, 0);
    EXPECT_EQ(Bytes(copy), Bytes(Example("hot-decline.zt2")));
    const CliOutput toStdout = Cli({"convert", copy, "-"});
    EXPECT_EQ(std::vector<std::uint8_t>(toStdout.out.begin(), toStdout.out.end()), Bytes(copy));
}

TEST_F(CliCommands, ConvertResetsForeignTableLayouts)
{
    // The haulage drift with a grid record of another writer in place of
    // the branch table's null reference.
    std::vector<std::uint8_t> bytes = Bytes(Example("haulage-drift.zt2"));
    const std::size_t gridAt = bytes.size() - 71 - 8;
    std::vector<std::uint8_t> foreign = {0xFF, 0xFF, 0x01, 0x00, 0x0C, 0x00};
    for (char c : std::string("CGXGridParamXYZW\x01\x02\x03 some other grid data"))
        foreign.push_back(static_cast<std::uint8_t>(c));
    foreign[6 + 12] = 0x09;  // after the class name: not our signature
    std::vector<std::uint8_t> file(bytes.begin(), bytes.begin() + static_cast<long>(gridAt));
    file.insert(file.end(), foreign.begin(), foreign.end());
    file.insert(file.end(), bytes.end() - 71, bytes.end());
    const std::string in = Path("foreign.zt2");
    std::string error;
    ASSERT_TRUE(ReplaceFile(in, file, error));

    const CliOutput r = Cli({"convert", in, Path("ours.zt2")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "dorvan-cli: " + in + ": " + kLayoutsResetText + "\n");
    EXPECT_EQ(Bytes(Path("ours.zt2")), bytes);
    EXPECT_EQ(Cli({"info", in}).err, r.err);
    EXPECT_EQ(Cli({"run", in, "--quiet"}).err, "");  // a notice, not an error
}

TEST_F(CliCommands, FileErrorsExitWithTwo)
{
    const std::string missing = Path("missing.zt2");
    for (const std::string command : {"info", "run"}) {
        const CliOutput r = Cli({command, missing});
        EXPECT_EQ(r.status, 2) << command;
        EXPECT_EQ(r.err, "dorvan-cli: " + missing + " was not found.\n") << command;
    }
    EXPECT_EQ(Cli({"convert", missing, Path("b.zt2")}).err, "dorvan-cli: " + missing + " was not found.\n");
    EXPECT_FALSE(fs::exists(Path("b.zt2")));

    const std::string garbage = Path("garbage.zt2");
    std::string error;
    ASSERT_TRUE(ReplaceFile(garbage, {0xFF, 0xFF, 0x01}, error));
    // The program and the file are named, once.
    EXPECT_EQ(Cli({"info", garbage}).err, "dorvan-cli: " + garbage + ": Unexpected file format.\n");
    EXPECT_EQ(Cli({"convert", Example("hot-decline.zt2"), dir.string()}).err,
              "dorvan-cli: Access to " + dir.string() + " was denied.\n");

    // An output that cannot be written ends the run with its text.
    const std::string nowhere = Path("no/such/folder/out.json");
    const CliOutput r = Cli({"run", Example("hot-decline.zt2"), "--json", nowhere});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "dorvan-cli: All or part of the path " + nowhere + " is invalid.\n");
    EXPECT_TRUE(r.out.empty());
}

TEST_F(CliCommands, InfoListsBranchesAndSettings)
{
    const CliOutput r = Cli({"info", Example("five-branch-sequence.zt2")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Branches: 5\n"), std::string::npos);
    EXPECT_NE(r.out.find("No.   Id      Name"), std::string::npos);
    EXPECT_NE(r.out.find("  3     3       1000 L east drive       650         1             yes, "),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Sequence mode: on\n"), std::string::npos);
    EXPECT_NE(r.out.find("Last branch id: 5\n"), std::string::npos);
    EXPECT_NE(r.out.find("Skin temperature limit: 36.00 \u00B0C\n"), std::string::npos);
    EXPECT_NE(r.out.find("landscape"), std::string::npos);

    CKalvexDoc doc;
    doc.OnNewDocument();
    doc.InsertNewBranch(0);
    doc.branchGridParam = std::make_unique<CGXGridParam>();
    const CliOutput plain = Cli({"info", Save(doc, "plain.zt2")});
    EXPECT_NE(plain.out.find("  1     1       Sample                  100         0             no\n"),
              std::string::npos)
        << plain.out;
    EXPECT_NE(plain.out.find("Table layouts: branch table saved, results table new"), std::string::npos);
}

TEST_F(CliCommands, RunSavesTheSameResultsAsTheExamples)
{
    for (const CExampleDocument& example : ExampleDocuments()) {
        const std::string saved = Path(example.fileName);
        const CliOutput r = Cli({"run", Example(example.fileName), "--save", saved});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(r.err.empty()) << r.err;
        EXPECT_EQ(Bytes(saved), Bytes(Example(example.fileName))) << example.fileName;
        EXPECT_NE(r.out.find("1 "), std::string::npos);
        EXPECT_NE(r.out.find(" kg/s, "), std::string::npos);
    }
}

TEST_F(CliCommands, RunWritesJsonAndCsv)
{
    const std::string json = Path("out.json");
    const std::string csv = Path("out.csv");
    const CliOutput r = Cli({"run", Example("five-branch-sequence.zt2"), "--json", json, "--csv=" + csv});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Count(r.out, " result rows\n"), 5);

    CKalvexDoc doc;
    ASSERT_TRUE(LoadDocumentFile(Example("five-branch-sequence.zt2"), doc).ok);
    int numeric = 0, messages = 0;
    for (const auto& branch : doc.branches)
        for (const CResultInterval& row : branch->ResultList())
            (row.isMessage ? messages : numeric) += 1;

    const std::vector<std::uint8_t> jsonBytes = Bytes(json);
    const std::string jsonText(jsonBytes.begin(), jsonBytes.end());
    EXPECT_EQ(jsonText.rfind("{\n  \"sequenceMode\": true,\n  \"branches\": [", 0), 0u);
    EXPECT_EQ(Count(jsonText, "\"number\": "), 5);
    EXPECT_EQ(Count(jsonText, "{\"distance\": "), numeric);
    // Row fields once per numeric row; dry bulb also in each outlet.
    for (const char* field : {"\"wetBulb\": ", "\"heatTransferCoeff\": ", "\"strataSensible\": ",
                              "\"meanSkinTemp\": ", "\"condensing\": ", "\"thermalWorkLimit\": ",
                              "\"twlZone\": ", "\"twlInRange\": "})
        EXPECT_EQ(Count(jsonText, field), numeric + (std::string(field) == "\"wetBulb\": " ? 5 : 0)) << field;
    EXPECT_EQ(Count(jsonText, "\"dryBulb\": "), numeric + 5);
    EXPECT_EQ(Count(jsonText, "\"outlet\": {\"dryBulb\": "), 5);
    EXPECT_NE(jsonText.find("\"Condensation begins at 883 m\""), std::string::npos);
    EXPECT_NE(jsonText.find("\"name\": \"Ramp to 1100 L\""), std::string::npos);
    EXPECT_EQ(Count(jsonText, "{"), Count(jsonText, "}"));
    EXPECT_EQ(Count(jsonText, "["), Count(jsonText, "]"));

    const std::vector<std::uint8_t> csvBytes = Bytes(csv);
    const std::string csvText(csvBytes.begin(), csvBytes.end());
    EXPECT_EQ(Count(csvText, "Row,Distance (m),Dry Bulb (\u00B0C),Wet Bulb (\u00B0C),Pressure (kPa),"), 5);
    EXPECT_NE(csvText.find(",HTC (W/m\u00B2\u00B0C),TWL (W/m\u00B2)\n"), std::string::npos);
    EXPECT_EQ(csvText.rfind("Branch,1,Intake shaft\n", 0), 0u);
    EXPECT_NE(csvText.find("\n\nBranch,5,Return raise\n"), std::string::npos);
    EXPECT_EQ(Count(csvText, "\n"), numeric + messages + 5 * 2 + 4);
    EXPECT_NE(csvText.find(",\"Strata heat totals: sensible heat = "), std::string::npos);
}

TEST_F(CliCommands, OutputsIntoPipesAndDevicesAreWrittenNotReplaced)
{
    // A pipe named by /dev/fd/N, as a shell's process substitution gives.
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    std::string piped;
    std::thread reader([&] {
        char chunk[4096];
        for (ssize_t n; (n = ::read(fds[0], chunk, sizeof chunk)) > 0;)
            piped.append(chunk, static_cast<std::size_t>(n));
    });
    const std::string fdPath = "/dev/fd/" + std::to_string(fds[1]);
    const CliOutput r = Cli({"run", Example("five-branch-sequence.zt2"), "--json", fdPath});
    ::close(fds[1]);
    reader.join();
    ::close(fds[0]);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(piped.rfind("{\n  \"sequenceMode\": true,", 0), 0u);

    // A named pipe stays a named pipe.
    const std::string fifo = Path("results.fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string fromFifo;
    std::thread fifoReader([&] {
        const int fd = ::open(fifo.c_str(), O_RDONLY);
        char chunk[4096];
        for (ssize_t n; fd >= 0 && (n = ::read(fd, chunk, sizeof chunk)) > 0;)
            fromFifo.append(chunk, static_cast<std::size_t>(n));
        if (fd >= 0)
            ::close(fd);
    });
    const CliOutput f = Cli({"run", Example("five-branch-sequence.zt2"), "--csv", fifo});
    if (f.status != 0) {
        // Unblock the reader should the output never have opened the pipe.
        const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
    fifoReader.join();
    ASSERT_EQ(f.status, 0) << f.err;
    EXPECT_FALSE(fromFifo.empty());
    EXPECT_TRUE(fs::is_fifo(fifo));

    // A device is written into, never renamed over.
    const CliOutput n = Cli({"new", "--force", "/dev/null"});
    EXPECT_EQ(n.status, 0) << n.err;
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(CliCommands, RunOneBranchOrEveryBranchInTurn)
{
    CKalvexDoc doc;
    doc.OnNewDocument();
    for (int i = 0; i < 3; ++i)
        doc.InsertNewBranch(i);
    doc.BranchAt(1).name = "Second";
    doc.BranchAt(1).SetColumnValue(6, 200);
    const std::string path = Save(doc, "three.zt2");

    CliOutput r = Cli({"run", path, "--branch", "2", "--json", "-"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Count(r.out, "\"number\": "), 1);
    EXPECT_NE(r.out.find("\"number\": 2,\n      \"id\": 2,\n      \"name\": \"Second\""), std::string::npos);
    EXPECT_EQ(r.out.find("result rows"), std::string::npos);  // no summary mixed into the JSON

    r = Cli({"run", path, "--save", Path("all.zt2")});
    ASSERT_EQ(r.status, 0);
    CKalvexDoc ran;
    ASSERT_TRUE(LoadDocumentFile(Path("all.zt2"), ran).ok);
    for (int i = 0; i < 3; ++i)
        EXPECT_GT(ran.BranchAt(i).ResultCount(), 3) << i;
    EXPECT_EQ(ran.BranchAt(1).ResultCount(), 21 + 3);

    for (const std::string bad : {"0", "4", "x", "-1", "1.5", ""}) {
        r = Cli({"run", path, "--branch", bad});
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_NE(r.err.find("the document has 3 branches"), std::string::npos) << bad;
    }
    doc.sequenceMode = true;
    r = Cli({"run", Save(doc, "sequence.zt2"), "--branch", "1"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("not available while the document's sequence mode is on"), std::string::npos);

    r = Cli({"run", path, "--json", "-", "--csv", "-"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("only one output can go to standard output"), std::string::npos);
}

TEST_F(CliCommands, DataErrorsStopTheRunWithStatusOne)
{
    CKalvexDoc doc;
    doc.OnNewDocument();
    for (int i = 0; i < 3; ++i)
        doc.InsertNewBranch(i);
    doc.BranchAt(0).name = "Shaft";
    doc.BranchAt(0).SetColumnValue(8, 150);  // 150 m deeper over 100 m
    doc.BranchAt(2).name = "Drift";
    doc.BranchAt(2).SetColumnValue(19, 200);  // interval longer than the branch
    doc.BranchAt(2).SetColumnValue(3, 35);    // wet bulb above dry bulb
    const std::string path = Save(doc, "bad.zt2");

    CliOutput r = Cli({"run", path, "--save", Path("out.zt2"), "--json", Path("out.json")});
    EXPECT_EQ(r.status, 1);
    const std::string at = "dorvan-cli: " + path + ": ";
    EXPECT_EQ(r.err,
              at + "Branch 1 - Shaft:\n" +
              at + "The following errors were found in the input data:\n" +
              at + "Change in depth must be less than or equal to length.\n" +
              at + "Please correct these errors before executing the calculation routine again.\n" +
              at + "Branch 3 - Drift:\n" +
              at + "The following errors were found in the input data:\n" +
              at + "Ouput interval must be less than or equal to length.\n" +
              at + "Wet bulb must be less than or equal to dry bulb.\n" +
              at + "Please correct these errors before executing the calculation routine again.\n");
    EXPECT_TRUE(r.out.empty());
    EXPECT_FALSE(fs::exists(Path("out.zt2")));
    EXPECT_FALSE(fs::exists(Path("out.json")));

    // In sequence mode the messages carry the branch's number and name.
    doc.sequenceMode = true;
    const std::string sequence = Save(doc, "bad-sequence.zt2");
    r = Cli({"run", sequence, "--quiet"});  // errors are printed all the same
    EXPECT_EQ(r.status, 1);
    const std::string in = "dorvan-cli: " + sequence + ": ";
    EXPECT_EQ(r.err,
              in + "The following errors were found in the input data:\n" +
              in + "1 - Shaft: Change in depth must be less than or equal to length.\n" +
              in + "3 - Drift: Ouput interval must be less than or equal to length.\n" +
              in + "3 - Drift: Wet bulb must be less than or equal to dry bulb.\n" +
              in + "Please correct these errors before executing the calculation routine again.\n");

    // The valid branch alone runs.
    EXPECT_EQ(Cli({"run", path, "--branch", "2"}).status, 0);
}

TEST_F(CliCommands, DryBulbGuardSpeaksOncePerBranchWithTheCountAndTheRunGoesOn)
{
    // Two branches far too hot for their air, in sequence mode.
    CKalvexDoc doc;
    doc.OnNewDocument();
    for (int i = 0; i < 2; ++i) {
        doc.InsertNewBranch(i);
        CKalvexBranch& b = doc.BranchAt(i);
        b.name = i == 0 ? "Fire" : "Downwind";
        b.SetColumnValue(5, 0.5);
        b.AddHeatSource(CHeatSource(CHeatSource::Linear, {"0", "100", "9000.00", "0.00", "Burning belt"}));
    }
    doc.sequenceMode = true;
    const std::string path = Save(doc, "fire.zt2");
    CliOutput r = Cli({"run", path, "--save", Path("fire-run.zt2")});
    EXPECT_EQ(r.status, 0) << r.err;
    CKalvexDoc ran;
    ASSERT_TRUE(LoadDocumentFile(Path("fire-run.zt2"), ran).ok);
    EXPECT_GT(ran.BranchAt(0).ResultCount(), 10);

    const std::string verbose = Cli({"run", path, "--verbose"}).err;
    const auto lines = [](const std::string& text) {
        std::vector<std::string> list;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            list.push_back(text.substr(start, end - start));
        return list;
    };
    // Verbose: every interval's message, one line each, on every branch.
    const std::string first = "dorvan-cli: " + path + ": Branch 1 - Fire: Input for the calculation interval ending at ";
    const std::string second = "dorvan-cli: " + path + ": Branch 2 - Downwind: Input for the calculation interval";
    long hits[2] = {0, 0};
    for (const std::string& line : lines(verbose)) {
        hits[0] += line.rfind(first, 0) == 0;
        hits[1] += line.rfind(second, 0) == 0;
        EXPECT_NE(line.find("dry bulb temperature to exceed the maximum value of 120 \u00B0C."), std::string::npos) << line;
    }
    ASSERT_GT(hits[0], 2);
    ASSERT_GT(hits[1], 2);
    EXPECT_EQ(static_cast<long>(lines(verbose).size()), hits[0] + hits[1]);

    // By default: the first message, then the count of the others.
    const std::vector<std::string> brief = lines(r.err);
    ASSERT_EQ(brief.size(), 4u) << r.err;
    EXPECT_EQ(brief[0], lines(verbose)[0]);
    EXPECT_EQ(brief[1], "dorvan-cli: " + path + ": Branch 1 - Fire: (the same for " + std::to_string(hits[0] - 1) +
                            " more intervals of this branch)");
    EXPECT_EQ(brief[2].rfind(second, 0), 0u);
    EXPECT_EQ(brief[3], "dorvan-cli: " + path + ": Branch 2 - Downwind: (the same for " +
                            std::to_string(hits[1] - 1) + " more intervals of this branch)");

    // Quiet: nothing but errors; the outlet summary is left out too.
    r = Cli({"run", path, "--quiet"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(Cli({"run", path, "--quiet", "--verbose"}).status, 2);
}

TEST_F(CliCommands, VersionCountsAndTheManualPage)
{
    const CliOutput version = Cli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind(std::string("dorvan-cli ") + kDorvanVersion + "\n", 0), 0u) << version.out;
    EXPECT_NE(version.out.find("Copyright (c) 2026 the Dorvan developers\n"), std::string::npos);
    EXPECT_NE(version.out.find("MIT licence"), std::string::npos);
    EXPECT_EQ(std::string(kDorvanVersion), DORVAN_PROJECT_VERSION);

    // Singular and plural.
    const CliOutput one = Cli({"run", Example("haulage-drift.zt2"), "--branch", "2"});
    EXPECT_NE(one.err.find("the document has 1 branch\n"), std::string::npos) << one.err;
    EXPECT_NE(Cli({"run", Example("five-branch-sequence.zt2")}).out.find(" result rows\n"), std::string::npos);

    // Every line of every help text is in the manual page, escaped.
    const std::string page = ManPage(kDorvanVersion);
    EXPECT_EQ(page.rfind(".TH DORVAN-CLI 1", 0), 0u);
    for (const std::string& name : CommandNames()) {
        const std::string help = CommandHelp(name);
        ASSERT_FALSE(help.empty()) << name;
        for (std::size_t start = 0, end; (end = help.find('\n', start)) != std::string::npos; start = end + 1) {
            const std::string line = help.substr(start, end - start);
            EXPECT_NE(page.find(line.rfind("'", 0) == 0 ? "\\&" + line : line), std::string::npos) << line;
        }
    }
}

TEST(CliExport, JsonAndCsvTexts)
{
    EXPECT_EQ(JsonNumber(30.5), "30.5");
    EXPECT_EQ(JsonNumber(100000.0), "100000");
    EXPECT_EQ(JsonNumber(-0.0000001), "0");
    EXPECT_EQ(JsonNumber(0.0125), "0.0125");
    EXPECT_EQ(JsonNumber(-2.25), "-2.25");
    EXPECT_EQ(JsonNumber(std::numeric_limits<double>::quiet_NaN()), "null");
    EXPECT_EQ(JsonNumber(-std::numeric_limits<double>::infinity()), "null");
    EXPECT_EQ(JsonString("a \"b\" \\ c\n\t\x01 \u00B0"), "\"a \\\"b\\\" \\\\ c\\n\\t\\u0001 \u00B0\"");
    EXPECT_EQ(CsvField("plain text"), "plain text");
    EXPECT_EQ(CsvField("a, b"), "\"a, b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
}
