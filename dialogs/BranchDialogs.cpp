#include "BranchDialogs.h"

#include "BranchPropertySheet.h"
#include "GXModal.h"
#include "HeatSourceSheet.h"
#include "KalvexDoc.h"

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
