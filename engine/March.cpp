#include "March.h"

#include "ClimCalc.h"
#include "HeatSourceEffects.h"
#include "IntervalData.h"
#include "KalvexBranch.h"
#include "MessageTexts.h"
#include "NumberText.h"
#include "ShownRounding.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace {

// What one calculation interval may change, so that an interval whose
// result cannot be computed can be taken back.
struct MarchSnapshot {
    double dryBulb, wetBulb, pressure, moistureContent, vapourPressure, relativeHumidity;
    double density, enthalpy, sigmaHeat, massFlow, surfaceTemperature;
    double heatTransferCoefficient, fluxFunction;
    int airSaturated, wallCondensation, condensationReported;
    std::size_t messageCount;
    CBranchTotals totals;
    double sSum, lSum;
};

MarchSnapshot Take(const CClimCalc& c, const CBranchTotals& totals, double sSum, double lSum)
{
    MarchSnapshot s;
    s.dryBulb = c.dryBulb;
    s.wetBulb = c.wetBulb;
    s.pressure = c.pressure;
    s.moistureContent = c.moistureContent;
    s.vapourPressure = c.vapourPressure;
    s.relativeHumidity = c.relativeHumidity;
    s.density = c.density;
    s.enthalpy = c.enthalpy;
    s.sigmaHeat = c.sigmaHeat;
    s.massFlow = c.massFlow;
    s.surfaceTemperature = c.surfaceTemperature;
    s.heatTransferCoefficient = c.heatTransferCoefficient;
    s.fluxFunction = c.fluxFunction;
    s.airSaturated = c.airSaturated;
    s.wallCondensation = c.wallCondensation;
    s.condensationReported = c.condensationReported;
    s.messageCount = c.messages.size();
    s.totals = totals;
    s.sSum = sSum;
    s.lSum = lSum;
    return s;
}

void Restore(const MarchSnapshot& s, CClimCalc& c, CBranchTotals& totals, double& sSum, double& lSum)
{
    c.dryBulb = s.dryBulb;
    c.wetBulb = s.wetBulb;
    c.pressure = s.pressure;
    c.moistureContent = s.moistureContent;
    c.vapourPressure = s.vapourPressure;
    c.relativeHumidity = s.relativeHumidity;
    c.density = s.density;
    c.enthalpy = s.enthalpy;
    c.sigmaHeat = s.sigmaHeat;
    c.massFlow = s.massFlow;
    c.surfaceTemperature = s.surfaceTemperature;
    c.heatTransferCoefficient = s.heatTransferCoefficient;
    c.fluxFunction = s.fluxFunction;
    c.airSaturated = s.airSaturated;
    c.wallCondensation = s.wallCondensation;
    c.condensationReported = s.condensationReported;
    while (c.messages.size() > s.messageCount)
        c.messages.pop_back();
    totals = s.totals;
    sSum = s.sSum;
    lSum = s.lSum;
}

bool Finite(double v) { return std::isfinite(v); }

// The state after an interval can be marched on: every quantity a number,
// and pressure, density and moisture positive (the next heat transfer
// coefficient takes their logarithms and powers).
bool Computable(const CClimCalc& c, const CBranchTotals& t, double sSum, double lSum)
{
    return Finite(c.dryBulb) && Finite(c.wetBulb) && Finite(c.pressure) && Finite(c.moistureContent) &&
           Finite(c.vapourPressure) && Finite(c.relativeHumidity) && Finite(c.density) &&
           Finite(c.enthalpy) && Finite(c.sigmaHeat) && Finite(c.massFlow) && Finite(c.surfaceTemperature) &&
           Finite(c.surfaceLatentHeat) && c.pressure > 0.0 && c.density > 0.0 && c.moistureContent > 0.0 &&
           c.massFlow > 0.0 && Finite(t.strataSensible) && Finite(t.strataLatent) &&
           Finite(t.otherSensible) && Finite(t.otherLatent) && Finite(sSum) && Finite(lSum);
}

bool RowFinite(const CResultInterval& r)
{
    return Finite(r.distance) && Finite(r.dryBulb) && Finite(r.wetBulb) && Finite(r.pressure) &&
           Finite(r.moisture) && Finite(r.density) && Finite(r.humidity) && Finite(r.enthalpy) &&
           Finite(r.sigmaHeat) && Finite(r.dryWallTemp) && Finite(r.vrt) && Finite(r.meanSkinTemp) &&
           Finite(r.effectiveTemp) && Finite(r.wbgt) && Finite(r.strataLatent) && Finite(r.strataSensible) &&
           Finite(r.heatTransferCoeff);
}

}  // namespace

