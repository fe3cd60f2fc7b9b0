#pragma once
// The one rule type of every numeric input: a kind (text, integer, real),
// an inclusive range and the decimals a real is shown with. Table cells,
// dialog fields and the check before a run each hold an input to one.
#include <limits>

enum class FieldKind { Text, Integer, Real };

struct FieldRule {
    FieldKind kind = FieldKind::Text;
    double min = 0.0;
    double max = 0.0;
    int decimals = 0;  // a real value is shown with this many decimals

    // Inside the range, bounds included; NaN is outside every range.
    constexpr bool Holds(double value) const { return value >= min && value <= max; }
};

constexpr FieldRule TextField() { return {FieldKind::Text, 0.0, 0.0, 0}; }
constexpr FieldRule IntegerField(double min, double max) { return {FieldKind::Integer, min, max, 0}; }
constexpr FieldRule RealField(double min, double max, int decimals = 0) { return {FieldKind::Real, min, max, decimals}; }

// The smallest positive double: a range from it holds exactly the values
// greater than 0.
inline constexpr double kAboveZero = std::numeric_limits<double>::denorm_min();
