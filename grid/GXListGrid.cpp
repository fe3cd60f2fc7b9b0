#include "GXListGrid.h"

#include "GridParam.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>

#include <algorithm>

CGXListGrid::CGXListGrid(QWidget* parent) : CGXGridView(parent)
{
    // A list of its own: its parameter object is the grid's, not a document's.
    SetAllowMove(false, false);
    SetAllowResize(false, true);
    SetAllowMultipleRanges(false);
    SetNumberedHeaders(true, false);
}

void CGXListGrid::SetColumnTitles(const QStringList& titles)
{
    m_titles = titles;
    m_alignments.resize(static_cast<std::size_t>(titles.size()) + 1, Qt::AlignLeft);
    int lines = 1;
    for (const QString& title : titles)
        lines = std::max(lines, static_cast<int>(title.count('\n')) + 1);
    for (QStringList& row : m_rows)
        while (row.size() < titles.size())
            row << QString();
    SetColCount(static_cast<int>(titles.size()));
    SetHeaderLines(lines);
    Redraw();
}

void CGXListGrid::SetHeaderLines(int lines)
{
    const int oneLine = GetDefaultRowHeight();
    const int textLine = fontMetrics().height();
    SetRowHeight(0, oneLine + (std::max(lines, 1) - 1) * textLine);
}

void CGXListGrid::SetColumnAlignment(int col, Qt::Alignment horizontal)
{
    if (col < 1 || col > GetColCount())
        return;
    // SetColCount may have given the list more columns than titles.
    const auto index = static_cast<std::size_t>(col);
    if (index >= m_alignments.size())
        m_alignments.resize(index + 1, Qt::AlignLeft);
    m_alignments[index] = horizontal;
    RedrawRange(CGXRange::Cols(col, col, GetRowCount()));
}

void CGXListGrid::SetColCharWidth(int col, double chars)
{
    SetColWidth(col, CharsToWidth(chars));
}

void CGXListGrid::SetStretchLastColumn(bool on)
{
    TableView()->horizontalHeader()->setStretchLastSection(on);
}

void CGXListGrid::SetReadOnly(bool on)
{
    m_readOnly = on;
    if (on)
        CancelEditing();
    Redraw();
}

QString CGXListGrid::GetCellText(int row, int col) const
{
    if (row < 1 || row > static_cast<int>(m_rows.size()) || col < 1)
        return {};
    const QStringList& texts = m_rows[static_cast<std::size_t>(row - 1)];
    return col <= texts.size() ? texts[col - 1] : QString();
}

void CGXListGrid::SetCellText(int row, int col, const QString& text)
{
    if (row < 1 || row > static_cast<int>(m_rows.size()) || col < 1 || col > GetColCount())
        return;
    QStringList& texts = m_rows[static_cast<std::size_t>(row - 1)];
    while (texts.size() < col)
        texts << QString();
    texts[col - 1] = text;
    RedrawRange(CGXRange::Cells(row, col, row, col));
}

QStringList CGXListGrid::GetRowTexts(int row) const
{
    QStringList texts;
    for (int c = 1; c <= GetColCount(); ++c)
        texts << GetCellText(row, c);
    return texts;
}

void CGXListGrid::SetListRowCount(int rows)
{
    rows = std::max(rows, 0);
    m_rows.resize(static_cast<std::size_t>(rows));
    SetRowCount(rows);
}

int CGXListGrid::AppendListRow(const QStringList& texts)
{
    m_rows.push_back(texts);
    SetRowCount(static_cast<int>(m_rows.size()));
    return GetRowCount();
}

bool CGXListGrid::InsertListRows(int before, int count)
{
    if (before < 1 || before > GetRowCount() + 1 || count < 1)
        return false;
    m_rows.insert(m_rows.begin() + (before - 1), static_cast<std::size_t>(count), QStringList());
    return InsertRows(before, count);
}

bool CGXListGrid::RemoveListRows(int from, int to)
{
    if (from < 1 || to > GetRowCount() || from > to)
        return false;
    m_rows.erase(m_rows.begin() + (from - 1), m_rows.begin() + to);
    return RemoveRows(from, to);
}

int CGXListGrid::GetCurrentRow() const
{
    int row = 0;
    int col = 0;
    return GetCurrentCell(row, col) ? row : 0;
}

bool CGXListGrid::GetStyleRowCol(int row, int col, CGXStyle& style) const
{
    if (row == 0) {
        if (col < 1 || col > m_titles.size())
            return false;
        style.value = m_titles[col - 1];
        style.horizontal = Qt::AlignHCenter;
        style.vertical = Qt::AlignVCenter;
        return true;
    }
    if (col == 0)
        return false;  // the grid numbers the rows
    style.value = GetCellText(row, col);
    if (col < static_cast<int>(m_alignments.size()))
        style.horizontal = m_alignments[static_cast<std::size_t>(col)];
    style.editable = !m_readOnly;
    return true;
}

bool CGXListGrid::StoreStyleRowCol(int row, int col, const QString& text)
{
    if (m_readOnly || row < 1 || row > GetRowCount() || col < 1 || col > GetColCount())
        return false;
    SetCellText(row, col, text);
    return true;
}

bool CGXListGrid::OnValidateCell(int row, int col, QString& text)
{
    return !m_validator || m_validator(row, col, text);
}

bool CGXListGrid::OnKeyDown(QKeyEvent* event)
{
    const int key = event->key();
    const bool backTab = key == Qt::Key_Backtab || (key == Qt::Key_Tab && (event->modifiers() & Qt::ShiftModifier));
    const bool tab = key == Qt::Key_Tab && !backTab;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!tab && !backTab && !enter)
        return false;
    if (!TransferCurrentCell())
        return true;
    const int rows = GetRowCount();
    const int cols = GetColCount();
    int row = 0;
    int col = 0;
    if (rows == 0 || cols == 0) {
        if (!enter)
            FocusNextControl(tab);
        return true;
    }
    if (!GetCurrentCell(row, col)) {
        SetCurrentCell(1, 1);
        return true;
    }
    if (tab) {
        if (col < cols)
            SetCurrentCell(row, col + 1);
        else if (row < rows)
            SetCurrentCell(row + 1, 1);
        else
            FocusNextControl(true);
    } else if (backTab) {
        if (col > 1)
            SetCurrentCell(row, col - 1);
        else if (row > 1)
            SetCurrentCell(row - 1, cols);
        else
            FocusNextControl(false);
    } else {
        if (col < cols)
            SetCurrentCell(row, col + 1);
        else if (row < rows)
            SetCurrentCell(row + 1, col);
        // In the last cell Enter only ends the edit (done above).
    }
    return true;
}
