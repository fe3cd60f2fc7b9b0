// Damaged files and files whose table layouts another program wrote.
#include "FileTestBytes.h"
#include "archive/DocumentFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Members 1 to 6 of the realistic document, then the given grid records,
// then its settings.
struct SplitFile {
    std::vector<std::uint8_t> head;  // members 1 to 6
    std::vector<std::uint8_t> tail;  // members 11 to 23
};

SplitFile SplitRealisticFile()
{
    CKalvexDoc doc;
    FillRealisticDocument(doc);
    const std::vector<std::uint8_t> withParams = WriteDocumentBytes(doc);
    doc.branchGridParam.reset();
    doc.resultGridParam.reset();
    doc.airSourceGridParam.reset();
    doc.heatSourceGridParam.reset();
    const std::vector<std::uint8_t> bare = WriteDocumentBytes(doc);
    SplitFile split;
    split.head.assign(bare.begin(), bare.end() - 8 - 71);
    split.tail.assign(bare.end() - 71, bare.end());
    EXPECT_TRUE(std::equal(split.head.begin(), split.head.end(), withParams.begin()));
    return split;
}

// A grid settings record of another writer: the class record, then data
// this program does not know, with strings and nested tags of its own.
FileBytes ForeignGridRecord()
{
    FileBytes b;
    b.Class("CGXGridParam").Word(0x0A).Dword(0x00010004).Str("Arial").Word(0xFFFF).Word(3);
    b.Raw("CGXStylesMap").Dword(0xDEADBEEF);
    for (int i = 0; i < 40; ++i)
        b.Byte(static_cast<std::uint8_t>(i * 7));
    return b;
}

}  // namespace

TEST(FileDamage, EveryCutOfARealisticDocumentFails)
{
    CKalvexDoc doc;
    FillRealisticDocument(doc);
    const std::vector<std::uint8_t> bytes = WriteDocumentBytes(doc);
    CKalvexDoc target;
    FillRealisticDocument(target);
    target.BranchAt(0).name = "kept";
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(length));
        const CFileResult result = ReadDocumentBytes(cut, target);
        ASSERT_FALSE(result.ok) << "cut at " << length;
        ASSERT_EQ(result.message, "Unexpected file format.") << "cut at " << length;
    }
    EXPECT_EQ(target.BranchAt(0).name, "kept");
    EXPECT_TRUE(ReadDocumentBytes(bytes, target).ok);
}

TEST(FileDamage, ForeignGridRecordResetsTheLayoutsAndKeepsTheData)
{
    const SplitFile split = SplitRealisticFile();
    CKalvexDoc reference;
    FillRealisticDocument(reference);

    for (int foreignAt = 0; foreignAt < 4; ++foreignAt) {
        // Our own records before the foreign one, whatever comes after it.
        CKalvexDoc ours;
        FillRealisticDocument(ours);
        auto params = std::array{&ours.branchGridParam, &ours.resultGridParam, &ours.airSourceGridParam,
                                 &ours.heatSourceGridParam};
        for (int i = foreignAt; i < 4; ++i)
            params[static_cast<std::size_t>(i)]->reset();
        const std::vector<std::uint8_t> own = WriteDocumentBytes(ours);
        const long nulls = (4 - foreignAt) * 2;
        FileBytes file;
        file.data.assign(own.begin(), own.end() - 71 - nulls);
        file.Append(ForeignGridRecord().data).Append(split.tail);

        CKalvexDoc doc;
        const CFileResult result = ReadDocumentBytes(file.data, doc);
        ASSERT_TRUE(result.ok) << foreignAt << ": " << result.message;
        EXPECT_TRUE(result.layoutsReset);
        EXPECT_EQ(result.message, kLayoutsResetText);
        EXPECT_FALSE(doc.branchGridParam);
        EXPECT_FALSE(doc.resultGridParam);
        EXPECT_FALSE(doc.airSourceGridParam);
        EXPECT_FALSE(doc.heatSourceGridParam);
        ASSERT_EQ(doc.BranchCount(), 3);
        EXPECT_EQ(doc.BranchAt(0).name, "Main drift");
        EXPECT_EQ(doc.BranchAt(0).HeatSourceCount(), 3);
        EXPECT_EQ(doc.BranchAt(0).ResultCount(), 7);
        EXPECT_EQ(doc.CurveList().size(), 13u);
        EXPECT_TRUE(doc.sequenceMode);
        EXPECT_EQ(doc.lastBranchId, 3);
        EXPECT_EQ(doc.graphOrientation, 2);

        // Saved again, it is our file with null grid references.
        reference.branchGridParam.reset();
        reference.resultGridParam.reset();
        reference.airSourceGridParam.reset();
        reference.heatSourceGridParam.reset();
        EXPECT_EQ(WriteDocumentBytes(doc), WriteDocumentBytes(reference));
    }
}

