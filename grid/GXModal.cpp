#include "GXModal.h"

#include <QDialog>

#include <utility>

namespace {

GXModal::ExecHook& Hook()
{
    static GXModal::ExecHook hook;
    return hook;
}

}  // namespace

namespace GXModal {

int Exec(QDialog& dialog)
{
    if (Hook()) {
        // A copy: the hook may replace itself while it runs.
        const ExecHook hook = Hook();
        return hook(dialog);
    }
    return dialog.exec();
}

ExecHook SetExecHook(ExecHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

}  // namespace GXModal
