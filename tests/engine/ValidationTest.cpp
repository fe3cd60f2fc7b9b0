#include "EngineTestSupport.h"
#include "SimulationRun.h"
#include "Validation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {
const char* const kDepthText = "Change in depth must be less than or equal to length.";
const char* const kIntervalText = "Ouput interval must be less than or equal to length.";
const char* const kBulbText = "Wet bulb must be less than or equal to dry bulb.";
const char* const kPerimeterText = "Perimeter too small relative to area.";

std::vector<std::string> Errors(const CKalvexBranch& branch, int index = -1, bool mixed = false)
{
    std::vector<std::string> errors;
    const bool ok = ValidateBranch(branch, errors, index, mixed);
    EXPECT_EQ(ok, errors.empty());
    return errors;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

TEST(Validation, DefaultBranchPasses)
{
    CKalvexBranch branch;
    EXPECT_TRUE(Errors(branch).empty());
}

TEST(Validation, TheFourChecksInOrder)
{
    CKalvexBranch branch;
    branch.depthOut = 150;
    EXPECT_EQ(Errors(branch), std::vector<std::string>{kDepthText});

    branch.name = "Haulage";
    EXPECT_EQ(Errors(branch, 1), std::vector<std::string>{std::string("2 - Haulage: ") + kDepthText});

    CKalvexBranch twoChecks;
    twoChecks.outputInterval = 200;
    twoChecks.intakeWetBulb = 31;
    EXPECT_EQ(Errors(twoChecks), (std::vector<std::string>{kIntervalText, kBulbText}));

    CKalvexBranch all;
    all.length = 100;
    all.depthOut = 150;
    all.outputInterval = 200;
    all.intakeWetBulb = 31;
    all.area = 10;
    all.perimeter = 11;
    all.name = "X";
    EXPECT_EQ(Errors(all, 0), (std::vector<std::string>{"1 - X: " + std::string(kDepthText),
                                                      "1 - X: " + std::string(kIntervalText),
                                                      "1 - X: " + std::string(kBulbText),
                                                      "1 - X: " + std::string(kPerimeterText)}));
}

TEST(Validation, EqualityPassesEveryCheck)
{
    CKalvexBranch branch;
    branch.depthOut = 100;         // change in depth equal to the length
    branch.outputInterval = 100;   // interval equal to the length
    branch.intakeWetBulb = 30;     // equal bulbs
    EXPECT_TRUE(Errors(branch).empty());

    CKalvexBranch narrow;
    narrow.area = 10;
    narrow.perimeter = 11;  // below 2 sqrt(31.41592654) = 11.21 m
    EXPECT_EQ(Errors(narrow), std::vector<std::string>{kPerimeterText});
    narrow.perimeter = 11.3;
    EXPECT_TRUE(Errors(narrow).empty());
}

namespace {

// One checked range: the message its check gives and the errors of the
// default branch (or document) with the value set.
struct RangeCase {
    const char* text;
    double low, high;
    bool lowExcluded;
    std::function<std::vector<std::string>(double)> errorsAt;
};

std::function<std::vector<std::string>(double)> BranchValue(double CKalvexBranch::*member, bool mixed = false)
{
    return [member, mixed](double value) {
        CKalvexBranch branch;
        branch.SetSourceBranchIds(mixed ? std::vector<std::uint16_t>{7} : std::vector<std::uint16_t>{});
        branch.*member = value;
        return Errors(branch, -1, mixed);
    };
}

std::function<std::vector<std::string>(double)> SourceValue(CHeatSource::Kind kind,
                                                            void (*set)(CHeatSource&, double))
{
    return [kind, set](double value) {
        CKalvexBranch branch;
        CHeatSource source;
        source.kind = kind;
        set(source, value);
        branch.AddHeatSource(source);
        return Errors(branch);
    };
}

std::function<std::vector<std::string>(double)> FanValue(double CFanReg::*member)
{
    return [member](double value) {
        CKalvexBranch branch;
        branch.fanReg.*member = value;
        return Errors(branch);
    };
}

std::function<std::vector<std::string>(double)> WorkerValue(double CKalvexDoc::*member)
{
    return [member](double value) {
        CKalvexDoc doc;
        doc.OnNewDocument();
        doc.*member = value;
        std::vector<std::string> errors;
        ValidateWorker(doc, errors);
        return errors;
    };
}

void SetLocation(CHeatSource& s, double v) { s.location = v; }
void SetSlot3(CHeatSource& s, double v) { s.length() = v; }
void SetSlot4(CHeatSource& s, double v) { s.sensibleHeat() = v; }
void SetSlot5(CHeatSource& s, double v) { s.latentHeat() = v; }

bool Holds(const std::vector<std::string>& errors, const std::string& text)
{
    return std::find(errors.begin(), errors.end(), text) != errors.end();
}

}  // namespace

TEST(Validation, EveryRangeAtBothEnds)
{
    using B = CKalvexBranch;
    const std::string src = "Heat source 1: ";
    const std::string spotHeat = src + "sensible heat must be between -10,000 and 10,000 kW.";
    const std::string spotLatent = src + "latent heat must be between -10,000 and 10,000 kW.";
    const std::string power = src + "power must be between 0 and 10,000 kW.";
    const std::string use = src + "utilization must be between 0 and 100 %.";
    const std::string water = src + "water/fuel ratio must be between 0 and 100 l / l.";
    const std::string location = src + "location must be a number not less than 0 m.";
    const std::string length = src + "length must be a number not less than 0 m.";
    const RangeCase cases[] = {
        {"Output interval must be between 2 and 4000 m.", 2, 4000, false, BranchValue(&B::outputInterval)},
        {"Length must be between 2 and 4000 m.", 2, 4000, false, BranchValue(&B::length)},
        {"Depth at inlet must be between 0 and 20,000 m.", 0, 20000, false, BranchValue(&B::depthIn)},
        {"Depth at outlet must be between 0 and 20,000 m.", 0, 20000, false, BranchValue(&B::depthOut)},
        {"Area must be greater than 0 and at most 1000 m\u00B2.", 0, 1000, true, BranchValue(&B::area)},
        {"Perimeter must be greater than 0 and at most 1000 m.", 0, 1000, true, BranchValue(&B::perimeter)},
        {"Friction factor must be between 0 and 1 kg/m\u00B3.", 0, 1, false, BranchValue(&B::frictionFactor)},
        {"Wetness must be between 0 and 1.", 0, 1, false, BranchValue(&B::wetness)},
        {"Age at inlet must be between 0 and 36,500 days.", 0, 36500, false, BranchValue(&B::ageIn)},
        {"Age at outlet must be between 0 and 36,500 days.", 0, 36500, false, BranchValue(&B::ageOut)},
        {"Quantity must be between 0.1 and 10,000 m\u00B3/s.", 0.1, 10000, false, BranchValue(&B::intakeQuantity)},
        {"Pressure must be between 40 and 300 kPa.", 40, 300, false, BranchValue(&B::intakePressure)},
        {"Dry bulb must be between 0 and 120 \u00B0C.", 0, 120, false, BranchValue(&B::intakeDryBulb)},
        {"Wet bulb must be between 0 and 100 \u00B0C.", 0, 100, false, BranchValue(&B::intakeWetBulb)},
        {"Additional air quantity must be between 0 and 100 m\u00B3/s.", 0, 100, false,
         BranchValue(&B::addedQuantity, true)},
        {"Additional air dry bulb must be between 0 and 120 \u00B0C.", 0, 120, false,
         BranchValue(&B::addedDryBulb, true)},
        {"Additional air wet bulb must be between 0 and 100 \u00B0C.", 0, 100, false,
         BranchValue(&B::addedWetBulb, true)},
        {"VRT at inlet must be between 0 and 1000 \u00B0C.", 0, 1000, false, BranchValue(&B::vrtIn)},
        {"Geothermal step must be between 1 and 1000 m/\u00B0C.", 1, 1000, false, BranchValue(&B::geothermalStep)},
        {"Conductivity must be between 0.001 and 500 W/m\u00B0C.", 0.001, 500, false,
         BranchValue(&B::rockConductivity)},
        {"Diffusivity must be between 0.001 and 50 m\u00B2/s \u00D7 10^-6.", 0.001, 50, false,
         BranchValue(&B::rockDiffusivity)},
        {location.c_str(), 0, 1e9, false, SourceValue(CHeatSource::Spot, SetLocation)},
        {location.c_str(), 0, 1e9, false, SourceValue(CHeatSource::Diesel, SetLocation)},
        {length.c_str(), 0, 1e9, false, SourceValue(CHeatSource::Linear, SetSlot3)},
        {spotHeat.c_str(), -10000, 10000, false, SourceValue(CHeatSource::Spot, SetSlot4)},
        {spotLatent.c_str(), -10000, 10000, false, SourceValue(CHeatSource::Spot, SetSlot5)},
        {spotHeat.c_str(), -10000, 10000, false, SourceValue(CHeatSource::Linear, SetSlot4)},
        {spotLatent.c_str(), -10000, 10000, false, SourceValue(CHeatSource::Linear, SetSlot5)},
        {power.c_str(), 0, 10000, false, SourceValue(CHeatSource::Electric, SetSlot4)},
        {use.c_str(), 0, 100, false, SourceValue(CHeatSource::Electric, SetSlot5)},
        {power.c_str(), 0, 10000, false, SourceValue(CHeatSource::Diesel, SetSlot4)},
        {use.c_str(), 0, 100, false, SourceValue(CHeatSource::Diesel, SetSlot5)},
        {water.c_str(), 0, 100, false, SourceValue(CHeatSource::Diesel, SetSlot3)},
        {"Fan/regulator distance from intake must be a number not less than 0 m.", 0, 1e9, false,
         FanValue(&CFanReg::location)},
        {"Fan/regulator pressure gain/loss must be between -20 and 20 kPa.", -20, 20, false,
         FanValue(&CFanReg::pressureChange)},
        {"Fan/regulator sensible heat load must be between 0 and 5000 kW.", 0, 5000, false,
         FanValue(&CFanReg::sensibleHeat)},
        {"Metabolic rate must be between 40 and 400 W/m\u00B2.", 40, 400, false,
         WorkerValue(&CKalvexDoc::metabolicRate)},
        {"Clothing thermal resistance must be between 0 and 0.5 \u00B0Cm\u00B2/W.", 0, 0.5, false,
         WorkerValue(&CKalvexDoc::clothingResistance)},
        {"Clothing area factor must be between 1 and 2.", 1, 2, false, WorkerValue(&CKalvexDoc::areaFactor)},
        {"Vapour permeability must be between 0.1 and 1.", 0.1, 1, false,
         WorkerValue(&CKalvexDoc::vapourPermeability)},
        {"Body view factor must be between 0.6 and 0.9.", 0.6, 0.9, false, WorkerValue(&CKalvexDoc::bodyViewFactor)},
    };
    constexpr double kInf = std::numeric_limits<double>::infinity();
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.text);
        const double insideLow = c.lowExcluded ? std::nextafter(c.low, kInf) : c.low;
        const double outsideLow = c.lowExcluded ? c.low : std::nextafter(c.low, -kInf);
        EXPECT_FALSE(Holds(c.errorsAt(insideLow), c.text)) << insideLow;
        EXPECT_FALSE(Holds(c.errorsAt(c.high), c.text)) << c.high;
        EXPECT_TRUE(Holds(c.errorsAt(outsideLow), c.text)) << outsideLow;
        EXPECT_TRUE(Holds(c.errorsAt(std::nextafter(c.high, kInf)), c.text)) << c.high;
        EXPECT_TRUE(Holds(c.errorsAt(kNaN), c.text)) << "NaN";
    }
}

