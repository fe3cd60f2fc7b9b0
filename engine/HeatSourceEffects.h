#pragma once
// Where heat sources and the fan/regulator act in the march, and what they
// release. The records only hold the values; the engine's rules live here.
class CHeatSource;
class CFanReg;

// One calculation interval [x, x + dx] with its bounds rounded to 0.1 m,
// the rounding every placement test uses.
struct CIntervalBounds {
    CIntervalBounds(double start, double length);
    double x;
    double dx;
    double c;  // start, rounded
    double d;  // end, rounded
};

// Whether the source acts in the interval; a linear source also gets its
// share of the interval in fractionInInterval.
bool AppliesTo(CHeatSource& source, const CIntervalBounds& interval);
bool AppliesTo(CHeatSource& source, double x, double dx);

// Sensible, latent and moisture rates of the source for the interval
// starting at x, and its message when it reports one. surfaceLatentHeat is
// the latent heat at the rock surface (J/kg).
void ComputeEffect(CHeatSource& source, double surfaceLatentHeat, double x);

// Whether the fan/regulator acts in the interval; it then gets its message.
bool AppliesTo(CFanReg& fanReg, const CIntervalBounds& interval);
bool AppliesTo(CFanReg& fanReg, double x, double dx);
