#include "Curve.h"
#include "FanReg.h"
#include "HeatSource.h"
#include "ResultInterval.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(HeatSource, SharedSlotsAreOneStoredValue)
{
    CHeatSource source;
    source.length() = 30.0;
    EXPECT_EQ(source.waterFuelRatio(), 30.0);
    source.power() = 75.0;
    EXPECT_EQ(source.sensibleHeat(), 75.0);
    source.utilization() = 80.0;
    EXPECT_EQ(source.latentHeat(), 80.0);
}

TEST(HeatSource, BuiltFromTextsOfEachKind)
{
    const CHeatSource diesel(CHeatSource::Diesel, {"120", "75", "80", "1.5", "LHD"});
    EXPECT_EQ(diesel.location, 120.0);
    EXPECT_EQ(diesel.power(), 75.0);
    EXPECT_EQ(diesel.utilization(), 80.0);
    EXPECT_EQ(diesel.waterFuelRatio(), 1.5);
    EXPECT_EQ(diesel.length(), 1.5);
    EXPECT_EQ(diesel.description, "LHD");

    const CHeatSource electric(CHeatSource::Electric, {"50", "200", "60", "pump"});
    EXPECT_EQ(electric.length(), 0.0);
    EXPECT_EQ(electric.power(), 200.0);
    EXPECT_EQ(electric.description, "pump");

    const CHeatSource linear(CHeatSource::Linear, {"15", "30", "5", "1", ""});
    EXPECT_EQ(linear.location, 15.0);
    EXPECT_EQ(linear.length(), 30.0);
    EXPECT_EQ(linear.sensibleHeat(), 5.0);
    EXPECT_EQ(linear.latentHeat(), 1.0);
    EXPECT_EQ(linear.description, "");

    const CHeatSource spot(CHeatSource::Spot, {"7.5m", "x", "-2", "rock"});
    EXPECT_EQ(spot.location, 7.5);
    EXPECT_EQ(spot.sensibleHeat(), 0.0);  // no number stores 0
    EXPECT_EQ(spot.latentHeat(), -2.0);

    const CHeatSource unknown(7, {"1", "2", "3", "4", "5"});
    EXPECT_EQ(unknown.location, 0.0);
    EXPECT_EQ(unknown.power(), 0.0);
    EXPECT_EQ(unknown.description, "");
}

TEST(HeatSource, ShortTextListIsRefused)
{
    EXPECT_THROW(CHeatSource(CHeatSource::Spot, {"1", "2", "3"}), std::invalid_argument);
    EXPECT_THROW(CHeatSource(CHeatSource::Diesel, {"1", "2", "3", "4"}), std::invalid_argument);
    EXPECT_THROW(CHeatSource(CHeatSource::Linear, {}), std::invalid_argument);
    EXPECT_NO_THROW(CHeatSource(9, {}));
}

TEST(HeatSource, CopyDropsScratchValues)
{
    CHeatSource source(CHeatSource::Linear, {"15", "30", "5", "1", "conveyor"});
    source.fractionInInterval = 0.5;
    source.sensibleRate = 2500.0;
    source.latentRate = 500.0;
    source.moistureRate = 0.0002;
    source.eventText = "acting";
    source.eventPending = 1;

    const CHeatSource copy(source);
    EXPECT_EQ(copy.kind, CHeatSource::Linear);
    EXPECT_EQ(copy.length(), 30.0);
    EXPECT_EQ(copy.description, "conveyor");
    EXPECT_EQ(copy.fractionInInterval, 0.0);
    EXPECT_EQ(copy.sensibleRate, 0.0);
    EXPECT_EQ(copy.latentRate, 0.0);
    EXPECT_EQ(copy.moistureRate, 0.0);
    EXPECT_EQ(copy.eventText, "");
    EXPECT_EQ(copy.eventPending, 0);

    CHeatSource assigned;
    assigned = source;
    EXPECT_EQ(assigned.sensibleRate, 0.0);
    EXPECT_EQ(assigned.sensibleHeat(), 5.0);
}

TEST(HeatSource, ColumnTextsShowSharedSlotsWithTheirDecimals)
{
    const CHeatSource diesel(CHeatSource::Diesel, {"120.4", "75.256", "80.25", "1.46", "LHD"});
    std::string text;
    ASSERT_TRUE(diesel.GetColumnText(201, text));
    EXPECT_EQ(text, "120");
    diesel.GetColumnText(202, text);
    EXPECT_EQ(text, "1");
    diesel.GetColumnText(207, text);
    EXPECT_EQ(text, "1.5");
    diesel.GetColumnText(203, text);
    EXPECT_EQ(text, "75.26");
    diesel.GetColumnText(206, text);
    EXPECT_EQ(text, "80.2");  // an exact tie, resolved as printf does
    diesel.GetColumnText(208, text);
    EXPECT_EQ(text, "LHD");
    text = "unchanged";
    EXPECT_FALSE(diesel.GetColumnText(200, text));
    EXPECT_FALSE(diesel.GetColumnText(209, text));
    EXPECT_EQ(text, "unchanged");
}

TEST(ResultInterval, ValuesAndTextsByColumn)
{
    CResultInterval row;
    row.distance = 12.5;
    row.dryBulb = 30.456;
    row.pressure = 100.1234;
    row.density = 1.15;
    row.heatTransferCoeff = 7.0344;
    row.wbgt = 23.0;
    double value = -1.0;
    EXPECT_FALSE(row.GetColumnValue(100, value));
    EXPECT_FALSE(row.GetColumnValue(118, value));
    EXPECT_EQ(value, -1.0);
    ASSERT_TRUE(row.GetColumnValue(101, value));
    EXPECT_EQ(value, 12.5);
    ASSERT_TRUE(row.GetColumnValue(106, value));
    EXPECT_EQ(value, 1.15);
    ASSERT_TRUE(row.GetColumnValue(114, value));
    EXPECT_EQ(value, 23.0);

    std::string text;
    row.GetColumnText(101, text);
    EXPECT_EQ(text, "12");  // %.0f of an exact .5 tie
    row.GetColumnText(102, text);
    EXPECT_EQ(text, "30.46");
    row.GetColumnText(104, text);
    EXPECT_EQ(text, "100.123");
    row.GetColumnText(106, text);
    EXPECT_EQ(text, "1.150");
    row.GetColumnText(110, text);
    EXPECT_EQ(text, "0.0");
    row.GetColumnText(117, text);
    EXPECT_EQ(text, "7.034");
    EXPECT_FALSE(row.GetColumnText(100, text));
}

TEST(ResultInterval, MessageRowsCarryOnlyText)
{
    const CResultInterval message = CResultInterval::Message("Condensation begins at 40 m");
    EXPECT_TRUE(message.isMessage);
    EXPECT_FALSE(message.condensing);
    EXPECT_EQ(message.messageText, "Condensation begins at 40 m");
    for (std::uint16_t id = 101; id <= 117; ++id) {
        double value = -1.0;
        ASSERT_TRUE(message.GetColumnValue(id, value));
        EXPECT_EQ(value, 0.0) << id;
    }
}

TEST(SmallRecords, DefaultsAreZero)
{
    const CFanReg fan;
    EXPECT_EQ(fan.location, 0.0);
    EXPECT_EQ(fan.pressureChange, 0.0);
    EXPECT_EQ(fan.description, "");
    const CCurve curve;
    EXPECT_EQ(curve.plotIndex, 0);
    EXPECT_EQ(curve.xMax, 0.0);
    EXPECT_EQ(curve.minorTickSpacing, 0);
}
