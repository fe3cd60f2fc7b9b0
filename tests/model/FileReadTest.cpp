// Reading documents: references, class records and what the reader refuses.
#include "FileTestBytes.h"
#include "LargestAllocation.h"
#include "archive/DocumentFile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A file with one default branch record (id 1) after the given tag bytes
// and the rest of a new document.
FileBytes OneBranchFile(const FileBytes& tag)
{
    FileBytes b;
    b.Word(1).Append(tag.data);
    b.Word(1).Str("Sample").Str("");
    for (int i = 0; i < 25; ++i)
        b.Double(1.0);
    b.Word(0).Word(0).Double(0).Double(0).Double(0).Str("").Word(0);
    b.DefaultColumns().Word(0).NoGridParams().DefaultTail(1);
    return b;
}

CFileResult Read(const FileBytes& b, CKalvexDoc& doc) { return ReadDocumentBytes(b.data, doc); }

}  // namespace

TEST(FileRead, NewDocumentBytesGiveTheDefaults)
{
    FileBytes b;
    b.Word(0).DefaultColumns().Word(0).NoGridParams().DefaultTail();
    CKalvexDoc doc;
    const CFileResult result = Read(b, doc);
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.message.empty());
    EXPECT_FALSE(result.layoutsReset);
    EXPECT_EQ(doc.BranchCount(), 0);
    EXPECT_EQ(doc.branchColumns, CKalvexDoc::DefaultColumns(0, 20));
    EXPECT_EQ(doc.heatSourceColumns, CKalvexDoc::DefaultColumns(400, 406));
    EXPECT_FALSE(doc.branchGridParam);
    EXPECT_FALSE(doc.heatSourceGridParam);
    EXPECT_FALSE(doc.sequenceMode);
    EXPECT_TRUE(doc.showUnitsSourceTables);
    EXPECT_DOUBLE_EQ(doc.vapourPermeability, 0.45);
    EXPECT_EQ(doc.graphOrientation, 2);
}

TEST(FileRead, ClassRecordsAndTheirNumbers)
{
    FileBytes tag;
    tag.Class("CKalvexBranch");
    CKalvexDoc doc;
    ASSERT_TRUE(Read(OneBranchFile(tag), doc).ok);
    ASSERT_EQ(doc.BranchCount(), 1);
    EXPECT_EQ(doc.BranchAt(0).name, "Sample");
    EXPECT_DOUBLE_EQ(doc.BranchAt(0).rockDiffusivity, 1.0);
    EXPECT_EQ(doc.lastBranchId, 1);
    EXPECT_EQ(doc.resultBranch, nullptr);
    EXPECT_EQ(doc.graphBranch, nullptr);

    // The escaped class form 7F FF + DWORD 0x80000001 names class 1 as well.
    FileBytes two;
    two.Word(2).Class("CKalvexBranch").Word(1).Str("A").Str("");
    for (int i = 0; i < 25; ++i)
        two.Double(0);
    two.Word(0).Word(0).Double(0).Double(0).Double(0).Str("").Word(0);
    two.Word(0x7FFF).Dword(0x80000001u).Word(2).Str("B").Str("");
    for (int i = 0; i < 25; ++i)
        two.Double(0);
    two.Word(0).Word(0).Double(0).Double(0).Double(0).Str("").Word(0);
    two.DefaultColumns().Word(0).NoGridParams().DefaultTail(2);
    CKalvexDoc twoDoc;
    ASSERT_TRUE(Read(two, twoDoc).ok);
    ASSERT_EQ(twoDoc.BranchCount(), 2);
    EXPECT_EQ(twoDoc.BranchAt(1).name, "B");
    EXPECT_EQ(twoDoc.BranchAt(1).branchId, 2);
}

