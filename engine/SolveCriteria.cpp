// The criteria of the design answers: their names, default limits and their
// values in a result row.
#include "KalvexDoc.h"
#include "NumberText.h"
#include "RequirementSolver.h"
#include "SolveTrial.h"

namespace {

struct CriterionInfo {
    SolveCriterion criterion;
    const char* cliName;
    const char* displayName;
    const char* plainName;
    double defaultLimit;  // unused for the mean skin temperature
    bool floor;           // the limit is a least value
};

constexpr CriterionInfo kInfo[] = {
    {SolveCriterion::MeanSkinTemp, "mst", "Mean skin temperature (\u00B0C)", "mean skin temperature", 0.0, false},
    {SolveCriterion::Wbgt, "wbgt", "WBGT (\u00B0C)", "WBGT", 28.0, false},
    {SolveCriterion::EffectiveTemp, "et", "Effective temperature (\u00B0C)", "effective temperature", 28.0, false},
    {SolveCriterion::DryBulb, "dry", "Dry bulb (\u00B0C)", "dry bulb", 37.0, false},
    {SolveCriterion::WetBulb, "wet", "Wet bulb (\u00B0C)", "wet bulb", 28.0, false},
    {SolveCriterion::ThermalWorkLimit, "twl", "Thermal work limit (W/m\u00B2)", "thermal work limit", 140.0, true},
};

const CriterionInfo& Info(SolveCriterion criterion)
{
    for (const CriterionInfo& info : kInfo)
        if (info.criterion == criterion)
            return info;
    return kInfo[0];
}

}  // namespace

const char* CriterionCliName(SolveCriterion criterion) { return Info(criterion).cliName; }
const char* CriterionDisplayName(SolveCriterion criterion) { return Info(criterion).displayName; }
const char* CriterionPlainName(SolveCriterion criterion) { return Info(criterion).plainName; }
bool CriterionIsFloor(SolveCriterion criterion) { return Info(criterion).floor; }
const char* CriterionUnit(SolveCriterion criterion) { return CriterionIsFloor(criterion) ? "W/m\u00B2" : "\u00B0C"; }
const char* CriterionRelation(SolveCriterion criterion) { return CriterionIsFloor(criterion) ? "\u2265" : "\u2264"; }

std::string CriterionAmount(SolveCriterion criterion, double value)
{
    // The thermal work limit is shown in whole W/m², the temperatures with two decimals.
    return FormatFixed(value, CriterionIsFloor(criterion) ? 0 : 2) + " " + CriterionUnit(criterion);
}

bool CriterionFromCliName(const std::string& name, SolveCriterion& criterion)
{
    for (const CriterionInfo& info : kInfo) {
        if (name == info.cliName) {
            criterion = info.criterion;
            return true;
        }
    }
    return false;
}

double DefaultCriterionLimit(const CKalvexDoc& doc, SolveCriterion criterion)
{
    if (criterion == SolveCriterion::MeanSkinTemp)
        return doc.skinTempLimit;
    return Info(criterion).defaultLimit;
}

double CriterionValue(const CResultInterval& row, SolveCriterion criterion)
{
    switch (criterion) {
    case SolveCriterion::MeanSkinTemp: return row.meanSkinTemp;
    case SolveCriterion::Wbgt: return row.wbgt;
    case SolveCriterion::EffectiveTemp: return row.effectiveTemp;
    case SolveCriterion::DryBulb: return row.dryBulb;
    case SolveCriterion::WetBulb: return row.wetBulb;
    case SolveCriterion::ThermalWorkLimit: break;  // worked out by the trial, which knows the branch
    }
    return row.meanSkinTemp;
}
