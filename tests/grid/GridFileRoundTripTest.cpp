// A grid's settings survive the document file: a grid changes widths,
// frozen columns and properties of a parameter object the document owns,
// the document is written and read into a new one, and a new grid attached
// to the loaded object shows the same layout.
#include "DemoFixture.h"
#include "KalvexDoc.h"
#include "archive/DocumentFile.h"

#include <QHeaderView>
#include <QTableView>

TEST(GridFileRoundTrip, WidthsFrozenColumnsAndPropertiesSurvive)
{
    CKalvexDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    doc.branchGridParam = CGXGridView::CreateParam();
    CDemoData data = MakeDemoData(6);
    {
        CDemoTable table(data, doc.branchGridParam.get(), &doc);
        table.InitialUpdate(true);
        ShowGrid(table);
        // The user widens column 2 by dragging its edge.
        QHeaderView* header = table.TableView()->horizontalHeader();
        const int edge = header->sectionViewportPosition(1) + header->sectionSize(1) - 1;
        Drag(header->viewport(), QPoint(edge, 5), header->viewport(), QPoint(edge + 37, 5));
        table.SetColWidth(4, 150);
        table.SetFrozenCols(2);
        table.SetZoom(121);
        CGridProperties& props = table.GetParam()->properties;
        props.displayHorzLines = false;
        props.headerColour = 0x336699;
        props.marginLeft = 48;
        props.printFrame = false;
        props.landscape = 1;
    }
    const CGXGridParam& before = *doc.branchGridParam;
    const int widened = before.columnWidths.at(2);

    const std::vector<std::uint8_t> bytes = WriteDocumentBytes(doc);
    CKalvexDoc loaded;
    const CFileResult result = ReadDocumentBytes(bytes, loaded);
    ASSERT_TRUE(result.ok) << result.message;
    ASSERT_NE(loaded.branchGridParam, nullptr);
    EXPECT_TRUE(loaded.branchGridParam->SameSettings(before));

    CDemoTable reopened(data, loaded.branchGridParam.get(), &loaded);
    reopened.InitialUpdate(false);
    ShowGrid(reopened);
    EXPECT_EQ(reopened.GetColWidth(2), widened);
    EXPECT_EQ(reopened.GetColWidth(4), 150);
    EXPECT_EQ(reopened.TableView()->columnWidth(3), (150 * 121 + 50) / 100);
    EXPECT_EQ(reopened.GetFrozenCols(), 2);
    EXPECT_TRUE(reopened.FrozenView()->isVisible());
    const CGridProperties& props = reopened.GetParam()->properties;
    EXPECT_FALSE(props.displayHorzLines);
    EXPECT_EQ(props.headerColour, 0x336699u);
    EXPECT_EQ(props.marginLeft, 48);
    EXPECT_FALSE(props.printFrame);
    EXPECT_EQ(props.landscape, 1);
    EXPECT_FALSE(reopened.GetParam()->allowMultipleRanges);
    EXPECT_FALSE(reopened.GetParam()->numberRowHeaders);
}
