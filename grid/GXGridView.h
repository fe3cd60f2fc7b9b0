#pragma once
// CGXGridView: a spreadsheet-like grid of virtual cells on Qt's item views.
//
// The grid stores no cell values. Whenever it draws, prints, copies or
// searches a cell it asks GetStyleRowCol for the cell's style; an edited cell
// goes through OnValidateCell and then StoreStyleRowCol. A deriving view
// overrides these call-backs (the "Call-backs" section below) and drives the
// grid through the public operations.
//
// Coordinates: row 0 is the header row, column 0 the header column (row
// numbers); data cells are rows 1..GetRowCount() and columns
// 1..GetColCount(). Sizes are pixels at 100 % zoom (96 dpi); the grid scales
// them by the zoom factor when it shows them.
//
// Everything the owner saves lives in a CGXGridParam (model/GridParam.h):
// column widths, row heights, frozen columns, zoom, options and the
// CGridProperties. The grid attaches to one without owning it; several grids
// may share one and keep each other in step with CGXGridHint objects that
// the owner forwards (OnGridHint, ProcessHint). The grid keeps no undo
// history: the owner records edits from StoreStyleRowCol and moves from
// OnMoveRows/OnMoveCols, and makes one step of a paste or a Replace All
// with OnBeginEditGroup/OnEndEditGroup.
//
// Internally the grid is a QTableView over a model that calls back into this
// class; frozen columns are a second QTableView laid over the left part of
// the first (same model and selection), so they stay while the rest scrolls.
#include "GXFindOptions.h"
#include "GXRange.h"
#include "GXStyle.h"

#include <QFont>
#include <QPointer>
#include <QWidget>

#include <map>
#include <memory>
#include <utility>
#include <vector>

struct CGXGridParam;
struct CGXProperties;
class CGXGridHint;
class CGXGridModel;
class CGXTableView;
class CGXHeaderView;
class CGXSelectionModel;
class CGXItemDelegate;
class CGXGridPrinter;
class CGXFindReplaceDialog;
class QKeyEvent;
class QLineEdit;
class QPainter;
class QPrinter;
class QTableView;

class CGXGridView : public QWidget {
    Q_OBJECT

public:
    explicit CGXGridView(QWidget* parent = nullptr);
    ~CGXGridView() override;

    // ---- Parameter object -------------------------------------------------
    // Binds the grid to a parameter object it does not own; nullptr gives the
    // grid a new one of its own (made by CreateParam). The grid reads sizes,
    // options, zoom and frozen columns from it at once.
    void AttachParam(CGXGridParam* param);
    CGXGridParam* GetParam() const { return m_param; }
    // A new parameter object whose display properties are the user's
    // defaults (LoadDefaultProperties).
    static std::unique_ptr<CGXGridParam> CreateParam();
    // Re-reads everything from the parameter object and redraws.
    void RefreshFromParam();

    // ---- Rows and columns -------------------------------------------------
    void SetRowCount(int rows);
    int GetRowCount() const { return m_rowCount; }
    void SetColCount(int cols);
    int GetColCount() const { return m_colCount; }
    // Insert or remove grid rows (1-based) with their heights and covered
    // cells; the owner changes its own records. Out-of-range arguments do
    // nothing and give false.
    bool InsertRows(int before, int count);
    bool RemoveRows(int from, int to);

    // ---- Current cell -----------------------------------------------------
    bool GetCurrentCell(int& row, int& col) const;
    // Stores a pending edit first; false (and the current cell stays) when it
    // is refused or the cell lies outside the data cells.
    bool SetCurrentCell(int row, int col, bool scrollIntoView = true);
    // Leaves the grid without a current cell (a pending edit is discarded).
    void ResetCurrentCell();
    void ScrollCellInView(int row, int col);
    // The top-left data cell visible right of the frozen columns, limited to
    // the counts; false for an empty grid.
    bool GetTopLeftVisibleCell(int& row, int& col) const;

