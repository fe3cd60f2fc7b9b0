// Byte layout of written documents.
#include "FileTestBytes.h"
#include "KalvexDoc.h"
#include "archive/DocumentFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::uint16_t WordAt(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes.at(at) | (bytes.at(at + 1) << 8));
}

// Bytes of a branch with default values after its tag.
FileBytes DefaultBranchRecord(std::uint16_t id)
{
    FileBytes b;
    b.Word(id).Str("Sample").Str("");
    for (double v : {10.0, 100.0, 0.0, 0.0, 12.0, 14.0, 0.01, 0.0, 0.0, 0.0, 10.0, 100.0, 30.0, 20.0,
                     40.0, 30.0, 4.0, 2.0})
        b.Double(v);
    for (int i = 0; i < 7; ++i)
        b.Double(0.0);
    b.Word(0).Word(0);                          // no heat sources, no results
    b.Double(0).Double(0).Double(0).Str("");  // fan/regulator
    b.Word(0);                                  // no source branches
    return b;
}

}  // namespace

TEST(FileFormat, NewDocumentIsThe195ByteFile)
{
    FileBytes expected;
    expected.Word(0).DefaultColumns().Word(0).NoGridParams().DefaultTail();
    ASSERT_EQ(expected.data.size(), 195u);
    EXPECT_EQ(WriteDocumentBytes(NewDocument()), expected.data);
}

TEST(FileFormat, DefaultBranchRecordAndClassTags)
{
    NewDocument doc;
    for (int i = 0; i < 3; ++i)
        doc.InsertNewBranch(doc.BranchCount());
    // The middle branch brings two more classes; the branches after it
    // still refer to the branch class by its number 1.
    doc.BranchAt(1).AddHeatSource(CHeatSource(CHeatSource::Spot, {"10", "5", "1", "spot"}));
    doc.BranchAt(1).ResultList().push_back(CResultInterval::Message("note"));

    const std::vector<std::uint8_t> bytes = WriteDocumentBytes(doc);
    FileBytes head;
    head.Word(3).Class("CKalvexBranch");
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 8),
              (std::vector<std::uint8_t>{0x03, 0x00, 0xFF, 0xFF, 0x01, 0x00, 0x0D, 0x00}));
    const FileBytes first = DefaultBranchRecord(1);
    ASSERT_EQ(first.data.size(), 241u);
    ASSERT_TRUE(std::equal(head.data.begin(), head.data.end(), bytes.begin()));
    EXPECT_TRUE(std::equal(first.data.begin(), first.data.end(), bytes.begin() + 21));

    const std::size_t second = head.data.size() + 241;
    EXPECT_EQ(WordAt(bytes, second), 0x8001);
    EXPECT_EQ(WordAt(bytes, second + 2), 2);

    // The third record ends where the column lists, the empty curve list,
    // the four null grid references and the settings begin.
    const FileBytes third = DefaultBranchRecord(3);
    const std::size_t trailer = 112 + 2 + 8 + 71;
    const std::size_t thirdAt = bytes.size() - trailer - 241;
    EXPECT_EQ(WordAt(bytes, thirdAt - 2), 0x8001);
    EXPECT_TRUE(std::equal(third.data.begin(), third.data.end(), bytes.begin() + static_cast<long>(thirdAt)));
}

