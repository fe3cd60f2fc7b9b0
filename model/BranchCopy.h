#pragma once
// A branch is never copied by the document itself (its views point at it);
// calculations that try out changed inputs march a copy made here instead.
#include <memory>

class CKalvexBranch;

// A new branch holding every saved member of branch (id, texts, inputs,
// outlet values, heat sources, fan/regulator, source branch ids) but none of
// its result rows; the scratch values of a run start afresh.
std::unique_ptr<CKalvexBranch> CopyBranchInputs(const CKalvexBranch& branch);
// Writes the inputs of from (everything the user edits: texts, inputs, heat
// sources, fan/regulator, source branch ids) into to, whose id, outlet
// values and results stay. An undo step puts a branch back with it.
void AssignBranchInputs(CKalvexBranch& to, const CKalvexBranch& from);
// True when the two hold the same inputs (as AssignBranchInputs writes them).
bool SameBranchInputs(const CKalvexBranch& a, const CKalvexBranch& b);
