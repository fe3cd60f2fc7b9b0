#include "ClimCalc.h"

#include "AirProperties.h"
#include "KalvexBranch.h"
#include "KalvexDoc.h"
#include "MessageTexts.h"
#include "RunUi.h"

#include <cmath>
#include <numbers>

using namespace air;

namespace {
constexpr double kSecondsPerDay = 86400.0;
constexpr double kGravity = 9.81;
constexpr double kFrictionReferenceDensity = 1.2;
constexpr double kDryBulbMin = 0.0;
constexpr double kDryBulbMax = 120.0;
}  // namespace

CClimCalc::CClimCalc() { messages.reserve(16); }

void CClimCalc::SetWorker(const CKalvexDoc& doc)
{
    metabolicRate = doc.metabolicRate;
    clothingResistance = doc.clothingResistance;
    areaFactor = doc.areaFactor;
    vapourPermeability = doc.vapourPermeability;
    bodyViewFactor = doc.bodyViewFactor;
}

void CClimCalc::Initialise(const CKalvexBranch& branch)
{
    area = branch.area;
    perimeter = branch.perimeter;
    equivalentRadius = perimeter * 0.5 / std::numbers::pi;
    hydraulicDiameter = 4.0 * area / perimeter;
    frictionFactor = branch.frictionFactor;
    resistancePerMetre = frictionFactor * perimeter / (area * area * area);
    wetness = branch.wetness;
    diffusivity = branch.rockDiffusivity * 1e-6;
    conductivity = branch.rockConductivity;
    vrtAtIntake = branch.vrtIn;
    rockAgeGradient = (branch.ageOut - branch.ageIn) * kSecondsPerDay / branch.length;
    rockAgeAtIntake = branch.ageIn * kSecondsPerDay;
    if (std::fabs(branch.depthIn - branch.depthOut) < 1.0) {
        // A level branch: no autocompression, the geothermal step is unused.
        slope = 0.0;
        vrtGradient = 0.0;
    } else {
        slope = (branch.depthOut - branch.depthIn) / branch.length;
        vrtGradient = slope / branch.geothermalStep;
    }
    SetStateFromBulbs(branch.intakeDryBulb, branch.intakeWetBulb, branch.intakePressure * 1000.0);
    massFlow = density * branch.intakeQuantity;
    dryAirMassFlow = branch.intakeQuantity * (pressure - vapourPressure) /
                     (kGasConstantDryAir * (dryBulb + kCelsiusToKelvin));
    surfaceTemperature = wetBulb + 0.25 * (dryBulb - wetBulb);
}

void CClimCalc::SetStateFromBulbs(double td, double tw, double p)
{
    dryBulb = td;
    wetBulb = tw;
    pressure = p;
    vapourPressure = VapourPressureFromBulbs(td, tw, p);
    moistureContent = MoistureContent(vapourPressure, p);
    relativeHumidity = RelativeHumidity(vapourPressure, td);
    density = Density(p, vapourPressure, td);
    enthalpy = Enthalpy(td, tw, moistureContent);
    sigmaHeat = SigmaHeat(enthalpy, tw, moistureContent);
}

void CClimCalc::BeginCondensation(double x)
{
    if (!condensationReported) {
        messages.push_back(CondensationBeginsText(x));
        condensationReported = 1;
    }
}

void CClimCalc::EndCondensation(double x)
{
    messages.push_back(CondensationEndsText(x));
    condensationReported = 0;
}

void CClimCalc::CompleteState(double endDistance)
{
    vapourPressure = VapourPressureFromMoisture(moistureContent, pressure);
    wetBulb = WetBulbFromState(dryBulb, pressure, vapourPressure, wetBulb);
    relativeHumidity = RelativeHumidity(vapourPressure, dryBulb);

    if (relativeHumidity >= 1.0 || wetBulb >= dryBulb) {
        // Saturated: the surplus vapour condenses and leaves the air.
        dryBulb = wetBulb;
        vapourPressure = SaturationPressure(wetBulb);
        const double saturatedMoisture = MoistureContent(vapourPressure, pressure);
        massFlow = massFlow + (saturatedMoisture - moistureContent) * dryAirMassFlow;
        moistureContent = saturatedMoisture;
        relativeHumidity = 1.0;
        BeginCondensation(endDistance);
        airSaturated = 1;
    } else {
        if (condensationReported && !wallCondensation)
            EndCondensation(endDistance);
        airSaturated = 0;
    }

    density = Density(pressure, vapourPressure, dryBulb);
    enthalpy = Enthalpy(dryBulb, wetBulb, moistureContent);
    sigmaHeat = SigmaHeat(enthalpy, wetBulb, moistureContent);
}

