#pragma once
// Design answers for one branch: the least air quantity, or the least
// cooling by a spot source, that keeps a heat-stress criterion at or below a
// limit. Solving marches copies of the branch again and again; the document
// is never changed. Applying an answer is an ordinary edit of the branch,
// left to the caller:
//  - required quantity: set the field the answer names through
//    CKalvexBranch::SetColumnValue (Col::Quantity for intakeQuantity, or
//    Col::AddedQuantity for addedQuantity: a branch fed by others in sequence
//    mode has its additional air varied, its sources' outlets held as they
//    are stored);
//  - required cooling: append MakeCoolerSource(query, answer) to the end of
//    the branch's heat source list (a Spot source at the query's location,
//    the answer's sensible heat, no latent heat). An answer of 0 kW means no
//    cooling is needed; nothing should then be added.
#include "HeatSource.h"

#include <string>
#include <vector>

class CKalvexDoc;

// What must keep the limit; every criterion taken from the result rows as
// the results table shows them. The temperatures (°C) must stay at or below
// it; the thermal work limit (W/m²) must stay at or above it. A run that
// trips the dry-bulb guard or stops before the outlet never keeps a limit.
enum class SolveCriterion { MeanSkinTemp, Wbgt, EffectiveTemp, DryBulb, WetBulb, ThermalWorkLimit };
inline constexpr SolveCriterion kSolveCriteria[] = {SolveCriterion::MeanSkinTemp, SolveCriterion::Wbgt,
                                                    SolveCriterion::EffectiveTemp, SolveCriterion::DryBulb,
                                                    SolveCriterion::WetBulb, SolveCriterion::ThermalWorkLimit};

// "mst", "wbgt", "et", "dry", "wet", "twl".
const char* CriterionCliName(SolveCriterion criterion);
// "Mean skin temperature (°C)", "WBGT (°C)", "Effective temperature (°C)",
// "Dry bulb (°C)", "Wet bulb (°C)", "Thermal work limit (W/m²)".
const char* CriterionDisplayName(SolveCriterion criterion);
// True when the limit is a least value (the thermal work limit).
bool CriterionIsFloor(SolveCriterion criterion);
// "°C", or "W/m²" for the thermal work limit.
const char* CriterionUnit(SolveCriterion criterion);
// A value or limit of the criterion with its unit: "36.00 °C", "140 W/m²".
std::string CriterionAmount(SolveCriterion criterion, double value);
// "≤", or "≥" for a least value.
const char* CriterionRelation(SolveCriterion criterion);
// The name in running text: "mean skin temperature", "WBGT", ...
const char* CriterionPlainName(SolveCriterion criterion);
// From a CLI name; false (criterion unchanged) for any other text.
bool CriterionFromCliName(const std::string& name, SolveCriterion& criterion);
// The limit a criterion starts with, °C: the document's skin temperature
// limit for the mean skin temperature, 28.0 for WBGT, 28.0 for the effective
// temperature, 37.0 for the dry bulb, 28.0 for the wet bulb and 140 W/m² for
// the thermal work limit.
double DefaultCriterionLimit(const CKalvexDoc& doc, SolveCriterion criterion);

// The searched ranges, in the units and decimals of their columns.
inline constexpr double kMinIntakeQuantity = 0.10;    // m³/s
inline constexpr double kMaxIntakeQuantity = 10000.0;  // m³/s
inline constexpr double kMinAddedQuantity = 0.0;       // m³/s
inline constexpr double kMaxAddedQuantity = 100.0;     // m³/s
inline constexpr double kDefaultWeakestCooling = 0.0;       // kW
inline constexpr double kDefaultStrongestCooling = -2000.0;  // kW

struct CRequirementQuery {
    int branchIndex = 0;  // position in the branch list from 0 (the table's row number - 1)
    SolveCriterion criterion = SolveCriterion::MeanSkinTemp;
    double limit = 36.0;      // °C
    bool outletOnly = false;  // false: at every result row along the branch

    // Required cooling only. The spot source's location is taken in whole
    // metres (as the heat source list shows it) and must lie from 0 m to
    // below the branch length; the limit is checked at the rows downstream
    // of it (distance greater than the location), or at the outlet. The
    // sensible heat is searched from the weakest to the strongest cooling,
    // both kW, 0 >= weakest > strongest >= -10,000.
    double coolerLocation = 0.0;
    double weakestCooling = kDefaultWeakestCooling;
    double strongestCooling = kDefaultStrongestCooling;
};

enum class SolveStatus {
    Found,         // value keeps the limit
    NotReachable,  // no value in the range keeps it
    DataErrors,    // the branch or the worker has input errors; nothing ran
    InvalidQuery,  // no such branch, a location off the branch, a bad limit or range
};

// The field the answer is for.
enum class SolvedField { IntakeQuantity, AddedQuantity, CoolerSensibleHeat };

struct CRequirementAnswer {
    SolveStatus status = SolveStatus::InvalidQuery;
    SolvedField field = SolvedField::IntakeQuantity;
    // Found: the answer (m³/s, or kW for cooling), rounded to decimals.
    // NotReachable: the end of the range searched (largest quantity,
    // strongest cooling).
    double value = 0.0;
    int decimals = 2;
    double rangeFrom = 0.0;  // the range searched, in search order
    double rangeTo = 0.0;
    // The criterion's worst value over the rows checked at value (the
    // highest temperature, the lowest thermal work limit) and the distance
    // along the branch (m) where it first reaches it. Meaningful
    // for Found and NotReachable (when the march at value could run at all).
    double peakValue = 0.0;
    double peakDistance = 0.0;
    int marches = 0;                      // marches the answer took
    std::vector<std::string> dataErrors;  // the Data Errors dialog's list (RunUi.h)
    std::string message;                  // one plain line for a person
};

// Never change the document: every march runs on a copy of the branch.
// The range is scanned from its start in steps of about a sixteenth of a
// decade; between the first step that keeps the limit and the one before,
// the crossing is narrowed to 0.01 by halving. A criterion that dips below
// the limit and rises again within one coarse step may be missed there.
// Only the solved branch is validated, as a single-branch Execute (or, in
// sequence mode, the sequence's check of that branch) lists its errors, with
// the varied input at the start of its range.
CRequirementAnswer SolveRequiredQuantity(const CKalvexDoc& doc, const CRequirementQuery& query);
CRequirementAnswer SolveRequiredCooling(const CKalvexDoc& doc, const CRequirementQuery& query);

// The spot source a cooling answer stands for: kind Spot, the query's
// location in whole metres, the answer's sensible heat, latent heat 0, and
// the description "Cooler: <criterion> ≤ <limit> °C" (e.g. "Cooler: WBGT
// ≤ 28.00 °C", "Cooler: thermal work limit ≥ 140 W/m²").
CHeatSource MakeCoolerSource(const CRequirementQuery& query, const CRequirementAnswer& answer);
