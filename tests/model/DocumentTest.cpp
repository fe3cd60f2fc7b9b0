#include "BranchListText.h"
#include "KalvexDoc.h"
#include "archive/DocumentFile.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {

std::vector<std::uint16_t> Ids(const CKalvexDoc& doc)
{
    std::vector<std::uint16_t> ids;
    for (int i = 0; i < doc.BranchCount(); ++i)
        ids.push_back(doc.BranchAt(i).branchId);
    return ids;
}

CKalvexDoc& NewDoc(CKalvexDoc& doc)
{
    doc.OnNewDocument();
    return doc;
}

// Five branches (ids 1 to 5), the last naming the given ids as its sources.
void FiveBranchesNaming(CKalvexDoc& doc, const std::vector<std::uint16_t>& named)
{
    doc.OnNewDocument();
    for (int i = 0; i < 5; ++i)
        doc.InsertNewBranch(i);
    doc.BranchAt(4).SetSourceBranchIds(named);
}

struct RecordingView : IDocumentView {
    struct Call {
        IDocumentView* sender;
        long hint;
        CUpdateHint* object;
    };
    std::vector<Call> calls;
    void OnUpdate(IDocumentView* sender, long hint, CUpdateHint* object) override
    {
        calls.push_back({sender, hint, object});
    }
};

}  // namespace

TEST(Document, NewDocumentDefaults)
{
    CKalvexDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.BranchCount(), 0);
    EXPECT_EQ(doc.lastBranchId, 0);
    EXPECT_FALSE(doc.sequenceMode);
    EXPECT_TRUE(doc.showUnitsBranchTable && doc.showUnitsResultTable && doc.showUnitsSourceTables);
    EXPECT_EQ(doc.metabolicRate, 200.0);
    EXPECT_EQ(doc.clothingResistance, 0.0);
    EXPECT_EQ(doc.areaFactor, 1.0);
    EXPECT_EQ(doc.vapourPermeability, 0.45);
    EXPECT_EQ(doc.bodyViewFactor, 0.75);
    EXPECT_EQ(doc.skinTempLimit, 36.0);
    EXPECT_EQ(doc.graphMarginLeft, 100);
    EXPECT_EQ(doc.graphMarginBottom, 100);
    EXPECT_EQ(doc.graphOrientation, 2);
    EXPECT_EQ(doc.branchColumns.size(), 21u);
    EXPECT_EQ(doc.branchColumns.front(), 0);
    EXPECT_EQ(doc.branchColumns.back(), 20);
    EXPECT_EQ(doc.resultColumns, CKalvexDoc::DefaultColumns(100, 117));
    EXPECT_EQ(doc.airSourceColumns, CKalvexDoc::DefaultColumns(300, 305));
    EXPECT_EQ(doc.heatSourceColumns, CKalvexDoc::DefaultColumns(400, 406));
    EXPECT_FALSE(doc.branchGridParam);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.resultBranch, nullptr);
}

TEST(Document, IdsAreNeverGivenTwice)
{
    CKalvexDoc doc;
    NewDoc(doc);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(doc.InsertNewBranch(doc.BranchCount()));
    EXPECT_EQ(Ids(doc), (std::vector<std::uint16_t>{1, 2, 3}));
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.DeleteBranch(1));
    ASSERT_TRUE(doc.InsertNewBranch(doc.BranchCount()));
    EXPECT_EQ(Ids(doc), (std::vector<std::uint16_t>{1, 3, 4}));
    ASSERT_TRUE(doc.InsertNewBranch(0));
    EXPECT_EQ(Ids(doc), (std::vector<std::uint16_t>{5, 1, 3, 4}));
    EXPECT_EQ(doc.FindBranchIndex(3), 2);
    EXPECT_EQ(doc.FindBranchIndex(2), -1);
    EXPECT_THROW(doc.InsertNewBranch(6), std::out_of_range);
    EXPECT_THROW(doc.BranchAt(4), std::out_of_range);
}

TEST(Document, CounterPastTheLastIdFindsAFreeOne)
{
    CKalvexDoc doc;
    NewDoc(doc);
    doc.InsertNewBranch(0);  // id 1
    doc.InsertNewBranch(1);  // id 2
    doc.BranchAt(1).SetSourceBranchIds({3});  // a stale reference to id 3
    doc.lastBranchId = 0xFFFE;
    ASSERT_TRUE(doc.InsertNewBranch(2));
    EXPECT_EQ(doc.BranchAt(2).branchId, 0xFFFF);
    // The counter is used up: the lowest id neither held nor referenced.
    ASSERT_TRUE(doc.InsertNewBranch(3));
    EXPECT_EQ(doc.BranchAt(3).branchId, 4);
    ASSERT_TRUE(doc.InsertNewBranch(4));
    EXPECT_EQ(doc.BranchAt(4).branchId, 5);
    const auto ids = Ids(doc);
    EXPECT_EQ(ids, (std::vector<std::uint16_t>{1, 2, 0xFFFF, 4, 5}));
}