TEST(FileRead, RefusedClassRecordsAndReferences)
{
    struct Case {
        const char* what;
        FileBytes tag;
    };
    std::vector<Case> cases;
    cases.push_back({"unknown class", FileBytes().Class("CKalvexBranchX")});
    cases.push_back({"name of 64 characters", FileBytes().Class(std::string(64, 'C'))});
    cases.push_back({"known name padded to 64", FileBytes().Class("CKalvexBranch" + std::string(51, ' '))});
    cases.push_back({"wrong schema", FileBytes().Class("CKalvexBranch", 2)});
    cases.push_back({"schema 0", FileBytes().Class("CKalvexBranch", 0)});
    cases.push_back({"other creatable class", FileBytes().Class("CHeatSource")});
    cases.push_back({"null entry", FileBytes().Word(0)});
    cases.push_back({"object number beyond the table", FileBytes().Word(5)});
    cases.push_back({"class number beyond the table", FileBytes().Word(0x8001)});
    cases.push_back({"escaped object number", FileBytes().Word(0x7FFF).Dword(3)});
    cases.push_back({"escaped class number beyond", FileBytes().Word(0x7FFF).Dword(0xFFFFFFFFu)});
    for (const Case& c : cases) {
        CKalvexDoc doc;
        const CFileResult result = Read(OneBranchFile(c.tag), doc);
        EXPECT_FALSE(result.ok) << c.what;
        EXPECT_EQ(result.message, "Unexpected file format.") << c.what;
    }

    // A name of 63 characters is read (and refused only for being unknown).
    CKalvexDoc doc;
    EXPECT_EQ(Read(OneBranchFile(FileBytes().Class(std::string(63, 'C'))), doc).message,
              "Unexpected file format.");
}

TEST(FileRead, ListElementsMustBeOfTheListClass)
{
    // A heat source list holding a result record, and a branch referring a
    // second time to an object read before (its heat source).
    FileBytes wrong;
    wrong.Word(1).Class("CKalvexBranch").Word(1).Str("Sample").Str("");
    for (int i = 0; i < 25; ++i)
        wrong.Double(0);
    wrong.Word(1).Class("CResultInterval");
    CKalvexDoc doc;
    EXPECT_EQ(Read(wrong, doc).message, "Unexpected file format.");

    FileBytes twice;
    twice.Word(1).Class("CKalvexBranch").Word(1).Str("Sample").Str("");
    for (int i = 0; i < 25; ++i)
        twice.Double(0);
    twice.Word(2).Class("CHeatSource").Byte(0).Double(1).Double(0).Double(5).Double(0).Str("");
    twice.Word(4);  // object 4 is the heat source just read
    twice.Word(0).Double(0).Double(0).Double(0).Str("").Word(0);
    twice.DefaultColumns().Word(0).NoGridParams().DefaultTail(1);
    EXPECT_EQ(Read(twice, doc).message, "Unexpected file format.");

    // A reference to a class where an object is meant, and the reverse.
    FileBytes classAsObject;
    classAsObject.Word(2).Class("CKalvexBranch").Word(1).Str("Sample").Str("");
    for (int i = 0; i < 25; ++i)
        classAsObject.Double(0);
    classAsObject.Word(0).Word(0).Double(0).Double(0).Double(0).Str("").Word(0);
    classAsObject.Word(1);  // number 1 is the class
    EXPECT_EQ(Read(classAsObject, doc).message, "Unexpected file format.");
    FileBytes objectAsClass = classAsObject;
    objectAsClass.data.resize(objectAsClass.data.size() - 2);
    objectAsClass.Word(0x8002);  // number 2 is the first branch
    EXPECT_EQ(Read(objectAsClass, doc).message, "Unexpected file format.");
    EXPECT_EQ(doc.BranchCount(), 0);
}

