#pragma once
// The commands every view runs on the branch it stands for: the branch
// dialogs and the printed branch form.
class CKalvexDoc;
class CKalvexBranch;
class QWidget;

// Branch Properties, Heat Sources, Fan/Reg, Air Sources, Print Branch Form,
// Required Air Quantity and Required Cooling.
bool IsBranchCommand(int id);
// Opens the command's dialog (or prints) for the branch; true when the
// document changed, which the caller then shows in the views.
bool RunBranchCommand(int id, QWidget* parent, CKalvexDoc& doc, CKalvexBranch& branch);
