#pragma once
// Thermal work limit: the highest metabolic rate (W/m²) an acclimatised,
// self-paced worker can keep up while the core stays at or below 38.2 °C and
// the sweat rate at or below 0.67 kg/(m²·h) (Brake and Bates, 2002). The
// model is valid from 60 to 380 W/m²; values beyond are held to the bound.

// The climate and the clothing the limit is worked out for. Engine units:
// °C, Pa, m/s.
struct TwlConditions {
    double dryBulb = 0.0;
    double vapourPressure = 0.0;       // Pa
    double pressure = 100000.0;        // Pa
    double radiantTemperature = 0.0;   // °C, mean radiant temperature
    double airSpeed = 0.2;             // m/s, held to 0.2 … 4
    double clothingInsulation = 0.0;   // clo
    double clothingPermeability = 0.45;
    double postureFactor = 0.73;       // share of the body that radiates
};

enum class TwlZone { Withdrawal, Buffer, Acclimatization, Unrestricted };

struct TwlResult {
    double value = 0.0;    // W/m², held to 60 … 380
    bool inRange = false;  // false when value is a bound
    TwlZone zone = TwlZone::Withdrawal;
};

namespace twl {
inline constexpr double kLowerBound = 60.0;
inline constexpr double kUpperBound = 380.0;
inline constexpr double kMinAirSpeed = 0.2;
inline constexpr double kMaxAirSpeed = 4.0;
inline constexpr double kCloResistance = 0.155;  // m²·K/W per clo of clothing
// Zone limits, W/m², and the temperatures above which work stops.
inline constexpr double kBufferFrom = 115.0;
inline constexpr double kAcclimatizationFrom = 140.0;
inline constexpr double kUnrestrictedFrom = 220.0;
inline constexpr double kWithdrawalDryBulb = 44.0;
inline constexpr double kWithdrawalWetBulb = 32.0;
}  // namespace twl

// The sustainable metabolic rate before it is held to the model's bounds;
// very hot air gives values at or below zero.
double UnboundedThermalWorkLimit(const TwlConditions& conditions);

// The limit held to its bounds, with its management zone.
TwlResult ThermalWorkLimit(const TwlConditions& conditions, double wetBulb);

// Zone of a limit: Withdrawal below 115 W/m² or when the dry bulb is above
// 44 °C or the wet bulb above 32 °C; then Buffer below 140, Acclimatization
// up to 220 and Unrestricted above.
TwlZone ZoneOf(double limit, double dryBulb, double wetBulb);
const char* ZoneName(TwlZone zone);
