// Thermal work limit: the skin temperature at which the core sends the skin
// what the skin loses, and the metabolic rate that keeps that up.
#include "ThermalWorkLimit.h"

#include "AirProperties.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kCoreLimit = 38.2;          // °C
constexpr double kMaxSweatRate = 0.67;       // kg/(m²·h)
constexpr double kSweatLatentHeat = 2430.0;  // kJ/kg
constexpr double kLewisRatio = 16.5;

// Everything of the skin heat balance that does not depend on the skin
// temperature; pressures in kPa as the model's coefficients take them.
struct SkinBalance {
    double ta, pa, trad, fr;
    double hc, rcl, fcl, he, fpcl;

    explicit SkinBalance(const TwlConditions& c)
        : ta(c.dryBulb), pa(c.vapourPressure / 1000.0), trad(c.radiantTemperature), fr(c.postureFactor)
    {
        const double p = c.pressure / 1000.0;
        const double v = std::clamp(c.airSpeed, twl::kMinAirSpeed, twl::kMaxAirSpeed);
        hc = 0.608 * std::pow(p * v, 0.6);
        rcl = twl::kCloResistance * c.clothingInsulation;
        fcl = 1.0 + 0.3 * c.clothingInsulation;
        he = 1587.0 * hc * p / ((p - pa) * (p - pa));
        // Clothing that lets no vapour through would stop evaporation; the
        // model is not meant for it, and the permeability is kept positive.
        const double recl = rcl / (kLewisRatio * std::max(c.clothingPermeability, 1e-6));
        fpcl = 1.0 / (1.0 + fcl * he * recl);
    }

    // Core-to-skin heat at ts, W/m².
    static double CoreToSkin(double ts)
    {
        const double t6 = 0.1 * ts + 0.9 * kCoreLimit;
        const double kcs = 84.0 + 72.0 * std::tanh(1.3 * (t6 - 37.9));
        return kcs * (kCoreLimit - ts);
    }

    // What the core sends the skin less what the skin loses, W/m².
    double Surplus(double ts) const
    {
        const double k = 1.0 + (trad + ts) / 546.0;
        const double hr = 4.61 * k * k * k * fr;
        const double h = hr + hc;
        const double to = (hr * trad + hc * ta) / h;
        const double fcle = fcl / (1.0 + fcl * h * rcl);
        const double dry = fcle * h * (ts - to);

        const double emax = fpcl * fcl * he * (SaturationPressure(ts) / 1000.0 - pa);
        const double t6 = 0.1 * ts + 0.9 * kCoreLimit;
        const double sweat = std::min(0.42 + 0.44 * std::tanh(1.16 * (t6 - 37.4)), kMaxSweatRate);
        const double lambdaSweat = kSweatLatentHeat * sweat / 3.6;
        double evaporation;
        // Emax at or below zero (dew point above the skin) falls in the
        // last piece too: the skin then gains what condenses on it.
        if (lambdaSweat > 1.7 * emax) {
            evaporation = emax;
        } else {
            const double r = lambdaSweat / emax;
            evaporation = r < 0.46 ? lambdaSweat : lambdaSweat * std::exp(-0.4127 * std::pow(r - 0.46, 1.168));
        }
        return CoreToSkin(ts) - dry - evaporation;
    }
};

}  // namespace

double UnboundedThermalWorkLimit(const TwlConditions& conditions)
{
    if (!(conditions.pressure > conditions.vapourPressure))
        return 0.0;
    const SkinBalance balance(conditions);
    // The surplus falls as the skin warms. Bracket its zero below the core
    // limit, widening downwards, then close in by regula falsi (Illinois).
    double hi = kCoreLimit;
    double fHi = balance.Surplus(hi);
    if (!(fHi < 0.0))
        return 0.0;  // the skin gains heat even at core temperature
    double step = 2.0;
    double lo = hi - step;
    double fLo = balance.Surplus(lo);
    while (!(fLo > 0.0)) {
        if (!std::isfinite(fLo) || lo < -40.0)
            return 0.0;
        hi = lo;
        fHi = fLo;
        step *= 2.0;
        lo = hi - step;
        fLo = balance.Surplus(lo);
    }
    int side = 0;
    double ts = lo;
    for (int i = 0; i < 60 && hi - lo > 1e-5; ++i) {
        ts = (lo * fHi - hi * fLo) / (fHi - fLo);
        const double f = balance.Surplus(ts);
        if (f == 0.0)
            break;
        if (f > 0.0) {
            lo = ts;
            fLo = f;
            if (side == -1)
                fHi /= 2.0;
            side = -1;
        } else {
            hi = ts;
            fHi = f;
            if (side == 1)
                fLo /= 2.0;
            side = 1;
        }
    }
    // Respiration carries a share of the metabolic heat away as well.
    const double ta = conditions.dryBulb;
    const double pa = conditions.vapourPressure / 1000.0;
    return SkinBalance::CoreToSkin(ts) / (1.0 - 0.0014 * (34.0 - ta) - 0.0173 * (5.87 - pa));
}

TwlResult ThermalWorkLimit(const TwlConditions& conditions, double wetBulb)
{
    const double raw = UnboundedThermalWorkLimit(conditions);
    TwlResult result;
    result.inRange = raw >= twl::kLowerBound && raw <= twl::kUpperBound;
    result.value = std::clamp(std::isfinite(raw) ? raw : 0.0, twl::kLowerBound, twl::kUpperBound);
    result.zone = ZoneOf(result.value, conditions.dryBulb, wetBulb);
    return result;
}

TwlZone ZoneOf(double limit, double dryBulb, double wetBulb)
{
    // Zones go by the limit as shown, in whole W/m².
    const double shown = std::round(limit);
    if (shown < twl::kBufferFrom || dryBulb > twl::kWithdrawalDryBulb || wetBulb > twl::kWithdrawalWetBulb)
        return TwlZone::Withdrawal;
    if (shown < twl::kAcclimatizationFrom)
        return TwlZone::Buffer;
    if (shown <= twl::kUnrestrictedFrom)
        return TwlZone::Acclimatization;
    return TwlZone::Unrestricted;
}

const char* ZoneName(TwlZone zone)
{
    switch (zone) {
    case TwlZone::Withdrawal: return "Withdrawal";
    case TwlZone::Buffer: return "Buffer";
    case TwlZone::Acclimatization: return "Acclimatization";
    case TwlZone::Unrestricted: return "Unrestricted";
    }
    return "";
}
