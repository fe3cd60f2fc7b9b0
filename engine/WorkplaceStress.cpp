#include "WorkplaceStress.h"

#include "ClimCalc.h"

#include <cmath>

namespace {

std::string Between(const char* what, const char* range) { return std::string(what) + " must be between " + range; }
}  // namespace

std::string ReadingProblem(const CWorkplaceReading& r)
{
    for (double v : {r.dryBulb, r.wetBulb, r.pressure, r.wind, r.radiant, r.clothing, r.permeability, r.viewFactor,
                     r.metabolicRate})
        if (!std::isfinite(v))
            return "every value must be a number";
    if (r.wetBulb > r.dryBulb)
        return "the wet bulb is above the dry bulb";
    if (r.wind < 0.0)
        return "the wind speed is negative";
    if (r.dryBulb < 0.0 || r.dryBulb > 60.0)
        return Between("the dry bulb", "0 and 60 \u00B0C");
    if (r.radiant < 0.0 || r.radiant > 100.0)
        return Between("the radiant temperature", "0 and 100 \u00B0C");
    if (r.pressure < 50.0 || r.pressure > 200.0)
        return Between("the pressure", "50 and 200 kPa");
    if (r.clothing < 0.0 || r.clothing > 3.0)
        return Between("the clothing insulation", "0 and 3 clo");
    if (r.permeability < 0.1 || r.permeability > 1.0)
        return Between("the permeability", "0.1 and 1");
    if (r.viewFactor < 0.5 || r.viewFactor > 1.0)
        return Between("the view factor", "0.5 and 1");
    if (r.metabolicRate < 40.0 || r.metabolicRate > 400.0)
        return Between("the metabolic rate", "40 and 400 W/m\u00B2");
    return {};
}

CWorkplaceStress RateReading(const CWorkplaceReading& r)
{
    CClimCalc calc;
    calc.SetStateFromBulbs(r.dryBulb, r.wetBulb, r.pressure * 1000.0);
    // A unit cross-section carrying air at the reading's speed.
    calc.area = 1.0;
    calc.massFlow = calc.density * r.wind;
    calc.dryWallTemperature = r.radiant;
    calc.metabolicRate = r.metabolicRate;
    calc.clothingResistance = r.clothing * twl::kCloResistance;
    calc.areaFactor = 1.0 + 0.3 * r.clothing;
    calc.vapourPermeability = r.permeability;
    calc.bodyViewFactor = r.viewFactor;

    CWorkplaceStress stress;
    stress.wbgt = WetBulbGlobeTemperature(calc.wetBulb, calc.dryBulb);
    stress.effectiveTemperature = calc.EffectiveTemperature();
    stress.meanSkinTemperature = calc.MeanSkinTemperature();

    TwlConditions c;
    c.dryBulb = r.dryBulb;
    c.vapourPressure = calc.vapourPressure;
    c.pressure = calc.pressure;
    c.radiantTemperature = r.radiant;
    c.airSpeed = r.wind;
    c.clothingInsulation = r.clothing;
    c.clothingPermeability = r.permeability;
    c.postureFactor = r.viewFactor;
    stress.limit = ThermalWorkLimit(c, r.wetBulb);
    return stress;
}
