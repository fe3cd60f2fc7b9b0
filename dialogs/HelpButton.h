#pragma once
// The Help button of a dialog: it opens the dialog's help page beside it.
#include <QString>

class QDialog;
class QDialogButtonBox;

void AddHelpButton(QDialogButtonBox* buttons, QDialog* dialog, const QString& topic);
