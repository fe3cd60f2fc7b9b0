#pragma once
// How a branch is divided: output intervals (one result row at the end of
// each), each made of calculation intervals of at most about 20 m.

class CIntervalData {
public:
    // Fills every field for a branch of the given length and output
    // interval (both m). Needs outputInterval >= 1 m; validation sees to it.
    void Plan(double length, double outputInterval);

    int outputCount = 0;
    int stepsPerOutput = 0;
    double stepLength = 0.0;
    int lastSteps = 0;
    double lastStepLength = 0.0;
    int hasRemainder = 0;  // the last output interval uses lastSteps / lastStepLength
};
