// The example documents in examples/: made by their generator, inside the
// input ranges, and stable under load, run and save.
#include "ExampleDocuments.h"
#include "KalvexDoc.h"
#include "NumberText.h"
#include "archive/DocumentFile.h"
#include "archive/FileAccess.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

std::vector<std::uint8_t> ExampleFile(const std::string& name)
{
    std::vector<std::uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(ReadWholeFile(std::string(DORVAN_SOURCE_DIR) + "/examples/" + name, bytes, error)) << error;
    return bytes;
}

int CountMessages(const CKalvexBranch& branch, const std::string& part)
{
    int count = 0;
    for (const CResultInterval& row : branch.ResultList())
        if (row.isMessage && row.messageText.find(part) != std::string::npos)
            ++count;
    return count;
}

}  // namespace

TEST(Examples, CommittedFilesAreWhatTheGeneratorMakes)
{
    for (const CExampleDocument& example : ExampleDocuments()) {
        CKalvexDoc doc;
        example.build(doc);
        std::vector<std::string> messages;
        EXPECT_TRUE(RunExample(doc, messages)) << example.fileName << ": " << (messages.empty() ? "" : messages[0]);
        EXPECT_EQ(WriteDocumentBytes(doc), ExampleFile(example.fileName))
            << example.fileName
            << " is no longer what the program makes of it: a changed example is a changed result. Find "
               "the change in the calculation or the file format and explain it; do not regenerate the "
               "file to make this test pass.";
    }
}

TEST(Examples, LoadRunAndSaveGiveTheSameBytes)
{
    for (const CExampleDocument& example : ExampleDocuments()) {
        const std::vector<std::uint8_t> bytes = ExampleFile(example.fileName);
        CKalvexDoc doc;
        const CFileResult loaded = ReadDocumentBytes(bytes, doc);
        ASSERT_TRUE(loaded.ok) << example.fileName << ": " << loaded.message;
        EXPECT_FALSE(loaded.layoutsReset);
        EXPECT_EQ(WriteDocumentBytes(doc), bytes) << example.fileName;
        std::vector<std::string> messages;
        EXPECT_TRUE(RunExample(doc, messages)) << example.fileName;
        EXPECT_EQ(WriteDocumentBytes(doc), bytes) << example.fileName << " changes when run again";
    }
}

TEST(Examples, InputsAreInsideTheirRangesAndStoredAsShown)
{
    struct Range {
        std::uint16_t column;
        double lowest, highest;
    };
    // Ranges of the branch property sheet and the inlet air sources dialog.
    const Range ranges[] = {{2, 0, 120},   {3, 0, 100},      {4, 40, 300},    {5, 0.1, 10000},
                            {6, 2, 4000},  {7, 0, 20000},    {8, 0, 20000},   {9, 0.1, 1000},
                            {10, 0.1, 1000}, {11, 0, 1},     {12, 0, 1},      {13, 0, 36500},
                            {14, 0, 36500}, {15, 0, 1000},   {16, 1, 1000},   {17, 0.001, 500},
                            {18, 0.001, 50}, {19, 2, 1000},  {303, 0, 100},   {304, 0, 120},
                            {305, 0, 100}};
    for (const CExampleDocument& example : ExampleDocuments()) {
        CKalvexDoc doc;
        ASSERT_TRUE(ReadDocumentBytes(ExampleFile(example.fileName), doc).ok);
        for (int i = 0; i < doc.BranchCount(); ++i) {
            const CKalvexBranch& b = doc.BranchAt(i);
            const std::string where = example.fileName + " branch " + std::to_string(i + 1);
            for (const Range& range : ranges) {
                double value = 0;
                ASSERT_TRUE(b.GetColumnValue(range.column, value));
                EXPECT_GE(value, range.lowest) << where << " column " << range.column;
                EXPECT_LE(value, range.highest) << where << " column " << range.column;
                EXPECT_EQ(value, RoundDecimals(value, CKalvexBranch::ColumnDecimals(range.column)))
                    << where << " column " << range.column;
            }
            EXPECT_LE(b.outputInterval, b.length) << where;
            EXPECT_LE(std::abs(b.depthIn - b.depthOut), b.length) << where;
            EXPECT_LE(b.intakeWetBulb, b.intakeDryBulb) << where;
            EXPECT_LE(2 * std::sqrt(3.141592654 * b.area), b.perimeter) << where;
            for (const CHeatSource& source : b.HeatSourceList()) {
                EXPECT_EQ(source.location, std::floor(source.location)) << where;
                const double end = source.location + (source.kind == CHeatSource::Linear ? source.length() : 0);
                if (source.kind == CHeatSource::Linear)
                    EXPECT_LE(end, b.length) << where;
                else
                    EXPECT_LT(source.location, b.length) << where;
            }
            EXPECT_LE(b.fanReg.location, b.length - 1) << where;
            EXPECT_LE(std::abs(b.fanReg.pressureChange), 20.0) << where;
            EXPECT_GT(b.ResultCount(), 3) << where << " carries no results";
        }
    }
}

TEST(Examples, EachShowsWhatItIsNamedFor)
{
    CKalvexDoc drift;
    ASSERT_TRUE(ReadDocumentBytes(ExampleFile("haulage-drift.zt2"), drift).ok);
    ASSERT_EQ(drift.BranchCount(), 1);
    const CKalvexBranch& haulage = drift.BranchAt(0);
    EXPECT_EQ(haulage.depthIn, haulage.depthOut);
    EXPECT_GE(CountMessages(haulage, "Diesel heat source"), 1);
    EXPECT_GE(CountMessages(haulage, "Electric heat source"), 1);
    EXPECT_EQ(CountMessages(haulage, "Fan/Reg object"), 1);
    EXPECT_GT(haulage.fanReg.pressureChange, 0.0);

    CKalvexDoc decline;
    ASSERT_TRUE(ReadDocumentBytes(ExampleFile("hot-decline.zt2"), decline).ok);
    ASSERT_EQ(decline.BranchCount(), 1);
    const CKalvexBranch& ramp = decline.BranchAt(0);
    EXPECT_EQ(ramp.length, 2000.0);
    EXPECT_GT(ramp.depthOut, ramp.depthIn);
    EXPECT_GE(ramp.wetness, 0.5);
    EXPECT_EQ(CountMessages(ramp, "Condensation begins"), 1);
    bool condensingRow = false;
    for (const CResultInterval& row : ramp.ResultList())
        condensingRow = condensingRow || row.condensing;
    EXPECT_TRUE(condensingRow);

    CKalvexDoc sequence;
    ASSERT_TRUE(ReadDocumentBytes(ExampleFile("five-branch-sequence.zt2"), sequence).ok);
    ASSERT_EQ(sequence.BranchCount(), 5);
    EXPECT_TRUE(sequence.sequenceMode);
    bool mixes = false, addsAir = false;
    for (int i = 1; i < sequence.BranchCount(); ++i) {
        const CKalvexBranch& b = sequence.BranchAt(i);
        EXPECT_FALSE(b.SourceBranchIds().empty()) << i;
        for (std::uint16_t id : b.SourceBranchIds())
            EXPECT_LT(sequence.FindBranchIndex(id), i) << "a source runs before the branch it feeds";
        mixes = mixes || b.SourceBranchIds().size() > 1;
        addsAir = addsAir || b.addedQuantity > 0;
    }
    EXPECT_TRUE(mixes);
    EXPECT_TRUE(addsAir);
}
