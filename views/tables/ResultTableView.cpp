#include "ResultTableView.h"

#include "BranchListText.h"
#include "ExportFileDialog.h"
#include "NumberText.h"
#include "QtRunUi.h"
#include "ResultTwl.h"
#include "ResultsCsv.h"
#include "SimulationRun.h"
#include "SelectBranchDlg.h"

#include <algorithm>

CResultTableView::CResultTableView(COpenDocument& document, QWidget* parent)
    : CKalvexTableView(document, kResultTable, parent)
{
    // A document read from a file shows no branch yet: the first one with
    // results, so that a file holding results opens with them in view.
    if (!Doc().resultBranch) {
        for (int i = 0; i < Doc().BranchCount(); ++i) {
            if (Doc().BranchAt(i).ResultCount() > 0) {
                Doc().resultBranch = &Doc().BranchAt(i);
                break;
            }
        }
    }
}

int CResultTableView::RecordCount() const
{
    return Doc().ResultBranchRowCount();
}

void CResultTableView::OnNewParam(CGXGridParam& param)
{
    param.allowRowMove = false;
    RefreshFromParam();
}

QString CResultTableView::Caption() const
{
    QString caption = CKalvexTableView::Caption();
    if (Doc().resultBranch)
        caption += QStringLiteral(" - ") + QString::fromStdString(Doc().resultBranch->name);
    return caption;
}

bool CResultTableView::GetStyleRowCol(int row, int col, CGXStyle& style) const
{
    if (row == 0 || col == 0)
        return CKalvexTableView::GetStyleRowCol(row, col, style);
    const CKalvexBranch* branch = Doc().resultBranch;
    if (!branch || row > branch->ResultCount())
        return false;
    style.SetEditable(false);
    const CResultInterval& result = branch->ResultAt(row - 1);
    if (result.isMessage) {
        if (col != 1)
            return false;
        style.SetValue(QString::fromStdString(result.messageText)).SetHorizontalAlignment(Qt::AlignLeft);
        return true;
    }
    const ColumnId id = ColumnIdAt(col);
    std::string text;
    if (id == Col::Twl) {
        const TwlResult limit = CResultTwl(Doc(), *branch).At(result);
        text = CResultTwl::Text(limit);
        style.SetInteriorColour(ZoneColour(limit.zone));
        style.SetToolTip(QString::fromUtf8(ZoneName(limit.zone)) + QStringLiteral(" zone"));
    } else if (!result.GetColumnText(id, text)) {
        return false;
    }
    style.SetValue(QString::fromStdString(text)).SetHorizontalAlignment(Qt::AlignRight);
    style.SetItalic(result.condensing);
    if (id == Col::Mst && AtofC(text) >= Doc().skinTempLimit)
        style.SetTextColour(HotSkinColour());
    return true;
}

QColor CResultTableView::ZoneColour(TwlZone zone)
{
    switch (zone) {
    case TwlZone::Withdrawal: return QColor(255, 170, 170);
    case TwlZone::Buffer: return QColor(255, 214, 153);
    case TwlZone::Acclimatization: return QColor(255, 255, 170);
    case TwlZone::Unrestricted: return QColor(204, 238, 204);
    }
    return {};
}

bool CResultTableView::StoreStyleRowCol(int, int, const QString&)
{
    return false;
}

void CResultTableView::CoverMessageRows()
{
    const CKalvexBranch* branch = Doc().resultBranch;
    if (!branch)
        return;
    RemoveAllCoveredCells();
    const int rows = std::min(GetRowCount(), branch->ResultCount());
    const int cols = GetColCount();
    for (int row = 1; row <= rows; ++row)
        if (branch->ResultAt(row - 1).isMessage && cols > 1)
            SetCoveredCells(row, 1, row, cols);
}

bool CResultTableView::SpansTable(int row) const
{
    const CKalvexBranch* branch = Doc().resultBranch;
    return branch && row >= 1 && row <= branch->ResultCount() && branch->ResultAt(row - 1).isMessage;
}

void CResultTableView::AfterUpdate()
{
    CoverMessageRows();
}

