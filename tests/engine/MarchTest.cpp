#include "ClimCalc.h"
#include "EngineTestSupport.h"
#include "IntervalData.h"
#include "March.h"
#include "NumberText.h"
#include "ShownRounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {
CClimCalc StartedCalc(const CKalvexBranch& branch, RecordingUi* ui = nullptr)
{
    CClimCalc calc;
    calc.Initialise(branch);
    calc.metabolicRate = 200.0;
    calc.areaFactor = 1.0;
    calc.vapourPermeability = 0.45;
    calc.bodyViewFactor = 0.75;
    calc.stepLength = 20.0;
    calc.ui = ui;
    return calc;
}

// Marches the branch on its own (no document), with the default worker.
CBranchTotals MarchBranch(CKalvexBranch& branch, CClimCalc& calc)
{
    CIntervalData plan;
    plan.Plan(branch.length, branch.outputInterval);
    return March(branch, plan, calc);
}

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }
}  // namespace

TEST(March, AdvanceAirOnASlope)
{
    CKalvexBranch branch;
    branch.depthOut = 10;  // slope 0.1
    CClimCalc calc = StartedCalc(branch);
    ASSERT_DOUBLE_EQ(calc.slope, 0.1);
    const double td = calc.dryBulb;
    const double p = calc.pressure;
    const double rho = calc.density;
    const double x = calc.moistureContent;
    calc.AdvanceAir(0.0, 0.0, 0.0, 20.0);
    // Gz = 19.62 J/kg warms air of 10.6 g/kg (cp about 1014.2) by 0.0193 °C.
    EXPECT_NEAR(calc.dryBulb - td, 19.62 / 1014.2, 0.0001);
    EXPECT_NEAR(calc.dryBulb - td, 0.0193, 0.00005);
    // Autocompression raises the pressure by about rho Gz less friction.
    EXPECT_NEAR(calc.pressure - p, rho * 19.62, 0.3);
    EXPECT_GT(calc.pressure - p, 0.0);
    EXPECT_EQ(calc.moistureContent, x);
}

TEST(March, AdvanceAirWithHeatMoistureAndPressureGain)
{
    CKalvexBranch branch;
    CClimCalc level = StartedCalc(branch);
    const double td = level.dryBulb;
    const double x = level.moistureContent;
    const double m = level.massFlow;
    const double p = level.pressure;
    level.AdvanceAir(0.0, 0.0, 0.0, 20.0);
    EXPECT_NEAR(level.dryBulb, td, 1e-4);  // level: only kinetic and friction effects
    EXPECT_LT(level.pressure, p);          // friction

    CClimCalc heated = StartedCalc(branch);
    heated.AdvanceAir(m * 1014.2, 0.0, 0.0, 20.0);
    EXPECT_NEAR(heated.dryBulb - td, 1.0, 0.001);

    CClimCalc humid = StartedCalc(branch);
    humid.AdvanceAir(0.0, 0.01, 0.0, 20.0);
    EXPECT_DOUBLE_EQ(humid.moistureContent, x + 0.01 / humid.dryAirMassFlow);
    EXPECT_DOUBLE_EQ(humid.massFlow, m + 0.01);
    EXPECT_GT(humid.wetBulb, 20.0);

    // A fan's 500 Pa are gained before friction.
    CClimCalc fan = StartedCalc(branch);
    fan.AdvanceAir(0.0, 0.0, 500.0, 20.0);
    EXPECT_NEAR(fan.pressure - level.pressure, 500.0, 0.05);
}

TEST(March, DryBulbGuardDiscardsTheInterval)
{
    CKalvexBranch branch;
    RecordingUi ui;
    CClimCalc calc = StartedCalc(branch, &ui);
    const CClimCalc before = calc;
    calc.AdvanceAir(1e8, 0.05, 300.0, 60.0);
    ASSERT_EQ(ui.guardMessages.size(), 1u);
    EXPECT_EQ(ui.guardMessages[0],
              "Input for the calculation interval ending at 60 m has caused the\n"
              "dry bulb temperature to exceed the maximum value of 120 \u00B0C.\n\n"
              "The changes over this interval will be ignored. Please check your input data.");
    EXPECT_EQ(calc.dryBulb, before.dryBulb);
    EXPECT_EQ(calc.wetBulb, before.wetBulb);
    EXPECT_EQ(calc.pressure, before.pressure);
    EXPECT_EQ(calc.moistureContent, before.moistureContent);
    EXPECT_EQ(calc.massFlow, before.massFlow);
    EXPECT_DOUBLE_EQ(calc.density, before.density);
    EXPECT_DOUBLE_EQ(calc.sigmaHeat, before.sigmaHeat);

    calc.AdvanceAir(-1e8, 0.0, 0.0, 85.4);
    ASSERT_EQ(ui.guardMessages.size(), 2u);
    EXPECT_NE(ui.guardMessages[1].find("ending at 85 m has"), std::string::npos);
    EXPECT_NE(ui.guardMessages[1].find("drop below the minimum value of 0 \u00B0C."), std::string::npos);

    // A dry bulb that is not a number is out of limits too.
    calc.AdvanceAir(std::nan(""), 0.0, 0.0, 100.0);
    ASSERT_EQ(ui.guardMessages.size(), 3u);
    EXPECT_NE(ui.guardMessages[2].find("drop below"), std::string::npos);
    EXPECT_EQ(calc.dryBulb, before.dryBulb);
}

