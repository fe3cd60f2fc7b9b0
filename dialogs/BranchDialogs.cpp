#include "BranchDialogs.h"

#include "AirSourcesDlg.h"
#include "BranchPropertySheet.h"
#include "FanRegDlg.h"
#include "FieldCheck.h"
#include "GXModal.h"
#include "HeatSourceSheet.h"
#include "KalvexDoc.h"
#include "WorkerDlg.h"

bool EditBranchProperties(QWidget* parent, CKalvexDoc& doc, CKalvexBranch& branch)
{
    CBranchPropertySheet sheet(ReadBranchProperties(branch), parent);
    if (GXModal::Exec(sheet) != QDialog::Accepted)
        return false;
    WriteBranchProperties(sheet.Values(), branch);
    doc.SetModifiedFlag();
    return true;
}

bool EditHeatSources(QWidget* parent, CKalvexDoc& doc, CKalvexBranch& branch)
{
    CHeatSourceSheet sheet(CollectHeatSources(branch), parent);
    if (GXModal::Exec(sheet) != QDialog::Accepted)
        return false;
    std::vector<CHeatSource> sources = RebuildHeatSources(sheet.Contents());
    branch.DeleteAllHeatSources();
    for (CHeatSource& source : sources)
        branch.AddHeatSource(std::move(source));
    doc.SetModifiedFlag();
    return true;
}

bool EditWorkerDescription(QWidget* parent, CKalvexDoc& doc)
{
    CWorkerDlg dialog(doc.GetWorkerValues(), parent);
    if (GXModal::Exec(dialog) != QDialog::Accepted)
        return false;
    // Stored rounded, the skin temperature limit derived; the worker is not
    // part of the branch data, so the document is not marked modified.
    doc.SetWorkerValues(dialog.Values());
    return true;
}

bool EditFanReg(QWidget* parent, CKalvexDoc& doc, CKalvexBranch& branch)
{
    CFanRegDlg dialog(branch.fanReg, WholeNumber(branch.length), parent);
    if (GXModal::Exec(dialog) != QDialog::Accepted)
        return false;
    const CFanReg& values = dialog.Values();
    branch.fanReg.location = values.location;
    branch.fanReg.pressureChange = values.pressureChange;
    branch.fanReg.sensibleHeat = values.sensibleHeat;
    branch.fanReg.description = values.description;
    doc.SetModifiedFlag();
    return true;
}

bool EditAirSources(QWidget* parent, CKalvexDoc& doc, CKalvexBranch& branch)
{
    CAirSourcesDlg dialog(ReadAirSources(doc, branch), parent);
    if (GXModal::Exec(dialog) != QDialog::Accepted)
        return false;
    WriteAirSources(dialog.Values(), branch);
    doc.SetModifiedFlag();
    return true;
}
