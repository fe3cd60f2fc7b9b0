#include "AirProperties.h"
#include "EngineTestSupport.h"
#include "InletMixing.h"
#include "SimulationRun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {
void SetOutlet(CKalvexBranch& b, double td, double tw, double p, double m)
{
    b.outletDryBulb = td;
    b.outletWetBulb = tw;
    b.outletPressure = p;
    b.outletMassFlow = m;
}

// Branches 1 and 2 are sources of branch 3.
struct MixingDoc {
    MixingDoc()
    {
        AddDefaultBranches(doc, 3);
        SetOutlet(doc.BranchAt(0), 30, 20, 100000, 12);
        SetOutlet(doc.BranchAt(1), 20, 15, 101000, 8);
        fed().SetSourceBranchIds({doc.BranchAt(0).branchId, doc.BranchAt(1).branchId});
    }
    CKalvexBranch& fed() { return doc.BranchAt(2); }
    CKalvexDoc doc;
};
}  // namespace

TEST(Mixing, TwoSourcesByMassFlow)
{
    MixingDoc m;
    MixInletAir(m.doc, m.fed());
    EXPECT_EQ(m.fed().intakeDryBulb, 26.00);
    EXPECT_EQ(m.fed().intakeWetBulb, 18.00);
    EXPECT_EQ(m.fed().intakePressure, 100.500);
    EXPECT_EQ(m.fed().intakeQuantity, 10.0);  // the branch's own quantity is kept
}

TEST(Mixing, AdditionalAirJoinsAtTheMixturePressure)
{
    MixingDoc m;
    m.fed().addedQuantity = 5;
    m.fed().addedDryBulb = 10;
    m.fed().addedWetBulb = 8;
    MixInletAir(m.doc, m.fed());
    const double ea = VapourPressureFromBulbs(10, 8, 100500);
    const double ma = 5 * Density(100500, ea, 10);
    EXPECT_NEAR(ma, 6.17, 0.01);
    EXPECT_NEAR(m.fed().intakeDryBulb, (12 * 30 + 8 * 20 + ma * 10) / (20 + ma), 0.005);
    EXPECT_NEAR(m.fed().intakeWetBulb, (12 * 20 + 8 * 15 + ma * 8) / (20 + ma), 0.005);
    EXPECT_LT(m.fed().intakeDryBulb, 26.00);
    EXPECT_LT(m.fed().intakeWetBulb, 18.00);
    EXPECT_EQ(m.fed().intakePressure, 100.500);
}

TEST(Mixing, NeverRunSourceCountsInThePressureOnly)
{
    MixingDoc m;
    SetOutlet(m.doc.BranchAt(1), 0, 0, 0, 0);
    MixInletAir(m.doc, m.fed());
    EXPECT_EQ(m.fed().intakeDryBulb, 30.00);
    EXPECT_EQ(m.fed().intakeWetBulb, 20.00);
    EXPECT_EQ(m.fed().intakePressure, 50.000);
}

TEST(Mixing, MassFlowFloor)
{
    MixingDoc m;
    m.doc.BranchAt(0).outletMassFlow = 0;
    m.doc.BranchAt(1).outletMassFlow = 0;
    MixInletAir(m.doc, m.fed());
    EXPECT_EQ(m.fed().intakeDryBulb, 0.00);
    EXPECT_EQ(m.fed().intakeWetBulb, 0.00);
    EXPECT_EQ(m.fed().intakePressure, 100.500);
    // A tiny flow is divided by 0.01 kg/s, not by itself.
    m.doc.BranchAt(0).outletMassFlow = 0.005;
    MixInletAir(m.doc, m.fed());
    EXPECT_EQ(m.fed().intakeDryBulb, 15.00);
    EXPECT_EQ(m.fed().intakeWetBulb, 10.00);
}

TEST(Mixing, DeletedSourcesArePurged)
{
    MixingDoc m;
    // Stale ids alone and side by side, at both ends and between live ones.
    const std::uint16_t gone = 99;
    const std::uint16_t alsoGone = 98;
    m.fed().SetSourceBranchIds(
        {gone, alsoGone, m.doc.BranchAt(0).branchId, gone, alsoGone, m.doc.BranchAt(1).branchId, gone});
    EXPECT_FALSE(PurgeSourceBranches(m.doc, m.fed()));
    EXPECT_EQ(m.fed().SourceBranchIds(),
              (std::vector<std::uint16_t>{m.doc.BranchAt(0).branchId, m.doc.BranchAt(1).branchId}));
    EXPECT_TRUE(PurgeSourceBranches(m.doc, m.fed()));
    MixInletAir(m.doc, m.fed());
    EXPECT_EQ(m.fed().intakePressure, 100.500);

    // Without sources nothing changes.
    CKalvexBranch& alone = m.doc.BranchAt(1);
    MixInletAir(m.doc, alone);
    EXPECT_EQ(alone.intakeDryBulb, 30.0);
    EXPECT_EQ(alone.intakePressure, 100.0);
}

