#pragma once
// Texts that name a document's branches by their position in the list: the
// choices of the branch selection lists and the source branches cell.
#include <string>
#include <vector>

class CKalvexDoc;
class CKalvexBranch;

// "1 - <name>", "2 - <name>", ... for every branch in list order. index is
// set to the position of branch, or -1 when branch is null or not one of the
// document's.
std::vector<std::string> SelectBranchList(const CKalvexDoc& doc, const CKalvexBranch* branch, int& index);

// Removes the source ids that name no branch of the document, keeping the
// order of the others; true when any was removed.
bool DropStaleSourceIds(const CKalvexDoc& doc, CKalvexBranch& branch);

// The source branches cell: "None - N/A" for the document's first branch,
// which nothing can feed. Otherwise stale source ids are dropped first, then
// the list positions (from 1) of the sources in their stored order, joined
// by ", ", or "None" when there are none.
std::string SourceBranchText(const CKalvexDoc& doc, CKalvexBranch& branch);
