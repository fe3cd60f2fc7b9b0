#pragma once
// Scripted answers to the program's modal dialogs (the GXModal seam) for
// the tests of the windowed program: each dialog gets the next answer; a
// dialog with none left is refused and fails the test. Answers are taken
// off the queue before they run, so dialogs they open get the next ones.
#include <QDialog>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

class CScriptedDialogs {
public:
    using Answer = std::function<int(QDialog&)>;

    // Installs the answers as the modal hook; the destructor takes it away
    // and fails the test when answers are left.
    CScriptedDialogs();
    ~CScriptedDialogs();
    CScriptedDialogs(const CScriptedDialogs&) = delete;
    CScriptedDialogs& operator=(const CScriptedDialogs&) = delete;

    void Expect(Answer answer) { m_answers.push_back(std::move(answer)); }
    bool Empty() const { return m_answers.empty(); }

    static Answer Button(int button);
    // Answers a file dialog with a file name.
    static Answer File(const QString& path);

    QStringList seen;      // each dialog's title, then " | " and a message box's text
    QStringList messages;  // the text of each message box
    int unexpected = 0;

private:
    std::deque<Answer> m_answers;
};

// The text of a PDF file, laid out as on the page (pdftotext).
QString PdfText(const QString& path);