void CClimCalc::AdvanceAir(double sensibleHeat, double moisture, double pressureGain, double endDistance)
{
    const double td = dryBulb;
    const double p = pressure;
    const double rho = density;
    const double m = massFlow;
    const double a = area;
    const double dx = stepLength;

    const double xNew = moistureContent + moisture / dryAirMassFlow;
    const double mNew = m + moisture;
    const double cp = (kSpecificHeatDryAir + kSpecificHeatVapour * xNew) / (1.0 + xNew);
    const double gasConstant = kGasConstantDryAir + kGasConstantVapour * xNew;
    const double f = 1.0 + xNew;

    const double gz = kGravity * slope * dx;  // autocompression, J/kg
    const double resistance = resistancePerMetre * dx;
    const double u0 = m / (rho * a);
    const double q0 = m / rho;
    const double q = sensibleHeat / m;

    // Three passes: temperature, density, volume flow and pressure at the
    // end of the interval refine one another.
    const double t1 = td + (q + gz) / cp + kCelsiusToKelvin;
    const double rho1 = (p + pressureGain) * f / (gasConstant * t1);
    const double q1 = mNew / rho1;
    const double qm1 = (q1 + q0) / 2.0;
    const double u1 = q1 / a;
    const double p1 = p + pressureGain +
                      (rho + rho1) / 2.0 *
                          ((u0 * u0 - u1 * u1) / 2.0 + gz - resistance * (qm1 * qm1) / kFrictionReferenceDensity);

    const double rho2 = p1 * f / (gasConstant * t1);
    const double q2 = mNew / rho2;
    const double qm2 = (q2 + q0) / 2.0;
    const double u2 = q2 / a;
    const double e2 = (u0 * u0 - u2 * u2) / 2.0 + gz;
    const double t2 = td + (e2 + q) / cp + kCelsiusToKelvin;
    const double p2 = p + pressureGain +
                      (rho + rho2) / 2.0 * (e2 - resistance * (qm2 * qm2) / kFrictionReferenceDensity);
    const double rho3 = p2 * f / (gasConstant * t2);
    const double q3 = mNew / rho3;

    const double u3 = q3 / a;
    const double e3 = gz + (u0 * u0 - u3 * u3) / 2.0;
    const double tdNew = td + (e3 + q) / cp;
    const double qm3 = (q0 + q3) / 2.0;
    const double pNew = p + pressureGain +
                        (rho + rho3) / 2.0 * (e3 - resistance * (qm3 * qm3) / kFrictionReferenceDensity);

    // Dry-bulb guard; NaN fails both comparisons and counts as out of limits.
    if (tdNew >= kDryBulbMin && tdNew <= kDryBulbMax) {
        moistureContent = xNew;
        massFlow = mNew;
        dryBulb = tdNew;
        pressure = pNew;
    } else if (ui) {
        ui->ShowGuardMessage(DryBulbGuardText(endDistance, tdNew > kDryBulbMax));
    }
    CompleteState(endDistance);
}

void CClimCalc::EvaluatePoint(double x)
{
    heatTransferCoefficient = HeatTransferCoefficient();
    fluxFunction = FluxFunction(x);
    vrt = VirginRockTemperature(x);
    dryWallTemperature =
        dryBulb + (conductivity / equivalentRadius / heatTransferCoefficient) * fluxFunction * (vrt - dryBulb);
    wbgt = WetBulbGlobeTemperature(wetBulb, dryBulb);
    effectiveTemperature = EffectiveTemperature();
    meanSkinTemperature = MeanSkinTemperature();
}
