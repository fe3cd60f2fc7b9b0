// The thermal work limit column: offered by the results table, never part
// of a new document's list, never stored with the rows.
#include "ColumnCatalogue.h"
#include "FileTestBytes.h"
#include "archive/DocumentFile.h"
#include "archive/FileAccess.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(DerivedColumn, OfferedButNotShownByDefault)
{
    EXPECT_EQ(ColumnTitle(Col::Twl), "TWL");
    EXPECT_EQ(ColumnUnit(Col::Twl), "(W/m\u00B2)");
    EXPECT_EQ(ColumnHeaderText(Col::Twl, true), "TWL\n(W/m\u00B2)");
    EXPECT_TRUE(kResultTableColumns.IsData(Col::Twl));
    EXPECT_FALSE(kResultColumns.IsData(Col::Twl));

    CKalvexDoc doc;
    doc.OnNewDocument();
    EXPECT_EQ(doc.resultColumns, CKalvexDoc::DefaultColumns(Col::ResultRow, Col::Htc));
    CResultInterval row;
    double value = 0;
    std::string text;
    EXPECT_FALSE(row.GetColumnValue(Col::Twl, value));
    EXPECT_FALSE(row.GetColumnText(Col::Twl, text));
}

TEST(DerivedColumn, ShownListSurvivesTheFileAndForeignIdsStillReset)
{
    CKalvexDoc doc;
    FillRealisticDocument(doc);
    const std::vector<std::uint8_t> plain = WriteDocumentBytes(doc);

    doc.resultColumns = {Col::ResultRow, Col::Distance, Col::Twl, Col::Mst};
    const std::vector<std::uint8_t> shown = WriteDocumentBytes(doc);
    // Only the list grows: the rows carry nothing more.
    EXPECT_EQ(shown.size(), plain.size() - 2 * 14);
    CKalvexDoc loaded;
    CFileResult result = ReadDocumentBytes(shown, loaded);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_FALSE(result.layoutsReset);
    EXPECT_EQ(loaded.resultColumns, doc.resultColumns);
    EXPECT_EQ(WriteDocumentBytes(loaded), shown);

    doc.resultColumns = {Col::ResultRow, Col::Distance, static_cast<ColumnId>(Col::Twl + 1)};
    CKalvexDoc reset;
    result = ReadDocumentBytes(WriteDocumentBytes(doc), reset);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_TRUE(result.layoutsReset);
    EXPECT_EQ(reset.resultColumns, CKalvexDoc::DefaultColumns(kResultColumns));
}

TEST(DerivedColumn, DocumentsWithoutItKeepTheirExactBytes)
{
    for (const char* name : {"five-branch-sequence.zt2", "haulage-drift.zt2", "hot-decline.zt2"}) {
        std::vector<std::uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(ReadWholeFile(std::string(DORVAN_SOURCE_DIR) + "/examples/" + name, bytes, error)) << error;
        CKalvexDoc doc;
        const CFileResult result = ReadDocumentBytes(bytes, doc);
        ASSERT_TRUE(result.ok) << name;
        EXPECT_EQ(std::count(doc.resultColumns.begin(), doc.resultColumns.end(), Col::Twl), 0) << name;
        EXPECT_EQ(WriteDocumentBytes(doc), bytes) << name;
    }
}
