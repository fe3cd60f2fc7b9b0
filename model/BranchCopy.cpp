#include "BranchCopy.h"

#include "KalvexBranch.h"

std::unique_ptr<CKalvexBranch> CopyBranchInputs(const CKalvexBranch& b)
{
    auto copy = std::make_unique<CKalvexBranch>();
    CKalvexBranch& c = *copy;
    c.branchId = b.branchId;
    c.name = b.name;
    c.description = b.description;
    c.outputInterval = b.outputInterval;
    c.length = b.length;
    c.depthIn = b.depthIn;
    c.depthOut = b.depthOut;
    c.area = b.area;
    c.perimeter = b.perimeter;
    c.frictionFactor = b.frictionFactor;
    c.wetness = b.wetness;
    c.ageIn = b.ageIn;
    c.ageOut = b.ageOut;
    c.intakeQuantity = b.intakeQuantity;
    c.intakePressure = b.intakePressure;
    c.intakeDryBulb = b.intakeDryBulb;
    c.intakeWetBulb = b.intakeWetBulb;
    c.vrtIn = b.vrtIn;
    c.geothermalStep = b.geothermalStep;
    c.rockConductivity = b.rockConductivity;
    c.rockDiffusivity = b.rockDiffusivity;
    c.addedDryBulb = b.addedDryBulb;
    c.addedWetBulb = b.addedWetBulb;
    c.addedQuantity = b.addedQuantity;
    c.outletDryBulb = b.outletDryBulb;
    c.outletWetBulb = b.outletWetBulb;
    c.outletPressure = b.outletPressure;
    c.outletMassFlow = b.outletMassFlow;

    c.fanReg.location = b.fanReg.location;
    c.fanReg.sensibleHeat = b.fanReg.sensibleHeat;
    c.fanReg.pressureChange = b.fanReg.pressureChange;
    c.fanReg.description = b.fanReg.description;

    // The heat source's copy takes its inputs only.
    c.HeatSourceList() = b.HeatSourceList();
    c.SetSourceBranchIds(b.SourceBranchIds());
    return copy;
}
