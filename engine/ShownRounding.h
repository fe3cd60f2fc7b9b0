#pragma once
// RoundDecimals for the engine's hot path: the same value, without the
// round trip through text for ordinary numbers.
#include "NumberText.h"

#include <cmath>

// Equal to RoundDecimals(value, decimals) for decimals 0 to 3. A value whose
// scaled form is large, not a number, or lies within a hair of a rounding
// tie takes the text round trip itself; every other value has one nearest
// whole number of units, which divided by the exact power of ten gives the
// double nearest to the printed text, as parsing it would.
inline double RoundShown(double value, int decimals)
{
    static constexpr double kScale[] = {1.0, 10.0, 100.0, 1000.0};
    if (decimals < 0 || decimals > 3)
        return RoundDecimals(value, decimals);
    const double scale = kScale[decimals];
    const double scaled = value * scale;
    // Below 2^30 the product is within 2.4e-7 of the exact one.
    if (!(std::fabs(scaled) < 1073741824.0))
        return RoundDecimals(value, decimals);
    // The floor through a whole number: exact below 2^30, and cheaper than
    // std::floor on processors without a rounding instruction.
    const auto truncated = static_cast<long long>(scaled);
    const double toward0 = static_cast<double>(truncated);
    const double whole = toward0 - static_cast<double>(scaled < toward0);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) < 1e-6)
        return RoundDecimals(value, decimals);
    // Without a branch: which way a value rounds is a coin toss for the
    // processor's branch prediction.
    const double units = whole + static_cast<double>(fraction >= 0.5);
    if (units == 0.0)
        return std::copysign(0.0, value);  // "-0.00" reads back as -0
    return units / scale;
}