    // ---- Selection --------------------------------------------------------
    // The selected ranges. A selection that is nothing but the current cell
    // counts as no selection (the current cell is not a selection by itself).
    std::vector<CGXRange> GetSelectedRanges() const;
    bool HasSelection() const { return !GetSelectedRanges().empty(); }
    bool GetFirstSelectedRange(CGXRange& range) const;
    // The first range is whole columns or the whole table.
    bool FirstRangeStartsAtRow0() const;
    bool IsFirstRangeWholeTable() const;
    // Rows covered by the selection in increasing order (whole columns and
    // the table cover every row); the current cell's row when nothing is
    // selected; empty when there is neither.
    std::vector<int> GetSelectedRows() const;
    // Selects a range (cells, rows, columns or table); add keeps the ranges
    // already selected.
    void SelectRange(const CGXRange& range, bool add = false);
    void ClearSelection();

    // ---- Options (stored in the parameter object) -------------------------
    void SetSelectionKinds(bool cells, bool rows, bool cols, bool table);
    void SetAllowMultipleRanges(bool on);  // false: Ctrl+click does not add ranges
    void SetNumberedHeaders(bool rows, bool cols);  // 1, 2, 3 ... and A, B, C ...
    void SetAllowResize(bool rows, bool cols);
    void SetAllowMove(bool rows, bool cols);
    // Whole-row highlighting and selection (the pick lists).
    void SetSelectWholeRows(bool on);

    // ---- Sizes (pixels at 100 % zoom) --------------------------------------
    // Stored sizes (set here or by dragging a header edge) are kept to
    // 1 ... 65535, what the file holds; negative rows or columns are ignored.
    int GetDefaultRowHeight() const;
    void SetDefaultRowHeight(int height);
    int GetDefaultColWidth() const;
    void SetDefaultColWidth(int width);
    int GetColWidth(int col) const;        // column 0: the header column
    void SetColWidth(int col, int width);
    // Width of n average characters of the grid's font (plus cell padding).
    int CharsToWidth(double chars) const;
    // Height stored for a row, or the default for it (row 0: header row).
    int GetStoredRowHeight(int row) const;
    void SetRowHeight(int row, int height);
    // Asks GetRowHeight again for every row (after a change the call-back
    // depends on).
    void UpdateRowHeights();

    // ---- Frozen columns, zoom, redraw ------------------------------------
    void SetFrozenCols(int count);  // data columns 1..count stay in view
    int GetFrozenCols() const;
    void SetZoom(int percent);      // 10 ... 400
    int GetZoom() const;
    void Redraw();                  // the whole grid, row heights asked again
    void RedrawRange(const CGXRange& range);

    // ---- Covered cells ------------------------------------------------------
    // One cell drawn over row..toRow, col..toCol (the top-left cell's style
    // is used); replaces coverings it overlaps.
    void SetCoveredCells(int row, int col, int toRow, int toCol);
    void RemoveCoveredCells(int row, int col);  // the covering that includes the cell
    void RemoveAllCoveredCells();
    bool GetCoveredCells(int row, int col, CGXRange& range) const;

    // ---- Cell values ---------------------------------------------------------
    // The style the grid uses for a cell: the call-back's answer, or the
    // default (header numbering, empty cell) when it declines.
    CGXStyle LookupStyle(int row, int col) const;
    QString GetValueRowCol(int row, int col) const { return LookupStyle(row, col).value; }

    // ---- Editing ------------------------------------------------------------
    bool IsEditing() const;
    QLineEdit* CurrentEditor() const;
    // Opens the editor on the current cell (when it is editable).
    bool StartEditing();
    // Stores a pending edit: validation, then the store call-back. True when
    // there was nothing to store or it was stored; false when refused (the
    // editor stays open with its text, the current cell stays).
    bool TransferCurrentCell();
    void CancelEditing();
    // The text shown when OnValidateCell refuses; set it from the call-back.
    void SetWarningText(const QString& text) { m_warningText = text; }
    const QString& GetWarningText() const { return m_warningText; }

