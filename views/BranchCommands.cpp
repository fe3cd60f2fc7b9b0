#include "BranchCommands.h"

#include "BranchCopy.h"
#include "BranchDialogs.h"
#include "BranchFormPrint.h"
#include "BranchInputsCommand.h"
#include "CommandIds.h"
#include "OpenDocument.h"
#include "QtRunUi.h"
#include "RequirementDlg.h"
#include "SimulationRun.h"

bool IsBranchCommand(int id)
{
    return id == Cmd::BranchProperties || id == Cmd::HeatSources || id == Cmd::FanReg || id == Cmd::AirSources ||
           id == Cmd::PrintBranchForm || id == Cmd::RequiredQuantity || id == Cmd::RequiredCooling;
}

namespace {

const char* StepName(int id)
{
    switch (id) {
    case Cmd::BranchProperties: return "Branch Properties";
    case Cmd::HeatSources: return "Heat Sources";
    case Cmd::FanReg: return "Fan/Reg";
    case Cmd::AirSources: return "Air Sources";
    default: return "Requirement";
    }
}

// The dialog of the command on the copy; true on OK.
bool RunDialog(int id, QWidget* parent, CKalvexDoc& doc, const CKalvexBranch& branch, CKalvexBranch& copy)
{
    switch (id) {
    case Cmd::BranchProperties: return EditBranchProperties(parent, copy);
    case Cmd::HeatSources: return EditHeatSources(parent, copy);
    case Cmd::FanReg: return EditFanReg(parent, copy);
    case Cmd::AirSources: return EditAirSources(parent, doc, copy);
    case Cmd::RequiredQuantity: return FindRequirement(RequirementKind::Quantity, parent, doc, branch, copy);
    case Cmd::RequiredCooling: return FindRequirement(RequirementKind::Cooling, parent, doc, branch, copy);
    default: return false;
    }
}

}  // namespace

bool RunBranchCommand(int id, QWidget* parent, COpenDocument& document, CKalvexBranch& branch)
{
    CKalvexDoc& doc = document.doc;
    if (id == Cmd::PrintBranchForm) {
        PrintBranchForm(parent, doc, branch);
        return false;
    }
    const std::unique_ptr<CKalvexBranch> copy = CopyBranchInputs(branch);
    if (!RunDialog(id, parent, doc, branch, *copy))
        return false;
    const bool changed = !SameBranchInputs(branch, *copy);
    if (changed)
        document.undo.push(new CBranchInputsCommand(doc, QString::fromUtf8(StepName(id)), branch, *copy));
    if (id == Cmd::RequiredQuantity || id == Cmd::RequiredCooling) {
        // Execute as F10 runs it: the whole sequence in sequence mode, where
        // a fed branch's inlet air is mixed from its sources.
        CQtRunUi ui(parent);
        const int index = doc.IndexOfBranch(&branch);
        if (doc.sequenceMode)
            ExecuteSequence(doc, ui);
        else if (index >= 0)
            ExecuteBranchAt(doc, index, ui);
        return true;
    }
    return changed;
}
