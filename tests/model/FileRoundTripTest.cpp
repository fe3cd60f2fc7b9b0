// Documents saved and read back keep every stored member.
#include "FileTestBytes.h"
#include "archive/DocumentFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>

namespace {

void ExpectSameBranch(const CKalvexBranch& a, const CKalvexBranch& b)
{
    EXPECT_EQ(a.branchId, b.branchId);
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.description, b.description);
    for (std::uint16_t id : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 303, 304, 305}) {
        double x = -1, y = -2;
        ASSERT_TRUE(a.GetColumnValue(id, x));
        ASSERT_TRUE(b.GetColumnValue(id, y));
        EXPECT_EQ(x, y) << id;
    }
    EXPECT_EQ(a.outletDryBulb, b.outletDryBulb);
    EXPECT_EQ(a.outletWetBulb, b.outletWetBulb);
    EXPECT_EQ(a.outletPressure, b.outletPressure);
    EXPECT_EQ(a.outletMassFlow, b.outletMassFlow);
    ASSERT_EQ(a.HeatSourceCount(), b.HeatSourceCount());
    for (int i = 0; i < a.HeatSourceCount(); ++i) {
        const CHeatSource& x = a.HeatSourceAt(i);
        const CHeatSource& y = b.HeatSourceAt(i);
        EXPECT_EQ(x.kind, y.kind);
        EXPECT_EQ(x.location, y.location);
        EXPECT_EQ(x.length(), y.length());
        EXPECT_EQ(x.power(), y.power());
        EXPECT_EQ(x.utilization(), y.utilization());
        EXPECT_EQ(x.description, y.description);
    }
    ASSERT_EQ(a.ResultCount(), b.ResultCount());
    for (int i = 0; i < a.ResultCount(); ++i) {
        const CResultInterval& x = a.ResultAt(i);
        const CResultInterval& y = b.ResultAt(i);
        for (std::uint16_t id = 101; id <= 117; ++id) {
            double u = -1, v = -2;
            ASSERT_TRUE(x.GetColumnValue(id, u));
            ASSERT_TRUE(y.GetColumnValue(id, v));
            EXPECT_EQ(u, v) << "row " << i << " column " << id;
        }
        EXPECT_EQ(x.condensing, y.condensing);
        EXPECT_EQ(x.isMessage, y.isMessage);
        EXPECT_EQ(x.messageText, y.messageText);
    }
    EXPECT_EQ(a.fanReg.location, b.fanReg.location);
    EXPECT_EQ(a.fanReg.sensibleHeat, b.fanReg.sensibleHeat);
    EXPECT_EQ(a.fanReg.pressureChange, b.fanReg.pressureChange);
    EXPECT_EQ(a.fanReg.description, b.fanReg.description);
    EXPECT_EQ(a.SourceBranchIds(), b.SourceBranchIds());
}

}  // namespace

TEST(FileRoundTrip, RealisticDocumentKeepsEveryStoredMember)
{
    CKalvexDoc doc;
    FillRealisticDocument(doc);
    doc.showUnitsResultTable = false;
    doc.SetWorkerValues({1.2, 0.8, 300, 0.155, 0.5});
    doc.graphMarginLeft = -5;
    doc.graphMarginBottom = 250;
    doc.graphOrientation = 1;
    doc.branchColumns = {0, 1, 6, 2, 3};

    const std::vector<std::uint8_t> bytes = WriteDocumentBytes(doc);
    CKalvexDoc loaded;
    const CFileResult result = ReadDocumentBytes(bytes, loaded);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_FALSE(result.layoutsReset);
    ASSERT_EQ(loaded.BranchCount(), doc.BranchCount());
    for (int i = 0; i < doc.BranchCount(); ++i)
        ExpectSameBranch(doc.BranchAt(i), loaded.BranchAt(i));
    EXPECT_EQ(loaded.branchColumns, doc.branchColumns);
    EXPECT_EQ(loaded.resultColumns, doc.resultColumns);
    EXPECT_EQ(loaded.CurveList().size(), 13u);
    EXPECT_EQ(loaded.sequenceMode, doc.sequenceMode);
    EXPECT_EQ(loaded.lastBranchId, doc.lastBranchId);
    EXPECT_FALSE(loaded.showUnitsResultTable);
    EXPECT_TRUE(loaded.showUnitsBranchTable);
    EXPECT_EQ(loaded.metabolicRate, 300.0);
    EXPECT_EQ(loaded.clothingResistance, 0.155);
    EXPECT_EQ(loaded.areaFactor, 1.2);
    EXPECT_EQ(loaded.skinTempLimit, doc.skinTempLimit);
    EXPECT_EQ(loaded.graphMarginLeft, -5);
    EXPECT_EQ(loaded.graphMarginBottom, 250);
    EXPECT_EQ(loaded.graphOrientation, 1);
    EXPECT_EQ(WriteDocumentBytes(loaded), bytes);
}

