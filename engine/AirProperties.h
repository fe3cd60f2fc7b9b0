#pragma once
// Moist-air properties. Temperatures in °C, pressures in Pa, moisture
// content in kg of vapour per kg of dry air, enthalpy in J per kg of dry air.
#include <cmath>

namespace air {
inline constexpr double kCelsiusToKelvin = 273.15;
inline constexpr double kPsychrometerFactor = 1615.7556270096463;  // 1005 / 0.622, J/(kg·K)
inline constexpr double kMolarRatio = 0.622;
inline constexpr double kGasConstantDryAir = 287.04;
inline constexpr double kGasConstantVapour = 461.5;
inline constexpr double kSpecificHeatDryAir = 1005.0;
inline constexpr double kSpecificHeatVapour = 1884.0;
inline constexpr double kSpecificHeatWater = 4187.0;
}  // namespace air

// Small enough to be inlined into the engine's iterations.
inline double SaturationPressure(double t) { return 610.6 * std::exp(17.27 * t / (t + 237.3)); }
inline double LatentHeat(double t) { return (2502.5 - 2.386 * t) * 1000.0; }
inline double VapourPressureFromBulbs(double td, double tw, double p)
{
    return SaturationPressure(tw) - air::kPsychrometerFactor * p * (td - tw) / LatentHeat(tw);
}
inline double MoistureContent(double e, double p) { return air::kMolarRatio * e / (p - e); }
inline double VapourPressureFromMoisture(double x, double p) { return p * x / (x + air::kMolarRatio); }
inline double RelativeHumidity(double e, double td) { return e / SaturationPressure(td); }
inline double Density(double p, double e, double td)
{
    return (p - 0.378 * e) / (air::kGasConstantDryAir * (td + air::kCelsiusToKelvin));
}
inline double Enthalpy(double td, double tw, double x)
{
    return x * (air::kSpecificHeatWater * tw + LatentHeat(tw) + air::kSpecificHeatVapour * (td - tw)) +
           air::kSpecificHeatDryAir * td;
}
inline double SigmaHeat(double h, double tw, double x) { return h - air::kSpecificHeatWater * tw * x; }

// Wet bulb of air at td, p with vapour pressure e, iterated from twStart.
// May exceed td for supersaturated air. evaluations receives the residual
// count when given.
double WetBulbFromState(double td, double p, double e, double twStart, int* evaluations = nullptr);