TEST(Document, DeleteClearsTheViewsReferences)
{
    CKalvexDoc doc;
    NewDoc(doc);
    EXPECT_FALSE(doc.DeleteBranch(0));
    EXPECT_FALSE(doc.MoveBranches(0, 0, 0));
    for (int i = 0; i < 3; ++i)
        doc.InsertNewBranch(i);
    doc.resultBranch = &doc.BranchAt(1);
    doc.graphBranch = &doc.BranchAt(2);
    doc.BranchAt(1).ResultList().resize(4);
    EXPECT_EQ(doc.ResultBranchRowCount(), 4);
    EXPECT_EQ(doc.GraphBranchRowCount(), 0);
    ASSERT_TRUE(doc.DeleteBranch(0));
    EXPECT_EQ(doc.resultBranch, &doc.BranchAt(0));
    ASSERT_TRUE(doc.DeleteBranch(0));
    EXPECT_EQ(doc.resultBranch, nullptr);
    EXPECT_EQ(doc.ResultBranchRowCount(), 0);
    EXPECT_EQ(doc.graphBranch, &doc.BranchAt(0));
    EXPECT_THROW(doc.DeleteBranch(1), std::out_of_range);
}

TEST(Document, MoveKeepsTheMovedBlockInOrder)
{
    CKalvexDoc doc;
    NewDoc(doc);
    for (int i = 0; i < 5; ++i)
        doc.InsertNewBranch(i);  // ids 1..5 at positions 0..4
    doc.SetModifiedFlag(false);
    ASSERT_TRUE(doc.MoveBranches(2, 3, 0));
    EXPECT_EQ(Ids(doc), (std::vector<std::uint16_t>{3, 4, 1, 2, 5}));
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.MoveBranches(0, 0, 4));
    EXPECT_EQ(Ids(doc), (std::vector<std::uint16_t>{4, 1, 2, 5, 3}));
    ASSERT_TRUE(doc.MoveBranches(1, 4, 0));
    EXPECT_EQ(Ids(doc), (std::vector<std::uint16_t>{1, 2, 5, 3, 4}));
    EXPECT_THROW(doc.MoveBranches(3, 5, 0), std::out_of_range);
    EXPECT_THROW(doc.MoveBranches(-1, 1, 0), std::out_of_range);
    EXPECT_THROW(doc.MoveBranches(0, 1, 4), std::out_of_range);
    EXPECT_EQ(Ids(doc), (std::vector<std::uint16_t>{1, 2, 5, 3, 4}));
}

TEST(Document, SkinTemperatureLimitFollowsTheMetabolicRate)
{
    EXPECT_EQ(CKalvexDoc::SkinTempLimitFor(40), 36.0);
    EXPECT_EQ(CKalvexDoc::SkinTempLimitFor(78), 36.0);
    EXPECT_EQ(CKalvexDoc::SkinTempLimitFor(79),
              RoundDecimals(36.799 - 0.0136 * 79 + 0.00005 * 79 * 79 - 0.000000137 * 79 * 79 * 79, 2));
    EXPECT_EQ(CKalvexDoc::SkinTempLimitFor(100), 35.80);
    EXPECT_EQ(CKalvexDoc::SkinTempLimitFor(200), 34.98);
    EXPECT_EQ(CKalvexDoc::SkinTempLimitFor(400), 30.59);
}

TEST(Document, WorkerDescriptionIsRoundedAndNotAChange)
{
    CKalvexDoc doc;
    NewDoc(doc);
    CWorkerValues values = doc.GetWorkerValues();
    EXPECT_EQ(values.metabolicRate, 200);
    doc.SetWorkerValues(values);  // unchanged values still rewrite the limit
    EXPECT_EQ(doc.skinTempLimit, 34.98);
    values.areaFactor = 1.156;
    values.bodyViewFactor = 0.704;
    values.metabolicRate = 100;
    values.clothingResistance = 0.12345;
    values.vapourPermeability = 0.333;
    doc.SetWorkerValues(values);
    EXPECT_EQ(doc.areaFactor, 1.16);
    EXPECT_EQ(doc.bodyViewFactor, 0.70);
    EXPECT_EQ(doc.metabolicRate, 100.0);
    EXPECT_EQ(doc.clothingResistance, 0.123);
    EXPECT_EQ(doc.vapourPermeability, 0.33);
    EXPECT_EQ(doc.skinTempLimit, 35.80);
    EXPECT_FALSE(doc.IsModified());
    doc.metabolicRate = 250.9;
    EXPECT_EQ(doc.GetWorkerValues().metabolicRate, 250);  // truncated toward zero
}

