#pragma once
// A user's session in the windowed program, offscreen: a main window with
// scripted answers to every modal dialog, keys sent where the focus is, and
// the texts and files that come out.
#include "CommandIds.h"
#include "MainFrame.h"
#include "ScriptedDialogs.h"

#include <QDialog>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

class CKalvexFrm;
class CKalvexTableView;
class CBranchTableView;
class CResultTableView;
class COpenDocument;
class CKalvexDoc;

class Session : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The next modal dialog gets this answer; a dialog with no answer left
    // is refused (Rejected) and fails the test.
    using Answer = CScriptedDialogs::Answer;
    void Expect(Answer answer) { script.Expect(std::move(answer)); }
    static Answer Button(int button) { return CScriptedDialogs::Button(button); }
    static Answer File(const QString& path) { return CScriptedDialogs::File(path); }

    // Keys to the focused widget, as a user at the keyboard.
    void Press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier);
    void Type(const QString& text);
    // Triggers a command's action as its menu item would.
    bool Command(int id);
    bool Enabled(int id);
    bool Checked(int id);
    // Lets queued work (closing windows) finish.
    static void Settle();

    CKalvexFrm* Frame() const { return main->ActiveFrame(); }
    CKalvexTableView* Table() const;
    CBranchTableView* Branches() const;
    CResultTableView* Results() const;
    COpenDocument& Open() const;
    CKalvexDoc& Doc() const;
    // Makes (row, col) current and focuses the table.
    void GoTo(int row, int col);
    QString Cell(int row, int col) const;

    static QString OutputPath(const QString& name);
    static QString TempPath(const QString& name);

    CScriptedDialogs script;
    QStringList& dialogs = script.seen;  // title, then " | " and the text of each message box
    std::unique_ptr<CMainFrame> main;
    QStringList warnings;  // the grid's refusal texts
    int beeps = 0;
};
