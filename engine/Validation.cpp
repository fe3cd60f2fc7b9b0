#include "Validation.h"

#include "AirProperties.h"
#include "HeatSource.h"
#include "KalvexBranch.h"
#include "KalvexDoc.h"

#include <cmath>
#include <string>
#include <utility>

namespace {

constexpr double kPi = 3.141592654;

// Inclusive range; NaN is outside every range.
bool Within(double value, double low, double high) { return value >= low && value <= high; }

// Positive and at most high; NaN fails.
bool PositiveUpTo(double value, double high) { return value > 0.0 && value <= high; }

class ErrorList {
public:
    ErrorList(std::vector<std::string>& list, std::string prefixText)
        : errors(list), prefix(std::move(prefixText))
    {
    }
    void Check(bool ok, const char* text)
    {
        if (!ok)
            Add(text);
    }
    void Add(const std::string& text)
    {
        errors.push_back(prefix + text);
        failed = true;
    }
    bool failed = false;

private:
    std::vector<std::string>& errors;
    std::string prefix;
};

const char* IntakeAirText(IntakeAirProblem problem)
{
    switch (problem) {
    case IntakeAirProblem::NotANumber:
        return "Intake dry bulb, wet bulb and pressure must be numbers.";
    case IntakeAirProblem::NoPressure:
        return "Intake pressure must be greater than zero.";
    case IntakeAirProblem::TooDry:
        return "Wet bulb too low relative to dry bulb and pressure (the intake air would hold no "
               "moisture).";
    case IntakeAirProblem::VapourTooHigh:
        return "Wet bulb too high for the pressure (the intake vapour pressure would not be below "
               "the barometric pressure).";
    case IntakeAirProblem::None:
        break;
    }
    return "";
}

void CheckHeatSources(const CKalvexBranch& branch, ErrorList& list)
{
    for (int i = 0; i < branch.HeatSourceCount(); ++i) {
        const CHeatSource& s = branch.HeatSourceAt(i);
        const std::string which = "Heat source " + std::to_string(i + 1) + ": ";
        if (s.kind > CHeatSource::Linear) {
            list.Add(which + "unknown kind of heat source.");
            continue;
        }
        if (!Within(s.location, 0.0, 1e9))
            list.Add(which + "location must be a number not less than 0 m.");
        if (s.kind == CHeatSource::Spot || s.kind == CHeatSource::Linear) {
            if (s.kind == CHeatSource::Linear && !Within(s.length(), 0.0, 1e9))
                list.Add(which + "length must be a number not less than 0 m.");
            if (!Within(s.sensibleHeat(), -10000.0, 10000.0))
                list.Add(which + "sensible heat must be between -10,000 and 10,000 kW.");
            if (!Within(s.latentHeat(), -10000.0, 10000.0))
                list.Add(which + "latent heat must be between -10,000 and 10,000 kW.");
        } else {
            if (!Within(s.power(), 0.0, 10000.0))
                list.Add(which + "power must be between 0 and 10,000 kW.");
            if (!Within(s.utilization(), 0.0, 100.0))
                list.Add(which + "utilization must be between 0 and 100 %.");
            if (s.kind == CHeatSource::Diesel && !Within(s.waterFuelRatio(), 0.0, 100.0))
                list.Add(which + "water/fuel ratio must be between 0 and 100 l / l.");
        }
    }
}

}  // namespace

IntakeAirProblem CheckIntakeAir(double dryBulb, double wetBulb, double pressureKpa)
{
    if (!std::isfinite(dryBulb) || !std::isfinite(wetBulb) || !std::isfinite(pressureKpa))
        return IntakeAirProblem::NotANumber;
    if (!(pressureKpa > 0.0))
        return IntakeAirProblem::NoPressure;
    const double p = pressureKpa * 1000.0;
    const double e = VapourPressureFromBulbs(dryBulb, wetBulb, p);
    if (!(e > 0.0))
        return IntakeAirProblem::TooDry;
    if (!(e < p))
        return IntakeAirProblem::VapourTooHigh;
    return IntakeAirProblem::None;
}