TEST(Document, SequenceModeUpdatesViewsWithoutMarkingModified)
{
    CKalvexDoc doc;
    NewDoc(doc);
    RecordingView a, b;
    doc.AddView(&a);
    doc.AddView(&b);
    doc.ToggleSequenceMode();
    EXPECT_TRUE(doc.sequenceMode);
    EXPECT_FALSE(doc.IsModified());
    ASSERT_EQ(a.calls.size(), 1u);
    EXPECT_EQ(a.calls[0].sender, nullptr);
    EXPECT_EQ(a.calls[0].hint, kHintContents);
    CUpdateHint hintObject;
    doc.UpdateAllViews(&a, kHintBranchList, &hintObject);
    EXPECT_EQ(a.calls.size(), 1u);  // the sender is skipped
    ASSERT_EQ(b.calls.size(), 2u);
    EXPECT_EQ(b.calls[1].sender, &a);
    EXPECT_EQ(b.calls[1].hint, kHintBranchList);
    EXPECT_EQ(b.calls[1].object, &hintObject);
    doc.RemoveView(&b);
    doc.ToggleSequenceMode();
    EXPECT_EQ(b.calls.size(), 2u);
}

TEST(Document, ContentsDiscardKeepsSettings)
{
    CKalvexDoc doc;
    NewDoc(doc);
    doc.InsertNewBranch(0);
    doc.InsertNewCurve(0);
    doc.InsertNewCurve(0);
    EXPECT_EQ(doc.CurveAt(0).plotIndex, 0);
    EXPECT_EQ(doc.CurveAt(1).plotIndex, 0);
    EXPECT_THROW(doc.CurveAt(2), std::out_of_range);
    doc.branchGridParam = std::make_unique<CGXGridParam>();
    doc.sequenceMode = true;
    doc.graphBranch = &doc.BranchAt(0);
    doc.DeleteContents();
    EXPECT_EQ(doc.BranchCount(), 0);
    EXPECT_TRUE(doc.CurveList().empty());
    EXPECT_EQ(doc.graphBranch, nullptr);
    EXPECT_TRUE(doc.branchGridParam);
    EXPECT_TRUE(doc.sequenceMode);
    EXPECT_EQ(doc.lastBranchId, 1);
}

TEST(Document, PathGivesTheTitle)
{
    CKalvexDoc doc;
    NewDoc(doc);
    EXPECT_EQ(doc.Title(), "Untitled");
    doc.SetPathName("/home/vent/studies/Mine.zt2");
    EXPECT_EQ(doc.Title(), "Mine.zt2");
    EXPECT_EQ(doc.PathName(), "/home/vent/studies/Mine.zt2");
}

TEST(Document, TakingLoadedContentsKeepsViewsAndPath)
{
    CKalvexDoc doc;
    NewDoc(doc);
    doc.InsertNewBranch(0);
    doc.resultBranch = &doc.BranchAt(0);
    doc.SetPathName("/tmp/Old.zt2");
    RecordingView view;
    doc.AddView(&view);

    CKalvexDoc loaded;
    NewDoc(loaded);
    loaded.InsertNewBranch(0);
    loaded.InsertNewBranch(1);
    loaded.BranchAt(1).name = "Decline";
    loaded.sequenceMode = true;
    loaded.skinTempLimit = 34.98;
    loaded.graphOrientation = 1;
    loaded.resultGridParam = std::make_unique<CGXGridParam>();
    doc.TakeFileContents(loaded);

    ASSERT_EQ(doc.BranchCount(), 2);
    EXPECT_EQ(doc.BranchAt(1).name, "Decline");
    EXPECT_EQ(doc.lastBranchId, 2);
    EXPECT_TRUE(doc.sequenceMode);
    EXPECT_EQ(doc.skinTempLimit, 34.98);
    EXPECT_EQ(doc.graphOrientation, 1);
    EXPECT_TRUE(doc.resultGridParam);
    EXPECT_EQ(doc.resultBranch, nullptr);
    EXPECT_EQ(doc.PathName(), "/tmp/Old.zt2");
    EXPECT_EQ(doc.Views().size(), 1u);
}

