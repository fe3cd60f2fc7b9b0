#include "Session.h"

#include "BranchTableView.h"
#include "GXFeedback.h"
#include "GXModal.h"
#include "KalvexFrm.h"
#include "OpenDocument.h"
#include "ResultTableView.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QTableView>
#include <QTest>

void Session::SetUp()
{
    QSettings().clear();
    GXModal::SetExecHook([this](QDialog& dialog) {
        QString seen = dialog.windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(&dialog))
            seen += QStringLiteral(" | ") + box->text();
        dialogs.append(seen);
        if (answers.empty()) {
            ++unexpected;
            ADD_FAILURE() << "unexpected dialog: " << seen.toStdString();
            return int(QDialog::Rejected);
        }
        Answer answer = std::move(answers.front());
        answers.pop_front();
        return answer(dialog);
    });
    GXFeedback::SetWarningPresenter([this](QWidget*, const QString& text) { warnings.append(text); });
    GXFeedback::SetBeepHook([this] { ++beeps; });
    main = std::make_unique<CMainFrame>();
    main->resize(1200, 800);
    main->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    main->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(main.get()));
    main->NewDocument();
    Settle();
}

void Session::TearDown()
{
    main.reset();
    Settle();
    GXModal::SetExecHook({});
    GXFeedback::SetWarningPresenter({});
    GXFeedback::SetBeepHook({});
    EXPECT_TRUE(answers.empty()) << answers.size() << " expected dialogs did not come";
}

Session::Answer Session::Button(int button)
{
    return [button](QDialog&) { return button; };
}

Session::Answer Session::File(const QString& path)
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

void Session::Press(Qt::Key key, Qt::KeyboardModifiers mods)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : main.get();
    QTest::keyClick(target, key, mods);
    QApplication::processEvents();
}

void Session::Type(const QString& text)
{
    for (const QChar c : text) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : main.get();
        QTest::keyClicks(target, QString(c));
        QApplication::processEvents();
    }
}

bool Session::Command(int id)
{
    return main->RunCommand(id);
}

bool Session::Enabled(int id)
{
    main->UpdateActions();
    return main->Action(id)->isEnabled();
}

bool Session::Checked(int id)
{
    main->UpdateActions();
    return main->Action(id)->isChecked();
}

void Session::Settle()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

CKalvexTableView* Session::Table() const
{
    return Frame() ? qobject_cast<CKalvexTableView*>(Frame()->View()) : nullptr;
}

CBranchTableView* Session::Branches() const
{
    return Frame() ? qobject_cast<CBranchTableView*>(Frame()->View()) : nullptr;
}

CResultTableView* Session::Results() const
{
    return Frame() ? qobject_cast<CResultTableView*>(Frame()->View()) : nullptr;
}

COpenDocument& Session::Open() const
{
    return *main->ActiveDocument();
}

CKalvexDoc& Session::Doc() const
{
    return Open().doc;
}

void Session::GoTo(int row, int col)
{
    CKalvexTableView* table = Table();
    table->ClearSelection();
    table->SetCurrentCell(row, col);
    table->TableView()->setFocus();
    QApplication::processEvents();
}

QString Session::Cell(int row, int col) const
{
    return Table()->GetValueRowCol(row, col);
}

QString Session::OutputPath(const QString& name)
{
    QDir dir(QStringLiteral(UI_TEST_OUTPUT_DIR));
    dir.mkpath(QStringLiteral("."));
    return dir.filePath(name);
}

QString Session::TempPath(const QString& name)
{
    QDir dir(QDir::temp().filePath(QStringLiteral("dorvan-ui-tests")));
    dir.mkpath(QStringLiteral("."));
    return dir.filePath(name);
}

QString Session::PdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}
