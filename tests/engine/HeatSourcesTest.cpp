#include "FanReg.h"
#include "HeatSource.h"
#include "HeatSourceEffects.h"

#include <gtest/gtest.h>

namespace {
CHeatSource Spot(double location, double sensible, double latent)
{
    CHeatSource s;
    s.kind = CHeatSource::Spot;
    s.location = location;
    s.sensibleHeat() = sensible;
    s.latentHeat() = latent;
    return s;
}

CHeatSource Machine(CHeatSource::Kind kind, double location, double power, double utilization,
                    double waterFuel = 0.0)
{
    CHeatSource s;
    s.kind = kind;
    s.location = location;
    s.power() = power;
    s.utilization() = utilization;
    s.waterFuelRatio() = waterFuel;
    return s;
}

CHeatSource Linear(double location, double length, double sensible, double latent)
{
    CHeatSource s;
    s.kind = CHeatSource::Linear;
    s.location = location;
    s.length() = length;
    s.sensibleHeat() = sensible;
    s.latentHeat() = latent;
    return s;
}
}  // namespace

TEST(HeatSources, PointSourcesActInTheIntervalThatHoldsThem)
{
    CHeatSource atStart = Spot(0.0, 10.0, 0.0);
    EXPECT_TRUE(AppliesTo(atStart, 0.0, 10.0));
    EXPECT_FALSE(AppliesTo(atStart, 10.0, 10.0));
    // The end of an interval belongs to the next one; at the branch end a
    // source never acts.
    CHeatSource atEnd = Spot(100.0, 10.0, 0.0);
    EXPECT_FALSE(AppliesTo(atEnd, 90.0, 10.0));
    CHeatSource inside = Machine(CHeatSource::Electric, 250.0, 100.0, 50.0);
    EXPECT_FALSE(AppliesTo(inside, 240.0, 10.0));
    EXPECT_TRUE(AppliesTo(inside, 250.0, 10.0));
}

TEST(HeatSources, PlacementComparesBoundsRoundedToATenthOfAMetre)
{
    // Steps of 16.667 m: the first interval ends at 16.7 once rounded.
    const double step = 50.0 / 3.0;
    CHeatSource s = Spot(16.68, 1.0, 0.0);
    EXPECT_TRUE(AppliesTo(s, 0.0, step));
    EXPECT_FALSE(AppliesTo(s, step, step));
    const CIntervalBounds bounds(step, step);
    EXPECT_DOUBLE_EQ(bounds.c, 16.7);
    EXPECT_DOUBLE_EQ(bounds.d, 33.3);
}

TEST(HeatSources, SpotSource)
{
    CHeatSource s = Spot(120.0, 5.0, 10.0);
    ComputeEffect(s, 2430000.0, 120.0);
    EXPECT_DOUBLE_EQ(s.sensibleRate, 5000.0);
    EXPECT_DOUBLE_EQ(s.latentRate, 10000.0);
    EXPECT_NEAR(s.moistureRate, 0.004115, 5e-7);
    EXPECT_EQ(s.eventPending, 1);
    EXPECT_EQ(s.eventText, "Spot heat source at 120 m, sensible heat = 5.00 kW, latent heat = 10.00 kW");
}

TEST(HeatSources, ElectricSource)
{
    CHeatSource s = Machine(CHeatSource::Electric, 250.0, 100.0, 50.0);
    ComputeEffect(s, 2430000.0, 250.0);
    EXPECT_DOUBLE_EQ(s.sensibleRate, 50000.0);
    EXPECT_EQ(s.latentRate, 0.0);
    EXPECT_EQ(s.moistureRate, 0.0);
    EXPECT_EQ(s.eventText, "Electric heat source at 250 m, sensible heat = 50.00 kW");
}

TEST(HeatSources, DieselSourceReleasesWaterWithItsHeat)
{
    CHeatSource s = Machine(CHeatSource::Diesel, 300.0, 100.0, 100.0, 1.0);
    const double lw = 2430000.0;
    ComputeEffect(s, lw, 300.0);
    EXPECT_NEAR(s.moistureRate, 100.0 * 1.0 * 1.0 * 0.3 / 3600.0, 1e-15);
    EXPECT_NEAR(s.moistureRate, 0.008333, 5e-7);
    EXPECT_DOUBLE_EQ(s.latentRate, lw * s.moistureRate);
    EXPECT_NEAR(s.sensibleRate + s.latentRate, 283000.0, 1e-6);
    EXPECT_EQ(s.eventText, "Diesel heat source at 300 m, sensible heat = 262.75 kW, latent heat = 20.25 kW");
    // Half utilization halves both the heat and the water.
    CHeatSource half = Machine(CHeatSource::Diesel, 300.0, 100.0, 50.0, 1.0);
    ComputeEffect(half, lw, 300.0);
    EXPECT_NEAR(half.moistureRate, s.moistureRate / 2.0, 1e-15);
    EXPECT_NEAR(half.sensibleRate + half.latentRate, 141500.0, 1e-6);
}