TEST(FileFormat, HeatSourceAndResultRecords)
{
    NewDocument doc;
    doc.InsertNewBranch(0);
    CKalvexBranch& branch = doc.BranchAt(0);
    branch.name = "B";
    branch.description = "D";
    // Every double different, so that two swapped members show.
    branch.outputInterval = 101;
    branch.length = 102;
    branch.depthIn = 103;
    branch.depthOut = 104;
    branch.area = 105;
    branch.perimeter = 106;
    branch.frictionFactor = 107;
    branch.wetness = 108;
    branch.ageIn = 109;
    branch.ageOut = 110;
    branch.intakeQuantity = 111;
    branch.intakePressure = 112;
    branch.intakeDryBulb = 113;
    branch.intakeWetBulb = 114;
    branch.vrtIn = 115;
    branch.geothermalStep = 116;
    branch.rockConductivity = 117;
    branch.rockDiffusivity = 118;
    branch.addedDryBulb = 119;
    branch.addedWetBulb = 120;
    branch.addedQuantity = 121;
    branch.outletDryBulb = 122;
    branch.outletWetBulb = 123;
    branch.outletPressure = 124;
    branch.outletMassFlow = 125;
    branch.AddHeatSource(CHeatSource(CHeatSource::Diesel, {"120", "75", "80", "1.5", "LHD"}));
    branch.AddHeatSource(CHeatSource(CHeatSource::Electric, {"20", "30", "50", ""}));
    CResultInterval row;
    row.distance = 1;
    row.dryBulb = 2;
    row.wetBulb = 3;
    row.pressure = 4;
    row.density = 5;
    row.moisture = 6;
    row.dryWallTemp = 7;
    row.vrt = 8;
    row.humidity = 9;
    row.enthalpy = 10;
    row.sigmaHeat = 11;
    row.meanSkinTemp = 12;
    row.effectiveTemp = 13;
    row.wbgt = 14;
    row.strataLatent = 15;
    row.strataSensible = 16;
    row.heatTransferCoeff = 17;
    row.condensing = true;
    branch.ResultList().push_back(row);
    branch.ResultList().push_back(CResultInterval::Message("Condensation"));
    branch.fanReg.location = 50;
    branch.fanReg.sensibleHeat = 12.5;
    branch.fanReg.pressureChange = 1.5;
    branch.fanReg.description = "Fan";
    branch.SetSourceBranchIds({7, 9});

    FileBytes expected;
    expected.Word(1).Class("CKalvexBranch").Word(1).Str("B").Str("D");
    for (int v = 101; v <= 125; ++v)
        expected.Double(v);
    // Classes 1 and 3 and objects 2, 4, 5: the heat source class is number 3.
    expected.Word(2).Class("CHeatSource").Byte(2).Double(120).Double(1.5).Double(75).Double(80).Str("LHD");
    expected.Word(0x8003).Byte(1).Double(20).Double(0).Double(30).Double(50).Str("");
    // Result class is number 6, after heat source objects 4 and 5.
    expected.Word(2).Class("CResultInterval");
    for (int v = 1; v <= 17; ++v)
        expected.Double(v);
    expected.Byte(1).Byte(0).Str("");
    expected.Word(0x8006);
    for (int i = 0; i < 17; ++i)
        expected.Double(0);
    expected.Byte(0).Byte(1).Str("Condensation");
    expected.Double(50).Double(12.5).Double(1.5).Str("Fan");
    expected.Word(2).Word(7).Word(9);
    expected.DefaultColumns().Word(0).NoGridParams().DefaultTail(1);
    EXPECT_EQ(WriteDocumentBytes(doc), expected.data);

    // Read back, every member lands where it came from.
    CKalvexDoc loaded;
    ASSERT_TRUE(ReadDocumentBytes(expected.data, loaded).ok);
    EXPECT_EQ(WriteDocumentBytes(loaded), expected.data);
    const CKalvexBranch& back = loaded.BranchAt(0);
    EXPECT_EQ(back.depthOut, 104);
    EXPECT_EQ(back.rockDiffusivity, 118);
    EXPECT_EQ(back.outletMassFlow, 125);
    EXPECT_EQ(back.ResultAt(0).vrt, 8);
    EXPECT_EQ(back.ResultAt(0).heatTransferCoeff, 17);
    EXPECT_EQ(back.fanReg.sensibleHeat, 12.5);
}

TEST(FileFormat, StringPrefixes)
{
    auto nameBytes = [](std::size_t length) {
        NewDocument doc;
        doc.InsertNewBranch(0);
        doc.BranchAt(0).name = std::string(length, 'x');
        const std::vector<std::uint8_t> bytes = WriteDocumentBytes(doc);
        const std::size_t at = 2 + 6 + 13 + 2;  // count, class record, branch id
        return std::vector<std::uint8_t>(bytes.begin() + static_cast<long>(at),
                                         bytes.begin() + static_cast<long>(at + 8));
    };
    EXPECT_EQ(nameBytes(254)[0], 0xFE);
    EXPECT_EQ(nameBytes(254)[1], 'x');
    EXPECT_EQ(nameBytes(255), (std::vector<std::uint8_t>{0xFF, 0xFF, 0x00, 'x', 'x', 'x', 'x', 'x'}));
    EXPECT_EQ(nameBytes(65533), (std::vector<std::uint8_t>{0xFF, 0xFD, 0xFF, 'x', 'x', 'x', 'x', 'x'}));
    EXPECT_EQ(nameBytes(65534),
              (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00, 'x'}));
    EXPECT_EQ(nameBytes(70000),
              (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00, 'x'}));

    for (std::size_t length : {0u, 254u, 255u, 65533u, 65534u, 70000u}) {
        NewDocument doc;
        doc.InsertNewBranch(0);
        doc.BranchAt(0).name = std::string(length, 'y');
        CKalvexDoc loaded;
        ASSERT_TRUE(ReadDocumentBytes(WriteDocumentBytes(doc), loaded).ok) << length;
        EXPECT_EQ(loaded.BranchAt(0).name, doc.BranchAt(0).name) << length;
    }
}