TEST(FileRead, HugeCountsAndLengthsFailBeforeAllocating)
{
    // 40-byte files announcing four billion elements or two-gigabyte strings.
    std::vector<FileBytes> files;
    files.push_back(FileBytes().Word(0xFFFF).Dword(0xFFFFFFFFu));
    files.push_back(FileBytes().Word(0).Word(0xFFFF).Dword(0x7FFFFFFFu));
    files.push_back(FileBytes().Word(1).Class("CKalvexBranch").Word(1).Byte(0xFF).Word(0xFFFF).Dword(0x7FFFFFFFu));
    files.push_back(FileBytes().Word(1).Class("CKalvexBranch").Word(1).Byte(0xFF).Word(0xFFFE).Byte(0xFF).Word(0xFFFF).Dword(0x7FFFFFFFu));
    files.push_back(FileBytes().Word(1).Class("CKalvexBranch").Word(1).Byte(0xFF).Word(0xFFFD));
    for (FileBytes& file : files) {
        file.data.resize(40, 0x41);
        CKalvexDoc doc;
        ResetLargestAllocation();
        EXPECT_EQ(Read(file, doc).message, "Unexpected file format.");
        EXPECT_LT(LargestAllocation(), 4096u);
    }

    // A string length that does not fit 31 bits is not an end of file.
    FileBytes tooLong;
    tooLong.Word(1).Class("CKalvexBranch").Word(1).Byte(0xFF).Word(0xFFFF).Dword(0x80000000u);
    tooLong.data.resize(40, 0);
    CKalvexDoc doc;
    EXPECT_EQ(Read(tooLong, doc).message, "Failed to open document.");
}

TEST(FileRead, UnknownClassInsideTheCurveListStillLoads)
{
    CKalvexDoc doc;
    // Three curves announced: one read, then a class the program does not know.
    FileBytes b;
    b.Word(0).DefaultColumns().Word(3).Class("CCurve").Class("CPlotStyle");
    b.NoGridParams().DefaultTail();
    const CFileResult result = Read(b, doc);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_FALSE(result.layoutsReset);
    ASSERT_EQ(doc.CurveList().size(), 3u);
    EXPECT_TRUE(doc.CurveList()[0]);
    EXPECT_FALSE(doc.CurveList()[1]);
    EXPECT_FALSE(doc.CurveList()[2]);

    // Saved again, the entries without a curve are null references.
    FileBytes again;
    again.Word(0).DefaultColumns().Word(3).Class("CCurve").Word(0).Word(0).NoGridParams().DefaultTail();
    EXPECT_EQ(WriteDocumentBytes(doc), again.data);
    // The view's accessor gives a default curve for an empty entry.
    EXPECT_EQ(doc.CurveAt(2).plotIndex, 0);

    // Other errors inside the curve list are discarded the same way: a bad
    // schema, a class number that names nothing, a branch in the list.
    for (FileBytes bad : {FileBytes().Class("CCurve", 7), FileBytes().Word(0x8009),
                          FileBytes().Class("CKalvexBranch")}) {
        FileBytes file;
        file.Word(0).DefaultColumns().Word(1).Append(bad.data).NoGridParams().DefaultTail();
        CKalvexDoc other;
        const CFileResult r = Read(file, other);
        EXPECT_TRUE(r.ok) << r.message;
        ASSERT_EQ(other.CurveList().size(), 1u);
        EXPECT_FALSE(other.CurveList()[0]);
    }
}

TEST(FileRead, NullCurveEntriesAreKept)
{
    FileBytes b;
    b.Word(0).DefaultColumns().Word(2).Word(0).Class("CCurve").NoGridParams().DefaultTail();
    CKalvexDoc doc;
    ASSERT_TRUE(Read(b, doc).ok);
    ASSERT_EQ(doc.CurveList().size(), 2u);
    EXPECT_FALSE(doc.CurveList()[0]);
    EXPECT_TRUE(doc.CurveList()[1]);
    EXPECT_EQ(WriteDocumentBytes(doc), b.data);
}

