// CGXGridView: editing cells, keys, moves of rows and columns.
#include "GXGridView.h"

#include "GXFeedback.h"
#include "GXGridHint.h"
#include "GXGridModel.h"
#include "GXSelectionModel.h"
#include "GXTableView.h"
#include "GridParam.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

// ---- Editing -------------------------------------------------------------------------

bool CGXGridView::IsEditing() const
{
    return !m_editor.isNull();
}

QLineEdit* CGXGridView::CurrentEditor() const
{
    return m_editor.data();
}

bool CGXGridView::StartEditing()
{
    const QModelIndex index = m_selection->currentIndex();
    if (!index.isValid() || !LookupStyle(index.row() + 1, index.column() + 1).editable)
        return false;
    return m_table->StartEdit(index) && IsEditing();
}

void CGXGridView::EditorOpened(QLineEdit* editor, int row, int col, CGXTableView* view)
{
    m_editor = editor;
    m_editView = view ? view : m_table;
    m_editRow = row;
    m_editCol = col;
    m_editOriginal = GetValueRowCol(row, col);
}

void CGXGridView::EditorClosed(QWidget* editor)
{
    if (editor == m_editor.data()) {
        m_editor = nullptr;
        m_editView = nullptr;
    }
}

void CGXGridView::CloseEditor()
{
    if (DiscardEditor() && !m_destroying)
        m_table->setFocus(Qt::OtherFocusReason);
}

bool CGXGridView::DiscardEditor()
{
    if (!m_editor)
        return false;
    QLineEdit* editor = m_editor.data();
    const bool hadFocus = QApplication::focusWidget() == editor;
    CGXTableView* view = m_editView ? m_editView : m_table;
    m_closingEditor = true;
    // The focus leaves the editor for nowhere: the table taking it would ask
    // the model about the current cell (which may be going), and a hidden
    // focused editor would pass it on as if Tab had been pressed.
    if (hadFocus)
        editor->clearFocus();
    view->CloseEditorWidget(editor);
    m_closingEditor = false;
    EditorClosed(editor);
    return hadFocus;
}

void CGXGridView::CancelEditing()
{
    CloseEditor();
}

bool CGXGridView::TransferCurrentCell()
{
    if (!IsEditing() || m_destroying)
        return true;
    if (m_transferring)
        return false;  // a warning of this transfer is on screen
    const QString text = m_editor->text();
    const int row = m_editRow;
    const int col = m_editCol;
    if (text == m_editOriginal) {
        CloseEditor();
        return true;
    }
    m_transferring = true;
    const bool stored = ValidateAndStore(row, col, text, true);
    m_transferring = false;
    if (!stored) {
        if (m_editor) {
            m_editor->setText(text);
            m_editor->setFocus();
        }
        return false;
    }
    CloseEditor();
    RedrawRange(CGXRange::Cells(row, col, row, col));
    CGXGridHint hint(CGXGridHint::Kind::Cells, m_param, this);
    hint.range = CGXRange::Cells(row, col, row, col);
    SendHint(hint);
    return true;
}

bool CGXGridView::ValidateAndStore(int row, int col, QString text, bool showWarning)
{
    if (m_destroying || row < 1 || col < 1 || !InCounts(row, col))
        return false;  // never a call-back for a cell outside the table
    m_warningText.clear();
    if (!OnValidateCell(row, col, text)) {
        if (showWarning)
            Refuse(row, col);
        return false;
    }
    if (!StoreStyleRowCol(row, col, text)) {
        GXFeedback::Beep();
        return false;
    }
    return true;
}

void CGXGridView::Refuse(int row, int col)
{
    ScrollCellInView(row, col);
    GXFeedback::Beep();
    if (!m_warningText.isEmpty())
        GXFeedback::ShowWarning(this, m_warningText);
}

// ---- Keys ------------------------------------------------------------------------------

bool CGXGridView::ProcessKey(QKeyEvent* event)
{
    // The editing commands (copy, paste, undo, find ...) are the window's
    // actions with their shortcuts; the table ignores those keys (see
    // CGXTableView::keyPressEvent).
    return OnKeyDown(event);
}

