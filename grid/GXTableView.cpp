#include "GXTableView.h"

#include "GXGridView.h"
#include "GXHeaderView.h"
#include "GridParam.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

CGXTableView::CGXTableView(CGXGridView* grid, bool frozen, QWidget* parent)
    : QTableView(parent), m_grid(grid), m_frozenPart(frozen)
{
    setShowGrid(false);  // the delegate draws the lines the properties ask for
    setWordWrap(false);
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerItem);
    setTabKeyNavigation(true);
    if (m_frozenPart) {
        setFocusPolicy(Qt::NoFocus);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setFrameShape(QFrame::NoFrame);
    }
    if (auto* corner = findChild<QAbstractButton*>())
        corner->installEventFilter(this);
}

bool CGXTableView::EditIndex(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    return QTableView::edit(index, trigger, event);
}

void CGXTableView::CloseEditorWidget(QWidget* editor)
{
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
}

int CGXTableView::FrozenWidth() const
{
    int width = 0;
    const int frozen = m_grid->GetFrozenCols();
    for (int c = 0; c < frozen && c < model()->columnCount(); ++c)
        width += columnWidth(c);
    return width;
}

void CGXTableView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    const int frozen = m_grid->GetFrozenCols();
    if (m_frozenPart || frozen == 0 || !index.isValid()) {
        QTableView::scrollTo(index, hint);
        return;
    }
    if (index.column() < frozen) {
        // The cell is always visible horizontally; only scroll the rows.
        const int keep = horizontalScrollBar()->value();
        QTableView::scrollTo(index, hint);
        horizontalScrollBar()->setValue(keep);
        return;
    }
    QTableView::scrollTo(index, hint);
    const int left = visualRect(index).left();
    const int covered = FrozenWidth();
    if (left < covered)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - (covered - left));
}

void CGXTableView::selectAll()
{
    if (!m_grid->GetParam()->allowSelectTable || !m_grid->TransferCurrentCell())
        return;
    m_grid->NoteTablePress();
    QTableView::selectAll();
}

void CGXTableView::keyboardSearch(const QString&)
{
    // Typing starts an edit; read-only cells ignore it rather than jumping.
}

namespace {

// Shortcuts of the editing commands. They belong to the window's actions
// (the table accepts no ShortcutOverride for them, so an action's shortcut
// fires first); when no action takes one, the table neither acts on it
// (QAbstractItemView would copy the current cell on its own) nor keeps it
// from its parents.
bool IsCommandShortcut(const QKeyEvent* event)
{
    static const QKeySequence::StandardKey keys[] = {
        QKeySequence::Copy, QKeySequence::Cut,      QKeySequence::Paste,        QKeySequence::Undo,
        QKeySequence::Redo, QKeySequence::Find,     QKeySequence::FindNext,     QKeySequence::FindPrevious,
        QKeySequence::Replace, QKeySequence::Print,
    };
    for (const QKeySequence::StandardKey key : keys)
        if (event->matches(key))
            return true;
    return false;
}

}  // namespace

void CGXTableView::keyPressEvent(QKeyEvent* event)
{
    m_grid->BeginUserAction();
    if (m_grid->ProcessKey(event)) {
        event->accept();
    } else if (IsCommandShortcut(event)) {
        event->ignore();
    } else {
        // A move without Shift starts a new selection of cells.
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (!(event->modifiers() & Qt::ShiftModifier))
                m_grid->NoteCellPress(false);
            break;
        default:
            break;
        }
        QTableView::keyPressEvent(event);
    }
    m_grid->EndUserAction();
}

void CGXTableView::mousePressEvent(QMouseEvent* event)
{
    if (m_frozenPart && m_grid->m_table)
        m_grid->m_table->setFocus(Qt::MouseFocusReason);
    m_grid->BeginUserAction();
    if (!m_grid->IsEditing())
        m_grid->NoteCellPress(event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier));
    QTableView::mousePressEvent(event);
    m_grid->EndUserAction();
}

void CGXTableView::mouseMoveEvent(QMouseEvent* event)
{
    // No drag selection while a cell is edited: the edit owns the current cell.
    if (m_grid->IsEditing())
        return;
    QTableView::mouseMoveEvent(event);
}

void CGXTableView::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_grid->BeginUserAction();
    QTableView::mouseDoubleClickEvent(event);
    m_grid->EndUserAction();
}

void CGXTableView::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    if (QWidget* editor = m_grid->CurrentEditor())
        editor->setFocus();
}

void CGXTableView::paintEvent(QPaintEvent* event)
{
    if (!m_frozenPart)
        m_grid->CheckHeaderHeight();
    QTableView::paintEvent(event);
}

void CGXTableView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    if (!m_frozenPart)
        m_grid->UpdateFrozenGeometry();
}

void CGXTableView::wheelEvent(QWheelEvent* event)
{
    if (m_frozenPart && m_grid->m_table) {
        // The frozen part has no scroll bars; the main table scrolls both.
        QCoreApplication::sendEvent(m_grid->m_table->verticalScrollBar(), event);
        return;
    }
    QTableView::wheelEvent(event);
}

bool CGXTableView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (!index.isValid())
        return false;
    if (m_grid->IsEditing())
        return m_grid->m_editRow == index.row() + 1 && m_grid->m_editCol == index.column() + 1;
    if (index != currentIndex())
        return false;
    if (!m_frozenPart && index.column() < m_grid->GetFrozenCols() && m_grid->m_frozen)
        return m_grid->m_frozen->EditIndex(index, trigger, event);
    return QTableView::edit(index, trigger, event);
}

void CGXTableView::commitData(QWidget*)
{
    // Edits are stored by the grid itself (TransferCurrentCell), with validation.
}

void CGXTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint)
{
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
}

QItemSelectionModel::SelectionFlags CGXTableView::selectionCommand(const QModelIndex& index,
                                                                   const QEvent* event) const
{
    // Header clicks come without an event; cell clicks and keys with one.
    if (m_grid->m_destroying)
        return QItemSelectionModel::NoUpdate;
    if (event && !m_grid->GetParam()->allowSelectCells) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress)
            return QItemSelectionModel::Clear;
        return QItemSelectionModel::NoUpdate;
    }
    return QTableView::selectionCommand(index, event);
}

void CGXTableView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (m_frozenPart)
        return;
    // The header sections of the current row and column are drawn raised.
    horizontalHeader()->viewport()->update();
    verticalHeader()->viewport()->update();
    if (m_grid->m_frozenHeader)
        m_grid->m_frozenHeader->viewport()->update();
    emit m_grid->currentCellChanged(current.isValid() ? current.row() + 1 : 0,
                                    current.isValid() ? current.column() + 1 : 0);
}

bool CGXTableView::eventFilter(QObject* watched, QEvent* event)
{
    if (auto* corner = qobject_cast<QAbstractButton*>(watched)) {
        if (event->type() == QEvent::Paint) {
            QPainter painter(corner);
            CGXHeaderView::PaintHeaderCell(*m_grid, painter, corner->rect(), 0, 0, false);
            return true;
        }
    }
    return QTableView::eventFilter(watched, event);
}

bool CGXTableView::focusNextPrevChild(bool next)
{
    // Closing an editor must not look like a Tab key to the table.
    if (m_grid->m_closingEditor)
        return true;
    return QTableView::focusNextPrevChild(next);
}