TEST(FileFormat, ThirteenCurvesAreOneClassRecordAndTwelveClassNumbers)
{
    NewDocument doc;
    for (int i = 0; i < 13; ++i)
        doc.InsertNewCurve(i);
    FileBytes expected;
    expected.Word(0).DefaultColumns().Word(13).Class("CCurve");
    for (int i = 0; i < 12; ++i)
        expected.Word(0x8001);
    expected.NoGridParams().DefaultTail();
    EXPECT_EQ(WriteDocumentBytes(doc), expected.data);

    // After a branch the curve class has number 3.
    doc.InsertNewBranch(0);
    const std::vector<std::uint8_t> bytes = WriteDocumentBytes(doc);
    const std::size_t curvesAt = 2 + 6 + 13 + 241 + 44 + 38 + 14 + 16;
    EXPECT_EQ(WordAt(bytes, curvesAt), 13);
    EXPECT_EQ(WordAt(bytes, curvesAt + 2), 0xFFFF);
    EXPECT_EQ(WordAt(bytes, curvesAt + 2 + 6 + 6), 0x8003);
}

TEST(FileFormat, CountsFrom0xFFFFTakeTheEscape)
{
    // The curve list of a new document starts after the branch count and the
    // four column lists; its entries are null references of two bytes.
    const std::size_t curvesAt = 2 + 44 + 38 + 14 + 16;
    for (std::size_t count : {std::size_t{0xFFFE}, std::size_t{0xFFFF}}) {
        NewDocument doc;
        doc.CurveList().resize(count);
        const std::vector<std::uint8_t> bytes = WriteDocumentBytes(doc);
        if (count == 0xFFFE) {
            EXPECT_EQ(WordAt(bytes, curvesAt), 0xFFFE);
            EXPECT_EQ(bytes.size(), 195 + 2 * count);
        } else {
            EXPECT_EQ(WordAt(bytes, curvesAt), 0xFFFF);
            EXPECT_EQ(WordAt(bytes, curvesAt + 2), 0xFFFF);
            EXPECT_EQ(WordAt(bytes, curvesAt + 4), 0);
            EXPECT_EQ(bytes.size(), 195 + 4 + 2 * count);
        }
        CKalvexDoc loaded;
        ASSERT_TRUE(ReadDocumentBytes(bytes, loaded).ok) << count;
        EXPECT_EQ(loaded.CurveList().size(), count);
    }
}

TEST(FileFormat, CountPrefixAndBigReferenceNumbers)
{
    // 40000 result rows push the numbers of the curve and grid classes past
    // 0x7FFF: their later uses take the escape 7F FF and a DWORD.
    NewDocument doc;
    doc.InsertNewBranch(0);
    std::vector<CResultInterval>& rows = doc.BranchAt(0).ResultList();
    rows.resize(70000);
    rows.back().isMessage = true;
    rows.back().messageText = "last";
    doc.InsertNewCurve(0);
    doc.InsertNewCurve(1);
    doc.branchGridParam = std::make_unique<CGXGridParam>();
    doc.resultGridParam = std::make_unique<CGXGridParam>();

    const std::vector<std::uint8_t> bytes = WriteDocumentBytes(doc);
    // Count of 70000 results: FF FF then the DWORD.
    const std::size_t resultsAt = 2 + 6 + 13 + 2 + 7 + 1 + 25 * 8 + 2;
    EXPECT_EQ(WordAt(bytes, resultsAt), 0xFFFF);
    EXPECT_EQ(WordAt(bytes, resultsAt + 2), 70000 & 0xFFFF);
    EXPECT_EQ(WordAt(bytes, resultsAt + 4), 70000 >> 16);

    // Numbers: branch class 1, branch 2, result class 3, rows 4 .. 70003,
    // curve class 70004, curves 70005 and 70006.
    const std::size_t rowBytes = 17 * 8 + 3;
    const std::size_t curvesAt = resultsAt + 6 + (6 + 15 + rowBytes) + (69999 * (2 + rowBytes)) + 4 +
                                 24 + 1 + 2 + 44 + 38 + 14 + 16;
    EXPECT_EQ(WordAt(bytes, curvesAt), 2);
    EXPECT_EQ(WordAt(bytes, curvesAt + 2), 0xFFFF);
    const std::size_t secondCurve = curvesAt + 2 + 6 + 6;
    EXPECT_EQ(WordAt(bytes, secondCurve), 0x7FFF);
    const std::uint32_t tag = WordAt(bytes, secondCurve + 2) | (std::uint32_t{WordAt(bytes, secondCurve + 4)} << 16);
    EXPECT_EQ(tag, 0x80000000u | 70004u);

    CKalvexDoc loaded;
    const CFileResult result = ReadDocumentBytes(bytes, loaded);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(loaded.BranchAt(0).ResultCount(), 70000);
    EXPECT_EQ(loaded.BranchAt(0).ResultAt(69999).messageText, "last");
    ASSERT_EQ(loaded.CurveList().size(), 2u);
    EXPECT_TRUE(loaded.CurveList()[1]);
    ASSERT_TRUE(loaded.resultGridParam);
    EXPECT_EQ(WriteDocumentBytes(loaded), bytes);
}
