#include "IntervalData.h"

void CIntervalData::Plan(double length, double outputInterval)
{
    // Whole metres decide the counts; the unrounded interval sets the step.
    const int lm = static_cast<int>(length + 0.001);
    const int im = static_cast<int>(outputInterval + 0.001);
    outputCount = lm / im;

    if (im <= 20) {
        stepsPerOutput = 1;
        stepLength = outputInterval;
    } else {
        stepsPerOutput = static_cast<int>(outputInterval / 20.0 + 0.99);
        stepLength = outputInterval / stepsPerOutput;
    }

    const int remainder = lm - outputCount * im;
    lastSteps = 0;
    lastStepLength = 0.0;
    if (remainder == 0) {
        hasRemainder = 0;
    } else if (remainder < 2) {
        // A single metre is absorbed by the last regular output interval.
        lastSteps = stepsPerOutput;
        lastStepLength = stepLength + static_cast<double>(remainder) / stepsPerOutput;
        hasRemainder = 1;
    } else if (remainder <= 20) {
        lastSteps = 1;
        lastStepLength = remainder;
        outputCount += 1;
        hasRemainder = 1;
    } else {
        lastSteps = static_cast<int>(remainder / 20.0 + 0.99);
        lastStepLength = static_cast<double>(remainder) / lastSteps;
        outputCount += 1;
        hasRemainder = 1;
    }
}