TEST(March, LevelBelowOneMetreOfDepthChange)
{
    CKalvexBranch branch;
    branch.depthOut = 0.5;
    CClimCalc calc = StartedCalc(branch);
    EXPECT_EQ(calc.slope, 0.0);
    EXPECT_EQ(calc.vrtGradient, 0.0);
    branch.depthOut = 1.0;
    calc.Initialise(branch);
    EXPECT_DOUBLE_EQ(calc.slope, 0.01);
    EXPECT_DOUBLE_EQ(calc.vrtGradient, 0.01 / 30.0);
}

TEST(March, RowsOfTheDefaultBranch)
{
    CKalvexBranch branch;
    CClimCalc calc = StartedCalc(branch);
    const CBranchTotals totals = MarchBranch(branch, calc);
    const auto rows = ValueRows(branch);
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_EQ(branch.ResultCount(), 11);  // messages are the run's to append
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_NEAR(rows[i]->distance, 10.0 * static_cast<double>(i), 1e-9);

    // The intake row.
    const CResultInterval& first = *rows[0];
    EXPECT_EQ(first.dryBulb, 30.00);
    EXPECT_EQ(first.wetBulb, 20.00);
    EXPECT_EQ(first.pressure, 100.000);
    EXPECT_EQ(first.moisture, 10.62);
    EXPECT_EQ(first.density, 1.142);
    EXPECT_EQ(first.humidity, 39.59);
    EXPECT_EQ(first.enthalpy, 57.32);
    EXPECT_EQ(first.sigmaHeat, 56.43);
    EXPECT_EQ(first.wbgt, 23.00);
    EXPECT_EQ(first.effectiveTemp, 22.20);
    EXPECT_EQ(first.vrt, 40.00);
    EXPECT_EQ(first.heatTransferCoeff, 7.034);
    EXPECT_EQ(first.strataSensible, 0.0);
    EXPECT_EQ(first.strataLatent, 0.0);
    EXPECT_FALSE(first.condensing);

    // Warm dry rock heats the air all along; the row values are the output
    // interval's sums and the totals their sum.
    double sensible = 0.0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_GT(rows[i]->dryBulb, rows[i - 1]->dryBulb);
        EXPECT_GT(rows[i]->strataSensible, 0.0);
        EXPECT_EQ(rows[i]->strataLatent, 0.0);
        sensible += rows[i]->strataSensible;
    }
    EXPECT_NEAR(totals.strataSensible / 1000.0, sensible, 0.05);
    EXPECT_EQ(totals.otherSensible, 0.0);
    EXPECT_EQ(calc.messages.size(), 0u);
}

