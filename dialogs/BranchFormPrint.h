#pragma once
// Print Branch Form: the print dialog, then the form of one branch drawn
// on the printer it chose.
class CKalvexDoc;
class CKalvexBranch;
class QPainter;
class QPrinter;
class QWidget;
struct CFormLayout;

// False when there is nothing to print or the dialog was cancelled.
bool PrintBranchForm(QWidget* parent, CKalvexDoc& doc, CKalvexBranch& branch);
// Prints the form on a printer as it is set up, without a dialog; the
// number of pages printed, 0 when the printer failed (a message box then
// says so, over parent).
int PrintBranchFormTo(QPrinter& printer, CKalvexDoc& doc, CKalvexBranch& branch, QWidget* parent = nullptr);
