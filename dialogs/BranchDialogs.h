#pragma once
// The document operations that open the branch dialogs and the worker
// description. Each runs its dialog modally through GXModal::Exec on copies
// of the data and stores on OK. A branch operation then marks the document
// modified and returns true; the caller updates the views. The worker
// description stores without marking the document modified (true on OK).
// Cancel changes nothing and returns false.
class QWidget;
class CKalvexDoc;
class CKalvexBranch;

bool EditBranchProperties(QWidget* parent, CKalvexDoc& doc, CKalvexBranch& branch);
bool EditHeatSources(QWidget* parent, CKalvexDoc& doc, CKalvexBranch& branch);
bool EditFanReg(QWidget* parent, CKalvexDoc& doc, CKalvexBranch& branch);
bool EditAirSources(QWidget* parent, CKalvexDoc& doc, CKalvexBranch& branch);
bool EditWorkerDescription(QWidget* parent, CKalvexDoc& doc);
