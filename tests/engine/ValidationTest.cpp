#include "EngineTestSupport.h"
#include "SimulationRun.h"
#include "Validation.h"

#include <gtest/gtest.h>

#include <cmath>
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

TEST(Validation, ValuesNoInputFieldAcceptsAreRefusedAfterTheFourChecks)
{
    struct Case {
        double CKalvexBranch::*member;
        double value;
        const char* text;
    };
    const Case cases[] = {
        {&CKalvexBranch::outputInterval, 0, "Output interval must be between 2 and 4000 m."},
        {&CKalvexBranch::outputInterval, 1, "Output interval must be between 2 and 4000 m."},
        {&CKalvexBranch::area, 0, "Area must be greater than 0 and at most 1000 m\u00B2."},
        {&CKalvexBranch::area, -4, "Area must be greater than 0 and at most 1000 m\u00B2."},
        {&CKalvexBranch::intakeQuantity, 0, "Quantity must be between 0.1 and 10,000 m\u00B3/s."},
        {&CKalvexBranch::geothermalStep, 0, "Geothermal step must be between 1 and 1000 m/\u00B0C."},
        {&CKalvexBranch::frictionFactor, -0.01, "Friction factor must be between 0 and 1 kg/m\u00B3."},
        {&CKalvexBranch::wetness, 1.5, "Wetness must be between 0 and 1."},
        {&CKalvexBranch::ageIn, -1, "Age at inlet must be between 0 and 36,500 days."},
        {&CKalvexBranch::ageOut, kNaN, "Age at outlet must be between 0 and 36,500 days."},
        {&CKalvexBranch::depthIn, -3, "Depth at inlet must be between 0 and 20,000 m."},
        {&CKalvexBranch::intakePressure, 0, "Pressure must be between 40 and 300 kPa."},
        {&CKalvexBranch::intakeDryBulb, kNaN, "Dry bulb must be between 0 and 120 \u00B0C."},
        {&CKalvexBranch::vrtIn, -5, "VRT at inlet must be between 0 and 1000 \u00B0C."},
        {&CKalvexBranch::rockConductivity, 0, "Conductivity must be between 0.001 and 500 W/m\u00B0C."},
        {&CKalvexBranch::rockDiffusivity, kNaN,
         "Diffusivity must be between 0.001 and 50 m\u00B2/s \u00D7 10^-6."},
    };
    for (const Case& c : cases) {
        CKalvexBranch branch;
        branch.*(c.member) = c.value;
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Errors(branch), std::vector<std::string>{c.text});
    }

    // A perimeter of 0 fails the fourth check first, then its own range.
    CKalvexBranch flat;
    flat.perimeter = 0;
    EXPECT_EQ(Errors(flat),
              (std::vector<std::string>{kPerimeterText, "Perimeter must be greater than 0 and at most 1000 m."}));
    flat.perimeter = 1200;
    EXPECT_EQ(Errors(flat), std::vector<std::string>{"Perimeter must be greater than 0 and at most 1000 m."});

    // Length 0 fails the interval check first, then its own range.
    CKalvexBranch empty;
    empty.length = 0;
    EXPECT_EQ(Errors(empty), (std::vector<std::string>{kIntervalText, "Length must be between 2 and 4000 m."}));
    CKalvexBranch unknown;
    unknown.length = kNaN;
    EXPECT_EQ(Errors(unknown, 2),
              std::vector<std::string>{"3 - Sample: Length must be between 2 and 4000 m."});
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
