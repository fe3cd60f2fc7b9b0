#pragma once
// The edit boxes of a dialog form: a label with its mnemonic, the edit box
// and a fixed hint beside it, one row each; and how a refused field is
// reported (a message box, then the focus back on the field with its text
// selected).
#include <QString>

#include <string>

class QGridLayout;
class QLineEdit;
class QWidget;

// Fills row `row` of a grid layout that belongs to a widget; hint may be
// empty.
QLineEdit* AddFieldRow(QGridLayout* layout, int row, const QString& label, const QString& hint);

// Shows the message (warning box, "Dorvan") and gives the field the focus.
void RefuseField(QWidget* parent, QLineEdit* field, const std::string& message);

// The text of an edit box as the checks read it (UTF-8).
std::string FieldString(const QLineEdit* field);
void SetFieldString(QLineEdit* field, const std::string& text);
