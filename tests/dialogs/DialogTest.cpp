#include "DialogTest.h"

#include "GXFeedback.h"
#include "GXModal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

void DialogTest::SetUp()
{
    GXModal::SetExecHook([this](QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            messages.append(box->text());
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Dorvan"));
        }
        if (answers.empty()) {
            ++unexpected;
            ADD_FAILURE() << "unexpected dialog: " << dialog.windowTitle().toStdString();
            return int(QDialog::Rejected);
        }
        // Taken off the queue first: the answer may run nested dialogs.
        Answer answer = std::move(answers.front());
        answers.pop_front();
        return answer(dialog);
    });
    GXFeedback::SetWarningPresenter([this](QWidget*, const QString& text) { warnings.append(text); });
    GXFeedback::SetBeepHook([] {});
}

void DialogTest::TearDown()
{
    GXModal::SetExecHook({});
    GXFeedback::SetWarningPresenter({});
    GXFeedback::SetBeepHook({});
    EXPECT_TRUE(answers.empty()) << answers.size() << " expected dialogs did not come";
}

void DialogTest::ExpectMessage(int button)
{
    Expect([button](QDialog&) { return button; });
}

void DialogTest::Show(QDialog& dialog)
{
    dialog.show();
    dialog.activateWindow();
    QApplication::processEvents();
}

void DialogTest::Type(QLineEdit* field, const QString& text)
{
    ASSERT_NE(field, nullptr);
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
    QApplication::processEvents();
}

void DialogTest::Paste(QLineEdit* field, const QString& text)
{
    ASSERT_NE(field, nullptr);
    QGuiApplication::clipboard()->setText(text);
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
}

void DialogTest::TypeAtFocus(const QString& text)
{
    for (const QChar c : text) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClicks(target, QString(c));
        QApplication::processEvents();
    }
}

void DialogTest::Press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers mods)
{
    QTest::keyClick(target, key, mods);
    QApplication::processEvents();
}

void DialogTest::Click(QAbstractButton* button)
{
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
}

QWidget* DialogTest::Focus()
{
    return QApplication::focusWidget();
}
