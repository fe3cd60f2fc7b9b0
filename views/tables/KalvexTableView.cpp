// CKalvexTableView: binding to the document, cells, storing, moves, caption.
#include "KalvexTableView.h"

#include "BranchListCommand.h"
#include "ColumnCatalogue.h"
#include "EditCommands.h"
#include "GXFeedback.h"
#include "GXGridHint.h"
#include "InputCatalogue.h"
#include "LayoutHint.h"
#include "OpenDocument.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

CKalvexTableView::CKalvexTableView(COpenDocument& document, const CTableKind& kind, QWidget* parent)
    : CGXGridView(parent), m_document(document), m_kind(kind)
{
    Doc().AddView(this);
    connect(this, &CGXGridView::currentCellChanged, this, &CKalvexTableView::commandStateChanged);
}

CKalvexTableView::~CKalvexTableView()
{
    delete m_group;
    Doc().RemoveView(this);
}

CKalvexDoc& CKalvexTableView::Doc() const
{
    return m_document.doc;
}

std::vector<std::uint16_t>& CKalvexTableView::ColumnList() const
{
    return Doc().*(m_kind.columns);
}

ColumnId CKalvexTableView::ColumnIdAt(int col) const
{
    const auto& list = ColumnList();
    return col >= 0 && col < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(col)] : m_kind.range.header;
}

bool CKalvexTableView::ShowUnits() const
{
    return Doc().*(m_kind.showUnits);
}

int CKalvexTableView::RecordCount() const
{
    return Doc().BranchCount();
}

void CKalvexTableView::InitialUpdate()
{
    m_initialising = true;
    std::unique_ptr<CGXGridParam>& slot = Doc().*(m_kind.gridParam);
    const bool isNew = !slot;
    if (isNew) {
        slot = CreateParam();
        slot->properties.landscape = 0;
        slot->properties.centerHorizontally = m_kind.centreHorizontally;
    }
    AttachParam(slot.get());
    m_attached = true;

    SetRowCount(RecordCount());
    SetColCount(static_cast<int>(ColumnList().size()) - 1);
    if (isNew) {
        SetSelectionKinds(true, true, true, true);
        SetAllowMultipleRanges(false);
        SetNumberedHeaders(false, false);
        SetAllowResize(false, true);
        FitNewColumns();
        OnNewParam(*slot);
    }
    if (SetsInitialCurrentCell() && GetRowCount() > 0 && GetColCount() > 0)
        SetCurrentCell(1, 1);
    OnUpdate(this, kHintContents, nullptr);
    m_initialising = false;
    AfterUpdate();
}

namespace {

// Rows whose values a new table's column widths are fitted to: about a
// screenful.
constexpr int kFittedRows = 40;

int LinesWidth(const QFontMetrics& metrics, const QString& text)
{
    int width = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        width = std::max(width, metrics.horizontalAdvance(line));
    return width;
}

}  // namespace

void CKalvexTableView::FitNewColumns()
{
    // Each column as wide as its title (with the unit line, so that Units
    // clips nothing) and the widest value of the first screenful; names and
    // descriptions at least as wide as a typical one.
    const QFontMetrics metrics(font());
    QFont italic = font();
    italic.setItalic(true);
    const QFontMetrics italicMetrics(italic);
    const int padding = 14;
    const QString corner = QString::fromStdString(ColumnTitle(ColumnIdAt(0)));
    int headerWidth = std::max(CharsToWidth(5), metrics.horizontalAdvance(corner) + padding);
    const int rows = std::min(GetRowCount(), kFittedRows);
    headerWidth = std::max(headerWidth, metrics.horizontalAdvance(QString::number(rows)) + padding);
    SetColWidth(0, headerWidth);
    for (int col = 1; col <= GetColCount(); ++col) {
        const ColumnId id = ColumnIdAt(col);
        int width = LinesWidth(metrics, QString::fromStdString(ColumnHeaderText(id, true)));
        for (int row = 1; row <= rows; ++row) {
            if (SpansTable(row))
                continue;
            const CGXStyle style = LookupStyle(row, col);
            width = std::max(width, LinesWidth(style.italic ? italicMetrics : metrics, style.value));
        }
        int least = CharsToWidth(6);
        if (IsNameColumn(id))
            least = CharsToWidth(22);
        else if (id == Col::Description)
            least = CharsToWidth(32);
        SetColWidth(col, std::max(least, width + padding));
    }
}

