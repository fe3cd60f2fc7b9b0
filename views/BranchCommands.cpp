#include "BranchCommands.h"

#include "BranchDialogs.h"
#include "BranchFormPrint.h"
#include "CommandIds.h"
#include "RequirementDlg.h"

bool IsBranchCommand(int id)
{
    return id == Cmd::BranchProperties || id == Cmd::HeatSources || id == Cmd::FanReg || id == Cmd::AirSources ||
           id == Cmd::PrintBranchForm || id == Cmd::RequiredQuantity || id == Cmd::RequiredCooling;
}

bool RunBranchCommand(int id, QWidget* parent, CKalvexDoc& doc, CKalvexBranch& branch)
{
    switch (id) {
    case Cmd::BranchProperties: return EditBranchProperties(parent, doc, branch);
    case Cmd::HeatSources: return EditHeatSources(parent, doc, branch);
    case Cmd::FanReg: return EditFanReg(parent, doc, branch);
    case Cmd::AirSources: return EditAirSources(parent, doc, branch);
    case Cmd::PrintBranchForm: PrintBranchForm(parent, doc, branch); return false;
    case Cmd::RequiredQuantity: return FindRequirement(RequirementKind::Quantity, parent, doc, branch);
    case Cmd::RequiredCooling: return FindRequirement(RequirementKind::Cooling, parent, doc, branch);
    default: return false;
    }
}
