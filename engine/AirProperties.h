#pragma once
// Moist-air properties. Temperatures in °C, pressures in Pa, moisture
// content in kg of vapour per kg of dry air, enthalpy in J per kg of dry air.

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

double SaturationPressure(double t);
double LatentHeat(double t);
double VapourPressureFromBulbs(double td, double tw, double p);
double MoistureContent(double e, double p);
double VapourPressureFromMoisture(double x, double p);
double RelativeHumidity(double e, double td);
double Density(double p, double e, double td);
double Enthalpy(double td, double tw, double x);
double SigmaHeat(double h, double tw, double x);

// Wet bulb of air at td, p with vapour pressure e, iterated from twStart.
// May exceed td for supersaturated air. evaluations receives the residual
// count when given.
double WetBulbFromState(double td, double p, double e, double twStart, int* evaluations = nullptr);
