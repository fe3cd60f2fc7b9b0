// CKalvexTableView: the table commands (units, zoom, frozen columns, display
// properties, printing, editing, and the commands on the selected branch).
#include "KalvexTableView.h"

#include "BranchCommands.h"
#include "BranchFormPrint.h"
#include "ColumnsDlg.h"
#include "GXModal.h"
#include "GridPageSetupDlg.h"
#include "GridParam.h"
#include "OpenDocument.h"
#include "QtRunUi.h"
#include "SettingsCommands.h"
#include "SimulationRun.h"

#include <QApplication>
#include <QPrinter>

#include <algorithm>
#include <set>

namespace {

// Commands every table handles (those of the branch list are the tables' own).
const std::set<int> kCommonCommands = {
    Cmd::Units,      Cmd::Columns,     Cmd::TableProperties, Cmd::ZoomIn,          Cmd::ZoomOut,
    Cmd::Zoom100,    Cmd::FreezeColumns, Cmd::UnfreezeColumns, Cmd::PageSetup,     Cmd::Print,
    Cmd::PrintPreview, Cmd::BranchProperties, Cmd::HeatSources, Cmd::FanReg,       Cmd::AirSources,
    Cmd::PrintBranchForm, Cmd::Execute, Cmd::Copy,          Cmd::Paste,            Cmd::Undo,
    Cmd::Redo,       Cmd::Find,        Cmd::Replace,         Cmd::FindAgain,       Cmd::RequiredQuantity,
    Cmd::RequiredCooling,
};

constexpr int kZoomMax = 300;
constexpr int kZoomMin = 40;

bool IsBranchListCommand(int id)
{
    return id == Cmd::AddBranch || id == Cmd::InsertBranches || id == Cmd::DeleteBranches;
}

}  // namespace

bool CKalvexTableView::HandlesCommand(int id) const
{
    return kCommonCommands.count(id) != 0 || (HasBranchListCommands() && IsBranchListCommand(id));
}

int CKalvexTableView::SelectedBranchRow() const
{
    // Without listing the rows: a large selection is common and cheap.
    const std::vector<CGXRange> ranges = GetSelectedRanges();
    if (ranges.empty()) {
        int row = 0, col = 0;
        return GetCurrentCell(row, col) ? row : 0;
    }
    int only = 0;
    for (const CGXRange& range : ranges) {
        const int top = range.top == 0 ? 1 : range.top;
        const int bottom = range.top == 0 ? GetRowCount() : std::min(range.bottom, GetRowCount());
        if (top != bottom || (only != 0 && only != top))
            return 0;
        only = top;
    }
    return only;
}

CKalvexBranch* CKalvexTableView::CommandBranch() const
{
    if (!HasParam() || GetRowCount() < 1)
        return nullptr;
    const int row = SelectedBranchRow();
    return row >= 1 && row <= Doc().BranchCount() ? &Doc().BranchAt(row - 1) : nullptr;
}

bool CKalvexTableView::CanRunAirSources() const
{
    return CommandBranch() && GetRowCount() >= 2 && SelectedBranchRow() > 1;
}

int CKalvexTableView::ReferenceColumn() const
{
    CGXRange range;
    if (GetFirstSelectedRange(range))
        return range.left;
    int row = 0, col = 0;
    return GetCurrentCell(row, col) ? col : 0;
}

bool CKalvexTableView::IsCommandEnabled(int id) const
{
    if (!HasParam())
        return false;
    switch (id) {
    case Cmd::AddBranch: return HasBranchListCommands();
    case Cmd::InsertBranches: return HasBranchListCommands() && CanInsertBranches();
    case Cmd::DeleteBranches: return HasBranchListCommands() && CanDeleteBranches();
    case Cmd::Units:
    case Cmd::TableProperties:
    case Cmd::Columns:
    case Cmd::PageSetup:
    case Cmd::Print:
    case Cmd::PrintPreview: return true;
    case Cmd::ZoomIn: return GetZoom() < kZoomMax;
    case Cmd::ZoomOut: return GetZoom() > kZoomMin;
    case Cmd::Zoom100: return GetZoom() != 100;
    case Cmd::FreezeColumns: {
        const int ref = ReferenceColumn();
        return GetFrozenCols() == 0 && ref > 1 && ref < GetColCount();
    }
    case Cmd::UnfreezeColumns: return GetFrozenCols() > 0;
    case Cmd::Execute:
    case Cmd::BranchProperties:
    case Cmd::HeatSources:
    case Cmd::FanReg:
    case Cmd::RequiredQuantity:
    case Cmd::RequiredCooling:
    case Cmd::PrintBranchForm: return CommandBranch() != nullptr;
    case Cmd::AirSources: return CanRunAirSources();
    case Cmd::Copy: return CanCopy();
    case Cmd::Paste: return CanPaste();
    case Cmd::Undo: return m_document.undo.canUndo();
    case Cmd::Redo: return m_document.undo.canRedo();
    case Cmd::Find:
    case Cmd::Replace: return GetRowCount() > 0;
    case Cmd::FindAgain: return CanFindAgain();
    default: return false;
    }
}

bool CKalvexTableView::IsCommandChecked(int id) const
{
    return id == Cmd::Units && ShowUnits();
}

