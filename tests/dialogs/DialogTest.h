#pragma once
// Dialogs driven as a user drives them, offscreen: every modal dialog gets
// the next scripted answer (a dialog with none left fails the test), the
// answer may show the dialog, type into its fields and press its buttons,
// and message boxes shown meanwhile take the answers after it.
#include <QDialog>
#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

class QAbstractButton;
class QLineEdit;
class QWidget;

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    using Answer = std::function<int(QDialog&)>;
    void Expect(Answer answer) { answers.push_back(std::move(answer)); }
    // A message box answered with a button (OK by default).
    void ExpectMessage(int button = 0x00000400 /* QMessageBox::Ok */);

    // What a user does in a dialog that an answer has in hand.
    static void Show(QDialog& dialog);
    // Replaces the field's text by typing: focus, select all, keys.
    static void Type(QLineEdit* field, const QString& text);
    // Replaces the field's text by pasting (Ctrl+V) from the clipboard.
    static void Paste(QLineEdit* field, const QString& text);
    // Types key by key into whatever has the focus (a grid cell's editor
    // opens on the first key and takes the rest).
    static void TypeAtFocus(const QString& text);
    static void Press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier);
    static void Click(QAbstractButton* button);
    static QWidget* Focus();

    std::deque<Answer> answers;
    QStringList messages;  // the text of every message box, in order
    QStringList warnings;  // the grid's refusal texts
    int unexpected = 0;
};
