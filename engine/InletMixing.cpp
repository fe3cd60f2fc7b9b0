#include "InletMixing.h"

#include "AirProperties.h"
#include "BranchListText.h"
#include "KalvexDoc.h"
#include "NumberText.h"
#include "Validation.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {
constexpr double kMinimumMixedMassFlow = 0.01;  // kg/s
}  // namespace

bool PurgeSourceBranches(CKalvexDoc& doc, CKalvexBranch& branch)
{
    return !DropStaleSourceIds(doc, branch);
}

CInletMixture ComputeInletMixture(const CKalvexDoc& doc, const CKalvexBranch& branch)
{
    CInletMixture mix;
    double sumM = 0.0;
    double sumMtd = 0.0;
    double sumMtw = 0.0;
    double sumP = 0.0;
    int count = 0;
    bool allNeverRun = true;
    for (std::uint16_t id : branch.SourceBranchIds()) {
        const int index = doc.FindBranchIndex(id);
        if (index < 0)
            continue;
        const CKalvexBranch& source = doc.BranchAt(index);
        const double ms = source.outletMassFlow;
        sumMtd += ms * source.outletDryBulb;
        sumMtw += ms * source.outletWetBulb;
        sumP += source.outletPressure;
        sumM += ms;
        ++count;
        if (source.outletMassFlow != 0.0 || source.outletPressure != 0.0 || source.outletDryBulb != 0.0 ||
            source.outletWetBulb != 0.0)
            allNeverRun = false;
    }
    if (count == 0)
        return mix;
    mix.hasSources = true;
    mix.neverRun = allNeverRun;

    // The plain mean of the outlet pressures; the additional air joins at it.
    const double p = sumP / count;
    if (branch.addedQuantity > 0.0) {
        const double ea = VapourPressureFromBulbs(branch.addedDryBulb, branch.addedWetBulb, p);
        const double ma = branch.addedQuantity * Density(p, ea, branch.addedDryBulb);
        sumMtd += ma * branch.addedDryBulb;
        sumMtw += ma * branch.addedWetBulb;
        sumM += ma;
    }
    sumM = std::max(sumM, kMinimumMixedMassFlow);
    mix.dryBulb = sumMtd / sumM;
    mix.wetBulb = sumMtw / sumM;
    mix.pressure = p;
    return mix;
}

bool IsUsableMixture(const CInletMixture& mix)
{
    if (!mix.hasSources)
        return false;
    const double dryBulb = RoundDecimals(mix.dryBulb, 2);
    const double wetBulb = RoundDecimals(mix.wetBulb, 2);
    const double pressureKpa = RoundDecimals(mix.pressure / 1000.0, 3);
    return CheckIntakeAir(dryBulb, wetBulb, pressureKpa) == IntakeAirProblem::None;
}

void StoreInletMixture(CKalvexBranch& branch, const CInletMixture& mix)
{
    if (!mix.hasSources)
        return;
    branch.SetColumnValue(Col::DryBulb, mix.dryBulb);
    branch.SetColumnValue(Col::WetBulb, mix.wetBulb);
    branch.SetColumnValue(Col::Pressure, mix.pressure / 1000.0);
}

void MixInletAir(CKalvexDoc& doc, CKalvexBranch& branch)
{
    StoreInletMixture(branch, ComputeInletMixture(doc, branch));
}
