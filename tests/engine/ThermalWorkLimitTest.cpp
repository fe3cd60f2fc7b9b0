#include "AirProperties.h"
#include "EngineTestSupport.h"
#include "ResultTwl.h"
#include "SimulationRun.h"
#include "ThermalWorkLimit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The published example's worker and air: 100 kPa, radiant temperature at
// the dry bulb, 0.35 clo, permeability 0.45.
TwlConditions Air(double dryBulb, double wetBulb, double speed = 0.2)
{
    TwlConditions c;
    c.dryBulb = dryBulb;
    c.pressure = 100000.0;
    c.vapourPressure = VapourPressureFromBulbs(dryBulb, wetBulb, c.pressure);
    c.radiantTemperature = dryBulb;
    c.airSpeed = speed;
    c.clothingInsulation = 0.35;
    c.clothingPermeability = 0.45;
    c.postureFactor = 0.73;
    return c;
}

}  // namespace

TEST(ThermalWorkLimit, PublishedExample)
{
    EXPECT_NEAR(UnboundedThermalWorkLimit(Air(40.0, 30.0)), 110.0, 3.0);
    // After 100 kW of cooling on 10 m³/s.
    EXPECT_NEAR(UnboundedThermalWorkLimit(Air(31.4, 28.0)), 158.0, 3.0);
    // No cooling, but more air.
    EXPECT_NEAR(UnboundedThermalWorkLimit(Air(40.0, 30.0, 0.7)), 158.0, 3.0);
}

TEST(ThermalWorkLimit, RisesWithWindAndFallsWithWetBulb)
{
    double previous = 0.0;
    for (double v : {0.2, 0.4, 0.7, 1.0, 1.5, 2.0, 3.0, 4.0}) {
        const double limit = UnboundedThermalWorkLimit(Air(35.0, 27.0, v));
        EXPECT_GT(limit, previous) << v << " m/s";
        previous = limit;
    }
    // The speed is held to 0.2 … 4 m/s.
    EXPECT_DOUBLE_EQ(UnboundedThermalWorkLimit(Air(35.0, 27.0, 0.0)),
                     UnboundedThermalWorkLimit(Air(35.0, 27.0, 0.2)));
    EXPECT_DOUBLE_EQ(UnboundedThermalWorkLimit(Air(35.0, 27.0, 9.0)),
                     UnboundedThermalWorkLimit(Air(35.0, 27.0, 4.0)));

    previous = 1e9;
    for (double tw = 14.0; tw <= 34.0; tw += 2.0) {
        const double limit = UnboundedThermalWorkLimit(Air(36.0, tw, 1.0));
        EXPECT_LT(limit, previous) << tw << " °C wet bulb";
        previous = limit;
    }
}

TEST(ThermalWorkLimit, HeldToItsBounds)
{
    // Mild, very dry, windy air lies beyond the model's top.
    const TwlResult cool = ThermalWorkLimit(Air(26.0, 8.0, 4.0), 8.0);
    EXPECT_GT(UnboundedThermalWorkLimit(Air(26.0, 8.0, 4.0)), 380.0);
    EXPECT_EQ(cool.value, 380.0);
    EXPECT_FALSE(cool.inRange);
    EXPECT_EQ(cool.zone, TwlZone::Unrestricted);
    EXPECT_EQ(CResultTwl::Text(cool), "above 380");

    // Saturated air hotter than the skin: no sustainable work at all.
    const TwlResult hot = ThermalWorkLimit(Air(42.0, 42.0), 42.0);
    EXPECT_EQ(hot.value, 60.0);
    EXPECT_FALSE(hot.inRange);
    EXPECT_EQ(hot.zone, TwlZone::Withdrawal);
    EXPECT_EQ(CResultTwl::Text(hot), "below 60");

    const TwlResult example = ThermalWorkLimit(Air(40.0, 30.0), 30.0);
    EXPECT_TRUE(example.inRange);
    EXPECT_EQ(CResultTwl::Text(example), std::to_string(static_cast<int>(std::lround(example.value))));

    // Pressure at or below the vapour pressure is no climate at all.
    TwlConditions broken = Air(30.0, 20.0);
    broken.pressure = broken.vapourPressure;
    EXPECT_EQ(ThermalWorkLimit(broken, 20.0).value, 60.0);
}

