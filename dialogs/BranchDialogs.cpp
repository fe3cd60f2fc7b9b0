#include "BranchDialogs.h"

#include "AirSourcesDlg.h"
#include "BranchPropertySheet.h"
#include "FanRegDlg.h"
#include "FieldCheck.h"
#include "GXModal.h"
#include "HeatSourceSheet.h"
#include "KalvexDoc.h"
#include "PartsBeyondLength.h"
#include "WorkerDlg.h"

bool EditBranchProperties(QWidget* parent, CKalvexBranch& branch)
{
    CBranchPropertySheet sheet(ReadBranchProperties(branch), parent);
    const double oldLength = branch.length;
    sheet.SetLengthWarning([&branch, oldLength](double length) {
        return length == oldLength ? std::string() : PartsBeyondLengthText(PartsBeyondLength(branch, length), length);
    });
    if (GXModal::Exec(sheet) != QDialog::Accepted)
        return false;
    WriteBranchProperties(sheet.Values(), branch);
    return true;
}

bool EditHeatSources(QWidget* parent, CKalvexBranch& branch)
{
    CHeatSourceSheet sheet(CollectHeatSources(branch), parent);
    if (GXModal::Exec(sheet) != QDialog::Accepted)
        return false;
    std::vector<CHeatSource> sources = RebuildHeatSources(sheet.Contents());
    branch.DeleteAllHeatSources();
    for (CHeatSource& source : sources)
        branch.AddHeatSource(std::move(source));
    return true;
}

bool EditWorkerDescription(QWidget* parent, const CKalvexDoc& doc, CWorkerValues& values)
{
    CWorkerDlg dialog(doc.GetWorkerValues(), parent);
    if (GXModal::Exec(dialog) != QDialog::Accepted)
        return false;
    values = dialog.Values();
    return true;
}

bool EditFanReg(QWidget* parent, CKalvexBranch& branch)
{
    CFanRegDlg dialog(branch.fanReg, WholeNumber(branch.length), parent);
    if (GXModal::Exec(dialog) != QDialog::Accepted)
        return false;
    const CFanReg& values = dialog.Values();
    branch.fanReg.location = values.location;
    branch.fanReg.pressureChange = values.pressureChange;
    branch.fanReg.sensibleHeat = values.sensibleHeat;
    branch.fanReg.description = values.description;
    return true;
}

bool EditAirSources(QWidget* parent, const CKalvexDoc& doc, CKalvexBranch& branch)
{
    CAirSourcesDlg dialog(ReadAirSources(doc, branch), parent);
    if (GXModal::Exec(dialog) != QDialog::Accepted)
        return false;
    WriteAirSources(dialog.Values(), branch);
    return true;
}