TEST(Validation, EachKindChecksOnlyItsOwnInputs)
{
    // A slot one kind does not use may hold anything: the electric source
    // has no water/fuel ratio, the spot source no length.
    const CHeatSource::Kind kinds[] = {CHeatSource::Spot, CHeatSource::Electric};
    for (CHeatSource::Kind kind : kinds) {
        CKalvexBranch branch;
        CHeatSource source;
        source.kind = kind;
        source.length() = -1;
        branch.AddHeatSource(source);
        EXPECT_TRUE(Errors(branch).empty()) << int(kind);
    }
    // The four basic checks come first, each in its own message.
    CKalvexBranch flat;
    flat.perimeter = 0;
    EXPECT_EQ(Errors(flat),
              (std::vector<std::string>{kPerimeterText, "Perimeter must be greater than 0 and at most 1000 m."}));
    CKalvexBranch empty;
    empty.length = 0;
    EXPECT_EQ(Errors(empty), (std::vector<std::string>{kIntervalText, "Length must be between 2 and 4000 m."}));
    CKalvexBranch unknown;
    unknown.length = kNaN;
    EXPECT_EQ(Errors(unknown, 2), std::vector<std::string>{"3 - Sample: Length must be between 2 and 4000 m."});
}

TEST(Validation, IntakeAirThatHoldsNoUsableVapour)
{
    CKalvexBranch dry;
    dry.intakeDryBulb = 60;
    dry.intakeWetBulb = 20;  // negative vapour pressure at 100 kPa
    EXPECT_EQ(Errors(dry), std::vector<std::string>{"Wet bulb too low relative to dry bulb and pressure (the "
                                                    "intake air would hold no moisture)."});
    EXPECT_EQ(CheckIntakeAir(60, 20, 100), IntakeAirProblem::TooDry);

    CKalvexBranch boiling;
    boiling.intakeDryBulb = 100;
    boiling.intakeWetBulb = 100;
    boiling.intakePressure = 40;  // saturation pressure at 100 °C is above 40 kPa
    EXPECT_EQ(Errors(boiling), std::vector<std::string>{"Wet bulb too high for the pressure (the intake vapour "
                                                        "pressure would not be below the barometric pressure)."});
    EXPECT_EQ(CheckIntakeAir(100, 100, 40), IntakeAirProblem::VapourTooHigh);
    EXPECT_EQ(CheckIntakeAir(30, 20, 100), IntakeAirProblem::None);
    EXPECT_EQ(CheckIntakeAir(30, 20, 0), IntakeAirProblem::NoPressure);
}