bool CKalvexTableView::RunCommand(int id)
{
    if (!IsCommandEnabled(id))
        return false;
    bool done = true;
    switch (id) {
    case Cmd::Units:
        Doc().*(m_kind.showUnits) = !ShowUnits();
        Redraw();
        // The source tables share the switch: the other one follows.
        Doc().UpdateAllViews(this, kHintContents);
        break;
    case Cmd::TableProperties: done = EditDisplayProperties(); break;
    case Cmd::Columns: done = RunColumns(); break;
    case Cmd::PageSetup: done = RunPageSetup(); break;
    case Cmd::ZoomIn:
    case Cmd::ZoomOut:
    case Cmd::Zoom100: done = RunZoom(id); break;
    case Cmd::FreezeColumns: done = RunFreeze(true); break;
    case Cmd::UnfreezeColumns: done = RunFreeze(false); break;
    case Cmd::Print: done = Print(); break;
    case Cmd::PrintPreview: PrintPreview(); break;
    case Cmd::Execute: done = RunExecute(); break;
    case Cmd::BranchProperties:
    case Cmd::HeatSources:
    case Cmd::FanReg:
    case Cmd::AirSources:
    case Cmd::RequiredQuantity:
    case Cmd::RequiredCooling: done = RunBranchDialog(id); break;
    case Cmd::PrintBranchForm: done = TransferCurrentCell() && PrintBranchForm(window(), Doc(), *CommandBranch()); break;
    case Cmd::AddBranch: done = AddBranch(); break;
    case Cmd::InsertBranches: done = InsertBranches(); break;
    case Cmd::DeleteBranches: done = DeleteBranches(); break;
    case Cmd::Copy: done = Copy(); break;
    case Cmd::Paste: done = Paste(); break;
    case Cmd::Undo:
        if ((done = TransferCurrentCell()))
            m_document.undo.undo();
        break;
    case Cmd::Redo:
        if ((done = TransferCurrentCell()))
            m_document.undo.redo();
        break;
    case Cmd::Find: ShowFindDialog(); break;
    case Cmd::Replace: ShowReplaceDialog(); break;
    case Cmd::FindAgain: done = FindAgain(); break;
    default: done = false; break;
    }
    emit commandStateChanged();
    return done;
}

bool CKalvexTableView::RunZoom(int id)
{
    const int zoom = GetZoom();
    const int next = id == Cmd::ZoomIn ? zoom * 11 / 10 : id == Cmd::ZoomOut ? zoom * 10 / 11 : 100;
    SetZoom(next);
    return true;
}

bool CKalvexTableView::RunFreeze(bool freeze)
{
    if (freeze) {
        SetFrozenCols(ReferenceColumn() - 1);
        return true;
    }
    SetFrozenCols(0);
    int row = 0, col = 0;
    if (GetCurrentCell(row, col))
        ScrollCellInView(row, col);
    Redraw();
    return true;
}

bool CKalvexTableView::RunExecute()
{
    CQtRunUi ui(window());
    if (Doc().sequenceMode)
        return ExecuteSequence(Doc(), ui);
    const int row = SelectedBranchRow();
    if (!TransferCurrentCell() || row < 1)
        return false;
    return ExecuteBranchAt(Doc(), row - 1, ui);
}

bool CKalvexTableView::RunColumns()
{
    if (!TransferCurrentCell())
        return false;
    CColumnsDlg dialog(CColumnChoice::ForList(ColumnList(), m_kind.range), window());
    if (GXModal::Exec(dialog) != QDialog::Accepted)
        return false;
    std::vector<std::uint16_t> list{m_kind.range.header};
    const std::vector<ColumnId>& shown = dialog.Choice().Shown();
    list.insert(list.end(), shown.begin(), shown.end());
    if (list == ColumnList())
        return true;
    CancelEditing();
    ClearSelection();
    // The step tells every view of the table to take the new list.
    m_document.undo.push(new CColumnListCommand(Doc(), m_kind.columns, std::move(list)));
    return true;
}

bool CKalvexTableView::RunPageSetup()
{
    // Margins are pixels at 96 per inch, as the grid prints them, whatever
    // the screen: a file shows and prints the same margins on any display.
    constexpr int kMarginDpi = 96;
    CGridProperties temporary = GetParam()->properties;
    CGridPageSetupDlg dialog(temporary, kMarginDpi, window());
    if (GXModal::Exec(dialog) != QDialog::Accepted)
        return false;
    if (!(temporary == GetParam()->properties))
        m_document.undo.push(new CPageSetupCommand(Doc(), m_kind.gridParam, temporary));
    if (QPrinter* printer = GetPrinter(false))
        PreparePrinter(*printer);
    return true;
}

bool CKalvexTableView::RunBranchDialog(int id)
{
    CKalvexBranch* branch = CommandBranch();
    if (!branch || !TransferCurrentCell())
        return false;
    if (!RunBranchCommand(id, window(), m_document, *branch))
        return false;
    AfterBranchDialog(id);
    return true;
}

void CKalvexTableView::AfterBranchDialog(int /*id*/)
{
    // The row of the branch across all columns, the other views with it.
    CancelEditing();
    Redraw();
    Doc().UpdateAllViews(this, kHintContents);
}
