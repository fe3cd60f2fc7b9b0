#pragma once
// The behaviour the four tables share: binding to the document, cells made
// on demand from the records, edits stored back (and recorded on the
// document's undo history by branch and column id), row and column moves,
// the caption, and the table commands and keys.
#include "ColumnIds.h"
#include "CommandIds.h"
#include "DocumentObserver.h"
#include "GXGridView.h"
#include "TableKind.h"

#include <functional>

class COpenDocument;
class CKalvexBranch;
class CEditGroupCommand;

class CKalvexTableView : public CGXGridView, public IDocumentView, public ICommandTarget {
    Q_OBJECT

public:
    CKalvexTableView(COpenDocument& document, const CTableKind& kind, QWidget* parent = nullptr);
    ~CKalvexTableView() override;

    // First showing: parameters made or attached, counts, current cell.
    void InitialUpdate();
    void OnUpdate(IDocumentView* sender, long hint, CUpdateHint* hintObject) override;

    COpenDocument& Document() const { return m_document; }
    CKalvexDoc& Doc() const;
    const CTableKind& Kind() const { return m_kind; }
    std::vector<std::uint16_t>& ColumnList() const;
    ColumnId ColumnIdAt(int col) const;
    bool ShowUnits() const;
    virtual QString Caption() const;

    bool HandlesCommand(int id) const override;
    bool IsCommandEnabled(int id) const override;
    bool IsCommandChecked(int id) const override;
    bool RunCommand(int id) override;

signals:
    // Something the availability of commands depends on changed.
    void commandStateChanged();

protected:
    // Records shown as rows; branches unless the table says otherwise.
    virtual int RecordCount() const;
    // Options of new parameters beyond the common ones.
    virtual void OnNewParam(CGXGridParam& param) { (void)param; }
    virtual bool SetsInitialCurrentCell() const { return true; }
    // Tables whose keys follow the editable tables' rules.
    virtual bool HasEditingKeys() const { return true; }
    // Tables with Add, Insert and Delete Branches.
    virtual bool HasBranchListCommands() const { return false; }
    // The branch the branch commands act on, null when none.
    virtual CKalvexBranch* CommandBranch() const;
    virtual bool CanRunAirSources() const;
    // A row whose text reads across the table (results: messages).
    virtual bool SpansTable(int row) const
    {
        (void)row;
        return false;
    }
    // Update steps after the common ones (results: coverings).
    virtual void AfterUpdate() {}
    void SetCaption();
    bool IsInitialising() const { return m_initialising; }
    bool HasParam() const { return GetParam() != nullptr && m_attached; }

    bool GetStyleRowCol(int row, int col, CGXStyle& style) const override;
    bool StoreStyleRowCol(int row, int col, const QString& text) override;
    bool OnMoveRows(int from, int to, int dest) override;
    bool OnMoveCols(int from, int to, int dest) override;
    int GetRowHeight(int row) const override;
    bool OnKeyDown(QKeyEvent* event) override;
    void OnPrintHeader(QPainter& painter, const QRect& area, int page, int pageCount) override;
    void OnPrinterChanged(QPrinter& printer) override;
    void OnGridHint(CGXGridHint& hint) override;
    void OnBeginEditGroup() override;
    void OnEndEditGroup() override;
    bool OnPasteBeyondLastRow(int rowsNeeded) override;

    // The one row the selection covers, 0 when it is not exactly one.
    int SelectedBranchRow() const;
    // After an undo step changed the branch list (the views were told):
    // this table's selection and current cell.
    void AfterBranchListChange(int currentRow);
    // Pushes a step that adds or inserts branches; false when none came.
    bool PushNewBranches(const QString& text, const std::function<void(CKalvexDoc&)>& change);
    bool RunExecute();
    // A branch dialog or the branch form for the command branch.
    bool RunBranchDialog(int id);
    // The views after a branch dialog changed the document.
    virtual void AfterBranchDialog(int id);

    // Add, Insert and Delete Branches.
    bool AddBranch();
    bool InsertBranches();
    bool DeleteBranches();
    bool CanInsertBranches() const;
    bool CanDeleteBranches() const;
    // The rows a branch-list command acts on: the first selected range's
    // (all rows for the whole table when wholeTable), else the current row.
    bool CommandRows(bool wholeTable, int& first, int& last) const;

    bool OnValidateCell(int row, int col, QString& text) override;

private:
    bool HeaderStyle(int col, CGXStyle& style) const;
    void FitNewColumns();
    bool RunZoom(int id);
    bool RunColumns();
    bool RunPageSetup();
    bool RunFreeze(bool freeze);
    int ReferenceColumn() const;
    bool InsertBelow();
    bool MoveByTab(bool forward);
    bool MoveToNextEditable();
    bool ReferenceCell(int& row, int& col) const;

    COpenDocument& m_document;
    const CTableKind& m_kind;
    bool m_attached = false;
    bool m_initialising = false;
    CEditGroupCommand* m_group = nullptr;
};
