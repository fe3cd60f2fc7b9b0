#include "AirProperties.h"
#include "ClimCalc.h"
#include "SecantSolve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

TEST(AirProperties, SaturationPressureAndLatentHeat)
{
    EXPECT_EQ(SaturationPressure(0.0), 610.6);
    EXPECT_NEAR(SaturationPressure(20.0), 2337.52, 0.005);
    EXPECT_NEAR(SaturationPressure(30.0), 4241.68, 0.005);
    EXPECT_EQ(LatentHeat(0.0), 2502500.0);
    EXPECT_NEAR(LatentHeat(20.0), 2454780.0, 1e-6);
}

TEST(AirProperties, StateFromBulbsGivesEveryDerivedValue)
{
    CClimCalc calc;
    calc.SetStateFromBulbs(30.0, 20.0, 100000.0);
    EXPECT_EQ(calc.dryBulb, 30.0);
    EXPECT_EQ(calc.wetBulb, 20.0);
    EXPECT_EQ(calc.pressure, 100000.0);
    EXPECT_NEAR(calc.vapourPressure, 1679.31, 0.005);
    EXPECT_NEAR(calc.moistureContent, 0.0106237, 5e-8);
    EXPECT_NEAR(calc.relativeHumidity, 0.3959, 5e-5);
    EXPECT_NEAR(calc.density, 1.1419, 5e-5);
    EXPECT_NEAR(calc.enthalpy, 57318.6, 0.05);
    EXPECT_NEAR(calc.sigmaHeat, 56429.0, 0.05);
}

TEST(AirProperties, EqualBulbsAreSaturated)
{
    CClimCalc calc;
    calc.SetStateFromBulbs(25.0, 25.0, 100000.0);
    EXPECT_EQ(calc.vapourPressure, SaturationPressure(25.0));
    EXPECT_EQ(calc.relativeHumidity, 1.0);
}

TEST(AirProperties, ConversionsRoundTrip)
{
    const double p = 100000.0;
    const double e = VapourPressureFromBulbs(30.0, 20.0, p);
    EXPECT_NEAR(VapourPressureFromMoisture(MoistureContent(e, p), p), e, 1e-9);
    EXPECT_NEAR(RelativeHumidity(e, 30.0) * SaturationPressure(30.0), e, 1e-9);
    // Sigma heat leaves out the sensible heat of the water at the wet bulb.
    const double x = MoistureContent(e, p);
    EXPECT_NEAR(Enthalpy(30.0, 20.0, x) - SigmaHeat(Enthalpy(30.0, 20.0, x), 20.0, x), 4187.0 * 20.0 * x, 1e-9);
}

TEST(AirProperties, WetBulbFromState)
{
    const double p = 100000.0;
    const double e = VapourPressureFromBulbs(30.0, 20.0, p);
    int evaluations = 0;
    // Started at the true wet bulb: one evaluation, value unchanged.
    EXPECT_EQ(WetBulbFromState(30.0, p, e, 20.0, &evaluations), 20.0);
    EXPECT_EQ(evaluations, 1);
    // Started elsewhere: found again within the residual tolerance of 0.1 Pa.
    const double tw = WetBulbFromState(30.0, p, e, 26.0, &evaluations);
    EXPECT_NEAR(tw, 20.0, 0.001);
    EXPECT_GT(evaluations, 1);
    // Supersaturated air has a wet bulb above its dry bulb.
    EXPECT_GT(WetBulbFromState(20.0, p, SaturationPressure(20.0) * 1.1, 20.0), 20.0);
}

namespace {
// A residual that returns scripted values and records where it was asked.
struct Scripted {
    std::vector<double> values;
    std::vector<double>* asked;
    std::size_t next = 0;
    double operator()(double x)
    {
        asked->push_back(x);
        const double r = values[std::min(next, values.size() - 1)];
        ++next;
        return r;
    }
};
}  // namespace

TEST(SecantSolve, FirstStepUsesTheArtificialPoint)
{
    // A straight line 1000 (x - 3) from 0: the first step runs towards the
    // artificial point (1, 10000), the second is a true secant step that
    // lands on the root.
    std::vector<double> asked;
    int evaluations = 0;
    const double root = SecantSolve(
        0.0, [&asked](double x) { asked.push_back(x); return 1000.0 * (x - 3.0); }, 1e-6, 1e-12, &evaluations);
    ASSERT_GE(asked.size(), 2u);
    EXPECT_EQ(asked[0], 0.0);
    EXPECT_DOUBLE_EQ(asked[1], 1.0 + (0.0 - 1.0) * 10000.0 / (10000.0 + 3000.0));
    EXPECT_NEAR(root, 3.0, 1e-6);
    EXPECT_EQ(evaluations, 3);
}

TEST(SecantSolve, NudgesAnAlmostFlatPair)
{
    // Residuals 5 then 5.001 differ by less than 0.01: the previous one is
    // multiplied by 1.000001 before the step.
    std::vector<double> asked;
    Scripted residual{{5.0, 5.001, 0.0}, &asked};
    SecantSolve(0.0, residual, 1e-6, 1e-300);
    ASSERT_EQ(asked.size(), 3u);
    const double x1 = 1.0 + (0.0 - 1.0) * 10000.0 / (10000.0 - 5.0);
    EXPECT_DOUBLE_EQ(asked[1], x1);
    const double nudged = 5.0 * 1.000001;
    EXPECT_DOUBLE_EQ(asked[2], 0.0 + (x1 - 0.0) * nudged / (nudged - 5.001));
}

TEST(SecantSolve, StopsOnTheStepTolerance)
{
    // Two steps closer than the tolerance end the iteration with the new value.
    std::vector<double> asked;
    int evaluations = 0;
    const double x = SecantSolve(
        0.0, [&asked](double v) { asked.push_back(v); return v - 3.0; }, 1e-12, 10.0, &evaluations);
    EXPECT_EQ(evaluations, 1);
    EXPECT_DOUBLE_EQ(x, 1.0 + (0.0 - 1.0) * 10000.0 / (10000.0 + 3.0));
}

TEST(SecantSolve, GivesUpAfterTwoHundredEvaluations)
{
    // No root and tolerances that can never be met: exactly 200 residual
    // evaluations, then the latest estimate.
    int calls = 0;
    int evaluations = 0;
    SecantSolve(
        0.5, [&calls](double x) { ++calls; return 1.0 + x * x; }, 0.0, 0.0, &evaluations);
    EXPECT_EQ(calls, 200);
    EXPECT_EQ(evaluations, 200);
}
