#pragma once
// The branch the engine benchmarks march: the default branch stretched to
// 4000 m with a 10 m output interval and one heat source of each kind.
#include "KalvexBranch.h"

inline void MakeLongBranch(CKalvexBranch& b, bool descending = true)
{
    b.length = 4000;
    b.outputInterval = 10;
    if (descending)
        b.depthOut = 400;
    else
        b.depthIn = 400;
    b.wetness = 0.3;
    b.ageIn = 100;
    b.ageOut = 3000;
    CHeatSource spot;
    spot.kind = CHeatSource::Spot;
    spot.location = 500;
    spot.sensibleHeat() = 20;
    spot.latentHeat() = 5;
    CHeatSource electric;
    electric.kind = CHeatSource::Electric;
    electric.location = 1200;
    electric.power() = 100;
    electric.utilization() = 50;
    CHeatSource diesel;
    diesel.kind = CHeatSource::Diesel;
    diesel.location = 2100;
    diesel.power() = 50;
    diesel.utilization() = 60;
    diesel.waterFuelRatio() = 1;
    CHeatSource linear;
    linear.kind = CHeatSource::Linear;
    linear.location = 2500;
    linear.length() = 1000;
    linear.sensibleHeat() = 40;
    linear.latentHeat() = 10;
    b.AddHeatSource(spot);
    b.AddHeatSource(electric);
    b.AddHeatSource(diesel);
    b.AddHeatSource(linear);
}
