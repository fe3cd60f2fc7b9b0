#include "AirProperties.h"
#include "ClimCalc.h"
#include "KalvexBranch.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
// The default branch with airway ages of 365 days, marched from its intake.
CClimCalc DefaultCalc(double wetness = 0.0, double vrt = 40.0)
{
    CKalvexBranch branch;
    branch.ageIn = 365;
    branch.ageOut = 365;
    branch.wetness = wetness;
    branch.vrtIn = vrt;
    CClimCalc calc;
    calc.Initialise(branch);
    calc.stepLength = 20.0;
    return calc;
}
}  // namespace

TEST(StrataHeat, CoefficientsOfTheDefaultBranch)
{
    CClimCalc calc = DefaultCalc();
    EXPECT_NEAR(calc.ReynoldsNumber(), 191428.6, 0.05);
    EXPECT_NEAR(calc.ConvectiveCoefficient(), 5.209, 0.0005);
    EXPECT_NEAR(calc.RadiativeCoefficient(), 1.825, 0.0005);
    EXPECT_NEAR(calc.HeatTransferCoefficient(), 7.034, 0.0005);
    EXPECT_NEAR(calc.equivalentRadius, 2.22817, 5e-6);
    EXPECT_NEAR(calc.hydraulicDiameter, 48.0 / 14.0, 1e-12);
    EXPECT_NEAR(calc.FourierNumber(0.0), 12.704, 0.0005);
    calc.heatTransferCoefficient = calc.HeatTransferCoefficient();
    EXPECT_NEAR(calc.FluxFunction(0.0), 0.4486, 0.00005);
    calc.EvaluatePoint(0.0);
    EXPECT_NEAR(calc.dryWallTemperature, 31.15, 0.005);
    EXPECT_EQ(calc.vrt, 40.0);
}

TEST(StrataHeat, RockAgeAndVirginRockTemperature)
{
    CKalvexBranch branch;
    CClimCalc calc;
    calc.Initialise(branch);  // ages 0: one second everywhere
    EXPECT_EQ(calc.RockAge(0.0), 1.0);
    EXPECT_EQ(calc.RockAge(100.0), 1.0);

    branch.ageIn = 10;
    branch.ageOut = 20;
    branch.depthOut = 100;  // 100 m deeper over 100 m, 30 m per degree
    calc.Initialise(branch);
    EXPECT_DOUBLE_EQ(calc.RockAge(0.0), 10 * 86400.0);
    EXPECT_DOUBLE_EQ(calc.RockAge(50.0), 15 * 86400.0);
    EXPECT_DOUBLE_EQ(calc.VirginRockTemperature(100.0), 40.0 + 100.0 / 30.0);
    EXPECT_DOUBLE_EQ(calc.slope, 1.0);
}

TEST(StrataHeat, DryRockGivesConductionLimitedSensibleHeatOnly)
{
    CClimCalc calc = DefaultCalc(0.0);
    EXPECT_DOUBLE_EQ(calc.surfaceTemperature, 22.5);  // wet bulb + a quarter of the difference
    calc.StrataHeat(0.0);
    EXPECT_EQ(calc.strataLatentHeat, 0.0);
    EXPECT_EQ(calc.evaporationRate, 0.0);
    const double qDry = (40.0 - 30.0) * calc.fluxFunction * 4.0 / calc.equivalentRadius;
    EXPECT_NEAR(calc.strataSensibleHeat, qDry * 14.0 * 20.0, 1e-6);
    EXPECT_GT(calc.strataSensibleHeat, 0.0);
    EXPECT_EQ(calc.wallCondensation, 0);
    EXPECT_TRUE(calc.messages.empty());
}