TEST(March, ResultRowShowsEachValueInItsUnitAndDecimals)
{
    CClimCalc c;
    c.dryBulb = 31.23456;
    c.wetBulb = 22.34567;
    c.pressure = 101234.5678;
    c.moistureContent = 0.0123456;
    c.density = 1.23456;
    c.relativeHumidity = 0.456789;
    c.enthalpy = 61234.5678;
    c.sigmaHeat = 60123.4567;
    c.dryWallTemperature = 33.45678;
    c.vrt = 41.56789;
    c.meanSkinTemperature = 34.67891;
    c.effectiveTemperature = 26.78912;
    c.wbgt = 25.89123;
    c.strataLatentHeat = 1234.5678;
    c.strataSensibleHeat = -2345.6789;
    c.heatTransferCoefficient = 7.12345;
    c.wallCondensation = 1;
    const CResultInterval row = MakeResultRow(c, 123.456);
    EXPECT_EQ(row.distance, 123.456);
    EXPECT_EQ(row.dryBulb, 31.23);
    EXPECT_EQ(row.wetBulb, 22.35);
    EXPECT_EQ(row.pressure, 101.235);  // kPa
    EXPECT_EQ(row.moisture, 12.35);    // g/kg
    EXPECT_EQ(row.density, 1.235);
    EXPECT_EQ(row.humidity, 45.68);  // %
    EXPECT_EQ(row.enthalpy, 61.23);  // kJ/kg
    EXPECT_EQ(row.sigmaHeat, 60.12);
    EXPECT_EQ(row.dryWallTemp, 33.46);
    EXPECT_EQ(row.vrt, 41.57);
    EXPECT_EQ(row.meanSkinTemp, 34.68);
    EXPECT_EQ(row.effectiveTemp, 26.79);
    EXPECT_EQ(row.wbgt, 25.89);
    EXPECT_EQ(row.strataLatent, 1.23);     // kW
    EXPECT_EQ(row.strataSensible, -2.35);  // kW
    EXPECT_EQ(row.heatTransferCoeff, 7.123);
    EXPECT_TRUE(row.condensing);  // the wall condenses
    EXPECT_FALSE(row.isMessage);
}

TEST(March, RowStrataHeatIsTheSumOverItsSteps)
{
    // 100 m in five steps of 20 m: one row after all five, or a row after
    // each. The air at 100 m is the same; the one row holds the five sums.
    CKalvexBranch coarse;
    coarse.outputInterval = 100;
    coarse.wetness = 0.5;
    CClimCalc coarseCalc = StartedCalc(coarse);
    MarchBranch(coarse, coarseCalc);
    CKalvexBranch fine;
    fine.outputInterval = 20;
    fine.wetness = 0.5;
    CClimCalc fineCalc = StartedCalc(fine);
    MarchBranch(fine, fineCalc);
    const auto few = ValueRows(coarse);
    const auto many = ValueRows(fine);
    ASSERT_EQ(few.size(), 2u);
    ASSERT_EQ(many.size(), 6u);
    EXPECT_EQ(few[1]->dryBulb, many[5]->dryBulb);
    double sensible = 0.0, latent = 0.0;
    for (std::size_t i = 1; i < many.size(); ++i) {
        sensible += many[i]->strataSensible;
        latent += many[i]->strataLatent;
    }
    EXPECT_GT(latent, 0.1);
    EXPECT_NEAR(few[1]->strataSensible, sensible, 0.03);
    EXPECT_NEAR(few[1]->strataLatent, latent, 0.03);
}

TEST(March, SaturatedIntakeRowIsNotFlagged)
{
    CKalvexBranch branch;
    branch.intakeDryBulb = 25;
    branch.intakeWetBulb = 25;
    CClimCalc calc = StartedCalc(branch);
    MarchBranch(branch, calc);
    EXPECT_FALSE(branch.ResultAt(0).condensing);
    EXPECT_EQ(branch.ResultAt(0).humidity, 100.00);
}

TEST(March, AirSaturatedByAHeatSource)
{
    // 500 kW of latent heat at 50 m oversaturate humid air in [50, 60]; the
    // surplus condenses and the air is left at its wet bulb.
    CKalvexBranch branch;
    branch.intakeDryBulb = 30;
    branch.intakeWetBulb = 28;
    CHeatSource spot;
    spot.kind = CHeatSource::Spot;
    spot.location = 50;
    spot.latentHeat() = 500;
    branch.AddHeatSource(spot);
    CClimCalc calc = StartedCalc(branch);
    MarchBranch(branch, calc);
    const auto rows = ValueRows(branch);
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_FALSE(rows[5]->condensing);
    const CResultInterval& saturated = *rows[6];
    EXPECT_EQ(saturated.distance, 60.0);
    EXPECT_EQ(saturated.dryBulb, saturated.wetBulb);
    EXPECT_EQ(saturated.humidity, 100.00);
    EXPECT_TRUE(saturated.condensing);
    EXPECT_GT(saturated.dryBulb, rows[5]->dryBulb);
    EXPECT_FALSE(rows[7]->condensing);
    ASSERT_EQ(calc.messages.size(), 3u);
    EXPECT_EQ(calc.messages[0], "Spot heat source at 50 m, sensible heat = 0.00 kW, latent heat = 500.00 kW");
    EXPECT_EQ(calc.messages[1], "Condensation begins at 60 m");
    EXPECT_EQ(calc.messages[2], "Condensation ends at 70 m");
}

