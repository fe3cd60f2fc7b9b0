#pragma once
// The operations that open the branch dialogs and the worker description.
// Each runs its dialog modally through GXModal::Exec and on OK writes what
// it holds into the branch it was given, which the caller passes as a copy
// of the document's branch and then stores as one undo step; true on OK.
// The worker description returns the values to store. Cancel changes
// nothing and returns false.
class QWidget;
class CKalvexDoc;
class CKalvexBranch;
struct CWorkerValues;

bool EditBranchProperties(QWidget* parent, CKalvexBranch& branch);
bool EditHeatSources(QWidget* parent, CKalvexBranch& branch);
bool EditFanReg(QWidget* parent, CKalvexBranch& branch);
bool EditAirSources(QWidget* parent, const CKalvexDoc& doc, CKalvexBranch& branch);
bool EditWorkerDescription(QWidget* parent, const CKalvexDoc& doc, CWorkerValues& values);
