#pragma once
// The OK of a branch dialog (Branch Properties, Heat Sources, Fan/Reg, Air
// Sources) and the Apply of a requirement as one undo step: the branch's
// inputs before and after, found by branch id.
#include "EditCommands.h"

#include <memory>

class CKalvexBranch;

class CBranchInputsCommand : public CDocumentCommand {
public:
    // before: the branch as it is; after: the dialog's copy holding the new
    // inputs (the same id).
    CBranchInputsCommand(CKalvexDoc& doc, const QString& text, const CKalvexBranch& before,
                         const CKalvexBranch& after);
    ~CBranchInputsCommand() override;

protected:
    void Apply(bool undo) override;

private:
    std::unique_ptr<CKalvexBranch> m_before;
    std::unique_ptr<CKalvexBranch> m_after;
};