TEST(HeatSources, LinearSourceSharesItsHeatByLength)
{
    CHeatSource s = Linear(15.0, 30.0, 30.0, 6.0);
    const double expected[] = {0.0, 5.0 / 30.0, 10.0 / 30.0, 10.0 / 30.0, 5.0 / 30.0, 0.0};
    double sensibleSum = 0.0;
    int messages = 0;
    for (int i = 0; i < 6; ++i) {
        const double x = 10.0 * i;
        SCOPED_TRACE(x);
        const bool acts = AppliesTo(s, x, 10.0);
        EXPECT_EQ(acts, expected[i] > 0.0);
        if (!acts)
            continue;
        EXPECT_NEAR(s.fractionInInterval, expected[i], 1e-12);
        ComputeEffect(s, 2430000.0, x);
        EXPECT_NEAR(s.sensibleRate, expected[i] * 30000.0, 1e-9);
        EXPECT_NEAR(s.latentRate, expected[i] * 6000.0, 1e-9);
        EXPECT_NEAR(s.moistureRate, s.latentRate / 2430000.0, 1e-15);
        sensibleSum += s.sensibleRate;
        if (s.eventPending) {
            ++messages;
            EXPECT_EQ(x, 10.0);  // reported in the interval where it starts only
            EXPECT_EQ(s.eventText,
                      "Linear heat source starts at 15 m, length = 30 m, sensible heat = 30.00 kW, "
                      "latent heat = 6.00 kW");
        }
    }
    EXPECT_NEAR(sensibleSum, 30000.0, 1e-9);
    EXPECT_EQ(messages, 1);

    // Intervals that start between tenths of a metre: the share is measured
    // from the interval's own start, not from its rounded bound.
    CHeatSource along = Linear(0.0, 100.0, 30.0, 6.0);
    ASSERT_TRUE(AppliesTo(along, 12.34, 10.0));
    EXPECT_NEAR(along.fractionInInterval, 0.1, 1e-12);
    ASSERT_TRUE(AppliesTo(along, 95.06, 10.0));  // ends with the source at 100 m
    EXPECT_NEAR(along.fractionInInterval, 0.0494, 1e-12);
}

TEST(HeatSources, ShortLinearSourceActsWithoutMessage)
{
    // 2 m long at 15 m: shorter than the distance from the interval start
    // to its own start, so the start test fails although it acts.
    CHeatSource s = Linear(15.0, 2.0, 4.0, 0.0);
    ASSERT_TRUE(AppliesTo(s, 10.0, 10.0));
    EXPECT_DOUBLE_EQ(s.fractionInInterval, 1.0);
    ComputeEffect(s, 2430000.0, 10.0);
    EXPECT_DOUBLE_EQ(s.sensibleRate, 4000.0);
    EXPECT_EQ(s.eventPending, 0);
}

TEST(HeatSources, LinearSourceOfNoLengthActsAsAPointSource)
{
    // Its whole heat in the interval that holds its location, one message,
    // also when the location lies on an interval bound.
    for (double location : {15.0, 10.0}) {
        SCOPED_TRACE(location);
        CHeatSource s = Linear(location, 0.0, 8.0, 2.0);
        int acted = 0;
        for (int i = 0; i < 4; ++i) {
            const double x = 10.0 * i;
            if (!AppliesTo(s, x, 10.0))
                continue;
            ++acted;
            EXPECT_EQ(x, 10.0);
            EXPECT_EQ(s.fractionInInterval, 1.0);
            ComputeEffect(s, 2430000.0, x);
            EXPECT_DOUBLE_EQ(s.sensibleRate, 8000.0);
            EXPECT_DOUBLE_EQ(s.latentRate, 2000.0);
            EXPECT_EQ(s.eventPending, 1);
        }
        EXPECT_EQ(acted, 1);
    }
}

TEST(HeatSources, FanRegulator)
{
    CFanReg fan;
    fan.location = 50.0;
    fan.pressureChange = 0.5;
    fan.sensibleHeat = 20.0;
    EXPECT_FALSE(AppliesTo(fan, 40.0, 10.0));
    EXPECT_TRUE(fan.eventText.empty());
    EXPECT_TRUE(AppliesTo(fan, 50.0, 10.0));
    EXPECT_EQ(fan.eventText, "Fan/Reg object at 50 m, pressure = 0.500 kPa, sensible heat = 20.00 kW");

    CFanReg regulator;
    regulator.location = 5.0;
    regulator.pressureChange = -1.25;
    EXPECT_TRUE(AppliesTo(regulator, 0.0, 10.0));
    EXPECT_EQ(regulator.eventText, "Fan/Reg object at 5 m, pressure = -1.250 kPa, sensible heat = 0.00 kW");

    // Without a pressure change it does nothing, whatever its heat.
    CFanReg idle;
    idle.location = 50.0;
    idle.sensibleHeat = 50.0;
    EXPECT_FALSE(AppliesTo(idle, 50.0, 10.0));
}

TEST(HeatSources, LinearSourceOnIntervalBoundsHeatsOnlyTheStepsItCovers)
{
    // 20 m long from 20 m: both ends on bounds of 10 m steps. The steps
    // that end where it starts and start where it ends get nothing.
    CHeatSource s = Linear(20.0, 20.0, 10.0, 2.0);
    EXPECT_FALSE(AppliesTo(s, 10.0, 10.0));
    ASSERT_TRUE(AppliesTo(s, 20.0, 10.0));
    EXPECT_DOUBLE_EQ(s.fractionInInterval, 0.5);
    ASSERT_TRUE(AppliesTo(s, 30.0, 10.0));
    EXPECT_DOUBLE_EQ(s.fractionInInterval, 0.5);
    EXPECT_FALSE(AppliesTo(s, 40.0, 10.0));
    EXPECT_FALSE(AppliesTo(s, 40.0, 20.0));
    // Within a step it shares by the part it covers.
    CHeatSource inside = Linear(20.0, 5.0, 10.0, 2.0);
    ASSERT_TRUE(AppliesTo(inside, 20.0, 10.0));
    EXPECT_DOUBLE_EQ(inside.fractionInInterval, 1.0);
    EXPECT_FALSE(AppliesTo(inside, 25.0, 10.0));
}