TEST(StrataHeat, WetRockExchangesAtTheBalancedSurfaceTemperature)
{
    CClimCalc calc = DefaultCalc(1.0);
    calc.StrataHeat(0.0);
    const double h = calc.heatTransferCoefficient;
    const double ts = calc.surfaceTemperature;
    // The dry term vanishes: sensible heat is convection from the wet surface.
    EXPECT_NEAR(calc.strataSensibleHeat, (ts - 30.0) * h * 14.0 * 20.0, 1e-3);
    const double qLat = 0.0007 * h * LatentHeat(ts) * (SaturationPressure(ts) - calc.vapourPressure) / 100000.0;
    EXPECT_NEAR(calc.strataLatentHeat, qLat * 14.0 * 20.0, 1e-2);
    EXPECT_GT(calc.strataLatentHeat, 0.0);
    EXPECT_DOUBLE_EQ(calc.surfaceLatentHeat, LatentHeat(ts));
    EXPECT_DOUBLE_EQ(calc.evaporationRate, calc.strataLatentHeat / calc.surfaceLatentHeat);
    // Evaporation cools the wet surface below the dry bulb.
    EXPECT_LT(ts, 30.0);
    EXPECT_GT(ts, 20.0);
}

TEST(StrataHeat, HalfWetRockMixesBothSurfaces)
{
    CClimCalc dry = DefaultCalc(0.0);
    CClimCalc wet = DefaultCalc(1.0);
    CClimCalc half = DefaultCalc(0.5);
    dry.StrataHeat(0.0);
    wet.StrataHeat(0.0);
    half.StrataHeat(0.0);
    EXPECT_NEAR(half.strataSensibleHeat, 0.5 * (dry.strataSensibleHeat + wet.strataSensibleHeat), 1e-3);
    EXPECT_NEAR(half.strataLatentHeat, 0.5 * wet.strataLatentHeat, 1e-3);
}

TEST(StrataHeat, ColderRockCoolsTheAir)
{
    CClimCalc calc = DefaultCalc(0.0, 20.0);
    calc.StrataHeat(0.0);
    EXPECT_LT(calc.strataSensibleHeat, 0.0);
}

TEST(StrataHeat, CondensationOnColdRockUsesTheWholePerimeter)
{
    // Humid air over rock below its dew point: vapour condenses on the rock
    // even though the rock is dry.
    CKalvexBranch branch;
    branch.intakeDryBulb = 30;
    branch.intakeWetBulb = 28;
    branch.vrtIn = 10;
    branch.ageIn = branch.ageOut = 30;
    CClimCalc calc;
    calc.Initialise(branch);
    calc.stepLength = 20.0;
    calc.StrataHeat(0.0);
    EXPECT_LT(calc.strataLatentHeat, 0.0);
    EXPECT_LT(calc.evaporationRate, 0.0);
    EXPECT_EQ(calc.wallCondensation, 1);
    EXPECT_EQ(calc.condensationReported, 1);
    ASSERT_EQ(calc.messages.size(), 1u);
    EXPECT_EQ(calc.messages[0], "Condensation begins at 0 m");
    // Over the whole perimeter: both heats are the wet surface's, whatever
    // share of the rock is wet.
    const double h = calc.heatTransferCoefficient;
    const double ts = calc.surfaceTemperature;
    EXPECT_NEAR(calc.strataSensibleHeat, (ts - 30.0) * h * 14.0 * 20.0, 1e-3);
    EXPECT_LT(calc.strataSensibleHeat, 0.0);
    branch.wetness = 0.4;
    CClimCalc partlyWet;
    partlyWet.Initialise(branch);
    partlyWet.stepLength = 20.0;
    partlyWet.StrataHeat(0.0);
    EXPECT_DOUBLE_EQ(partlyWet.strataSensibleHeat, calc.strataSensibleHeat);
    EXPECT_DOUBLE_EQ(partlyWet.strataLatentHeat, calc.strataLatentHeat);

    // Still condensing: no second begin message.
    calc.StrataHeat(20.0);
    EXPECT_EQ(calc.messages.size(), 1u);

    // The rock warms up: the condensation ends at the interval start, unless
    // the air itself is saturated.
    calc.vrtAtIntake = 60.0;
    calc.airSaturated = 1;
    calc.StrataHeat(40.0);
    EXPECT_EQ(calc.wallCondensation, 0);
    EXPECT_EQ(calc.messages.size(), 1u);
    calc.airSaturated = 0;
    calc.StrataHeat(60.0);
    ASSERT_EQ(calc.messages.size(), 2u);
    EXPECT_EQ(calc.messages[1], "Condensation ends at 60 m");
    EXPECT_EQ(calc.condensationReported, 0);
}
