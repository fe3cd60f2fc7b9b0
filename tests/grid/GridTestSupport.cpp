#include "GridTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTest>

FeedbackCatcher::FeedbackCatcher()
{
    previousPresenter =
        GXFeedback::SetWarningPresenter([this](QWidget*, const QString& text) { warnings << text; });
    previousBeep = GXFeedback::SetBeepHook([this] { ++beeps; });
}

FeedbackCatcher::~FeedbackCatcher()
{
    GXFeedback::SetWarningPresenter(previousPresenter);
    GXFeedback::SetBeepHook(previousBeep);
}

ModalAnswer::ModalAnswer(GXModal::ExecHook answer)
{
    previous = GXModal::SetExecHook([this, answer = std::move(answer)](QDialog& dialog) {
        ++dialogs;
        if (dialog.isVisible())
            sawVisibleDialog = true;
        return answer ? answer(dialog) : static_cast<int>(QDialog::Rejected);
    });
}

ModalAnswer::~ModalAnswer()
{
    GXModal::SetExecHook(previous);
}

void ShowGrid(QWidget& grid, int width, int height)
{
    grid.resize(width, height);
    grid.show();
    if (!QTest::qWaitForWindowExposed(&grid))
        qWarning("grid window not exposed");
    grid.activateWindow();
    if (!QTest::qWaitForWindowActive(&grid))
        qWarning("grid window not active");
    grid.setFocus();
    QApplication::processEvents();
}

QWidget* CellViewport(const CGXGridView& grid, int, int col)
{
    if (col <= grid.GetFrozenCols())
        return grid.FrozenView()->viewport();
    return grid.TableView()->viewport();
}

QPoint CellCenter(const CGXGridView& grid, int row, int col)
{
    QTableView* view = col <= grid.GetFrozenCols() ? grid.FrozenView() : grid.TableView();
    return view->visualRect(view->model()->index(row - 1, col - 1)).center();
}

void ClickCell(CGXGridView& grid, int row, int col, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseClick(CellViewport(grid, row, col), Qt::LeftButton, modifiers, CellCenter(grid, row, col));
    QApplication::processEvents();
}

void DoubleClickCell(CGXGridView& grid, int row, int col)
{
    QWidget* viewport = CellViewport(grid, row, col);
    const QPoint at = CellCenter(grid, row, col);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
    QApplication::processEvents();
}

QHeaderView* ColumnHeader(const CGXGridView& grid, int col)
{
    if (col <= grid.GetFrozenCols())
        return grid.FrozenView()->horizontalHeader();
    return grid.TableView()->horizontalHeader();
}

QPoint ColumnHeaderCenter(const CGXGridView& grid, int col)
{
    QHeaderView* header = ColumnHeader(grid, col);
    const int x = header->sectionViewportPosition(col - 1) + header->sectionSize(col - 1) / 2;
    return {x, header->height() / 2};
}

QPoint RowHeaderCenter(const CGXGridView& grid, int row)
{
    QHeaderView* header = grid.TableView()->verticalHeader();
    const int y = header->sectionViewportPosition(row - 1) + header->sectionSize(row - 1) / 2;
    return {header->width() / 2, y};
}

void ClickColumnHeader(CGXGridView& grid, int col, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseClick(ColumnHeader(grid, col)->viewport(), Qt::LeftButton, modifiers, ColumnHeaderCenter(grid, col));
    QApplication::processEvents();
}

void ClickRowHeader(CGXGridView& grid, int row, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseClick(grid.TableView()->verticalHeader()->viewport(), Qt::LeftButton, modifiers,
                      RowHeaderCenter(grid, row));
    QApplication::processEvents();
}

void Drag(QWidget* fromWidget, QPoint from, QWidget* toWidget, QPoint to)
{
    QTest::mousePress(fromWidget, Qt::LeftButton, Qt::NoModifier, from);
    const QPoint globalFrom = fromWidget->mapToGlobal(from);
    const QPoint globalTo = toWidget->mapToGlobal(to);
    constexpr int kSteps = 6;
    for (int i = 1; i <= kSteps; ++i) {
        const QPoint global = globalFrom + (globalTo - globalFrom) * i / kSteps;
        QTest::mouseMove(fromWidget, fromWidget->mapFromGlobal(global));
    }
    QTest::mouseRelease(fromWidget, Qt::LeftButton, Qt::NoModifier, fromWidget->mapFromGlobal(globalTo));
    QApplication::processEvents();
}

void TypeKeys(CGXGridView& grid, const QString& text)
{
    // Each key goes where the focus is at that moment (the first key of an
    // edit opens the editor, which takes the focus).
    for (const QChar c : text) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : grid.TableView();
        QTest::keyClicks(target, QString(c));
        QApplication::processEvents();
    }
}

void PressKey(CGXGridView& grid, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : grid.TableView();
    QTest::keyClick(target, key, modifiers);
    QApplication::processEvents();
}

QString OutputPath(const QString& fileName)
{
    QDir dir(QStringLiteral(GRID_TEST_OUTPUT_DIR));
    dir.mkpath(QStringLiteral("."));
    return dir.filePath(fileName);
}
