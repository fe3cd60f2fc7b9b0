#pragma once
// Helpers for the grid tests: watching warnings and beeps, answering modal
// dialogs, finding the screen position of cells and headers, and sending
// mouse input there.
#include "GXFeedback.h"
#include "GXGridView.h"
#include "GXModal.h"

#include <QHeaderView>
#include <QPoint>
#include <QStringList>
#include <QTableView>

#include <memory>

// Collects the grid's warnings and beeps instead of showing them.
class FeedbackCatcher {
public:
    FeedbackCatcher();
    ~FeedbackCatcher();
    FeedbackCatcher(const FeedbackCatcher&) = delete;
    FeedbackCatcher& operator=(const FeedbackCatcher&) = delete;

    QStringList warnings;
    int beeps = 0;

private:
    GXFeedback::WarningPresenter previousPresenter;
    GXFeedback::BeepHook previousBeep;
};

// Answers every modal dialog the grid runs (GXModal) with `answer` for as
// long as it lives, instead of showing it; counts them. The previous hook
// comes back at the end.
class ModalAnswer {
public:
    explicit ModalAnswer(GXModal::ExecHook answer);
    ~ModalAnswer();
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    int dialogs = 0;
    bool sawVisibleDialog = false;  // a dialog arrived already shown

private:
    GXModal::ExecHook previous;
};

// Shows a grid in a window of the given size and waits until it is exposed.
void ShowGrid(QWidget& grid, int width = 640, int height = 400);

// Centre of a data cell in the viewport of the table that shows it (the
// frozen table for frozen columns), and that viewport.
QWidget* CellViewport(const CGXGridView& grid, int row, int col);
QPoint CellCenter(const CGXGridView& grid, int row, int col);
void ClickCell(CGXGridView& grid, int row, int col, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void DoubleClickCell(CGXGridView& grid, int row, int col);

// Centre of a header section (column headers in row 0, row headers in column
// 0) in its header's viewport.
QHeaderView* ColumnHeader(const CGXGridView& grid, int col);
QPoint ColumnHeaderCenter(const CGXGridView& grid, int col);
QPoint RowHeaderCenter(const CGXGridView& grid, int row);
void ClickColumnHeader(CGXGridView& grid, int col, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void ClickRowHeader(CGXGridView& grid, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Presses on `from` in a widget, moves in steps to `to` (possibly in another
// widget) and releases there.
void Drag(QWidget* fromWidget, QPoint from, QWidget* toWidget, QPoint to);

// Types into the grid with the keyboard, as a user at the focused table.
void TypeKeys(CGXGridView& grid, const QString& text);
void PressKey(CGXGridView& grid, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The folder for files the tests leave for a look (PNG, PDF).
QString OutputPath(const QString& fileName);