bool CGXGridView::HandleEditorKey(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        break;
    default:
        return false;  // the editor's own key
    }
    BeginUserAction();
    const bool consumed = OnKeyDown(event);
    if (!consumed) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            TransferCurrentCell();
            break;
        case Qt::Key_Escape:
            CancelEditing();
            break;
        default:
            // Leaving the cell: store first, then the table's own move.
            if (TransferCurrentCell())
                m_table->DefaultKeyPress(event);
            break;
        }
    }
    EndUserAction();
    return true;
}

// ---- Moves ---------------------------------------------------------------------------

bool CGXGridView::MoveRowsByUser(int from, int to, int dest)
{
    if (!m_param->allowRowMove || !TransferCurrentCell())
        return false;
    return DoMove(true, from, to, dest);
}

bool CGXGridView::MoveColsByUser(int from, int to, int dest)
{
    if (!m_param->allowColMove || !TransferCurrentCell())
        return false;
    return DoMove(false, from, to, dest);
}

bool CGXGridView::MoveRows(int from, int to, int dest)
{
    return TransferCurrentCell() && DoMove(true, from, to, dest);
}

bool CGXGridView::MoveCols(int from, int to, int dest)
{
    return TransferCurrentCell() && DoMove(false, from, to, dest);
}

bool CGXGridView::DoMove(bool rows, int from, int to, int dest)
{
    const int count = rows ? m_rowCount : m_colCount;
    const int n = to - from + 1;
    if (from < 1 || to > count || from > to || dest < 1 || dest > count - n + 1 || dest == from)
        return false;
    const bool accepted = rows ? OnMoveRows(from, to, dest) : OnMoveCols(from, to, dest);
    if (!accepted)
        return false;
    CompleteMove(rows, from, to, dest);
    CGXGridHint hint(rows ? CGXGridHint::Kind::RowsMoved : CGXGridHint::Kind::ColsMoved, m_param, this);
    hint.from = from;
    hint.to = to;
    hint.dest = dest;
    SendHint(hint);
    return true;
}

void CGXGridView::CompleteMove(bool rows, int from, int to, int dest)
{
    const int count = rows ? m_rowCount : m_colCount;
    const int n = to - from + 1;
    auto& sizes = rows ? m_param->rowHeights : m_param->columnWidths;
    std::map<std::int32_t, std::int32_t> moved;
    for (const auto& [index, size] : sizes)
        moved[index >= 1 && index <= count ? MovedIndex(index, from, to, dest) : index] = size;
    sizes = std::move(moved);

    // Coverings follow their cells while they stay in one piece.
    std::map<std::pair<int, int>, CGXRange> covered;
    for (auto [key, range] : m_covered) {
        int& first = rows ? range.top : range.left;
        int& last = rows ? range.bottom : range.right;
        int lo = count + 1;
        int hi = 0;
        for (int i = first; i <= last; ++i) {
            const int j = MovedIndex(i, from, to, dest);
            lo = std::min(lo, j);
            hi = std::max(hi, j);
        }
        if (hi - lo != last - first)
            continue;  // torn apart by the move
        first = lo;
        last = hi;
        covered[{range.top, range.left}] = range;
    }
    m_covered = std::move(covered);

    int curRow = 0;
    int curCol = 0;
    const bool hadCurrent = GetCurrentCell(curRow, curCol);
    ApplyLayout();
    ApplySpans();
    m_model->AllChanged();
    if (rows)
        SelectRange(CGXRange::Rows(dest, dest + n - 1, m_colCount));
    else
        SelectRange(CGXRange::Cols(dest, dest + n - 1, m_rowCount));
    if (hadCurrent) {
        if (rows)
            curRow = MovedIndex(curRow, from, to, dest);
        else
            curCol = MovedIndex(curCol, from, to, dest);
        SetCurrentCell(curRow, curCol, false);
    }
    Redraw();
}