TEST(DocumentBlocks, BlockInsertAndDeleteMatchOneAtATime)
{
    CKalvexDoc one, block;
    for (CKalvexDoc* doc : {&one, &block})
        FiveBranchesNaming(*doc, {6, 7});  // ids a new branch must not take after a wrap
    for (int k = 0; k < 3; ++k)
        ASSERT_TRUE(one.InsertNewBranch(1 + k));
    ASSERT_EQ(block.InsertNewBranches(1, 3), 3);
    ASSERT_EQ(block.BranchCount(), one.BranchCount());
    for (int i = 0; i < one.BranchCount(); ++i)
        EXPECT_EQ(block.BranchAt(i).branchId, one.BranchAt(i).branchId) << i;

    // After the counter has run out, both take the lowest free ids.
    one.lastBranchId = block.lastBranchId = 0xFFFF;
    ASSERT_TRUE(one.InsertNewBranch(0));
    ASSERT_TRUE(one.InsertNewBranch(1));
    ASSERT_EQ(block.InsertNewBranches(0, 2), 2);
    EXPECT_EQ(block.BranchAt(0).branchId, 11);  // 1 to 10 are held, 6 and 7 by a source list only
    EXPECT_EQ(block.BranchAt(1).branchId, 12);
    EXPECT_EQ(one.BranchAt(0).branchId, 11);
    EXPECT_EQ(one.BranchAt(1).branchId, 12);

    block.resultBranch = &block.BranchAt(3);
    block.graphBranch = &block.BranchAt(9);
    EXPECT_EQ(block.DeleteBranches(2, 4), 4);
    EXPECT_EQ(block.BranchCount(), 6);
    EXPECT_EQ(block.resultBranch, nullptr);
    EXPECT_NE(block.graphBranch, nullptr);
    EXPECT_EQ(block.DeleteBranches(4, 10), 2);  // to the end of the list
    EXPECT_EQ(block.BranchCount(), 4);
}

TEST(DocumentBlocks, BlockInsertBetweenNamedIdsIssuesEachIdOnce)
{
    // Ids 1 to 5 held, 6, 7, 9 and 10 named by a source list: after the
    // first new id (8) the counter's next id is named again, so the block
    // goes back to the search for a free id more than once.
    CKalvexDoc one, block;
    for (CKalvexDoc* doc : {&one, &block})
        FiveBranchesNaming(*doc, {6, 7, 9, 10});
    for (int k = 0; k < 4; ++k)
        ASSERT_TRUE(one.InsertNewBranch(k));
    ASSERT_EQ(block.InsertNewBranches(0, 4), 4);
    EXPECT_EQ(Ids(block), (std::vector<std::uint16_t>{8, 11, 12, 13, 1, 2, 3, 4, 5}));
    EXPECT_EQ(Ids(block), Ids(one));

    // Running out of the counter in the middle of a block.
    block.lastBranchId = 0xFFFE;
    ASSERT_EQ(block.InsertNewBranches(0, 3), 3);
    EXPECT_EQ(Ids(block)[0], 0xFFFF);
    EXPECT_EQ(Ids(block)[1], 14);
    EXPECT_EQ(Ids(block)[2], 15);
    std::vector<std::uint16_t> ids = Ids(block);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()) << "an id issued twice";
}

TEST(DocumentIds, ADuplicateIdInADamagedFileNamesTheFirstBranchWithIt)
{
    // No writer of ours gives two branches one id, but a damaged file may:
    // the reader keeps both, and every look-up by id finds the first.
    CKalvexDoc written;
    written.OnNewDocument();
    for (int i = 0; i < 4; ++i)
        written.InsertNewBranch(i);
    written.BranchAt(2).branchId = written.BranchAt(0).branchId;
    written.BranchAt(3).SetSourceBranchIds({written.BranchAt(0).branchId});
    CKalvexDoc doc;
    const CFileResult read = ReadDocumentBytes(WriteDocumentBytes(written), doc);
    ASSERT_TRUE(read.ok) << read.message;
    const std::uint16_t id = doc.BranchAt(0).branchId;
    ASSERT_EQ(doc.BranchAt(2).branchId, id);
    EXPECT_EQ(doc.FindBranchIndex(id), 0);
    EXPECT_EQ(SourceBranchText(doc, doc.BranchAt(3)), "1");
    // Still the first in list order once the list has changed.
    ASSERT_TRUE(doc.MoveBranches(0, 0, 1));
    EXPECT_EQ(doc.FindBranchIndex(id), 1);
    EXPECT_EQ(SourceBranchText(doc, doc.BranchAt(3)), "2");
}
