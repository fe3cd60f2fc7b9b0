#include "BranchCopy.h"
#include "KalvexBranch.h"
#include "archive/ArchiveWriter.h"
#include "archive/RecordArchive.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Every saved member set to a value of its own, with result rows and the
// scratch values a run leaves behind.
void FillEveryMember(CKalvexBranch& b)
{
    b.branchId = 17;
    b.name = "Decline \u00C5";
    b.description = "lower ramp";
    double v = 1.25;
    for (double* member : {&b.outputInterval, &b.length, &b.depthIn, &b.depthOut, &b.area, &b.perimeter,
                           &b.frictionFactor, &b.wetness, &b.ageIn, &b.ageOut, &b.intakeQuantity,
                           &b.intakePressure, &b.intakeDryBulb, &b.intakeWetBulb, &b.vrtIn, &b.geothermalStep,
                           &b.rockConductivity, &b.rockDiffusivity, &b.addedDryBulb, &b.addedWetBulb,
                           &b.addedQuantity, &b.outletDryBulb, &b.outletWetBulb, &b.outletPressure,
                           &b.outletMassFlow}) {
        *member = v;
        v += 1.0;
    }
    b.fanReg.location = 40;
    b.fanReg.sensibleHeat = 12;
    b.fanReg.pressureChange = 1.5;
    b.fanReg.description = "booster";
    b.fanReg.eventText = "scratch";
    CHeatSource spot;
    spot.kind = CHeatSource::Spot;
    spot.location = 30;
    spot.sensibleHeat() = -50;
    spot.latentHeat() = 5;
    spot.description = "cooler";
    spot.eventText = "scratch";
    spot.eventPending = 1;
    CHeatSource linear;
    linear.kind = CHeatSource::Linear;
    linear.location = 10;
    linear.length() = 20;
    b.AddHeatSource(spot);
    b.AddHeatSource(linear);
    b.SetSourceBranchIds({3, 9});
    CResultInterval row;
    row.distance = 10;
    b.ResultList().push_back(row);
    b.ResultList().push_back(CResultInterval::Message("a message"));
}

std::vector<std::uint8_t> SavedMembers(const CKalvexBranch& b)
{
    CArchiveWriter out;
    WriteBranchMembers(out, b);
    return out.TakeBytes();
}

}  // namespace

TEST(BranchCopy, TakesEverySavedMemberButTheResultRows)
{
    CKalvexBranch original;
    FillEveryMember(original);
    const std::unique_ptr<CKalvexBranch> copy = CopyBranchInputs(original);

    EXPECT_EQ(copy->ResultCount(), 0);
    EXPECT_EQ(original.ResultCount(), 2);
    // Saved as the original would be without its rows: no member is missed.
    CKalvexBranch withoutRows;
    FillEveryMember(withoutRows);
    withoutRows.ResultList().clear();
    EXPECT_EQ(SavedMembers(*copy), SavedMembers(withoutRows));

    EXPECT_TRUE(copy->fanReg.eventText.empty());
    ASSERT_EQ(copy->HeatSourceCount(), 2);
    EXPECT_TRUE(copy->HeatSourceAt(0).eventText.empty());
    EXPECT_EQ(copy->HeatSourceAt(0).eventPending, 0);
}

TEST(BranchCopy, CopyAndOriginalChangeIndependently)
{
    CKalvexBranch original;
    FillEveryMember(original);
    const std::unique_ptr<CKalvexBranch> copy = CopyBranchInputs(original);
    copy->intakeQuantity = 99;
    copy->HeatSourceAt(0).sensibleHeat() = -1;
    copy->AddHeatSource(CHeatSource());
    copy->SetSourceBranchIds({});
    copy->fanReg.location = 0;

    EXPECT_EQ(original.intakeQuantity, 11.25);
    EXPECT_EQ(original.HeatSourceAt(0).sensibleHeat(), -50);
    EXPECT_EQ(original.HeatSourceCount(), 2);
    EXPECT_EQ(original.SourceBranchIds(), (std::vector<std::uint16_t>{3, 9}));
    EXPECT_EQ(original.fanReg.location, 40);
}