TEST(March, CondensationOnAWetColdBranchPairsItsMessages)
{
    // Humid air enters over rock below its dew point, deepening to warm
    // rock: condensation on the rock from the intake, evaporation later on.
    CKalvexBranch branch;
    branch.length = 1000;
    branch.outputInterval = 50;
    branch.depthOut = 1000;
    branch.vrtIn = 15;
    branch.wetness = 1.0;
    branch.intakeDryBulb = 30;
    branch.intakeWetBulb = 28;
    branch.ageIn = branch.ageOut = 30;
    CClimCalc calc = StartedCalc(branch);
    MarchBranch(branch, calc);
    ASSERT_EQ(calc.messages.size(), 2u);
    EXPECT_EQ(calc.messages[0], "Condensation begins at 0 m");
    EXPECT_EQ(calc.messages[1], "Condensation ends at 250 m");
    const auto rows = ValueRows(branch);
    ASSERT_EQ(rows.size(), 21u);
    for (const CResultInterval* row : rows) {
        SCOPED_TRACE(row->distance);
        if (row->distance == 0.0) {
            EXPECT_FALSE(row->condensing);
        } else if (row->distance <= 250.0) {
            EXPECT_TRUE(row->condensing);
            EXPECT_LT(row->strataLatent, 0.0);
        } else {
            EXPECT_FALSE(row->condensing);
        }
    }
}

TEST(March, MessagesAlternateBeginAndEnd)
{
    // Cold wet rock and a moist heat source saturating the air now and
    // then: however the two conditions overlap, an end follows every begin.
    CKalvexBranch branch;
    branch.length = 600;
    branch.vrtIn = 22;
    branch.wetness = 0.8;
    branch.intakeDryBulb = 26;
    branch.intakeWetBulb = 25;
    for (double at : {100.0, 300.0, 450.0}) {
        CHeatSource spot;
        spot.kind = CHeatSource::Spot;
        spot.location = at;
        spot.sensibleHeat() = 40;
        spot.latentHeat() = 150;
        branch.AddHeatSource(spot);
    }
    CClimCalc calc = StartedCalc(branch);
    MarchBranch(branch, calc);
    int open = 0;
    int begins = 0;
    for (const std::string& m : calc.messages) {
        if (StartsWith(m, "Condensation begins at ")) {
            EXPECT_EQ(open, 0) << m;
            open = 1;
            ++begins;
        } else if (StartsWith(m, "Condensation ends at ")) {
            EXPECT_EQ(open, 1) << m;
            open = 0;
        }
    }
    EXPECT_GE(begins, 1);
    EXPECT_EQ(open, calc.condensationReported);
}

TEST(March, GuardDuringTheMarchNamesTheIntervalEnd)
{
    CKalvexBranch branch;
    CHeatSource spot;
    spot.kind = CHeatSource::Spot;
    spot.location = 50;
    spot.sensibleHeat() = 10000;
    branch.AddHeatSource(spot);
    RecordingUi ui;
    CClimCalc calc = StartedCalc(branch, &ui);
    const CBranchTotals totals = MarchBranch(branch, calc);
    ASSERT_EQ(ui.guardMessages.size(), 1u);
    EXPECT_NE(ui.guardMessages[0].find("interval ending at 60 m has caused"), std::string::npos);
    const auto rows = ValueRows(branch);
    ASSERT_EQ(rows.size(), 11u);  // the march goes on
    EXPECT_EQ(rows[6]->dryBulb, rows[5]->dryBulb);
    EXPECT_EQ(rows[6]->wetBulb, rows[5]->wetBulb);
    EXPECT_EQ(rows[6]->pressure, rows[5]->pressure);
    EXPECT_EQ(rows[6]->moisture, rows[5]->moisture);
    EXPECT_GT(rows[7]->dryBulb, rows[6]->dryBulb);
    // The source still counts in the totals, as it acted.
    EXPECT_DOUBLE_EQ(totals.otherSensible, 1e7);
}

TEST(March, FanAtFiftyMetres)
{
    CKalvexBranch plain;
    CClimCalc plainCalc = StartedCalc(plain);
    MarchBranch(plain, plainCalc);

    CKalvexBranch branch;
    branch.fanReg.location = 50;
    branch.fanReg.pressureChange = 0.5;
    branch.fanReg.sensibleHeat = 20;
    CClimCalc calc = StartedCalc(branch);
    const CBranchTotals totals = MarchBranch(branch, calc);
    const auto rows = ValueRows(branch);
    const auto plainRows = ValueRows(plain);
    EXPECT_EQ(rows[5]->pressure, plainRows[5]->pressure);
    EXPECT_NEAR(rows[6]->pressure - plainRows[6]->pressure, 0.500, 0.0015);
    EXPECT_NEAR(rows[6]->dryBulb - plainRows[6]->dryBulb, 20000.0 / (plainCalc.massFlow * 1014.2), 0.02);
    EXPECT_DOUBLE_EQ(totals.otherSensible, 20000.0);
    EXPECT_EQ(totals.otherLatent, 0.0);
    ASSERT_EQ(calc.messages.size(), 1u);
    EXPECT_EQ(calc.messages[0], "Fan/Reg object at 50 m, pressure = 0.500 kPa, sensible heat = 20.00 kW");
}

