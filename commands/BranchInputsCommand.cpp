#include "BranchInputsCommand.h"

#include "BranchCopy.h"
#include "KalvexDoc.h"

CBranchInputsCommand::CBranchInputsCommand(CKalvexDoc& doc, const QString& text, const CKalvexBranch& before,
                                           const CKalvexBranch& after)
    : CDocumentCommand(doc, text), m_before(CopyBranchInputs(before)), m_after(CopyBranchInputs(after))
{
}

CBranchInputsCommand::~CBranchInputsCommand() = default;

void CBranchInputsCommand::Apply(bool undo)
{
    const int index = m_doc.FindBranchIndex(m_before->branchId);
    if (index >= 0)
        AssignBranchInputs(m_doc.BranchAt(index), undo ? *m_before : *m_after);
}