TEST(Validation, IntakeWrittenByMixing)
{
    // A branch fed by others may hold a mixed pressure outside the input
    // range; it only has to be usable.
    CKalvexBranch fed;
    fed.SetSourceBranchIds({7});
    fed.intakePressure = 33.333;
    fed.intakeWetBulb = 20;
    EXPECT_TRUE(Errors(fed).empty());
    fed.intakePressure = 0;
    EXPECT_EQ(Errors(fed), std::vector<std::string>{"Intake pressure must be greater than zero."});

    // When this run mixes it, the entered intake does not matter beyond the
    // four checks, but the additional air does.
    fed.intakeDryBulb = kNaN;
    EXPECT_TRUE(Errors(fed, 1, true).empty());
    fed.addedQuantity = 101;
    fed.addedWetBulb = kNaN;
    EXPECT_EQ(Errors(fed, 1, true),
              (std::vector<std::string>{"2 - Sample: Additional air quantity must be between 0 and 100 m\u00B3/s.",
                                        "2 - Sample: Additional air wet bulb must be between 0 and 100 \u00B0C."}));
}

TEST(Validation, HeatSourcesAndFanFromAFile)
{
    CKalvexBranch branch;
    CHeatSource good;
    good.kind = CHeatSource::Spot;
    good.location = 500;  // beyond the branch: never acts, but harmless
    branch.AddHeatSource(good);
    CHeatSource linear;
    linear.kind = CHeatSource::Linear;
    linear.location = 10;
    linear.length() = -5;
    linear.sensibleHeat() = kNaN;
    branch.AddHeatSource(linear);
    CHeatSource strange;
    strange.kind = 9;
    branch.AddHeatSource(strange);
    CHeatSource diesel;
    diesel.kind = CHeatSource::Diesel;
    diesel.location = -1;
    diesel.power() = 50;
    diesel.utilization() = 150;
    branch.AddHeatSource(diesel);
    branch.fanReg.pressureChange = 25;
    EXPECT_EQ(Errors(branch),
              (std::vector<std::string>{
                  "Heat source 2: length must be a number not less than 0 m.",
                  "Heat source 2: sensible heat must be between -10,000 and 10,000 kW.",
                  "Heat source 3: unknown kind of heat source.",
                  "Heat source 4: location must be a number not less than 0 m.",
                  "Heat source 4: utilization must be between 0 and 100 %.",
                  "Fan/regulator pressure gain/loss must be between -20 and 20 kPa.",
              }));
}