void CKalvexTableView::OnUpdate(IDocumentView* /*sender*/, long hint, CUpdateHint* hintObject)
{
    if (!m_attached)
        return;
    if (auto* gridHint = dynamic_cast<CGXGridHint*>(hintObject)) {
        ProcessHint(*gridHint);
        return;
    }
    if (auto* layout = dynamic_cast<CLayoutHint*>(hintObject); layout && layout->columns == &ColumnList()) {
        CancelEditing();
        SetColCount(static_cast<int>(ColumnList().size()) - 1);
        RefreshFromParam();
    }
    if (hint == kHintBranchList) {
        CancelEditing();
        int row = 0, col = 0;
        const bool hadCurrent = GetCurrentCell(row, col);
        SetRowCount(RecordCount());
        ClearSelection();
        if (hadCurrent && RecordCount() < row && RecordCount() > 0)
            SetCurrentCell(RecordCount(), col);
    } else if (RecordCount() != GetRowCount()) {
        SetRowCount(RecordCount());
    }
    if (!m_initialising)
        AfterUpdate();
    Redraw();
    SetCaption();
    emit commandStateChanged();
}

QString CKalvexTableView::Caption() const
{
    return QString::fromStdString(Doc().Title()) + QString::fromUtf8(m_kind.captionSuffix);
}

void CKalvexTableView::SetCaption()
{
    const QString caption = Caption();
    if (windowTitle() != caption)
        setWindowTitle(caption);  // the child window follows its view's title
}

bool CKalvexTableView::HeaderStyle(int col, CGXStyle& style) const
{
    const ColumnId id = ColumnIdAt(col);
    const QString text = QString::fromStdString(ColumnHeaderText(id, ShowUnits()));
    if (text.isEmpty())
        return false;
    style.SetValue(text).SetFontWeight(400).SetHorizontalAlignment(Qt::AlignHCenter).SetVerticalAlignment(Qt::AlignTop);
    style.SetEditable(false);
    return true;
}

bool CKalvexTableView::GetStyleRowCol(int row, int col, CGXStyle& style) const
{
    if (row == 0)
        return HeaderStyle(col, style);
    if (col == 0) {
        style.SetValue(QString::number(row));
        return true;
    }
    if (row > Doc().BranchCount())
        return false;
    CCellDescription cell;
    if (!Doc().BranchAt(row - 1).GetColumnCell(ColumnIdAt(col), cell, Doc().sequenceMode, row == 1))
        return false;
    FillStyleFromCell(style, cell);
    return true;
}

bool CKalvexTableView::StoreStyleRowCol(int row, int col, const QString& text)
{
    if (row < 1 || col < 1 || row > Doc().BranchCount())
        return false;
    CKalvexBranch& branch = Doc().BranchAt(row - 1);
    const ColumnId id = ColumnIdAt(col);
    CCellDescription before;
    branch.GetColumnCell(id, before, Doc().sequenceMode, row == 1);
    if (!branch.SetColumnText(id, text.toStdString()))
        return false;
    CCellDescription after;
    branch.GetColumnCell(id, after, Doc().sequenceMode, row == 1);
    if (after.text != before.text) {
        // Stored already; the step's redo writes the same text again and
        // marks the document modified.
        auto* edit = new CEditCellCommand(Doc(), branch.branchId, id, before.text, after.text, m_group);
        if (!m_group)
            m_document.undo.push(edit);
    }
    emit commandStateChanged();
    return true;
}

void CKalvexTableView::OnBeginEditGroup()
{
    delete m_group;
    m_group = new CEditGroupCommand(Doc(), QStringLiteral("Paste"));
}

void CKalvexTableView::OnEndEditGroup()
{
    CEditGroupCommand* group = std::exchange(m_group, nullptr);
    if (group && group->childCount() > 0) {
        m_document.undo.push(group);
    } else {
        delete group;
    }
}