    // ---- Moves -------------------------------------------------------------------
    // Moves rows (or columns) from..to so that `from` lands at dest, as a
    // header drag does: OnMoveRows (OnMoveCols) reorders the records, then
    // sizes, coverings, selection and current cell follow and the other grids
    // get a hint. For the owner's undo of a move; the allow-move options do
    // not apply. Stores a pending edit first. False when refused, out of
    // range or nothing to move.
    bool MoveRows(int from, int to, int dest);
    bool MoveCols(int from, int to, int dest);

    // ---- Clipboard -------------------------------------------------------------
    // Copies the first selected range (or the current cell) as tab-separated
    // text and as an HTML table.
    bool CanCopy() const;
    bool Copy();
    // Pastes tab-separated text from the clipboard at the top-left of the
    // selection (or the current cell) into editable cells, each validated and
    // stored through the call-backs; stops at the first refused cell, which
    // becomes current. Cells beyond the table's edge and read-only cells are
    // skipped. The stores lie between OnBeginEditGroup and OnEndEditGroup.
    // False when a cell was refused (or there was nothing to paste or nowhere
    // to paste it); true otherwise, also when cells were skipped.
    bool CanPaste() const;
    bool Paste();
    bool PasteText(const QString& text);

    // ---- Find and replace ---------------------------------------------------
    void ShowFindDialog();
    void ShowReplaceDialog();
    bool CanFindAgain() const { return m_hasLastFind; }
    bool FindAgain();
    // Searches from the cell after the current one; makes the found cell
    // current. Shows "Cannot find ..." through the warning hook when nothing
    // is found.
    bool FindNext(const CGXFindOptions& options);
    // Replaces in the current cell when it matches, then finds the next.
    bool ReplaceCurrent(const CGXFindOptions& options);
    // Replaces in every matching editable cell (the stores lie between
    // OnBeginEditGroup and OnEndEditGroup); stops at a refused cell, which
    // becomes current. Returns the cells replaced.
    int ReplaceAll(const CGXFindOptions& options);

    // ---- Printing ---------------------------------------------------------------
    // The printer the grid keeps between print jobs; created on first use.
    QPrinter* GetPrinter(bool create = true);
    // Sets the orientation of a printer from the properties' landscape byte.
    void PreparePrinter(QPrinter& printer) const;
    // Print dialog (OnPrinterChanged when confirmed) and print. Both
    // dialogs run through GXModal::Exec.
    bool Print();
    void PrintPreview();
    // Prints the whole table to a printer as it is set up, without dialogs
    // (the printer is switched to full-page mode: the properties' margins
    // are the only ones). Returns the pages printed, 0 when the printer failed.
    int PrintTo(QPrinter& printer);
    // Number of pages PrintTo would print on this printer.
    int CountPages(QPrinter& printer);

    // ---- Display properties -------------------------------------------------
    // Opens the display-properties dialog on a copy of the grid's properties;
    // on OK copies back (the landscape byte untouched), saves the user's
    // defaults when asked and redraws. True on OK. The dialog runs through
    // GXModal::Exec.
    bool EditDisplayProperties();
    // The user's default display properties (QSettings group "GridDisplay").
    static void LoadDefaultProperties(CGXProperties& properties);
    static void SaveDefaultProperties(const CGXProperties& properties);

    // ---- Hints -----------------------------------------------------------------
    // Brings the grid in step with a change another grid made to the shared
    // parameter object.
    void ProcessHint(const CGXGridHint& hint);

    // Gives the focus to the next (or previous) control of the window after
    // the grid, as Tab would outside a grid.
    void FocusNextControl(bool next);

