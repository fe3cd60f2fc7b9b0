#include "AirProperties.h"

#include "SecantSolve.h"

#include <cmath>

using namespace air;

double WetBulbFromState(double td, double p, double e, double twStart, int* evaluations)
{
    const double pf = kPsychrometerFactor * p;
    auto residual = [td, pf, e](double tw) {
        return SaturationPressure(tw) - pf * (td - tw) / LatentHeat(tw) - e;
    };
    return SecantSolve(twStart, residual, 0.1, 0.00001, evaluations);
}
