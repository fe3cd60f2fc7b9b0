// dorvan-cli set: the branch table's cells from a script.
#include "CliRun.h"
#include "DocumentFields.h"
#include "KalvexDoc.h"
#include "archive/DocumentFile.h"
#include "InputCatalogue.h"

#include <gtest/gtest.h>

namespace {

class SetCommand : public CCliFolderTest {
protected:
    // A document of three branches, the second fed by the first.
    std::string MakeDocument(bool sequenceMode = false)
    {
        CKalvexDoc doc;
        doc.OnNewDocument();
        doc.InsertNewBranches(0, 3);
        doc.BranchAt(1).SetSourceBranchIds({1});
        doc.sequenceMode = sequenceMode;
        const std::string path = Path("mine.zt2");
        EXPECT_TRUE(SaveDocumentFile(path, doc).ok);
        return path;
    }
    // The branch at index of the document at path.
    double Value(const std::string& path, int index, double CKalvexBranch::*member)
    {
        CKalvexDoc doc;
        EXPECT_TRUE(LoadDocumentFile(path, doc).ok);
        return doc.BranchAt(index).*member;
    }
};

}  // namespace

TEST_F(SetCommand, StoresAsTheCellStores)
{
    const std::string path = MakeDocument();
    const CCliRun run = RunCliCommand({"set", path, "--branch", "2", "intakeQuantity=12.345", "length=250",
                                       "name=Decline \u00E9", "addedQuantity=2.5"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Value(path, 1, &CKalvexBranch::intakeQuantity), 12.35);  // two decimals, as shown
    EXPECT_EQ(Value(path, 1, &CKalvexBranch::length), 250.0);
    EXPECT_EQ(Value(path, 1, &CKalvexBranch::addedQuantity), 2.5);
    EXPECT_EQ(Value(path, 0, &CKalvexBranch::intakeQuantity), 10.0);
    CKalvexDoc doc;
    ASSERT_TRUE(LoadDocumentFile(path, doc).ok);
    EXPECT_EQ(doc.BranchAt(1).name, "Decline \u00E9");

    // By id, into another file; the first stays as it was.
    const std::vector<std::uint8_t> before = FileBytes(path);
    ASSERT_EQ(RunCliCommand({"set", path, "--id", "3", "vrtIn=55.56", "--save", Path("other.zt2")}).status, 0);
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_EQ(Value(Path("other.zt2"), 2, &CKalvexBranch::vrtIn), 55.6);
}

TEST_F(SetCommand, MessagesAreTheTablesAndNothingIsWritten)
{
    const std::string path = MakeDocument();
    const std::vector<std::uint8_t> before = FileBytes(path);
    for (const CBranchNumberField& field : BranchNumberFields()) {
        if (field.column == 0)
            continue;
        ASSERT_NE(FindInput(field.column), nullptr) << field.name;
        for (const std::string text : {"100000", "-1", "1e3", "", "abc"}) {
            const std::string typed = std::string(field.name) + "=" + text;
            const CCliRun run = RunCliCommand({"set", path, "--branch", "2", typed});
            const std::string message = CheckInputCellText(field.column, text).value_or(std::string());
            if (message.empty()) {
                EXPECT_EQ(run.status, 0) << typed;
                continue;
            }
            EXPECT_EQ(run.status, 1) << typed;
            EXPECT_EQ(run.err, "dorvan-cli: " + path + ": " + typed + ": " + message + "\n");
            EXPECT_EQ(FileBytes(path), before) << typed;
        }
    }
    // The table's own words, and every refused value at once.
    const CCliRun run = RunCliCommand({"set", path, "--branch", "1", "intakeQuantity=0", "length=5.5", "area=3"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "dorvan-cli: " + path + ": intakeQuantity=0: Please enter a number from 0.10 to 10,000.00\n"
                       "dorvan-cli: " + path + ": length=5.5: Please enter an integer.\n");
    EXPECT_EQ(FileBytes(path), before);
}

TEST_F(SetCommand, ReadOnlyCellsTakeNothing)
{
    std::string path = MakeDocument(true);
    EXPECT_EQ(RunCliCommand({"set", path, "--branch", "2", "intakeDryBulb=25"}).err,
              "dorvan-cli: " + path + ": intakeDryBulb=25: in sequence mode this branch's intake air comes from "
                                      "its source branches\n");
    EXPECT_EQ(RunCliCommand({"set", path, "--branch", "1", "intakeDryBulb=25"}).status, 0);
    EXPECT_EQ(RunCliCommand({"set", path, "--branch", "1", "addedQuantity=1"}).err,
              "dorvan-cli: " + path + ": addedQuantity=1: the first branch takes no additional air\n");
    EXPECT_EQ(RunCliCommand({"set", path, "--branch", "3", "addedQuantity=1"}).status, 1);
}

TEST_F(SetCommand, UsageErrors)
{
    const std::string path = MakeDocument();
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"set", path, "--branch", "1"},
             {"set", path, "length=100"},
             {"set", path, "--branch", "1", "--id", "1", "length=100"},
             {"set", path, "--branch", "4", "length=100"},
             {"set", path, "--id", "9", "length=100"},
             {"set", path, "--branch", "1", "lenght=100"},
             {"set", path, "--branch", "1", "outletDryBulb=10"},
             {"set", path, "--branch", "1", "length=100", "length=200"},
             {"set", Path("missing.zt2"), "--branch", "1", "length=100"}}) {
        const CCliRun run = RunCliCommand(args);
        EXPECT_EQ(run.status, 2) << args.back() << args[3];
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_NE(RunCliCommand({"set", path, "--id", "9", "length=100"}).err.find("--id 9: no branch has this id"),
              std::string::npos);
}