bool ValidateBranch(const CKalvexBranch& b, std::vector<std::string>& errors, int index, bool intakeFromSources)
{
    std::string prefix;
    if (index >= 0)
        prefix = std::to_string(index + 1) + " - " + b.name + ": ";
    ErrorList list(errors, prefix);

    list.Check(!(std::fabs(b.depthIn - b.depthOut) > b.length),
               "Change in depth must be less than or equal to length.");
    list.Check(!(b.length < b.outputInterval), "Ouput interval must be less than or equal to length.");
    list.Check(!(b.intakeDryBulb < b.intakeWetBulb), "Wet bulb must be less than or equal to dry bulb.");
    list.Check(!(2.0 * std::sqrt(kPi * b.area) > b.perimeter), "Perimeter too small relative to area.");

    // Values a document file may hold although no input field accepts them.
    list.Check(Within(b.outputInterval, 2.0, 4000.0), "Output interval must be between 2 and 4000 m.");
    list.Check(Within(b.length, 2.0, 4000.0), "Length must be between 2 and 4000 m.");
    list.Check(Within(b.depthIn, 0.0, 20000.0), "Depth at inlet must be between 0 and 20,000 m.");
    list.Check(Within(b.depthOut, 0.0, 20000.0), "Depth at outlet must be between 0 and 20,000 m.");
    list.Check(PositiveUpTo(b.area, 1000.0), "Area must be greater than 0 and at most 1000 m\u00B2.");
    list.Check(PositiveUpTo(b.perimeter, 1000.0), "Perimeter must be greater than 0 and at most 1000 m.");
    list.Check(Within(b.frictionFactor, 0.0, 1.0), "Friction factor must be between 0 and 1 kg/m\u00B3.");
    list.Check(Within(b.wetness, 0.0, 1.0), "Wetness must be between 0 and 1.");
    list.Check(Within(b.ageIn, 0.0, 36500.0), "Age at inlet must be between 0 and 36,500 days.");
    list.Check(Within(b.ageOut, 0.0, 36500.0), "Age at outlet must be between 0 and 36,500 days.");
    list.Check(Within(b.intakeQuantity, 0.1, 10000.0), "Quantity must be between 0.1 and 10,000 m\u00B3/s.");

    if (intakeFromSources) {
        // The run mixes the intake air; only the additional air is used.
        list.Check(Within(b.addedQuantity, 0.0, 100.0),
                   "Additional air quantity must be between 0 and 100 m\u00B3/s.");
        list.Check(Within(b.addedDryBulb, 0.0, 120.0),
                   "Additional air dry bulb must be between 0 and 120 \u00B0C.");
        list.Check(Within(b.addedWetBulb, 0.0, 100.0),
                   "Additional air wet bulb must be between 0 and 100 \u00B0C.");
    } else if (!b.SourceBranchIds().empty()) {
        // Intake air written by an earlier mixture may lie outside the input
        // ranges (a mean pressure, a warm outlet); it only has to be usable.
        const IntakeAirProblem problem = CheckIntakeAir(b.intakeDryBulb, b.intakeWetBulb, b.intakePressure);
        if (problem != IntakeAirProblem::None)
            list.Add(IntakeAirText(problem));
    } else {
        list.Check(Within(b.intakePressure, 40.0, 300.0), "Pressure must be between 40 and 300 kPa.");
        list.Check(Within(b.intakeDryBulb, 0.0, 120.0), "Dry bulb must be between 0 and 120 \u00B0C.");
        list.Check(Within(b.intakeWetBulb, 0.0, 100.0), "Wet bulb must be between 0 and 100 \u00B0C.");
        if (Within(b.intakePressure, 40.0, 300.0) && Within(b.intakeDryBulb, 0.0, 120.0) &&
            Within(b.intakeWetBulb, 0.0, 100.0)) {
            const IntakeAirProblem problem = CheckIntakeAir(b.intakeDryBulb, b.intakeWetBulb, b.intakePressure);
            if (problem != IntakeAirProblem::None)
                list.Add(IntakeAirText(problem));
        }
    }

    list.Check(Within(b.vrtIn, 0.0, 1000.0), "VRT at inlet must be between 0 and 1000 \u00B0C.");
    list.Check(Within(b.geothermalStep, 1.0, 1000.0), "Geothermal step must be between 1 and 1000 m/\u00B0C.");
    list.Check(Within(b.rockConductivity, 0.001, 500.0), "Conductivity must be between 0.001 and 500 W/m\u00B0C.");
    list.Check(Within(b.rockDiffusivity, 0.001, 50.0),
               "Diffusivity must be between 0.001 and 50 m\u00B2/s \u00D7 10^-6.");

    CheckHeatSources(b, list);

    const CFanReg& fan = b.fanReg;
    list.Check(Within(fan.location, 0.0, 1e9), "Fan/regulator distance from intake must be a number not less than 0 m.");
    list.Check(Within(fan.pressureChange, -20.0, 20.0),
               "Fan/regulator pressure gain/loss must be between -20 and 20 kPa.");
    list.Check(Within(fan.sensibleHeat, 0.0, 5000.0),
               "Fan/regulator sensible heat load must be between 0 and 5000 kW.");

    return !list.failed;
}

bool ValidateWorker(const CKalvexDoc& doc, std::vector<std::string>& errors)
{
    ErrorList list(errors, std::string());
    list.Check(Within(doc.metabolicRate, 40.0, 400.0), "Metabolic rate must be between 40 and 400 W/m\u00B2.");
    list.Check(Within(doc.clothingResistance, 0.0, 0.5),
               "Clothing thermal resistance must be between 0 and 0.5 \u00B0Cm\u00B2/W.");
    list.Check(Within(doc.areaFactor, 1.0, 2.0), "Clothing area factor must be between 1 and 2.");
    list.Check(Within(doc.vapourPermeability, 0.1, 1.0), "Vapour permeability must be between 0.1 and 1.");
    list.Check(Within(doc.bodyViewFactor, 0.6, 0.9), "Body view factor must be between 0.6 and 0.9.");
    list.Check(std::isfinite(doc.skinTempLimit), "Skin temperature limit value must be a number.");
    return !list.failed;
}
