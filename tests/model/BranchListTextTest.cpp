#include "BranchListText.h"
#include "KalvexDoc.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Ids = std::vector<std::uint16_t>;

// A document with branches named A, B, C ... in list order.
struct NamedBranches {
    CKalvexDoc doc;
    explicit NamedBranches(int count)
    {
        doc.OnNewDocument();
        for (int i = 0; i < count; ++i) {
            doc.InsertNewBranch(i);
            doc.BranchAt(i).name = std::string(1, static_cast<char>('A' + i));
        }
    }
    CKalvexBranch& at(int index) { return doc.BranchAt(index); }
    std::uint16_t id(int index) { return doc.BranchAt(index).branchId; }
};

}  // namespace

TEST(SelectBranchList, NumbersEveryBranchFromOneAndFindsTheGivenOne)
{
    NamedBranches d(3);
    d.at(2).name = "50% - %d";  // a name is text, never a format
    int index = -7;
    EXPECT_EQ(SelectBranchList(d.doc, &d.at(1), index),
              (std::vector<std::string>{"1 - A", "2 - B", "3 - 50% - %d"}));
    EXPECT_EQ(index, 1);
    SelectBranchList(d.doc, &d.at(2), index);
    EXPECT_EQ(index, 2);
}

TEST(SelectBranchList, NoBranchOrAForeignOneGivesMinusOne)
{
    NamedBranches d(2);
    int index = 1;
    EXPECT_EQ(SelectBranchList(d.doc, nullptr, index).size(), 2u);
    EXPECT_EQ(index, -1);

    CKalvexBranch foreign;
    index = 0;
    SelectBranchList(d.doc, &foreign, index);
    EXPECT_EQ(index, -1);

    NamedBranches empty(0);
    index = 0;
    EXPECT_TRUE(SelectBranchList(empty.doc, nullptr, index).empty());
    EXPECT_EQ(index, -1);
}

TEST(DropStaleSourceIds, RemovesIdsOfDeletedBranchesKeepingTheOrder)
{
    NamedBranches d(4);
    const std::uint16_t a = d.id(0), b = d.id(1), c = d.id(2);
    d.at(3).SetSourceBranchIds({c, b, a});
    d.doc.DeleteBranch(1);
    EXPECT_TRUE(DropStaleSourceIds(d.doc, d.at(2)));
    EXPECT_EQ(d.at(2).SourceBranchIds(), (Ids{c, a}));
    // Nothing left to drop: unchanged, and said so.
    EXPECT_FALSE(DropStaleSourceIds(d.doc, d.at(2)));
    EXPECT_EQ(d.at(2).SourceBranchIds(), (Ids{c, a}));

    // Repeated and unknown ids all go; an empty list stays empty.
    d.at(1).SetSourceBranchIds({999, b, 999});
    EXPECT_TRUE(DropStaleSourceIds(d.doc, d.at(1)));
    EXPECT_TRUE(d.at(1).SourceBranchIds().empty());
    EXPECT_FALSE(DropStaleSourceIds(d.doc, d.at(1)));
}

TEST(SourceBranchText, PositionsInStoredOrder)
{
    NamedBranches d(4);
    d.at(3).SetSourceBranchIds({d.id(2), d.id(0)});
    EXPECT_EQ(SourceBranchText(d.doc, d.at(3)), "3, 1");
    d.at(1).SetSourceBranchIds({d.id(0)});
    EXPECT_EQ(SourceBranchText(d.doc, d.at(1)), "1");

    // Positions follow the list, not the ids: moving the first branch to
    // the end renumbers it.
    d.doc.MoveBranches(0, 0, 3);
    EXPECT_EQ(SourceBranchText(d.doc, d.at(2)), "2, 4");
}

TEST(SourceBranchText, StaleIdsAreDroppedBeforeListing)
{
    NamedBranches d(3);
    const std::uint16_t gone = d.id(1);
    d.at(2).SetSourceBranchIds({gone, d.id(0)});
    d.doc.DeleteBranch(1);
    EXPECT_EQ(SourceBranchText(d.doc, d.at(1)), "1");
    EXPECT_EQ(d.at(1).SourceBranchIds(), (Ids{d.id(0)}));

    // Only stale ids: the list empties and the cell says there are none.
    d.at(1).SetSourceBranchIds({gone});
    EXPECT_EQ(SourceBranchText(d.doc, d.at(1)), "None");
    EXPECT_TRUE(d.at(1).SourceBranchIds().empty());
}

TEST(SourceBranchText, FirstBranchAndBranchesWithoutSources)
{
    NamedBranches d(2);
    EXPECT_EQ(SourceBranchText(d.doc, d.at(0)), "None - N/A");
    EXPECT_EQ(SourceBranchText(d.doc, d.at(1)), "None");
    // The first branch is never fed, whatever ids it holds.
    d.at(0).SetSourceBranchIds({d.id(1)});
    EXPECT_EQ(SourceBranchText(d.doc, d.at(0)), "None - N/A");
}

namespace {

// The source cell as a scan from the front of the list finds it.
std::string ScannedSourceText(const CKalvexDoc& doc, int index)
{
    if (index == 0)
        return "None - N/A";
    std::string text;
    for (std::uint16_t id : doc.BranchAt(index).SourceBranchIds())
        for (int at = 0; at < doc.BranchCount(); ++at)
            if (doc.BranchAt(at).branchId == id)
                text += (text.empty() ? "" : ", ") + std::to_string(at + 1);
    return text.empty() ? "None" : text;
}

// Every branch fed by the one before it (and the 7th by the 3rd too);
// returns the look-up work of listing every source cell, once before and
// once after a block is deleted and another moved, and the Select Branch
// list between. Each listed text is
// checked against a scan of the list.
std::uint64_t SourceTextWork(int count)
{
    CKalvexDoc doc;
    doc.OnNewDocument();
    doc.InsertNewBranches(0, count);
    for (int i = 1; i < count; ++i)
        doc.BranchAt(i).SetSourceBranchIds({doc.BranchAt(i - 1).branchId});
    doc.BranchAt(6).SetSourceBranchIds({doc.BranchAt(5).branchId, doc.BranchAt(2).branchId});
    const std::uint64_t before = doc.LookupWork();
    auto listEvery = [&doc]() {
        for (int i = 0; i < doc.BranchCount(); ++i) {
            const std::string expected = ScannedSourceText(doc, i);  // before stale ids drop
            EXPECT_EQ(SourceBranchText(doc, doc.BranchAt(i)), expected) << "branch " << i + 1;
        }
    };
    listEvery();
    // The Select Branch list of them all, the last one chosen.
    int chosen = -1;
    EXPECT_EQ(SelectBranchList(doc, &doc.BranchAt(count - 1), chosen).size(), static_cast<std::size_t>(count));
    EXPECT_EQ(chosen, count - 1);
    doc.DeleteBranches(count / 4, count / 4);
    doc.MoveBranches(0, 9, count / 2);
    listEvery();
    return doc.LookupWork() - before;
}

}  // namespace

TEST(SourceBranchText, ListingEveryCellIsLinearInTheBranchesAndFollowsChanges)
{
    const double work2000 = static_cast<double>(SourceTextWork(2000));
    const double work4000 = static_cast<double>(SourceTextWork(4000));
    EXPECT_GT(work4000 / work2000, 1.7);
    EXPECT_LT(work4000 / work2000, 2.3);
}