int CResultTableView::ResultBranchIndex() const
{
    return Doc().resultBranch ? Doc().FindBranchIndex(Doc().resultBranch->branchId) : -1;
}

CKalvexBranch* CResultTableView::CommandBranch() const
{
    return HasParam() && Doc().BranchCount() > 0 ? Doc().resultBranch : nullptr;
}

bool CResultTableView::CanRunAirSources() const
{
    return CommandBranch() && Doc().BranchCount() >= 2 && ResultBranchIndex() > 0;
}

bool CResultTableView::HandlesCommand(int id) const
{
    switch (id) {
    case Cmd::SelectBranch:
    case Cmd::NextBranch:
    case Cmd::PreviousBranch:
    case Cmd::Export: return true;
    case Cmd::Undo:
    case Cmd::Redo:
    case Cmd::Find:
    case Cmd::Replace:
    case Cmd::FindAgain: return false;
    default: return CKalvexTableView::HandlesCommand(id);
    }
}

bool CResultTableView::IsCommandEnabled(int id) const
{
    const int count = Doc().BranchCount();
    switch (id) {
    case Cmd::SelectBranch: return HasParam() && count > 0;
    case Cmd::NextBranch: {
        const int at = ResultBranchIndex();
        return HasParam() && count >= 2 && at >= 0 && at <= count - 2;
    }
    case Cmd::PreviousBranch: {
        const int at = ResultBranchIndex();
        return HasParam() && count >= 2 && at >= 1 && at <= count - 1;
    }
    case Cmd::Paste: return false;
    case Cmd::Export: return HasParam() && Doc().resultBranch != nullptr;
    default: return HandlesCommand(id) && CKalvexTableView::IsCommandEnabled(id);
    }
}

bool CResultTableView::RunCommand(int id)
{
    if (!IsCommandEnabled(id))
        return false;
    switch (id) {
    case Cmd::SelectBranch: return SelectBranch();
    case Cmd::NextBranch: return StepBranch(1);
    case Cmd::PreviousBranch: return StepBranch(-1);
    case Cmd::Export: return ExportCsv();
    case Cmd::Execute: {
        CQtRunUi ui(window());
        return Doc().sequenceMode ? ExecuteSequence(Doc(), ui) : ExecuteBranch(Doc(), *Doc().resultBranch, true, ui);
    }
    default: return CKalvexTableView::RunCommand(id);
    }
}

void CResultTableView::Refresh()
{
    OnUpdate(nullptr, kHintContents, nullptr);
}

bool CResultTableView::SelectBranch()
{
    int index = -1;
    const std::vector<std::string> texts = SelectBranchList(Doc(), Doc().resultBranch, index);
    if (!RunSelectBranch(window(), texts, index))
        return false;
    Doc().resultBranch = index >= 0 && index < Doc().BranchCount() ? &Doc().BranchAt(index) : nullptr;
    ResetCurrentCell();
    Refresh();
    return true;
}

bool CResultTableView::StepBranch(int step)
{
    Doc().resultBranch = &Doc().BranchAt(ResultBranchIndex() + step);
    ResetCurrentCell();
    Refresh();
    return true;
}

bool CResultTableView::ExportCsv()
{
    const CKalvexBranch& branch = *Doc().resultBranch;
    const QString suggested = QString::fromStdString(branch.name) + QStringLiteral(".csv");
    const QString path =
        AskExportFileName(window(), QStringLiteral("CSV Files (*.csv);;All Files (*.*)"), suggested, "csv");
    if (path.isEmpty())
        return false;
    const CResultTwl twl(Doc(), branch);
    const std::string csv =
        BranchResultsCsv(branch, ResultBranchIndex() + 1, ColumnList(),
                         [&twl](ColumnId id, int row, std::string& text) { return twl.CellText(id, row, text); });
    return WriteExportFile(window(), path, QByteArray::fromStdString(csv));
}

void CResultTableView::AfterBranchDialog(int id)
{
    // Properties leave this table to its next update (its caption follows
    // the name then); the other dialogs update every view at once.
    Doc().UpdateAllViews(id == Cmd::BranchProperties ? this : nullptr, kHintContents);
}
