#include "ScriptedDialogs.h"

#include "GXModal.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>

#include <gtest/gtest.h>

CScriptedDialogs::CScriptedDialogs()
{
    GXModal::SetExecHook([this](QDialog& dialog) {
        QString title = dialog.windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            title += QStringLiteral(" | ") + box->text();
            messages.append(box->text());
        }
        seen.append(title);
        if (m_answers.empty()) {
            ++unexpected;
            ADD_FAILURE() << "unexpected dialog: " << title.toStdString();
            return int(QDialog::Rejected);
        }
        Answer answer = std::move(m_answers.front());
        m_answers.pop_front();
        return answer(dialog);
    });
}

CScriptedDialogs::~CScriptedDialogs()
{
    GXModal::SetExecHook({});
    EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " expected dialogs did not come";
}

CScriptedDialogs::Answer CScriptedDialogs::Button(int button)
{
    return [button](QDialog&) { return button; };
}

CScriptedDialogs::Answer CScriptedDialogs::File(const QString& path)
{
    return [path](QDialog& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        EXPECT_NE(files, nullptr) << "a file dialog was expected";
        if (!files)
            return int(QDialog::Rejected);
        files->selectFile(path);
        return int(QDialog::Accepted);
    };
}

QString PdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}
