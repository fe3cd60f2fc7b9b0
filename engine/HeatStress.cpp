// Heat stress of the described worker: effective temperature, skin
// wettedness and the mean skin temperature of the skin heat balance.
#include "AirProperties.h"
#include "ClimCalc.h"
#include "SecantSolve.h"

#include <algorithm>
#include <cmath>

double CClimCalc::EffectiveTemperature() const
{
    if (area < 0.01)
        return 0.0;
    const double td = dryBulb;
    const double tw = wetBulb;
    const double v = std::min(massFlow / density / area, 3.5);
    const double h = 1.3 * v + 5.27 - 1.15 * std::exp(-2.0 * v);
    const double b = (td - tw) * (h - 1.35) + 141.61;
    return 20.0 + (17.0 * (h * (td - tw) + 8.33 * (tw - 20.0)) / b +
                   4.0 * (4.12 - 8.33 * (17.0 * h - (h - 1.35) * (tw - 20.0)) / b)) /
                      1.65176;
}

const CClimCalc::WettednessFit& CClimCalc::FitFor(double rate) const
{
    if (fit.rate == rate)
        return fit;
    const double m = rate;
    fit.rate = rate;
    if (m < 200.0) {
        fit.a3 = 2.554e-7 * m - 0.0001781265 - 8.557743 / std::pow(m, 2.218731);
        fit.a2 = 1063.187 / std::pow(m, 2.31927) + 0.012095 - 0.0000179735 * m;
        fit.a1 = 0.0003279531 * m - 0.194294 - 46903.0 / std::pow(m, 2.44229);
        fit.a0 = 924321.0 / std::pow(m, 2.651246) + 0.998117 - 0.001816454 * m;
    } else {
        fit.a3 = -0.0000397379 - 7.075456e-8 * m - 17.880231 / std::pow(m, 2.218441);
        fit.a2 = 2211.1688 / std::pow(m, 2.316119) + 3.359426e-6 * m + 0.002369825;
        fit.a1 = 0.005682282 - 0.0000586905 * m - 95583.18 / std::pow(m, 2.437565);
        fit.a0 = 1875636.0 / std::pow(m, 2.645912) + 0.0007958265 * m - 0.321605;
    }
    return fit;
}

double CClimCalc::BaseWettedness() const
{
    const double tw = wetBulb;
    const double m = metabolicRate;
    if (tw >= 33.0)
        return 1.0;
    if (tw <= 27.194 * std::exp(-0.004 * m))
        return 0.06;
    const WettednessFit& c = FitFor(m);
    const double w = ((c.a3 * tw + c.a2) * tw + c.a1) * tw + c.a0;
    return std::clamp(w, 0.06, 1.0);
}

namespace {
// Sweating rises steeply as the skin warms towards 38 °C; at 38 °C and
// above the skin is wholly wet.
double SweatingWettedness(double base, double tsk)
{
    if (tsk >= 38.0)
        return 1.0;
    if (tsk > 32.5)
        return std::min(1.0, base + 0.5 + 0.5 * std::sin(0.01745 * (31.85 * tsk - 762.0)));
    return base;
}
}  // namespace

double CClimCalc::SkinWettedness(double tsk) const
{
    return SweatingWettedness(tsk >= 38.0 ? 1.0 : BaseWettedness(), tsk);
}

CClimCalc::SkinHeatBalance CClimCalc::SkinBalance() const
{
    const double td = dryBulb;
    const double e = vapourPressure;
    const double p = pressure;
    const double v = massFlow / density / area;
    const double vEff = v <= 3.0 ? 0.8 * v + 0.6 : v;
    const double tex = 32.6 + 0.066 * td + 0.0002 * e;  // exhaled air
    const double esEx = SaturationPressure(tex);
    const double xex = 0.622 * esEx / (p - esEx);
    SkinHeatBalance balance;
    balance.calc = this;
    balance.startValue = 24.85 + 0.322 * td - 0.00165 * (td * td);
    balance.radiantTemperature = (dryWallTemperature + td) / 2.0;
    balance.convectiveCoefficient = 0.00878 * std::pow(p, 0.6) * std::sqrt(vEff);
    balance.respiratoryLoss = 1.7e-6 * metabolicRate * (1005.0 * tex + LatentHeat(tex) * xex - sigmaHeat);
    const double hc = balance.convectiveCoefficient;
    balance.dryResistance = 1.0 / (areaFactor * hc) + clothingResistance;
    balance.radiationFactor = 2.26e-7 * bodyViewFactor;
    balance.evaporationFactor = 0.0007 * hc;
    balance.vapourResistance = clothingResistance * hc / vapourPermeability + 1.0 / areaFactor;
    balance.wettedness = BaseWettedness();
    return balance;
}

double CClimCalc::SkinHeatBalance::Residual(double tsk) const
{
    const CClimCalc& c = *calc;
    const double td = c.dryBulb;
    const double e = c.vapourPressure;
    const double p = c.pressure;
    const double rcl = c.clothingResistance;
    const double tr = radiantTemperature;
    const double dry = (tsk - td) / dryResistance;  // through the clothing
    const double tcl = tsk - dry * rcl;              // clothing surface
    const double tm = (tr + tcl) / 2.0 + air::kCelsiusToKelvin;
    const double rad = radiationFactor * (tm * tm * tm) * (tcl - tr);
    const double he = evaporationFactor * LatentHeat(tsk) / p;
    const double evap =
        SweatingWettedness(wettedness, tsk) * he * (SaturationPressure(tsk) - e) / vapourResistance;
    return evap + rad + dry + respiratoryLoss - c.metabolicRate;
}

double CClimCalc::MeanSkinTemperature(int* evaluations) const
{
    const SkinHeatBalance balance = SkinBalance();
    return SecantSolve(balance.startValue, [&balance](double tsk) { return balance.Residual(tsk); }, 0.1, 0.00001,
                       evaluations);
}
