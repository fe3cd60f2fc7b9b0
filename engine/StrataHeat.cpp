// Heat and moisture exchanged between the rock and the air: an infinite
// rock medium around a circular airway of the same perimeter, with a wet
// fraction of the surface exchanging vapour at a balanced temperature.
#include "AirProperties.h"
#include "ClimCalc.h"
#include "MessageTexts.h"
#include "SecantSolve.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
constexpr double kMinimumRockAge = 1.0;              // s
constexpr double kReynoldsFactor = 268000.0;         // 4 / kinematic viscosity
constexpr double kAirConductivity = 0.026;           // W/(m·°C)
constexpr double kFourStefanBoltzmann = 2.268e-7;    // W/(m²·K⁴)
constexpr double kEvaporationCoefficient = 0.0007;
}  // namespace

double CClimCalc::RockAge(double x) const
{
    return std::max(kMinimumRockAge, rockAgeAtIntake + rockAgeGradient * x);
}

double CClimCalc::VirginRockTemperature(double x) const { return vrtAtIntake + vrtGradient * x; }

double CClimCalc::ReynoldsNumber() const { return kReynoldsFactor * massFlow / (density * perimeter); }

double CClimCalc::ConvectiveCoefficient() const
{
    const double f = 2.0 * frictionFactor / density;  // friction coefficient
    const double re = ReynoldsNumber();
    return kAirConductivity / hydraulicDiameter * (0.35 * f * re) /
           (1.0 + 1.592 * (15.217 * f * std::pow(re, 0.2) - 1.0) / std::pow(re, 0.125));
}

double CClimCalc::RadiativeCoefficient() const
{
    const double t = dryBulb + air::kCelsiusToKelvin;
    return 0.104 * std::log(147.0 * 3.0 * moistureContent * hydraulicDiameter) * kFourStefanBoltzmann *
           (t * t * t);
}

double CClimCalc::HeatTransferCoefficient() const
{
    // Compared bit for bit, so that the value is exactly the one a new
    // calculation would give.
    const double inputs[7] = {massFlow, density, perimeter, frictionFactor, hydraulicDiameter, dryBulb,
                              moistureContent};
    CoefficientMemo& memo = coefficientMemo;
    if (memo.valid && std::memcmp(memo.inputs, inputs, sizeof inputs) == 0)
        return memo.value;
    memo.value = ConvectiveCoefficient() + RadiativeCoefficient();
    std::memcpy(memo.inputs, inputs, sizeof inputs);
    memo.valid = true;
    return memo.value;
}

double CClimCalc::FourierNumber(double x) const
{
    return diffusivity * RockAge(x) / (equivalentRadius * equivalentRadius);
}

double CClimCalc::FluxFunction(double x) const
{
    const double lf = std::log10(FourierNumber(x));
    const double lb = std::log10(heatTransferCoefficient * equivalentRadius / conductivity);
    const double p =
        ((((0.000104 * lf + 0.000997) * lf - 0.001419) * lf - 0.046223) * lf + 0.315553) * lf + 0.006003;
    const double u = lb + p;
    const double v = lb - p;
    const double w = (0.01 * std::atan(lf / 0.7048) + 0.0725) * (5.0 * lf + 216.0) / 70.0;
    const double z = lb - ((4.0 * lf - 34.0) * lf - 5.0) / 120.0;
    return std::pow(10.0, (v - std::sqrt(u * u + w)) / 2.0) / (0.949 + 0.1 * std::exp(-2.69035 * (z * z)));
}

void CClimCalc::StrataHeat(double x)
{
    heatTransferCoefficient = HeatTransferCoefficient();
    const double h = heatTransferCoefficient;
    const double r0 = equivalentRadius;
    const double td = dryBulb;
    const double e = vapourPressure;
    const double p = pressure;
    const double dx = stepLength;
    const double pm = perimeter;

    const double xm = x + dx / 2.0;
    fluxFunction = FluxFunction(xm);
    const double tv = VirginRockTemperature(xm);
    const double kg = fluxFunction * conductivity;
    const double qDry = (tv - td) * kg / r0;

    // Wet surface: rock conduction balances convection plus evaporation.
    double qSens = 0.0;
    double qLat = 0.0;
    double lw = 0.0;
    auto residual = [&](double ts) {
        const double tStar = (ts * h * r0 - kg * tv) / (r0 * h - kg);
        const double qRock = (tv - tStar) * kg / r0;
        qSens = (ts - td) * h;
        lw = LatentHeat(ts);
        qLat = kEvaporationCoefficient * h * lw * (SaturationPressure(ts) - e) / p;
        return qRock - qSens - qLat;
    };
    const double ts = SecantSolve(surfaceTemperature, residual, 0.001, 0.000001);

    if (qLat < 0.0) {
        // Vapour condenses on the rock, over the whole perimeter.
        strataSensibleHeat = qSens * pm * dx;
        strataLatentHeat = qLat * pm * dx;
        BeginCondensation(x);
        wallCondensation = 1;
    } else {
        strataSensibleHeat = qSens * pm * dx * wetness + qDry * pm * dx * (1.0 - wetness);
        strataLatentHeat = qLat * pm * dx * wetness;
        if (condensationReported && !airSaturated)
            EndCondensation(x);
        wallCondensation = 0;
    }
    surfaceTemperature = ts;
    evaporationRate = strataLatentHeat / lw;
    surfaceLatentHeat = lw;
}
