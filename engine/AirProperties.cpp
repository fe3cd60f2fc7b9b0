#include "AirProperties.h"

#include "SecantSolve.h"

#include <cmath>

using namespace air;

double SaturationPressure(double t) { return 610.6 * std::exp(17.27 * t / (t + 237.3)); }

double LatentHeat(double t) { return (2502.5 - 2.386 * t) * 1000.0; }

double VapourPressureFromBulbs(double td, double tw, double p)
{
    return SaturationPressure(tw) - kPsychrometerFactor * p * (td - tw) / LatentHeat(tw);
}

double MoistureContent(double e, double p) { return kMolarRatio * e / (p - e); }

double VapourPressureFromMoisture(double x, double p) { return p * x / (x + kMolarRatio); }

double RelativeHumidity(double e, double td) { return e / SaturationPressure(td); }

double Density(double p, double e, double td)
{
    return (p - 0.378 * e) / (kGasConstantDryAir * (td + kCelsiusToKelvin));
}

double Enthalpy(double td, double tw, double x)
{
    return x * (kSpecificHeatWater * tw + LatentHeat(tw) + kSpecificHeatVapour * (td - tw)) +
           kSpecificHeatDryAir * td;
}

double SigmaHeat(double h, double tw, double x) { return h - kSpecificHeatWater * tw * x; }

double WetBulbFromState(double td, double p, double e, double twStart, int* evaluations)
{
    auto residual = [td, p, e](double tw) {
        return SaturationPressure(tw) - kPsychrometerFactor * p * (td - tw) / LatentHeat(tw) - e;
    };
    return SecantSolve(twStart, residual, 0.1, 0.00001, evaluations);
}
