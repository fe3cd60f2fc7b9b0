#include "Session.h"

#include "BranchTableView.h"
#include "GXFeedback.h"
#include "KalvexFrm.h"
#include "OpenDocument.h"
#include "ResultTableView.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QTableView>
#include <QTest>

void Session::SetUp()
{
    QSettings().clear();
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
    GXFeedback::SetWarningPresenter({});
    GXFeedback::SetBeepHook({});
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
