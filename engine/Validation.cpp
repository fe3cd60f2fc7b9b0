#include "Validation.h"

#include "AirProperties.h"
#include "HeatSource.h"
#include "InputCatalogue.h"
#include "KalvexBranch.h"
#include "KalvexDoc.h"

#include <cmath>
#include <string>
#include <utility>

namespace {

const InputEntry& Entry(ColumnId column) { return *FindInput(column); }
const InputEntry& Entry(DialogInput input) { return FindInput(input); }

// Within the input's range before a run; NaN is outside every range.
bool Within(double value, ColumnId column) { return Entry(column).valid.Holds(value); }

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
    // The value against the input's range, with its message.
    template <typename Input>
    void CheckRange(double value, Input input, const std::string& which = std::string())
    {
        const InputEntry& entry = Entry(input);
        if (!entry.valid.Holds(value))
            Add(which + entry.validMessage);
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

double Value(const CKalvexBranch& b, ColumnId column)
{
    double value = 0.0;
    b.GetColumnValue(column, value);
    return value;
}

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
        list.CheckRange(s.location, Col::HeatLocation, which);
        if (s.kind == CHeatSource::Spot || s.kind == CHeatSource::Linear) {
            if (s.kind == CHeatSource::Linear)
                list.CheckRange(s.length(), Col::HeatLength, which);
            list.CheckRange(s.sensibleHeat(), Col::HeatSensible, which);
            list.CheckRange(s.latentHeat(), Col::HeatLatent, which);
        } else {
            list.CheckRange(s.power(), Col::HeatPower, which);
            list.CheckRange(s.utilization(), Col::HeatUtilization, which);
            if (s.kind == CHeatSource::Diesel)
                list.CheckRange(s.waterFuelRatio(), Col::HeatWaterFuel, which);
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

    list.Check(!DepthChangeTooLarge(b.depthIn, b.depthOut, b.length), kDepthChangeMessage);
    list.Check(!(b.length < b.outputInterval), "Ouput interval must be less than or equal to length.");
    list.Check(!(b.intakeDryBulb < b.intakeWetBulb), "Wet bulb must be less than or equal to dry bulb.");
    list.Check(!PerimeterTooSmall(b.area, b.perimeter), kPerimeterMessage);

    // Values a document file may hold although no input field accepts them.
    for (ColumnId column : {Col::Interval, Col::Length, Col::DepthIn, Col::DepthOut, Col::Area, Col::Perimeter,
                            Col::Friction, Col::Wetness, Col::AgeIn, Col::AgeOut, Col::Quantity})
        list.CheckRange(Value(b, column), column);

    if (intakeFromSources) {
        // The run mixes the intake air; only the additional air is used.
        for (ColumnId column : {Col::AddedQuantity, Col::AddedDryBulb, Col::AddedWetBulb})
            list.CheckRange(Value(b, column), column);
    } else if (!b.SourceBranchIds().empty()) {
        // Intake air written by an earlier mixture may lie outside the input
        // ranges (a mean pressure, a warm outlet); it only has to be usable.
        const IntakeAirProblem problem = CheckIntakeAir(b.intakeDryBulb, b.intakeWetBulb, b.intakePressure);
        if (problem != IntakeAirProblem::None)
            list.Add(IntakeAirText(problem));
    } else {
        for (ColumnId column : {Col::Pressure, Col::DryBulb, Col::WetBulb})
            list.CheckRange(Value(b, column), column);
        if (Within(b.intakePressure, Col::Pressure) && Within(b.intakeDryBulb, Col::DryBulb) &&
            Within(b.intakeWetBulb, Col::WetBulb)) {
            const IntakeAirProblem problem = CheckIntakeAir(b.intakeDryBulb, b.intakeWetBulb, b.intakePressure);
            if (problem != IntakeAirProblem::None)
                list.Add(IntakeAirText(problem));
        }
    }

    for (ColumnId column : {Col::VrtIn, Col::GeoStep, Col::Conductivity, Col::Diffusivity})
        list.CheckRange(Value(b, column), column);

    CheckHeatSources(b, list);

    const CFanReg& fan = b.fanReg;
    list.CheckRange(fan.location, DialogInput::FanDistance);
    list.CheckRange(fan.pressureChange, DialogInput::FanPressure);
    list.CheckRange(fan.sensibleHeat, DialogInput::FanHeat);

    return !list.failed;
}

bool ValidateWorker(const CKalvexDoc& doc, std::vector<std::string>& errors)
{
    ErrorList list(errors, std::string());
    list.CheckRange(doc.metabolicRate, DialogInput::WorkerMetabolicRate);
    list.CheckRange(doc.clothingResistance, DialogInput::WorkerResistance);
    list.CheckRange(doc.areaFactor, DialogInput::WorkerAreaFactor);
    list.CheckRange(doc.vapourPermeability, DialogInput::WorkerPermeability);
    list.CheckRange(doc.bodyViewFactor, DialogInput::WorkerViewFactor);
    list.Check(std::isfinite(doc.skinTempLimit), "Skin temperature limit value must be a number.");
    return !list.failed;
}