TEST(FileRead, LongCurveListStaysSmallInMemory)
{
    // Three megabytes of two-byte curve tags: the list holds every entry,
    // but curve objects only for the first 65536 (the graph view uses the
    // first thirteen), so the memory stays near the file's size.
    constexpr std::uint32_t count = 1'500'000;
    FileBytes b;
    b.Word(0).DefaultColumns().Word(0xFFFF).Dword(count).Class("CCurve");
    b.data.reserve(b.data.size() + 2 * count + 100);
    for (std::uint32_t i = 1; i < count; ++i)
        b.Word(0x8001);
    b.NoGridParams().DefaultTail();

    CKalvexDoc doc;
    ASSERT_TRUE(Read(b, doc).ok);
    ASSERT_EQ(doc.CurveList().size(), count);
    EXPECT_TRUE(doc.CurveList()[0]);
    EXPECT_TRUE(doc.CurveList()[65535]);
    EXPECT_FALSE(doc.CurveList()[65536]);
    EXPECT_FALSE(doc.CurveList()[count - 1]);
    const auto held = std::count_if(doc.CurveList().begin(), doc.CurveList().end(),
                                    [](const auto& curve) { return curve != nullptr; });
    EXPECT_EQ(held, 65536);
}

TEST(FileRead, FailedLoadLeavesTheDocumentUnchanged)
{
    CKalvexDoc doc;
    FillRealisticDocument(doc);
    CGXGridParam* params = doc.branchGridParam.get();
    doc.resultBranch = &doc.BranchAt(0);
    doc.SetModifiedFlag(true);
    const std::vector<std::uint8_t> before = WriteDocumentBytes(doc);

    FileBytes bad;
    bad.Word(0).DefaultColumns().Word(0).NoGridParams().DefaultTail();
    bad.data.pop_back();  // no orientation byte
    EXPECT_EQ(Read(bad, doc).message, "Unexpected file format.");
    EXPECT_EQ(WriteDocumentBytes(doc), before);
    EXPECT_EQ(doc.branchGridParam.get(), params);
    EXPECT_EQ(doc.resultBranch, &doc.BranchAt(0));
    EXPECT_TRUE(doc.IsModified());

    // A good load replaces everything and drops the shown branches.
    bad.Byte(1);
    ASSERT_TRUE(Read(bad, doc).ok);
    EXPECT_EQ(doc.BranchCount(), 0);
    EXPECT_EQ(doc.resultBranch, nullptr);
    EXPECT_FALSE(doc.branchGridParam);
    EXPECT_EQ(doc.graphOrientation, 1);
}

TEST(FileRead, UnusableColumnListsAreReplaced)
{
    // Column lists the tables cannot show: empty, without the header id,
    // with an id of another table, with an id twice.
    FileBytes b;
    b.Word(0).Word(0);
    b.Word(2).Word(101).Word(102);
    b.Word(3).Word(300).Word(301).Word(1);
    b.Word(3).Word(400).Word(401).Word(401);
    b.Word(0).NoGridParams().DefaultTail();
    CKalvexDoc doc;
    const CFileResult result = Read(b, doc);
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.layoutsReset);
    EXPECT_EQ(result.message, kLayoutsResetText);
    EXPECT_EQ(doc.branchColumns, CKalvexDoc::DefaultColumns(0, 20));
    EXPECT_EQ(doc.resultColumns, CKalvexDoc::DefaultColumns(100, 117));
    EXPECT_EQ(doc.airSourceColumns, CKalvexDoc::DefaultColumns(300, 305));
    EXPECT_EQ(doc.heatSourceColumns, CKalvexDoc::DefaultColumns(400, 406));

    // A shortened, reordered list is the user's choice and stays.
    FileBytes chosen;
    chosen.Word(0).Word(3).Word(0).Word(6).Word(1).Words(100, 117).Words(300, 305).Words(400, 406);
    chosen.Word(0).NoGridParams().DefaultTail();
    const CFileResult kept = Read(chosen, doc);
    ASSERT_TRUE(kept.ok);
    EXPECT_FALSE(kept.layoutsReset);
    EXPECT_EQ(doc.branchColumns, (std::vector<std::uint16_t>{0, 6, 1}));
}

TEST(FileRead, TrailingBytesAfterTheSettingsAreIgnored)
{
    FileBytes b;
    b.Word(0).DefaultColumns().Word(0).NoGridParams().DefaultTail().Byte(0xAB);
    CKalvexDoc doc;
    EXPECT_TRUE(Read(b, doc).ok);
}
