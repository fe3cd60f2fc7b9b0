#pragma once
// A user's session in the windowed program, offscreen: a main window with
// scripted answers to every modal dialog, keys sent where the focus is, and
// the texts and files that come out.
#include "CommandIds.h"
#include "MainFrame.h"

#include <QDialog>
#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
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
    using Answer = std::function<int(QDialog&)>;
    void Expect(Answer answer) { answers.push_back(std::move(answer)); }
    static Answer Button(int button);
    // Answers a file dialog with a file name.
    static Answer File(const QString& path);

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
    // The text of a PDF file, laid out as on the page (pdftotext).
    static QString PdfText(const QString& path);
    static QString TempPath(const QString& name);

    std::unique_ptr<CMainFrame> main;
    std::deque<Answer> answers;
    QStringList dialogs;   // title, then " | " and the text of each message box
    QStringList warnings;  // the grid's refusal texts
    int beeps = 0;
    int unexpected = 0;
};
