#pragma once
// CGXListGrid: an editable list for dialogs, built on the grid. Unlike the
// virtual grid it keeps its cell texts itself. Row 0 holds the column titles
// ("\n" starts a second line), column 0 the row numbers. A leave-cell hook
// validates an edited cell when the user leaves it (or the dialog calls
// ValidateCurrentCell); on false the list shows the warning text the hook
// set with SetWarningText and keeps the cell and its text.
//
// Keys: Tab moves to the next cell of the row, from the last column to
// column 1 of the next row and from the last cell (or an empty list) to the
// next control of the dialog; Shift+Tab goes back the same way. Enter moves
// right, in the last column down one row, and in the last cell only ends the
// edit. Every move stores the edit first.
#include "GXGridView.h"

#include <QStringList>

#include <functional>
#include <vector>

class CGXListGrid : public CGXGridView {
    Q_OBJECT

public:
    // (row, col, text) -> accepted; may rewrite text and call SetWarningText.
    using CellValidator = std::function<bool(int row, int col, QString& text)>;

    explicit CGXListGrid(QWidget* parent = nullptr);

    // Sets the column count; the header row gets as many text lines as the
    // longest title.
    void SetColumnTitles(const QStringList& titles);
    void SetColumnAlignment(int col, Qt::Alignment horizontal);
    // Width of a column in average character widths of the list's font.
    void SetColCharWidth(int col, double chars);
    // The last column takes the rest of the list's width.
    void SetStretchLastColumn(bool on);
    void SetHeaderLines(int lines);

    void SetReadOnly(bool on);
    bool IsReadOnly() const { return m_readOnly; }
    void SetCellValidator(CellValidator validator) { m_validator = std::move(validator); }

    // Cell texts (rows and columns from 1).
    QString GetCellText(int row, int col) const;
    void SetCellText(int row, int col, const QString& text);
    QStringList GetRowTexts(int row) const;

    // Rows with their texts. Out-of-range positions do nothing (false).
    void SetListRowCount(int rows);
    int AppendListRow(const QStringList& texts);  // the new row's number
    bool InsertListRows(int before, int count);
    bool RemoveListRows(int from, int to);

    // The current cell's row, 0 when there is none.
    int GetCurrentRow() const;
    // Stores a pending edit through the hook; false when refused.
    bool ValidateCurrentCell() { return TransferCurrentCell(); }

protected:
    bool GetStyleRowCol(int row, int col, CGXStyle& style) const override;
    bool StoreStyleRowCol(int row, int col, const QString& text) override;
    bool OnValidateCell(int row, int col, QString& text) override;
    bool OnKeyDown(QKeyEvent* event) override;

private:
    std::vector<QStringList> m_rows;
    QStringList m_titles;
    std::vector<Qt::Alignment> m_alignments;  // per column (index 0 unused)
    CellValidator m_validator;
    bool m_readOnly = false;
};