CResultInterval MakeResultRow(const CClimCalc& c, double x)
{
    CResultInterval row;
    row.distance = x;
    row.dryBulb = RoundShown(c.dryBulb, 2);
    row.wetBulb = RoundShown(c.wetBulb, 2);
    row.pressure = RoundShown(c.pressure / 1000.0, 3);
    row.moisture = RoundShown(c.moistureContent * 1000.0, 2);
    row.density = RoundShown(c.density, 3);
    row.humidity = RoundShown(c.relativeHumidity * 100.0, 2);
    row.enthalpy = RoundShown(c.enthalpy / 1000.0, 2);
    row.sigmaHeat = RoundShown(c.sigmaHeat / 1000.0, 2);
    row.dryWallTemp = RoundShown(c.dryWallTemperature, 2);
    row.vrt = RoundShown(c.vrt, 2);
    row.meanSkinTemp = RoundShown(c.meanSkinTemperature, 2);
    row.effectiveTemp = RoundShown(c.effectiveTemperature, 2);
    row.wbgt = RoundShown(c.wbgt, 2);
    row.strataLatent = RoundShown(c.strataLatentHeat / 1000.0, 2);
    row.strataSensible = RoundShown(c.strataSensibleHeat / 1000.0, 2);
    row.heatTransferCoeff = RoundShown(c.heatTransferCoefficient, 3);
    row.condensing = c.airSaturated || c.wallCondensation;
    return row;
}

CBranchTotals March(CKalvexBranch& branch, const CIntervalData& plan, CClimCalc& calc)
{
    std::vector<CResultInterval>& rows = branch.ResultList();
    rows.reserve(rows.size() + static_cast<std::size_t>(plan.outputCount) + 1);
    std::vector<CHeatSource>& sources = branch.HeatSourceList();
    CFanReg& fanReg = branch.fanReg;

    double x = 0.0;
    calc.stepLength = plan.stepLength;
    CBranchTotals totals;

    auto appendRow = [&](double at) {
        calc.EvaluatePoint(at);
        CResultInterval row = MakeResultRow(calc, at);
        if (!RowFinite(row)) {
            calc.messages.push_back(MarchStoppedText(at));
            return false;
        }
        rows.push_back(std::move(row));
        return true;
    };

    if (!appendRow(x))
        return totals;

    for (int k = 0; k < plan.outputCount; ++k) {
        int n = plan.stepsPerOutput;
        double dx = plan.stepLength;
        if (k == plan.outputCount - 1 && plan.hasRemainder) {
            n = plan.lastSteps;
            dx = plan.lastStepLength;
            calc.stepLength = plan.lastStepLength;
        }
        double sSum = 0.0;
        double lSum = 0.0;
        for (int step = 0; step < n; ++step) {
            const MarchSnapshot before = Take(calc, totals, sSum, lSum);
            const CIntervalBounds interval(x, dx);

            calc.StrataHeat(x);
            sSum += calc.strataSensibleHeat;
            lSum += calc.strataLatentHeat;
            double qs = calc.strataSensibleHeat;
            double mw = calc.evaporationRate;

            for (CHeatSource& source : sources) {
                if (!AppliesTo(source, interval))
                    continue;
                ComputeEffect(source, calc.surfaceLatentHeat, x);
                qs += source.sensibleRate;
                mw += source.moistureRate;
                totals.otherSensible += source.sensibleRate;
                totals.otherLatent += source.latentRate;
                if (source.eventPending)
                    calc.messages.push_back(source.eventText);
            }

            double dp = 0.0;
            if (AppliesTo(fanReg, interval)) {
                qs += 1000.0 * fanReg.sensibleHeat;
                totals.otherSensible += 1000.0 * fanReg.sensibleHeat;
                dp = 1000.0 * fanReg.pressureChange;
                calc.messages.push_back(fanReg.eventText);
            }

            const double start = x;
            x = x + dx;
            calc.AdvanceAir(qs, mw, dp, x);

            if (!Computable(calc, totals, sSum, lSum)) {
                Restore(before, calc, totals, sSum, lSum);
                calc.messages.push_back(MarchStoppedText(start));
                return totals;
            }
        }
        totals.strataSensible += sSum;
        totals.strataLatent += lSum;
        calc.strataSensibleHeat = sSum;
        calc.strataLatentHeat = lSum;
        if (!appendRow(x))
            return totals;
    }
    return totals;
}