    // The Qt table behind the grid (tests and focus handling).
    QTableView* TableView() const;
    QTableView* FrozenView() const;

signals:
    // Sent by the default OnGridHint.
    void gridHint(CGXGridHint* hint);
    void currentCellChanged(int row, int col);

protected:
    // ---- Call-backs ---------------------------------------------------------------
    // Style of one cell; false declines (the grid's default: empty, or the
    // header numbering when that is on). The default declines.
    virtual bool GetStyleRowCol(int row, int col, CGXStyle& style) const;
    // Stores an accepted edit (typed, pasted or replaced); false keeps the
    // editor open. This is where the owner records the edit for its undo.
    // Default: false.
    virtual bool StoreStyleRowCol(int row, int col, const QString& text);
    // Around the stores of one Paste/PasteText and of one ReplaceAll, so that
    // the owner can make them one undo step. Always balanced: End follows
    // Begin also when a cell was refused or nothing was stored. An operation
    // that stops before its first cell (a refused pending edit, nothing to
    // paste, no current cell) calls neither. Default: nothing.
    virtual void OnBeginEditGroup();
    virtual void OnEndEditGroup();
    // A paste reaches rowsNeeded rows beyond the last. Called within the
    // paste's edit group, before anything is stored: the owner adds the rows
    // (and sets the row count) and returns true, or refuses the whole paste
    // with false after saying why. By default the paste keeps to the rows
    // there are.
    virtual bool OnPasteBeyondLastRow(int rowsNeeded);
    // Runs before an edit (a pasted or replaced cell too) is accepted; may
    // rewrite the text. Set the message with SetWarningText (cleared before
    // each call). On false the grid scrolls the cell into view, beeps, shows
    // the message and keeps the editor and the current cell; the call-back
    // itself neither beeps nor shows anything. Default: true.
    virtual bool OnValidateCell(int row, int col, QString& text);
    // Rows (or columns) from..to are about to be moved so that `from` lands at
    // dest (a position in the list after the block is taken out: columns 2-3
    // dropped before column 1 give (2, 3, 1)). Reorder the records and return
    // true; the grid then moves sizes, coverings, selection and current cell.
    // False cancels the move. The owner records the move here for its undo.
    // Default: true.
    virtual bool OnMoveRows(int from, int to, int dest);
    virtual bool OnMoveCols(int from, int to, int dest);
    // Height of a row at 100 % zoom. Default: GetStoredRowHeight.
    virtual int GetRowHeight(int row) const;
    // Runs before the table's own key handling (also while a cell is edited,
    // for Tab, Enter, Escape, Up, Down, Page Up and Page Down); true consumes
    // the key. The editing commands' shortcuts (copy, paste, undo, find ...)
    // belong to the window's actions; one that arrives here anyway and is
    // not consumed is ignored by the grid. Default: false.
    virtual bool OnKeyDown(QKeyEvent* event);
    // Draws above each printed page; `area` is the page's drawing area in the
    // printer's device units. Default: nothing.
    virtual void OnPrintHeader(QPainter& painter, const QRect& area, int page, int pageCount);
    // After the user confirmed the print dialog. Default: nothing.
    virtual void OnPrinterChanged(QPrinter& printer);
    // A hint for the other grids on the same parameter object. Default:
    // emits gridHint.
    virtual void OnGridHint(CGXGridHint& hint);

private:
    friend class CGXGridModel;
    friend class CGXTableView;
    friend class CGXHeaderView;
    friend class CGXSelectionModel;
    friend class CGXItemDelegate;
    friend class CGXGridPrinter;

    // Layout
    void ApplyLayout();
    void ApplyOptions();
    void ApplyRowHeights();
    void ApplyFrozen();
    void UpdateFrozenGeometry();
    void ApplySpans();  // all spans again, after the coverings moved
    int Zoomed(int pixels) const;
    int Unzoomed(int pixels) const;
    QFont ZoomedFont() const;
    void OnSectionResized(Qt::Orientation orientation, int logical, int newSize);
    void SendHint(CGXGridHint& hint);
    void SendLayoutHint();
    void CheckHeaderHeight();

    // Selection bookkeeping
    void NoteHeaderPress(Qt::Orientation orientation, bool adding);
    void NoteTablePress();
    void NoteCellPress(bool adding);
    bool CanChangeCurrentCell();
    void BeginUserAction() { ++m_userAction; }
    void EndUserAction();
    bool IsSelectionBlocked() const { return m_blockSelection; }
    CGXRange::Kind KindOf(int top, int left, int bottom, int right) const;
    // The selected block of whole rows (or columns) containing index.
    bool WholeBlockAt(Qt::Orientation orientation, int index, int& from, int& to) const;

