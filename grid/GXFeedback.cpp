#include "GXFeedback.h"

#include "GXModal.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace {

GXFeedback::WarningPresenter& Presenter()
{
    static GXFeedback::WarningPresenter presenter;
    return presenter;
}

GXFeedback::BeepHook& Beeper()
{
    static GXFeedback::BeepHook hook;
    return hook;
}

}  // namespace

namespace GXFeedback {

void ShowWarning(QWidget* parent, const QString& text)
{
    if (Presenter()) {
        Presenter()(parent, text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    GXModal::Exec(box);
}

void Beep()
{
    if (Beeper()) {
        Beeper()();
        return;
    }
    QApplication::beep();
}

WarningPresenter SetWarningPresenter(WarningPresenter presenter)
{
    return std::exchange(Presenter(), std::move(presenter));
}

BeepHook SetBeepHook(BeepHook hook)
{
    return std::exchange(Beeper(), std::move(hook));
}

}  // namespace GXFeedback
