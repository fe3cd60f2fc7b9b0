#pragma once
// Execute on a document: one branch or the whole sequence is validated and
// run; outlet values, result rows, message rows and summary rows are stored,
// and the views are told to update. Each returns true when it changed the
// document.
#include "RunUi.h"

class CKalvexDoc;
class CKalvexBranch;

bool ExecuteBranchAt(CKalvexDoc& doc, int index, IRunUi& ui);
bool ExecuteBranch(CKalvexDoc& doc, CKalvexBranch& branch, bool validate, IRunUi& ui);
bool ExecuteSequence(CKalvexDoc& doc, IRunUi& ui);
// The run of one branch; false when the document holds no branches or the
// branch's input fails validation (the errors go to the ui).
bool RunBranch(CKalvexDoc& doc, CKalvexBranch& branch, IRunUi& ui);
