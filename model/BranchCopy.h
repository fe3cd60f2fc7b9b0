#pragma once
// A branch is never copied by the document itself (its views point at it);
// calculations that try out changed inputs march a copy made here instead.
#include <memory>

class CKalvexBranch;

// A new branch holding every saved member of branch (id, texts, inputs,
// outlet values, heat sources, fan/regulator, source branch ids) but none of
// its result rows; the scratch values of a run start afresh.
std::unique_ptr<CKalvexBranch> CopyBranchInputs(const CKalvexBranch& branch);