TEST(FileDamage, ANewerVersionOfOurRecordCountsAsForeign)
{
    const SplitFile split = SplitRealisticFile();
    FileBytes file;
    file.Append(split.head).Class("CGXGridParam").Raw("DVGP").Word(2).Dword(0).Append(split.tail);
    CKalvexDoc doc;
    const CFileResult result = ReadDocumentBytes(file.data, doc);
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.layoutsReset);
}

TEST(FileDamage, ForeignRecordWithImplausibleSettingsFails)
{
    const SplitFile split = SplitRealisticFile();
    // Offsets in the 71-byte tail: 0 sequence mode, 3..5 unit switches,
    // 6..53 the six doubles, 70 the orientation.
    struct Damage {
        std::size_t at;
        std::uint8_t value;
    };
    for (Damage d : {Damage{0, 2}, Damage{3, 0xFF}, Damage{5, 7}, Damage{70, 0}, Damage{70, 3}}) {
        std::vector<std::uint8_t> tail = split.tail;
        tail[d.at] = d.value;
        FileBytes file;
        file.Append(split.head).Append(ForeignGridRecord().data).Append(tail);
        CKalvexDoc doc;
        EXPECT_EQ(ReadDocumentBytes(file.data, doc).message, "Unexpected file format.") << d.at;
    }
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        std::vector<std::uint8_t> tail = split.tail;
        const FileBytes value = FileBytes().Double(bad);
        std::copy(value.data.begin(), value.data.end(), tail.begin() + 6 + 8 * 3);
        FileBytes file;
        file.Append(split.head).Append(ForeignGridRecord().data).Append(tail);
        CKalvexDoc doc;
        EXPECT_EQ(ReadDocumentBytes(file.data, doc).message, "Unexpected file format.");
    }

    // A foreign record too short to leave room for the settings after it.
    FileBytes shortFile;
    shortFile.Append(split.head).Class("CGXGridParam").Raw("XX");
    shortFile.data.insert(shortFile.data.end(), split.tail.begin() + 10, split.tail.end());
    CKalvexDoc doc;
    EXPECT_EQ(ReadDocumentBytes(shortFile.data, doc).message, "Unexpected file format.");
}

TEST(FileDamage, OurGridRecordIsReadStrictly)
{
    CKalvexDoc doc;
    doc.OnNewDocument();
    doc.branchGridParam = std::make_unique<CGXGridParam>();
    const std::vector<std::uint8_t> good = WriteDocumentBytes(doc);
    // Record: tag (2+2+2+12), "DVGP", version, seven INT32s, two counts,
    // behaviour flags, properties tag (2+2+2+15), ...
    const std::size_t record = 2 + 112 + 2 + 18;
    const std::size_t zoomAt = record + 6 + 6 * 4;
    const std::size_t flagsAt = record + 6 + 7 * 4 + 2 + 2;
    ASSERT_EQ(good[zoomAt], 100);

    auto damaged = [&](std::size_t at, std::uint8_t value) {
        std::vector<std::uint8_t> bytes = good;
        bytes[at] = value;
        CKalvexDoc loaded;
        return ReadDocumentBytes(bytes, loaded);
    };
    EXPECT_EQ(damaged(zoomAt, 0).message, "Unexpected file format.");           // zoom 0
    EXPECT_EQ(damaged(record + 6 + 3, 0x80).message, "Unexpected file format.");  // negative height
    EXPECT_EQ(damaged(flagsAt + 1, 0x08).message, "Unexpected file format.");   // undefined flag
    EXPECT_EQ(damaged(flagsAt + 2, 0).message, "Unexpected file format.");      // properties missing
    EXPECT_TRUE(damaged(zoomAt, 200).ok);

    // Width entries in strictly ascending column order: one repeated or
    // going back is refused.
    doc.branchGridParam->columnWidths = {{2, 90}, {5, 80}};
    const std::vector<std::uint8_t> widths = WriteDocumentBytes(doc);
    const std::size_t secondColumnAt = record + 6 + 7 * 4 + 2 + 8;
    auto column = [&](std::uint8_t value) {
        std::vector<std::uint8_t> bytes = widths;
        EXPECT_EQ(bytes[secondColumnAt], 5);
        bytes[secondColumnAt] = value;
        CKalvexDoc loaded;
        return ReadDocumentBytes(bytes, loaded);
    };
    EXPECT_TRUE(column(3).ok);
    EXPECT_EQ(column(2).message, "Unexpected file format.");
    EXPECT_EQ(column(1).message, "Unexpected file format.");
}