TEST(March, HeatSourceTotalsAndMessageOrder)
{
    CKalvexBranch branch;
    CHeatSource diesel;
    diesel.kind = CHeatSource::Diesel;
    diesel.location = 35;
    diesel.power() = 100;
    diesel.utilization() = 100;
    diesel.waterFuelRatio() = 1;
    CHeatSource linear;
    linear.kind = CHeatSource::Linear;
    linear.location = 15;
    linear.length() = 30;
    linear.sensibleHeat() = 30;
    linear.latentHeat() = 6;
    branch.AddHeatSource(diesel);
    branch.AddHeatSource(linear);
    CClimCalc calc = StartedCalc(branch);
    const CBranchTotals totals = MarchBranch(branch, calc);
    ASSERT_EQ(calc.messages.size(), 2u);
    EXPECT_TRUE(StartsWith(calc.messages[0], "Linear heat source starts at 15 m, length = 30 m"));
    EXPECT_TRUE(StartsWith(calc.messages[1], "Diesel heat source at 35 m"));
    EXPECT_NEAR(totals.otherSensible + totals.otherLatent, 283000.0 + 36000.0, 1e-6);
    EXPECT_NEAR(totals.otherLatent, 6000.0 + 100.0 * 0.3 / 3600.0 * calc.surfaceLatentHeat, 200.0);
}

TEST(March, StopsWhereTheAirStateCanNoLongerBeComputed)
{
    // 100 m/s through a 1 m² airway of friction factor 1: friction would take
    // the pressure below zero within the first interval.
    CKalvexBranch branch;
    branch.area = 1;
    branch.perimeter = 4;
    branch.frictionFactor = 1;
    branch.intakeQuantity = 100;
    CClimCalc calc = StartedCalc(branch);
    const CBranchTotals totals = MarchBranch(branch, calc);
    ASSERT_EQ(branch.ResultCount(), 1);  // the intake row
    ASSERT_EQ(calc.messages.size(), 1u);
    EXPECT_EQ(calc.messages[0],
              "Calculation stopped at 0 m: the air state can no longer be computed. Please check your input data.");
    // The state is that before the failed interval: the intake.
    EXPECT_EQ(calc.dryBulb, 30.0);
    EXPECT_EQ(calc.pressure, 100000.0);
    EXPECT_TRUE(std::isfinite(totals.strataSensible));
    EXPECT_EQ(totals.strataSensible, 0.0);
}

namespace {
// Same value and same sign of zero, or both not a number.
bool SameDouble(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}
}  // namespace

TEST(March, RowRoundingEqualsTheTextRoundTrip)
{
    const double special[] = {0.0, -0.0, 0.125, 0.375, 2.5, 3.5, -2.5, 0.005, -0.005, -0.004, 1.0005,
                              100.4999999, 99.9995, 1e9, -1e12, 123456.785,
                              std::numeric_limits<double>::infinity(), std::nan("")};
    for (double v : special)
        for (int d = 0; d <= 3; ++d)
            EXPECT_TRUE(SameDouble(RoundShown(v, d), RoundDecimals(v, d))) << v << " to " << d;

    std::mt19937_64 generator(5);
    for (int i = 0; i < 200000; ++i) {
        const double unit = static_cast<double>(generator() >> 11) * 0x1.0p-53;
        const double magnitude = std::pow(10.0, -4.0 + 12.0 * unit);
        const double v = (generator() & 1 ? -1.0 : 1.0) * magnitude;
        // Values on a decimal grid hit the ties and near-ties.
        const double grid = std::round(v * 8000.0) / 8000.0;
        const int d = static_cast<int>(generator() % 4);
        ASSERT_TRUE(SameDouble(RoundShown(v, d), RoundDecimals(v, d))) << v << " to " << d;
        ASSERT_TRUE(SameDouble(RoundShown(grid, d), RoundDecimals(grid, d))) << grid << " to " << d;
    }
}
