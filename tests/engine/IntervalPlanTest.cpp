#include "IntervalData.h"

#include <gtest/gtest.h>

namespace {
struct WorkedPlan {
    double length;
    double interval;
    int outputCount;
    int stepsPerOutput;
    double stepLength;
    int hasRemainder;
    int lastSteps;
    double lastStepLength;
};

// The covered length: regular output intervals plus the last one.
double Covered(const CIntervalData& plan)
{
    if (!plan.hasRemainder)
        return plan.outputCount * plan.stepsPerOutput * plan.stepLength;
    return (plan.outputCount - 1) * plan.stepsPerOutput * plan.stepLength + plan.lastSteps * plan.lastStepLength;
}
}  // namespace

TEST(IntervalPlan, WorkedPlans)
{
    const WorkedPlan plans[] = {
        {100, 10, 10, 1, 10.0, 0, 0, 0.0},         {100, 50, 2, 3, 50.0 / 3.0, 0, 0, 0.0},
        {100, 100, 1, 5, 20.0, 0, 0, 0.0},         {105, 10, 11, 1, 10.0, 1, 1, 5.0},
        {101, 10, 10, 1, 10.0, 1, 1, 11.0},        {61, 30, 2, 2, 15.0, 1, 2, 15.5},
        {100, 40, 3, 2, 20.0, 1, 1, 20.0},         {1000, 300, 4, 15, 20.0, 1, 5, 20.0},
        {100, 21, 5, 2, 10.5, 1, 1, 16.0},
    };
    for (const WorkedPlan& w : plans) {
        SCOPED_TRACE(testing::Message() << "L " << w.length << ", I " << w.interval);
        CIntervalData plan;
        plan.Plan(w.length, w.interval);
        EXPECT_EQ(plan.outputCount, w.outputCount);
        EXPECT_EQ(plan.stepsPerOutput, w.stepsPerOutput);
        EXPECT_DOUBLE_EQ(plan.stepLength, w.stepLength);
        EXPECT_EQ(plan.hasRemainder, w.hasRemainder);
        if (w.hasRemainder) {
            EXPECT_EQ(plan.lastSteps, w.lastSteps);
            EXPECT_DOUBLE_EQ(plan.lastStepLength, w.lastStepLength);
        }
        EXPECT_NEAR(Covered(plan), w.length, 1e-9);
    }
}

TEST(IntervalPlan, LengthEqualToTheOutputInterval)
{
    CIntervalData plan;
    plan.Plan(35, 35);
    EXPECT_EQ(plan.outputCount, 1);
    EXPECT_EQ(plan.hasRemainder, 0);
    EXPECT_EQ(plan.stepsPerOutput, 2);
    EXPECT_DOUBLE_EQ(plan.stepLength, 17.5);
}

TEST(IntervalPlan, CalculationIntervalsStayNearTwentyMetres)
{
    CIntervalData plan;
    plan.Plan(100, 20);
    EXPECT_EQ(plan.stepsPerOutput, 1);
    EXPECT_DOUBLE_EQ(plan.stepLength, 20.0);
    plan.Plan(105, 21);
    EXPECT_EQ(plan.stepsPerOutput, 2);
    EXPECT_DOUBLE_EQ(plan.stepLength, 10.5);
    // 20.5 m is tested as 20 but divided unrounded: one step of 20.5 m.
    plan.Plan(100, 20.5);
    EXPECT_EQ(plan.stepsPerOutput, 1);
    EXPECT_DOUBLE_EQ(plan.stepLength, 20.5);
    // 40.1 / 20 lies less than 0.01 above 2: two steps, not three.
    plan.Plan(100, 40.1);
    EXPECT_EQ(plan.stepsPerOutput, 2);
}

TEST(IntervalPlan, RemaindersOfOneAndTwoMetres)
{
    CIntervalData plan;
    plan.Plan(41, 10);  // 1 m left: absorbed, no extra row
    EXPECT_EQ(plan.outputCount, 4);
    EXPECT_EQ(plan.hasRemainder, 1);
    EXPECT_EQ(plan.lastSteps, 1);
    EXPECT_DOUBLE_EQ(plan.lastStepLength, 11.0);
    plan.Plan(42, 10);  // 2 m left: an extra output interval
    EXPECT_EQ(plan.outputCount, 5);
    EXPECT_EQ(plan.lastSteps, 1);
    EXPECT_DOUBLE_EQ(plan.lastStepLength, 2.0);
    plan.Plan(141, 50);  // 41 m left: three steps of 13.667 m
    EXPECT_EQ(plan.outputCount, 3);
    EXPECT_EQ(plan.lastSteps, 3);
    EXPECT_DOUBLE_EQ(plan.lastStepLength, 41.0 / 3.0);
}