bool CKalvexTableView::OnPasteBeyondLastRow(int rowsNeeded)
{
    // Tables with Add Branches add what the paste needs, as part of its
    // step; the others refuse it whole rather than drop rows.
    if (!HasBranchListCommands() || !m_group) {
        GXFeedback::ShowWarning(this, QStringLiteral("The clipboard holds %1 more rows than the table has from the "
                                                     "current row down. Nothing was pasted.")
                                          .arg(rowsNeeded));
        return false;
    }
    const int count = Doc().BranchCount();
    auto* add = new CBranchListCommand(
        Doc(), QStringLiteral("Add Branches"),
        [count, rowsNeeded](CKalvexDoc& doc) { doc.InsertNewBranches(count, rowsNeeded); }, m_group);
    add->ApplyAhead();
    SetRowCount(RecordCount());
    return true;
}

bool CKalvexTableView::OnMoveRows(int from, int to, int dest)
{
    const std::vector<std::uint16_t> before = BranchOrder(Doc());
    const int count = static_cast<int>(before.size());
    const int moved = to - from + 1;
    if (from < 1 || to > count || moved < 1 || dest < 1 || dest > count - moved + 1)
        return false;
    std::vector<std::uint16_t> after = before;
    std::vector<std::uint16_t> block(after.begin() + from - 1, after.begin() + to);
    after.erase(after.begin() + from - 1, after.begin() + to);
    after.insert(after.begin() + dest - 1, block.begin(), block.end());
    m_document.undo.push(new CMoveBranchesCommand(Doc(), before, std::move(after)));
    return true;
}

bool CKalvexTableView::OnMoveCols(int from, int to, int dest)
{
    std::vector<std::uint16_t>& list = ColumnList();
    const int size = static_cast<int>(list.size());
    const int moved = to - from + 1;
    if (from < 1 || to >= size || moved < 1 || dest < 1 || dest > size - moved)
        return false;
    const std::vector<std::uint16_t> before = list;
    std::vector<std::uint16_t> block(list.begin() + from, list.begin() + to + 1);
    list.erase(list.begin() + from, list.begin() + to + 1);
    list.insert(list.begin() + dest, block.begin(), block.end());
    m_document.undo.push(new CMoveColumnsCommand(Doc(), list, GetParam(), before, list));
    return true;
}

bool CKalvexTableView::OnValidateCell(int /*row*/, int col, QString& text)
{
    // Each table's input columns have ids of their own, so the catalogue's
    // check of the id is the table's.
    const std::optional<std::string> message = CheckInputCellText(ColumnIdAt(col), text.toStdString());
    if (!message)
        return true;
    SetWarningText(QString::fromStdString(*message));
    return false;
}

int CKalvexTableView::GetRowHeight(int row) const
{
    if (row == 0)
        return ShowUnits() ? 2 * GetDefaultRowHeight() : GetDefaultRowHeight();
    return CGXGridView::GetRowHeight(row);
}

void CKalvexTableView::OnPrintHeader(QPainter& painter, const QRect& area, int /*page*/, int /*pageCount*/)
{
    const QString caption = Caption();
    if (caption.isEmpty())
        return;
    // The caption's baseline sits 5 device units above the drawing area plus
    // the font's descent, so its bottom edge is 5 units above the area.
    const QFontMetrics metrics(painter.font(), painter.device());
    painter.drawText(QPoint(area.left(), area.top() - 5 - metrics.descent()), caption);
}

void CKalvexTableView::OnPrinterChanged(QPrinter& printer)
{
    GetParam()->properties.landscape = printer.pageLayout().orientation() != QPageLayout::Portrait ? 1 : 0;
    Doc().SetModifiedFlag();
}

void CKalvexTableView::OnGridHint(CGXGridHint& hint)
{
    Doc().UpdateAllViews(this, kHintContents, &hint);
}

void CKalvexTableView::AfterBranchListChange(int currentRow)
{
    SetRowCount(RecordCount());
    ClearSelection();
    if (currentRow >= 1 && currentRow <= GetRowCount() && GetColCount() > 0)
        SetCurrentCell(currentRow, 1);
    Redraw();
    setFocus();
    emit commandStateChanged();
}
