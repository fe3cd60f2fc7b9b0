#pragma once
// The commands every view runs on the branch it stands for: the branch
// dialogs and the printed branch form.
class COpenDocument;
class CKalvexBranch;
class QWidget;

// Branch Properties, Heat Sources, Fan/Reg, Air Sources, Print Branch Form,
// Required Air Quantity and Required Cooling.
bool IsBranchCommand(int id);
// Opens the command's dialog (or prints) for the branch. The dialog works
// on a copy of the branch; its OK stores the copy as one undo step (which
// tells every view). True when the document changed.
bool RunBranchCommand(int id, QWidget* parent, COpenDocument& document, CKalvexBranch& branch);
