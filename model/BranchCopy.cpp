#include "BranchCopy.h"

#include "KalvexBranch.h"

#include <algorithm>
#include <tuple>

namespace {

// The inputs as a tuple of references, so that one list serves the
// assignment and the comparison.
template <typename Branch>
auto Inputs(Branch& b)
{
    return std::tie(b.name, b.description, b.outputInterval, b.length, b.depthIn, b.depthOut, b.area, b.perimeter,
                    b.frictionFactor, b.wetness, b.ageIn, b.ageOut, b.intakeQuantity, b.intakePressure,
                    b.intakeDryBulb, b.intakeWetBulb, b.vrtIn, b.geothermalStep, b.rockConductivity,
                    b.rockDiffusivity, b.addedDryBulb, b.addedWetBulb, b.addedQuantity, b.fanReg.location,
                    b.fanReg.sensibleHeat, b.fanReg.pressureChange, b.fanReg.description);
}

bool SameSource(const CHeatSource& a, const CHeatSource& b)
{
    return a.kind == b.kind && a.location == b.location && a.length() == b.length() &&
           a.sensibleHeat() == b.sensibleHeat() && a.latentHeat() == b.latentHeat() && a.description == b.description;
}

}  // namespace

void AssignBranchInputs(CKalvexBranch& to, const CKalvexBranch& from)
{
    Inputs(to) = Inputs(from);
    // The heat source's copy takes its inputs only.
    to.HeatSourceList() = from.HeatSourceList();
    to.SetSourceBranchIds(from.SourceBranchIds());
}

bool SameBranchInputs(const CKalvexBranch& a, const CKalvexBranch& b)
{
    return Inputs(a) == Inputs(b) && a.SourceBranchIds() == b.SourceBranchIds() &&
           std::equal(a.HeatSourceList().begin(), a.HeatSourceList().end(), b.HeatSourceList().begin(),
                      b.HeatSourceList().end(), SameSource);
}

std::unique_ptr<CKalvexBranch> CopyBranchInputs(const CKalvexBranch& b)
{
    auto copy = std::make_unique<CKalvexBranch>();
    CKalvexBranch& c = *copy;
    c.branchId = b.branchId;
    AssignBranchInputs(c, b);
    c.outletDryBulb = b.outletDryBulb;
    c.outletWetBulb = b.outletWetBulb;
    c.outletPressure = b.outletPressure;
    c.outletMassFlow = b.outletMassFlow;
    return copy;
}