TEST(FileRoundTrip, GridSettingsSurvive)
{
    CKalvexDoc doc;
    doc.OnNewDocument();
    doc.branchGridParam = std::make_unique<CGXGridParam>();
    CGXGridParam& p = *doc.branchGridParam;
    p.defaultRowHeight = 21;
    p.defaultColWidth = 80;
    p.headerRowHeight = 44;
    p.headerColWidth = 50;
    p.frozenRows = 2;
    p.frozenCols = 3;
    p.zoom = 125;
    p.columnWidths = {{0, 45}, {1, 160}, {7, 0}, {20, 300}};
    p.rowHeights = {{0, 40}, {12, 30}};
    p.allowMultipleRanges = false;
    p.numberRowHeaders = false;
    p.numberColHeaders = false;
    p.allowRowResize = false;
    p.allowColMove = false;
    CGridProperties& props = p.properties;
    props.displayVertLines = false;
    props.threeDHeaders = false;
    props.gridLineColour = 0x123456;
    props.headerColour = 0xFFEEDD;
    props.headerTextColour = 0x0000FF;
    props.backgroundColour = 0xFAFAFA;
    props.textColour = 0x202020;
    props.marginTop = 150;
    props.marginLeft = 94;
    props.marginBottom = -3;
    props.marginRight = 0;
    props.printColHeaders = false;
    props.printFrame = false;
    props.printBlackWhite = false;
    props.centerHorizontally = false;
    props.centerVertically = true;
    props.landscape = 1;
    doc.heatSourceGridParam = std::make_unique<CGXGridParam>();
    doc.heatSourceGridParam->properties.landscape = 0xFE;  // kept as written
    doc.heatSourceGridParam->runtime = std::make_unique<CGridRuntime>();

    const std::vector<std::uint8_t> bytes = WriteDocumentBytes(doc);
    CKalvexDoc loaded;
    ASSERT_TRUE(ReadDocumentBytes(bytes, loaded).ok);
    ASSERT_TRUE(loaded.branchGridParam);
    EXPECT_TRUE(loaded.branchGridParam->SameSettings(p));
    EXPECT_EQ(loaded.branchGridParam->columnWidths.at(20), 300);
    EXPECT_EQ(loaded.branchGridParam->frozenCols, 3);
    EXPECT_EQ(loaded.branchGridParam->properties.landscape, 1);
    EXPECT_FALSE(loaded.resultGridParam);
    EXPECT_FALSE(loaded.airSourceGridParam);
    ASSERT_TRUE(loaded.heatSourceGridParam);
    EXPECT_EQ(loaded.heatSourceGridParam->properties.landscape, 0xFE);
    EXPECT_FALSE(loaded.heatSourceGridParam->runtime);
    EXPECT_TRUE(loaded.heatSourceGridParam->SameSettings(*doc.heatSourceGridParam));
    EXPECT_EQ(WriteDocumentBytes(loaded), bytes);
}