TEST(Mixing, SequenceBranchWhoseSourcesNeverRanIsStoppedWithAMessage)
{
    // Branch 2 is fed by branch 3, which comes later and has never run.
    CKalvexDoc doc;
    AddDefaultBranches(doc, 3);
    doc.sequenceMode = true;
    CKalvexBranch& fed = doc.BranchAt(1);
    fed.SetSourceBranchIds({doc.BranchAt(2).branchId});
    fed.intakeDryBulb = 28;
    RecordingUi ui;
    ASSERT_TRUE(ExecuteSequence(doc, ui));
    ASSERT_EQ(fed.ResultCount(), 1);
    EXPECT_TRUE(fed.ResultAt(0).isMessage);
    EXPECT_EQ(fed.ResultAt(0).messageText,
              "Branch not run: none of its source branches has been run yet, so there is no intake air to mix.");
    // Its intake and outlet are left as they were; the others ran.
    EXPECT_EQ(fed.intakeDryBulb, 28.0);
    EXPECT_EQ(fed.intakePressure, 100.0);
    EXPECT_EQ(fed.outletPressure, 0.0);
    EXPECT_EQ(ValueRows(doc.BranchAt(0)).size(), 11u);
    EXPECT_EQ(ValueRows(doc.BranchAt(2)).size(), 11u);

    // Additional air does not rescue it: the mixture has no pressure.
    fed.addedQuantity = 5;
    fed.addedDryBulb = 20;
    fed.addedWetBulb = 15;
    doc.BranchAt(2).outletPressure = 0;
    doc.BranchAt(2).outletMassFlow = 0;
    doc.BranchAt(2).outletDryBulb = 0;
    doc.BranchAt(2).outletWetBulb = 0;
    ASSERT_TRUE(ExecuteSequence(doc, ui));
    ASSERT_EQ(fed.ResultCount(), 1);
    EXPECT_EQ(fed.intakePressure, 100.0);

    // Once branch 3 has run, the next sequence feeds branch 2 from its outlet.
    ASSERT_TRUE(ExecuteSequence(doc, ui));
    EXPECT_EQ(ValueRows(fed).size(), 11u);
    EXPECT_TRUE(ui.dataErrors.empty());
}

TEST(Mixing, UnusableOutletsFromAFileStopTheFedBranch)
{
    CKalvexDoc doc;
    AddDefaultBranches(doc, 2);
    CKalvexBranch& fed = doc.BranchAt(1);
    fed.SetSourceBranchIds({doc.BranchAt(0).branchId});
    // Branch 1 runs first and writes good outlets, so spoil a later source.
    doc.InsertNewBranch(2);
    SetOutlet(doc.BranchAt(2), std::nan(""), 20, 100000, 10);
    fed.SetSourceBranchIds({doc.BranchAt(0).branchId, doc.BranchAt(2).branchId});
    RecordingUi ui;
    ASSERT_TRUE(ExecuteSequence(doc, ui));
    ASSERT_EQ(fed.ResultCount(), 1);
    EXPECT_EQ(fed.ResultAt(0).messageText,
              "Branch not run: the intake air mixed from its source branches cannot be used. Please check "
              "the source branches.");
}

TEST(Mixing, UsableMixtureChecksTheWetBulbItself)
{
    CInletMixture mix;
    mix.hasSources = true;
    mix.dryBulb = 30.0;
    mix.pressure = 100000.0;
    mix.wetBulb = 20.0;
    EXPECT_TRUE(IsUsableMixture(mix));
    // A wet bulb far below the dry bulb leaves the air no moisture: refused,
    // although the dry bulb alone would pass.
    mix.wetBulb = 2.0;
    EXPECT_FALSE(IsUsableMixture(mix));
    mix.wetBulb = 30.0;
    EXPECT_TRUE(IsUsableMixture(mix));
    mix.hasSources = false;
    EXPECT_FALSE(IsUsableMixture(mix));
}
