#include "BranchDialogs.h"

#include "BranchPropertySheet.h"
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
