#pragma once
// How the grid component tells the user that something was refused: a
// warning text and the system beep. Both go through replaceable hooks so
// that a program can show warnings its own way (a tool tip, a status line)
// and tests can watch them without a modal message box.
#include <QString>

#include <functional>

class QWidget;

namespace GXFeedback {

using WarningPresenter = std::function<void(QWidget* parent, const QString& text)>;
using BeepHook = std::function<void()>;

// Shows a warning; by default a warning message box titled with the
// application's display name, run through GXModal::Exec.
void ShowWarning(QWidget* parent, const QString& text);
// QApplication::beep by default.
void Beep();

// Replace the hooks; an empty function restores the default. Return the
// previous hook so a test can put it back.
WarningPresenter SetWarningPresenter(WarningPresenter presenter);
BeepHook SetBeepHook(BeepHook hook);

}  // namespace GXFeedback
