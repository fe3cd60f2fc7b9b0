#pragma once
// The engine's one root finder: a secant iteration that starts from an
// artificial previous point (x0 + 1, 10000). The constants shape the
// converged values within the tolerances, so they are part of the results.
#include <cmath>

// Returns the estimate at which |residual| fell below residualTolerance, or
// the step fell below stepTolerance, or the latest estimate after 200
// residual evaluations. evaluations, when given, receives the count.
template <typename Residual>
double SecantSolve(double x0, Residual&& residual, double residualTolerance, double stepTolerance,
                   int* evaluations = nullptr)
{
    double x = x0;
    double xPrev = x0 + 1.0;
    double rPrev = 10000.0;
    bool done = false;
    int count = 0;
    while (!done && count < 200) {
        const double r = residual(x);
        if (std::fabs(r) < residualTolerance) {
            done = true;
        } else {
            // Nudge an almost flat pair so the secant does not divide by zero.
            if (std::fabs(rPrev - r) < 0.01)
                rPrev = rPrev * 1.000001;
            const double xNew = xPrev + (x - xPrev) * rPrev / (rPrev - r);
            xPrev = x;
            rPrev = r;
            if (std::fabs(x - xNew) < stepTolerance)
                done = true;
            x = xNew;
        }
        ++count;
    }
    if (evaluations)
        *evaluations = count;
    return x;
}