TEST(Validation, WorkerDescription)
{
    CKalvexDoc doc;
    doc.OnNewDocument();
    std::vector<std::string> errors;
    EXPECT_TRUE(ValidateWorker(doc, errors));
    doc.metabolicRate = 0;
    doc.skinTempLimit = kNaN;
    EXPECT_FALSE(ValidateWorker(doc, errors));
    EXPECT_EQ(errors, (std::vector<std::string>{"Metabolic rate must be between 40 and 400 W/m\u00B2.",
                                                "Skin temperature limit value must be a number."}));
}

TEST(Validation, ExecuteWithInvalidInputShowsEveryMessageAndChangesNothing)
{
    CKalvexDoc doc;
    AddDefaultBranches(doc, 3);
    RecordingUi ui;
    ASSERT_TRUE(ExecuteBranchAt(doc, 0, ui));
    const int rows = doc.BranchAt(0).ResultCount();
    doc.SetModifiedFlag(false);
    doc.resultBranch = nullptr;

    doc.BranchAt(0).depthOut = 150;
    EXPECT_FALSE(ExecuteBranchAt(doc, 0, ui));
    ASSERT_EQ(ui.dataErrors.size(), 1u);
    EXPECT_EQ(ui.dataErrors[0], std::vector<std::string>{kDepthText});
    EXPECT_EQ(doc.BranchAt(0).ResultCount(), rows);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.resultBranch, nullptr);

    // The sequence lists the messages of every branch in one dialog.
    doc.BranchAt(1).name = "Ramp";
    doc.BranchAt(1).outputInterval = 0;
    doc.BranchAt(2).intakeWetBulb = 35;
    EXPECT_FALSE(ExecuteSequence(doc, ui));
    ASSERT_EQ(ui.dataErrors.size(), 2u);
    EXPECT_EQ(ui.dataErrors[1], (std::vector<std::string>{
                                    "1 - Sample: " + std::string(kDepthText),
                                    "2 - Ramp: Output interval must be between 2 and 4000 m.",
                                    "3 - Sample: " + std::string(kBulbText),
                                }));
    EXPECT_EQ(doc.BranchAt(1).ResultCount(), 0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(ui.busyBegins, ui.busyEnds);
}

TEST(Validation, RunningWithoutValidationStillRefusesWhatWouldCrash)
{
    CKalvexDoc doc;
    AddDefaultBranches(doc, 1);
    CKalvexBranch& branch = doc.BranchAt(0);
    branch.outputInterval = 0;  // the plan would divide by it
    doc.SetModifiedFlag(false);
    RecordingUi ui;
    EXPECT_FALSE(ExecuteBranch(doc, branch, false, ui));
    ASSERT_EQ(ui.dataErrors.size(), 1u);
    EXPECT_EQ(ui.dataErrors[0], std::vector<std::string>{"Output interval must be between 2 and 4000 m."});
    EXPECT_EQ(branch.ResultCount(), 0);
    EXPECT_FALSE(doc.IsModified());
}
