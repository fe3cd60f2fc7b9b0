// The modal seam: every modal dialog of the grid goes through GXModal::Exec,
// where a hook answers it; the default warning is a message box that goes
// the same way.
#include "GXFeedback.h"
#include "GXModal.h"
#include "GridTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

#include <gtest/gtest.h>

TEST(GridModal, HookAnswersAndIsPutBack)
{
    int outer = 0;
    const GXModal::ExecHook before = GXModal::SetExecHook([&outer](QDialog&) {
        ++outer;
        return 7;
    });
    QDialog dialog;
    EXPECT_EQ(GXModal::Exec(dialog), 7);
    {
        ModalAnswer answer([](QDialog& d) {
            d.setWindowTitle("answered");
            return static_cast<int>(QDialog::Accepted);
        });
        EXPECT_EQ(GXModal::Exec(dialog), QDialog::Accepted);
        EXPECT_EQ(answer.dialogs, 1);
        EXPECT_EQ(dialog.windowTitle(), QString("answered"));  // the hook may change the dialog
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_EQ(GXModal::Exec(dialog), 7);  // the helper put the outer hook back
    EXPECT_EQ(outer, 2);

    // The hook may replace itself while it runs.
    GXModal::SetExecHook([](QDialog&) {
        GXModal::SetExecHook([](QDialog&) { return 2; });
        return 1;
    });
    EXPECT_EQ(GXModal::Exec(dialog), 1);
    EXPECT_EQ(GXModal::Exec(dialog), 2);
    GXModal::SetExecHook(before);
}

TEST(GridModal, DefaultWarningIsAMessageBoxThroughTheSeam)
{
    // No warning presenter: the default, a message box, runs.
    const GXFeedback::WarningPresenter presenter = GXFeedback::SetWarningPresenter({});
    QWidget parent;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QWidget* boxParent = nullptr;
    {
        ModalAnswer answer([&](QDialog& dialog) {
            auto* box = qobject_cast<QMessageBox*>(&dialog);
            if (!box)
                return static_cast<int>(QDialog::Rejected);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
            boxParent = box->parentWidget();
            return static_cast<int>(QMessageBox::Ok);
        });
        GXFeedback::ShowWarning(&parent, "Please enter a number.");
        EXPECT_EQ(answer.dialogs, 1);
    }
    GXFeedback::SetWarningPresenter(presenter);
    EXPECT_EQ(title, QApplication::applicationDisplayName());
    EXPECT_EQ(text, QString("Please enter a number."));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(boxParent, &parent);
}
