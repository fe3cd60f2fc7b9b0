#include "AirProperties.h"
#include "ClimCalc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {
// 30 °C / 20 °C at 100 kPa in a 12 m² airway at the given velocity, with
// the default worker.
CClimCalc WorkerCalc(double velocity = 10.0 / 12.0)
{
    CClimCalc calc;
    calc.SetStateFromBulbs(30.0, 20.0, 100000.0);
    calc.area = 12.0;
    calc.massFlow = calc.density * calc.area * velocity;
    calc.dryWallTemperature = 31.15;
    calc.metabolicRate = 200.0;
    calc.clothingResistance = 0.0;
    calc.areaFactor = 1.0;
    calc.vapourPermeability = 0.45;
    calc.bodyViewFactor = 0.75;
    return calc;
}
}  // namespace

TEST(HeatStress, WetBulbGlobeTemperature)
{
    CClimCalc calc = WorkerCalc();
    calc.perimeter = 14.0;
    calc.equivalentRadius = 14.0 * 0.5 / std::numbers::pi;
    calc.hydraulicDiameter = 4.0 * 12.0 / 14.0;
    calc.frictionFactor = 0.01;
    calc.conductivity = 4.0;
    calc.diffusivity = 2e-6;
    calc.vrtAtIntake = 40.0;
    calc.EvaluatePoint(0.0);
    EXPECT_NEAR(calc.wbgt, 23.00, 1e-12);
}

TEST(HeatStress, EffectiveTemperature)
{
    EXPECT_NEAR(WorkerCalc().EffectiveTemperature(), 22.20, 0.005);
    // Velocities of 3.5 m/s and above all count as 3.5 m/s.
    const double atLimit = WorkerCalc(3.5).EffectiveTemperature();
    EXPECT_NEAR(atLimit, 19.56, 0.005);
    EXPECT_EQ(WorkerCalc(6.0).EffectiveTemperature(), atLimit);
    EXPECT_EQ(WorkerCalc(40.0).EffectiveTemperature(), atLimit);
    // Below 0.01 m² there is no airway to rate.
    CClimCalc tiny = WorkerCalc();
    tiny.area = 0.009;
    EXPECT_EQ(tiny.EffectiveTemperature(), 0.0);
}

TEST(HeatStress, SkinWettedness)
{
    CClimCalc calc = WorkerCalc();
    auto wettedness = [&calc](double tw, double tsk) {
        calc.wetBulb = tw;
        return calc.SkinWettedness(tsk);
    };
    // Low threshold for 200 W/m²: 27.194 exp(-0.8) = 12.22 °C.
    EXPECT_EQ(wettedness(12.2, 30.0), 0.06);
    EXPECT_GT(wettedness(12.3, 30.0), 0.06);
    EXPECT_NEAR(wettedness(25.0, 32.0), 0.672, 0.0005);
    EXPECT_NEAR(wettedness(20.0, 33.0), 0.373, 0.0005);  // blend above 32.5 °C included
    EXPECT_EQ(wettedness(30.0, 34.0), 1.0);
    EXPECT_EQ(wettedness(33.0, 20.0), 1.0);
    EXPECT_EQ(wettedness(10.0, 38.0), 1.0);
    // The fit below 200 W/m² has its own coefficients and stays within 0.06 to 1.
    calc.metabolicRate = 100.0;
    for (double tw = 0.0; tw < 33.0; tw += 0.5) {
        const double w = wettedness(tw, 30.0);
        EXPECT_GE(w, 0.06);
        EXPECT_LE(w, 1.0);
    }
    EXPECT_NE(wettedness(25.0, 32.0), 0.672);
}

TEST(HeatStress, MeanSkinTemperature)
{
    CClimCalc calc = WorkerCalc();
    const CClimCalc::SkinHeatBalance balance = calc.SkinBalance();
    EXPECT_NEAR(balance.startValue, 33.025, 1e-9);
    EXPECT_NEAR(balance.convectiveCoefficient, 9.882, 0.0005);
    EXPECT_NEAR(balance.respiratoryLoss, 23.06, 0.005);
    EXPECT_NEAR(calc.sigmaHeat, 56429.0, 0.05);
    int evaluations = 0;
    const double tsk = calc.MeanSkinTemperature(&evaluations);
    EXPECT_NEAR(tsk, 31.05, 0.005);
    EXPECT_EQ(evaluations, 6);
    EXPECT_LT(std::fabs(balance.Residual(tsk)), 0.1);
}

TEST(HeatStress, ClothingKeepsTheSkinWarmer)
{
    CClimCalc bare = WorkerCalc();
    CClimCalc clothed = WorkerCalc();
    clothed.clothingResistance = 0.11;
    clothed.areaFactor = 1.28;
    EXPECT_GT(clothed.MeanSkinTemperature(), bare.MeanSkinTemperature());
}
