#pragma once
// Every modal dialog of the grid component runs through Exec, so that a
// program can watch them and tests can answer them without a window ever
// waiting for input. The hook receives the dialog fully prepared but not
// shown, may change its widgets, and returns what exec() would have
// returned: QDialog::Accepted or Rejected, or the QMessageBox::StandardButton
// clicked for a message box. A dialog whose own OK handling matters (a
// QPrintDialog applies its settings to the printer in accept()) can be
// answered with dialog.accept() and dialog.result().
#include <functional>

class QDialog;

namespace GXModal {

using ExecHook = std::function<int(QDialog& dialog)>;

// Runs a modal dialog: dialog.exec() by default, the hook when one is set.
int Exec(QDialog& dialog);

// Replaces the hook; an empty function restores dialog.exec(). Returns the
// previous hook so that a test can put it back.
ExecHook SetExecHook(ExecHook hook);

}  // namespace GXModal