    // Editing
    void EditorOpened(QLineEdit* editor, int row, int col, CGXTableView* view);
    void EditorClosed(QWidget* editor);
    void CloseEditor();
    // Closes the editor without storing and without giving the table the
    // focus (no call-back runs); true when the editor had the focus.
    bool DiscardEditor();
    // Inside the counts (and inside the counts being shrunk to).
    bool InCounts(int row, int col) const;
    bool HandleEditorKey(QKeyEvent* event);
    bool ProcessKey(QKeyEvent* event);  // the key call-back; true when handled
    bool ValidateAndStore(int row, int col, QString text, bool showWarning);
    void Refuse(int row, int col);

    // Moves
    bool MoveRowsByUser(int from, int to, int dest);
    bool MoveColsByUser(int from, int to, int dest);
    bool DoMove(bool rows, int from, int to, int dest);
    void CompleteMove(bool rows, int from, int to, int dest);

    // An edit group (OnBeginEditGroup) for as long as it lives: the end
    // call-back runs however the operation leaves.
    class EditGroup {
    public:
        explicit EditGroup(CGXGridView& grid) : m_grid(grid) { m_grid.OnBeginEditGroup(); }
        ~EditGroup() { m_grid.OnEndEditGroup(); }
        EditGroup(const EditGroup&) = delete;
        EditGroup& operator=(const EditGroup&) = delete;

    private:
        CGXGridView& m_grid;
    };

    // Find
    bool CellMatches(int row, int col, const CGXFindOptions& options) const;

    CGXGridParam* m_param = nullptr;
    std::unique_ptr<CGXGridParam> m_ownParam;
    int m_rowCount = 0;
    int m_colCount = 0;

    CGXGridModel* m_model = nullptr;
    CGXTableView* m_table = nullptr;
    CGXTableView* m_frozen = nullptr;
    CGXSelectionModel* m_selection = nullptr;
    CGXItemDelegate* m_delegate = nullptr;
    CGXHeaderView* m_hHeader = nullptr;
    CGXHeaderView* m_vHeader = nullptr;
    CGXHeaderView* m_frozenHeader = nullptr;
    QFont m_baseFont;
    bool m_applying = false;
    bool m_wholeRows = false;

    // Selection kinds of the current selection (which headers made it).
    bool m_byRowHeaders = false;
    bool m_byColHeaders = false;
    bool m_byTable = false;
    bool m_blockSelection = false;  // after a refused edit, for the rest of the user action
    int m_userAction = 0;           // depth of mouse and key handlers running
    bool m_headerCheckQueued = false;

    // Editing
    QPointer<QLineEdit> m_editor;
    CGXTableView* m_editView = nullptr;
    int m_editRow = 0;
    int m_editCol = 0;
    QString m_editOriginal;
    QString m_warningText;
    bool m_transferring = false;
    bool m_closingEditor = false;
    bool m_destroying = false;  // no call-back and no parameter object from here on
    int m_rowLimit = -1;        // while the counts shrink: the new counts
    int m_colLimit = -1;

    using CoveredMap = std::map<std::pair<int, int>, CGXRange>;
    CoveredMap m_covered;     // keyed by top-left (row, col)
    int m_coveredMaxRows = 1;  // no covering has more rows (it may have fewer)
    // The first covering that may reach `row` (in key order), and the one
    // that contains a cell (end() when none).
    CoveredMap::const_iterator CoveringsFrom(int row) const;
    CoveredMap::const_iterator FindCovering(int row, int col) const;

    std::unique_ptr<QPrinter> m_printer;
    CGXFindOptions m_lastFind;
    bool m_hasLastFind = false;
    QPointer<CGXFindReplaceDialog> m_findDialog;
};