TEST(ThermalWorkLimit, ZonesAtTheirBoundaries)
{
    EXPECT_EQ(ZoneOf(114.4, 30.0, 25.0), TwlZone::Withdrawal);
    EXPECT_EQ(ZoneOf(114.5, 30.0, 25.0), TwlZone::Buffer);  // shown as 115
    EXPECT_EQ(ZoneOf(115.0, 30.0, 25.0), TwlZone::Buffer);
    EXPECT_EQ(ZoneOf(139.4, 30.0, 25.0), TwlZone::Buffer);
    EXPECT_EQ(ZoneOf(140.0, 30.0, 25.0), TwlZone::Acclimatization);
    EXPECT_EQ(ZoneOf(220.0, 30.0, 25.0), TwlZone::Acclimatization);
    EXPECT_EQ(ZoneOf(220.6, 30.0, 25.0), TwlZone::Unrestricted);
    // Work stops above 44 °C dry bulb or 32 °C wet bulb, whatever the limit.
    EXPECT_EQ(ZoneOf(300.0, 44.0, 25.0), TwlZone::Unrestricted);
    EXPECT_EQ(ZoneOf(300.0, 44.01, 25.0), TwlZone::Withdrawal);
    EXPECT_EQ(ZoneOf(300.0, 40.0, 32.0), TwlZone::Unrestricted);
    EXPECT_EQ(ZoneOf(300.0, 40.0, 32.01), TwlZone::Withdrawal);
    EXPECT_STREQ(ZoneName(TwlZone::Acclimatization), "Acclimatization");
    EXPECT_STREQ(ZoneName(TwlZone::Withdrawal), "Withdrawal");
}

TEST(ThermalWorkLimit, ResultRowsTakeTheRunsAirAndTheWorker)
{
    CKalvexDoc doc;
    AddDefaultBranches(doc, 1);
    CKalvexBranch& branch = doc.BranchAt(0);
    branch.length = 400.0;
    branch.wetness = 0.3;  // the air takes up water: its mass flow grows
    doc.clothingResistance = 0.0775;  // 0.5 clo
    doc.vapourPermeability = 0.4;
    doc.bodyViewFactor = 0.7;
    RecordingUi ui;
    ASSERT_TRUE(ExecuteBranch(doc, branch, true, ui));
    const std::vector<const CResultInterval*> rows = ValueRows(branch);
    ASSERT_GE(rows.size(), 2u);

    const CResultTwl twl(doc, branch);
    const TwlConditions first = twl.ConditionsAt(*rows.front());
    const double intakeDensity = Density(100000.0, VapourPressureFromBulbs(30.0, 20.0, 100000.0), 30.0);
    EXPECT_NEAR(first.airSpeed, 10.0 * intakeDensity / (rows.front()->density * 12.0), 1e-3);
    const CResultInterval& last = *rows.back();
    const TwlConditions end = twl.ConditionsAt(last);
    EXPECT_NEAR(end.airSpeed, branch.outletMassFlow / (last.density * 12.0), 1e-3);
    EXPECT_NEAR(end.vapourPressure, VapourPressureFromMoisture(last.moisture / 1000.0, last.pressure * 1000.0),
                1e-9);
    EXPECT_DOUBLE_EQ(end.radiantTemperature, (last.dryWallTemp + last.dryBulb) / 2.0);
    EXPECT_NEAR(end.clothingInsulation, 0.5, 1e-12);
    EXPECT_DOUBLE_EQ(end.clothingPermeability, 0.4);
    EXPECT_DOUBLE_EQ(end.postureFactor, 0.7);

    std::string text;
    EXPECT_TRUE(twl.CellText(Col::Twl, static_cast<int>(rows.size()) - 1, text));
    EXPECT_EQ(text, CResultTwl::Text(twl.At(last)));
    EXPECT_TRUE(twl.CellText(Col::Wbgt, 0, text));
    EXPECT_EQ(text, "23.00");
    EXPECT_FALSE(twl.CellText(Col::Twl, branch.ResultCount() - 1, text));  // a message row
    // The row itself knows nothing of the limit.
    double value = 0.0;
    EXPECT_FALSE(last.GetColumnValue(Col::Twl, value));
}