TEST(FileRoundTrip, GridSettingsAtExtremesStillLoad)
{
    // Whatever the grid holds, the saved file loads again: values are
    // clamped into the ranges the reader accepts, entries without a row or
    // column are left out.
    for (std::int32_t extreme : {INT_MIN, -1, 65536, INT_MAX}) {
        CKalvexDoc doc;
        doc.OnNewDocument();
        doc.branchGridParam = std::make_unique<CGXGridParam>();
        CGXGridParam& p = *doc.branchGridParam;
        for (std::int32_t* value : {&p.defaultRowHeight, &p.defaultColWidth, &p.headerRowHeight,
                                    &p.headerColWidth, &p.frozenRows, &p.frozenCols, &p.zoom})
            *value = extreme;
        p.columnWidths = {{INT_MIN, 10}, {-1, 10}, {0, extreme}, {1, 70000}, {INT_MAX, extreme}};
        p.rowHeights = {{INT_MIN, extreme}, {-1, 5}, {3, extreme}};
        for (std::int32_t* margin : {&p.properties.marginTop, &p.properties.marginLeft,
                                     &p.properties.marginBottom, &p.properties.marginRight})
            *margin = extreme;

        CKalvexDoc loaded;
        const CFileResult result = ReadDocumentBytes(WriteDocumentBytes(doc), loaded);
        ASSERT_TRUE(result.ok) << extreme << ": " << result.message;
        ASSERT_TRUE(loaded.branchGridParam);
        const CGXGridParam& q = *loaded.branchGridParam;
        const std::int32_t size = std::clamp(extreme, 0, 65535);
        EXPECT_EQ(q.defaultRowHeight, size);
        EXPECT_EQ(q.headerColWidth, size);
        EXPECT_EQ(q.frozenRows, size);
        EXPECT_EQ(q.frozenCols, size);
        EXPECT_EQ(q.zoom, std::clamp(extreme, 1, 1000));
        const std::map<std::int32_t, std::int32_t> widths{{0, size}, {1, 65535}, {INT_MAX, size}};
        EXPECT_EQ(q.columnWidths, widths);
        const std::map<std::int32_t, std::int32_t> heights{{3, size}};
        EXPECT_EQ(q.rowHeights, heights);
        EXPECT_EQ(q.properties.marginBottom, extreme);
        EXPECT_EQ(WriteDocumentBytes(loaded), WriteDocumentBytes(doc));
    }
}

TEST(FileRoundTrip, GridRecordBytes)
{
    // Signature, version and the properties object with its class record.
    CKalvexDoc doc;
    doc.OnNewDocument();
    doc.resultGridParam = std::make_unique<CGXGridParam>();
    doc.resultGridParam->columnWidths = {{2, 90}};
    doc.resultGridParam->properties.centerHorizontally = false;
    doc.heatSourceGridParam = std::make_unique<CGXGridParam>();

    FileBytes expected;
    expected.Word(0).DefaultColumns().Word(0).Word(0);
    auto body = [](FileBytes& b, bool withWidth) {
        b.Raw("DVGP").Word(1);
        for (int v : {0, 0, 0, 0, 0, 0, 100})
            b.Int32(v);
        if (withWidth)
            b.Word(1).Int32(2).Int32(90);
        else
            b.Word(0);
        b.Word(0).Word(0x07FF);
    };
    auto properties = [](FileBytes& b, bool centred) {
        b.Word(0x1F).Dword(0xC0C0C0).Dword(0xF0F0F0).Dword(0).Dword(0xFFFFFF).Dword(0);
        b.Int32(144).Int32(96).Int32(144).Int32(96).Word(centred ? 0x7F : 0x3F).Byte(0);
    };
    expected.Class("CGXGridParam");
    body(expected, true);
    expected.Class("CGridProperties");
    properties(expected, false);
    expected.Word(0);
    expected.Word(0x8001);  // CGXGridParam is number 1, its first object 2
    body(expected, false);
    expected.Word(0x8003);  // CGridProperties is number 3
    properties(expected, true);
    expected.DefaultTail();
    EXPECT_EQ(WriteDocumentBytes(doc), expected.data);
}
