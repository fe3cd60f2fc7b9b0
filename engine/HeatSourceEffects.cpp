#include "HeatSourceEffects.h"

#include "FanReg.h"
#include "HeatSource.h"
#include "MessageTexts.h"
#include "NumberText.h"
#include "ShownRounding.h"

namespace {
constexpr double kDieselFuelPerKwh = 0.3;   // litres of fuel per kWh delivered
constexpr double kDieselHeatFactor = 28.3;  // W per kW rated per % utilization

bool HoldsPoint(const CIntervalBounds& interval, double location)
{
    return interval.c <= location && location < interval.d;
}
}  // namespace

CIntervalBounds::CIntervalBounds(double start, double length)
    : x(start), dx(length), c(RoundShown(start, 1)), d(RoundShown(start + length, 1))
{
}

bool AppliesTo(CHeatSource& source, const CIntervalBounds& interval)
{
    if (source.kind != CHeatSource::Linear)
        return HoldsPoint(interval, source.location);

    const double location = source.location;
    const double length = source.length();
    if (length == 0.0) {
        // A linear source of no length is a point source: its whole heat
        // goes into the interval that holds its location.
        if (!HoldsPoint(interval, location))
            return false;
        source.fractionInInterval = 1.0;
        return true;
    }
    if (!(location < interval.d && interval.c < location + length))
        return false;
    const double start = interval.c > location ? interval.x : location;
    const double end = interval.d < location + length ? interval.x + interval.dx : location + length;
    source.fractionInInterval = (end - start) / length;
    return true;
}

bool AppliesTo(CHeatSource& source, double x, double dx) { return AppliesTo(source, CIntervalBounds(x, dx)); }

void ComputeEffect(CHeatSource& source, double surfaceLatentHeat, double x)
{
    const double lw = surfaceLatentHeat;
    switch (source.kind) {
    case CHeatSource::Spot:
        source.sensibleRate = 1000.0 * source.sensibleHeat();
        source.latentRate = 1000.0 * source.latentHeat();
        source.moistureRate = source.latentRate / lw;
        SpotSourceText(source.eventText, source.location, source.sensibleRate / 1000.0,
                       source.latentRate / 1000.0);
        source.eventPending = 1;
        break;
    case CHeatSource::Electric:
        source.sensibleRate = source.power() * source.utilization() * 10.0;
        source.latentRate = 0.0;
        source.moistureRate = 0.0;
        ElectricSourceText(source.eventText, source.location, source.sensibleRate / 1000.0);
        source.eventPending = 1;
        break;
    case CHeatSource::Diesel:
        // One litre of water taken as one kilogram.
        source.moistureRate = source.power() * source.waterFuelRatio() * (source.utilization() / 100.0) *
                              kDieselFuelPerKwh / 3600.0;
        source.latentRate = lw * source.moistureRate;
        source.sensibleRate = source.utilization() * source.power() * kDieselHeatFactor - source.latentRate;
        DieselSourceText(source.eventText, source.location, source.sensibleRate / 1000.0,
                         source.latentRate / 1000.0);
        source.eventPending = 1;
        break;
    case CHeatSource::Linear: {
        const double length = source.length();
        source.sensibleRate = source.fractionInInterval * source.sensibleHeat() * 1000.0;
        source.latentRate = source.fractionInInterval * source.latentHeat() * 1000.0;
        source.moistureRate = source.latentRate / lw;
        // Reported in the interval where it starts; one of no length is
        // reported where it acts, as a point source is.
        const bool starts = length == 0.0 || (x <= source.location && source.location < x + length);
        if (starts) {
            LinearSourceText(source.eventText, source.location, length, source.sensibleHeat(),
                             source.latentHeat());
            source.eventPending = 1;
        } else {
            source.eventPending = 0;
        }
        break;
    }
    default:
        // Unknown kinds are refused by validation; release nothing.
        source.sensibleRate = 0.0;
        source.latentRate = 0.0;
        source.moistureRate = 0.0;
        source.eventPending = 0;
        break;
    }
}

bool AppliesTo(CFanReg& fanReg, const CIntervalBounds& interval)
{
    if (fanReg.pressureChange == 0.0 || !HoldsPoint(interval, fanReg.location))
        return false;
    FanRegText(fanReg.eventText, fanReg.location, fanReg.pressureChange, fanReg.sensibleHeat);
    return true;
}

bool AppliesTo(CFanReg& fanReg, double x, double dx) { return AppliesTo(fanReg, CIntervalBounds(x, dx)); }
