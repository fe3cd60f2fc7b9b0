// CGXGridView: construction, the parameter object, layout (sizes, zoom,
// frozen columns), covered cells, redraw and hints.
#include "GXGridView.h"

#include "GXGridHint.h"
#include "GXGridModel.h"
#include "GXHeaderView.h"
#include "GXItemDelegate.h"
#include "GXSelectionModel.h"
#include "GXTableView.h"
#include "GridParam.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <initializer_list>

namespace {

constexpr int kMinZoom = 10;
constexpr int kMaxZoom = 400;
constexpr int kMaxPixels = 20000;  // largest row height or column width shown
constexpr int kMaxStoredSize = 65535;  // the file format keeps sizes in 16 bits
constexpr int kMaxIndex = 100'000'000;  // largest row or column a stored size may be kept for

// A size as it is stored in the parameter object: at least one pixel and
// no more than the file can hold.
std::int32_t StoredSize(long long pixels)
{
    return static_cast<std::int32_t>(std::clamp(pixels, 1LL, static_cast<long long>(kMaxStoredSize)));
}

QString ColumnLetters(int col)
{
    QString text;
    for (int n = col; n > 0; n = (n - 1) / 26)
        text.prepend(QChar('A' + (n - 1) % 26));
    return text;
}

}  // namespace

CGXGridView::CGXGridView(QWidget* parent) : QWidget(parent)
{
    m_baseFont = font();
    m_model = new CGXGridModel(this);

    m_table = new CGXTableView(this, false, this);
    m_hHeader = new CGXHeaderView(Qt::Horizontal, this, m_table);
    m_vHeader = new CGXHeaderView(Qt::Vertical, this, m_table);
    m_table->setHorizontalHeader(m_hHeader);
    m_table->setVerticalHeader(m_vHeader);
    m_table->setModel(m_model);
    m_selection = new CGXSelectionModel(m_model, this);
    m_table->setSelectionModel(m_selection);
    m_delegate = new CGXItemDelegate(this);
    m_table->setItemDelegate(m_delegate);

    // The frozen columns: a second table over the left of the first.
    m_frozen = new CGXTableView(this, true, m_table);
    m_frozenHeader = new CGXHeaderView(Qt::Horizontal, this, m_frozen);
    m_frozen->setHorizontalHeader(m_frozenHeader);
    m_frozen->setVerticalHeader(new CGXHeaderView(Qt::Vertical, this, m_frozen));
    m_frozen->verticalHeader()->hide();
    m_frozen->setModel(m_model);
    m_frozen->setSelectionModel(m_selection);
    m_frozen->setItemDelegate(m_delegate);
    m_frozen->hide();
    m_table->viewport()->stackUnder(m_frozen);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    setFocusProxy(m_table);

    connect(m_hHeader, &QHeaderView::sectionResized, this,
            [this](int logical, int, int size) { OnSectionResized(Qt::Horizontal, logical, size); });
    connect(m_vHeader, &QHeaderView::sectionResized, this,
            [this](int logical, int, int size) { OnSectionResized(Qt::Vertical, logical, size); });
    connect(m_frozenHeader, &QHeaderView::sectionResized, this, [this](int logical, int, int size) {
        // Hiding a column of the frozen part also "resizes" it to 0.
        if (!m_applying && !m_frozenHeader->isSectionHidden(logical) && size > 0)
            m_hHeader->resizeSection(logical, size);
    });
    connect(m_table->verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, m_table->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(m_vHeader, &QHeaderView::geometriesChanged, this, [this] { UpdateFrozenGeometry(); });
    connect(m_hHeader, &QHeaderView::geometriesChanged, this, [this] { UpdateFrozenGeometry(); });
    connect(m_selection, &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_selection->hasSelection())
            m_byRowHeaders = m_byColHeaders = m_byTable = false;
        m_hHeader->viewport()->update();
        m_vHeader->viewport()->update();
        m_frozenHeader->viewport()->update();
    });

    AttachParam(nullptr);
}

CGXGridView::~CGXGridView()
{
    // The deriving view is gone and the parameter object may be too: a
    // pending edit is dropped without storing, and nothing that follows may
    // reach a call-back or the parameter object. Take the tables down while
    // this object is whole: their last signals must not reach a
    // half-destroyed grid.
    m_destroying = true;
    blockSignals(true);  // currentCellChanged and hints would reach the deriving view's slots
    DiscardEditor();
    m_editor = nullptr;
    for (QObject* sender : std::initializer_list<QObject*>{m_selection, m_hHeader, m_vHeader, m_frozenHeader, m_model})
        disconnect(sender, nullptr, this, nullptr);
    delete m_table;  // with the frozen part and the headers
    m_table = nullptr;
    m_frozen = nullptr;
    delete m_selection;
    delete m_delegate;
    delete m_model;
}

// ---- Parameter object -------------------------------------------------------

std::unique_ptr<CGXGridParam> CGXGridView::CreateParam()
{
    auto param = std::make_unique<CGXGridParam>();
    LoadDefaultProperties(param->properties);
    return param;
}

void CGXGridView::AttachParam(CGXGridParam* param)
{
    CancelEditing();
    if (param && param == m_ownParam.get()) {
        RefreshFromParam();
        return;
    }
    std::unique_ptr<CGXGridParam> previous = std::move(m_ownParam);
    if (param) {
        m_param = param;
    } else {
        m_ownParam = CreateParam();
        m_param = m_ownParam.get();
    }
    RefreshFromParam();
}

void CGXGridView::RefreshFromParam()
{
    ApplyOptions();
    ApplyLayout();
    ApplySpans();
    Redraw();
}

// ---- Rows and columns -------------------------------------------------------

void CGXGridView::SetRowCount(int rows)
{
    rows = std::max(rows, 0);
    if (rows == m_rowCount)
        return;
    // No call-back may be asked about the rows going away: an editor on them
    // closes without storing and without a focus change, and the focus comes
    // back only when the model has shrunk.
    const bool refocus = IsEditing() && m_editRow > rows && DiscardEditor();
    m_rowLimit = rows;
    m_model->ChangeRowCount(m_rowCount, rows, m_rowCount);
    m_rowLimit = -1;
    for (auto it = m_covered.begin(); it != m_covered.end();) {
        if (it->second.top > rows) {
            it = m_covered.erase(it);
        } else {
            it->second.bottom = std::min(it->second.bottom, rows);
            ++it;
        }
    }
    ApplyRowHeights();
    ApplySpans();
    if (refocus)
        m_table->setFocus(Qt::OtherFocusReason);
}

void CGXGridView::SetColCount(int cols)
{
    cols = std::max(cols, 0);
    if (cols == m_colCount)
        return;
    const bool refocus = IsEditing() && m_editCol > cols && DiscardEditor();
    m_colLimit = cols;
    m_model->ChangeColCount(m_colCount, cols, m_colCount);
    m_colLimit = -1;
    for (auto it = m_covered.begin(); it != m_covered.end();) {
        if (it->second.left > cols) {
            it = m_covered.erase(it);
        } else {
            it->second.right = std::min(it->second.right, cols);
            ++it;
        }
    }
    ApplyLayout();
    ApplySpans();
    if (refocus)
        m_table->setFocus(Qt::OtherFocusReason);
}

bool CGXGridView::InCounts(int row, int col) const
{
    const int rows = m_rowLimit >= 0 ? std::min(m_rowCount, m_rowLimit) : m_rowCount;
    const int cols = m_colLimit >= 0 ? std::min(m_colCount, m_colLimit) : m_colCount;
    return row >= 0 && row <= rows && col >= 0 && col <= cols;
}

namespace {

// Shifts the keys of a per-row map when rows are inserted or removed. The
// keys may come from a damaged file: one that would leave the range of row
// numbers is dropped.
void ShiftKeys(std::map<std::int32_t, std::int32_t>& sizes, int first, int delta, int removedTo)
{
    std::map<std::int32_t, std::int32_t> shifted;
    for (const auto& [index, size] : sizes) {
        if (index < first) {
            shifted[index] = size;
            continue;
        }
        if (delta < 0 && index <= removedTo)
            continue;
        const long long moved = static_cast<long long>(index) + delta;
        if (moved >= 0 && moved <= kMaxIndex)
            shifted[static_cast<std::int32_t>(moved)] = size;
    }
    sizes = std::move(shifted);
}

}  // namespace

bool CGXGridView::InsertRows(int before, int count)
{
    if (before < 1 || before > m_rowCount + 1 || count < 1 || count > kMaxIndex - m_rowCount)
        return false;
    // The editor and the current cell move with their row (the table keeps
    // them on persistent indexes); so does the row the edit is stored to.
    if (IsEditing() && m_editRow >= before)
        m_editRow += count;
    ShiftKeys(m_param->rowHeights, before, count, 0);
    std::map<std::pair<int, int>, CGXRange> covered;
    for (auto [key, range] : m_covered) {
        if (range.top >= before) {
            range.top += count;
            range.bottom += count;
        } else if (range.bottom >= before) {
            range.bottom += count;
        }
        covered[{range.top, range.left}] = range;
    }
    m_covered = std::move(covered);
    m_model->InsertRows(before, count, m_rowCount);
    ApplyRowHeights();
    ApplySpans();
    return true;
}

bool CGXGridView::RemoveRows(int from, int to)
{
    if (from < 1 || to > m_rowCount || from > to)
        return false;
    const int count = to - from + 1;
    // Removing the edited row drops the edit; an edit below moves up.
    const bool refocus = IsEditing() && m_editRow >= from && m_editRow <= to && DiscardEditor();
    if (IsEditing() && m_editRow > to)
        m_editRow -= count;
    ShiftKeys(m_param->rowHeights, from, -count, to);
    std::map<std::pair<int, int>, CGXRange> covered;
    for (auto [key, range] : m_covered) {
        if (range.bottom < from) {
            covered[key] = range;
            continue;
        }
        if (range.top >= from && range.bottom <= to)
            continue;  // the covering went with its rows
        const int top = range.top < from ? range.top : std::max(from, range.top - count);
        const int bottom = range.bottom > to ? range.bottom - count : from - 1;
        range.top = top;
        range.bottom = bottom;
        if (range.IsValid())
            covered[{range.top, range.left}] = range;
    }
    m_covered = std::move(covered);
    m_rowLimit = m_rowCount - count;
    m_model->RemoveRows(from, to, m_rowCount);
    m_rowLimit = -1;
    ApplyRowHeights();
    ApplySpans();
    if (refocus)
        m_table->setFocus(Qt::OtherFocusReason);
    return true;
}

// ---- Options -----------------------------------------------------------------

void CGXGridView::SetSelectionKinds(bool cells, bool rows, bool cols, bool table)
{
    m_param->allowSelectCells = cells;
    m_param->allowSelectRows = rows;
    m_param->allowSelectCols = cols;
    m_param->allowSelectTable = table;
    ApplyOptions();
    SendLayoutHint();
}

void CGXGridView::SetAllowMultipleRanges(bool on)
{
    m_param->allowMultipleRanges = on;
    ApplyOptions();
    SendLayoutHint();
}

void CGXGridView::SetNumberedHeaders(bool rows, bool cols)
{
    m_param->numberRowHeaders = rows;
    m_param->numberColHeaders = cols;
    Redraw();
    SendLayoutHint();
}

void CGXGridView::SetAllowResize(bool rows, bool cols)
{
    m_param->allowRowResize = rows;
    m_param->allowColResize = cols;
    ApplyOptions();
    SendLayoutHint();
}

void CGXGridView::SetAllowMove(bool rows, bool cols)
{
    m_param->allowRowMove = rows;
    m_param->allowColMove = cols;
    SendLayoutHint();
}

void CGXGridView::SetSelectWholeRows(bool on)
{
    m_wholeRows = on;
    ApplyOptions();
}

void CGXGridView::ApplyOptions()
{
    const CGXGridParam& p = *m_param;
    const bool any = p.allowSelectCells || p.allowSelectRows || p.allowSelectCols || p.allowSelectTable;
    const auto mode = !any                    ? QAbstractItemView::NoSelection
                      : p.allowMultipleRanges ? QAbstractItemView::ExtendedSelection
                                              : QAbstractItemView::ContiguousSelection;
    const auto behaviour = m_wholeRows ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems;
    for (CGXTableView* view : {m_table, m_frozen}) {
        view->setSelectionMode(mode);
        view->setSelectionBehavior(behaviour);
    }
    m_hHeader->setSectionsClickable(p.allowSelectCols);
    m_frozenHeader->setSectionsClickable(p.allowSelectCols);
    m_vHeader->setSectionsClickable(p.allowSelectRows);
    m_table->setCornerButtonEnabled(p.allowSelectTable);
    const auto colMode = p.allowColResize ? QHeaderView::Interactive : QHeaderView::Fixed;
    m_hHeader->setSectionResizeMode(colMode);
    m_frozenHeader->setSectionResizeMode(colMode);
    m_vHeader->setSectionResizeMode(p.allowRowResize ? QHeaderView::Interactive : QHeaderView::Fixed);
    m_hHeader->setVisible(p.properties.displayColHeaders);
    m_frozenHeader->setVisible(p.properties.displayColHeaders);
    m_vHeader->setVisible(p.properties.displayRowHeaders);
}

// ---- Sizes ---------------------------------------------------------------------

int CGXGridView::Zoomed(int pixels) const
{
    // Sizes may come from a damaged file: keep them positive and on screen.
    const long long scaled = (static_cast<long long>(pixels) * GetZoom() + 50) / 100;
    return static_cast<int>(std::clamp(scaled, 1LL, static_cast<long long>(kMaxPixels)));
}

int CGXGridView::Unzoomed(int pixels) const
{
    const long long zoom = GetZoom();
    const long long unzoomed = (static_cast<long long>(pixels) * 100 + zoom / 2) / zoom;
    return static_cast<int>(std::clamp(unzoomed, 0LL, static_cast<long long>(INT_MAX)));
}

QFont CGXGridView::ZoomedFont() const
{
    QFont font = m_baseFont;
    if (m_baseFont.pointSizeF() > 0)
        font.setPointSizeF(m_baseFont.pointSizeF() * GetZoom() / 100.0);
    else
        font.setPixelSize(std::max(1, Zoomed(m_baseFont.pixelSize())));
    return font;
}

int CGXGridView::GetDefaultRowHeight() const
{
    if (m_param->defaultRowHeight > 0)
        return m_param->defaultRowHeight;
    return QFontMetrics(m_baseFont).height() + 6;
}

void CGXGridView::SetDefaultRowHeight(int height)
{
    m_param->defaultRowHeight = StoredSize(height);
    ApplyLayout();
    SendLayoutHint();
}

int CGXGridView::GetDefaultColWidth() const
{
    if (m_param->defaultColWidth > 0)
        return m_param->defaultColWidth;
    return CharsToWidth(10);
}

void CGXGridView::SetDefaultColWidth(int width)
{
    m_param->defaultColWidth = StoredSize(width);
    ApplyLayout();
    SendLayoutHint();
}

int CGXGridView::CharsToWidth(double chars) const
{
    return static_cast<int>(chars * QFontMetrics(m_baseFont).averageCharWidth() + 0.5) + 6;
}

int CGXGridView::GetColWidth(int col) const
{
    const auto it = m_param->columnWidths.find(col);
    if (it != m_param->columnWidths.end())
        return it->second;
    if (col == 0)
        return m_param->headerColWidth > 0 ? m_param->headerColWidth : CharsToWidth(5);
    return GetDefaultColWidth();
}

void CGXGridView::SetColWidth(int col, int width)
{
    if (col < 0 || col > kMaxIndex)
        return;
    m_param->columnWidths[col] = StoredSize(width);
    ApplyLayout();
    SendLayoutHint();
}

int CGXGridView::GetStoredRowHeight(int row) const
{
    const auto it = m_param->rowHeights.find(row);
    if (it != m_param->rowHeights.end())
        return it->second;
    if (row == 0 && m_param->headerRowHeight > 0)
        return m_param->headerRowHeight;
    return GetDefaultRowHeight();
}

void CGXGridView::SetRowHeight(int row, int height)
{
    if (row < 0 || row > kMaxIndex)
        return;
    m_param->rowHeights[row] = StoredSize(height);
    ApplyRowHeights();
    SendLayoutHint();
}

int CGXGridView::GetRowHeight(int row) const
{
    return GetStoredRowHeight(row);
}

void CGXGridView::UpdateRowHeights()
{
    ApplyRowHeights();
}

void CGXGridView::ApplyLayout()
{
    const bool was = m_applying;
    m_applying = true;
    const QFont font = ZoomedFont();
    m_table->setFont(font);
    m_frozen->setFont(font);
    const int defaultWidth = Zoomed(GetDefaultColWidth());
    m_hHeader->setDefaultSectionSize(defaultWidth);
    m_frozenHeader->setDefaultSectionSize(defaultWidth);
    for (int c = 1; c <= m_colCount; ++c) {
        const int width = Zoomed(GetColWidth(c));
        if (m_hHeader->sectionSize(c - 1) != width)
            m_hHeader->resizeSection(c - 1, width);
        if (m_frozenHeader->sectionSize(c - 1) != width)
            m_frozenHeader->resizeSection(c - 1, width);
    }
    m_vHeader->SetExtent(Zoomed(GetColWidth(0)));
    m_applying = was;
    ApplyRowHeights();
    ApplyFrozen();
}

void CGXGridView::ApplyRowHeights()
{
    const bool was = m_applying;
    m_applying = true;
    QHeaderView* frozenRows = m_frozen->verticalHeader();
    const int defaultHeight = Zoomed(GetDefaultRowHeight());
    m_vHeader->setDefaultSectionSize(defaultHeight);
    frozenRows->setDefaultSectionSize(defaultHeight);
    for (int r = 1; r <= m_rowCount; ++r) {
        const int height = std::max(1, Zoomed(GetRowHeight(r)));
        if (m_vHeader->sectionSize(r - 1) != height)
            m_vHeader->resizeSection(r - 1, height);
        if (frozenRows->sectionSize(r - 1) != height)
            frozenRows->resizeSection(r - 1, height);
    }
    const int headerHeight = std::max(1, Zoomed(GetRowHeight(0)));
    m_hHeader->SetExtent(headerHeight);
    m_frozenHeader->SetExtent(headerHeight);
    m_applying = was;
    m_table->RefreshGeometries();
    m_frozen->RefreshGeometries();
    UpdateFrozenGeometry();
}

void CGXGridView::CheckHeaderHeight()
{
    // A change the row-height call-back depends on (a units switch, say)
    // shows at the next repaint; the geometry changes outside the paint.
    if (m_headerCheckQueued || std::max(1, Zoomed(GetRowHeight(0))) == m_hHeader->Extent())
        return;
    m_headerCheckQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_headerCheckQueued = false;
        ApplyRowHeights();
    });
}

void CGXGridView::OnSectionResized(Qt::Orientation orientation, int logical, int newSize)
{
    if (m_applying || m_destroying)
        return;
    m_applying = true;
    if (orientation == Qt::Horizontal) {
        m_param->columnWidths[logical + 1] = StoredSize(Unzoomed(newSize));
        m_frozenHeader->resizeSection(logical, newSize);
    } else {
        m_param->rowHeights[logical + 1] = StoredSize(Unzoomed(newSize));
        m_frozen->verticalHeader()->resizeSection(logical, newSize);
    }
    m_applying = false;
    UpdateFrozenGeometry();
    SendLayoutHint();
}

// ---- Frozen columns and zoom --------------------------------------------------

void CGXGridView::SetFrozenCols(int count)
{
    count = std::clamp(count, 0, m_colCount);
    if (count == m_param->frozenCols)
        return;
    m_param->frozenCols = count;
    ApplyFrozen();
    SendLayoutHint();
}

int CGXGridView::GetFrozenCols() const
{
    return std::clamp(static_cast<int>(m_param->frozenCols), 0, m_colCount);
}

void CGXGridView::ApplyFrozen()
{
    const int frozen = GetFrozenCols();
    const bool was = m_applying;
    m_applying = true;
    for (int c = 0; c < m_colCount; ++c) {
        m_frozen->setColumnHidden(c, c >= frozen);
        if (c < frozen && m_frozenHeader->sectionSize(c) != m_hHeader->sectionSize(c))
            m_frozenHeader->resizeSection(c, m_hHeader->sectionSize(c));
    }
    m_applying = was;
    m_frozen->setVisible(frozen > 0);
    if (frozen == 0)
        m_table->horizontalScrollBar()->setValue(m_table->horizontalScrollBar()->value());
    UpdateFrozenGeometry();
}

void CGXGridView::UpdateFrozenGeometry()
{
    if (!m_frozen || m_frozen->isHidden())
        return;
    const int frame = m_table->frameWidth();
    const int left = frame + (m_vHeader->isHidden() ? 0 : m_vHeader->width());
    const int header = m_hHeader->isHidden() ? 0 : m_hHeader->height();
    m_frozen->setGeometry(left, frame, m_table->FrozenWidth(), m_table->viewport()->height() + header);
    m_frozen->verticalScrollBar()->setValue(m_table->verticalScrollBar()->value());
}

void CGXGridView::SetZoom(int percent)
{
    percent = std::clamp(percent, kMinZoom, kMaxZoom);
    if (percent == m_param->zoom)
        return;
    m_param->zoom = percent;
    ApplyLayout();
    Redraw();
    SendLayoutHint();
}

int CGXGridView::GetZoom() const
{
    return std::clamp(static_cast<int>(m_param->zoom), kMinZoom, kMaxZoom);
}

// ---- Redraw -----------------------------------------------------------------------

void CGXGridView::Redraw()
{
    ApplyRowHeights();
    m_model->AllChanged();
    for (QWidget* w : {m_table->viewport(), m_frozen->viewport(), m_hHeader->viewport(), m_vHeader->viewport(),
                       m_frozenHeader->viewport()})
        w->update();
    if (QWidget* corner = m_table->findChild<QAbstractButton*>())
        corner->update();
}

void CGXGridView::RedrawRange(const CGXRange& range)
{
    if (range.top <= 0 || range.left <= 0) {
        m_hHeader->viewport()->update();
        m_vHeader->viewport()->update();
        m_frozenHeader->viewport()->update();
    }
    const int top = std::max(1, range.top);
    const int left = std::max(1, range.left);
    const int bottom = std::min(range.bottom, m_rowCount);
    const int right = std::min(range.right, m_colCount);
    if (top <= bottom && left <= right)
        m_model->CellsChanged(top, left, bottom, right);
}

// ---- Covered cells ----------------------------------------------------------------

void CGXGridView::SetCoveredCells(int row, int col, int toRow, int toCol)
{
    if (row > toRow)
        std::swap(row, toRow);
    if (col > toCol)
        std::swap(col, toCol);
    row = std::max(row, 1);
    col = std::max(col, 1);
    toRow = std::min(toRow, m_rowCount);
    toCol = std::min(toCol, m_colCount);
    if (row > toRow || col > toCol)
        return;
    // Only the coverings that start in rows that can reach this range are
    // looked at, and only the tables' spans that change are touched: a view
    // covering many rows one by one costs in proportion to them.
    for (auto it = CoveringsFrom(row); it != m_covered.end() && it->first.first <= toRow;) {
        const CGXRange& other = it->second;
        const bool overlaps = !(other.bottom < row || other.right < col || other.left > toCol);
        if (!overlaps) {
            ++it;
            continue;
        }
        for (CGXTableView* view : {m_table, m_frozen})
            view->setSpan(other.top - 1, other.left - 1, 1, 1);  // removes the span
        it = m_covered.erase(it);
    }
    const CGXRange range = CGXRange::Cells(row, col, toRow, toCol);
    if (range.RowCount() > 1 || range.ColCount() > 1) {
        m_covered[{row, col}] = range;
        m_coveredMaxRows = std::max(m_coveredMaxRows, range.RowCount());
        for (CGXTableView* view : {m_table, m_frozen})
            view->setSpan(row - 1, col - 1, range.RowCount(), range.ColCount());
    }
}

void CGXGridView::RemoveCoveredCells(int row, int col)
{
    const auto it = FindCovering(row, col);
    if (it == m_covered.end())
        return;
    for (CGXTableView* view : {m_table, m_frozen})
        view->setSpan(it->second.top - 1, it->second.left - 1, 1, 1);
    m_covered.erase(it);
}

void CGXGridView::RemoveAllCoveredCells()
{
    if (m_covered.empty())
        return;
    m_covered.clear();
    ApplySpans();
}

bool CGXGridView::GetCoveredCells(int row, int col, CGXRange& range) const
{
    const auto it = FindCovering(row, col);
    if (it == m_covered.end())
        return false;
    range = it->second;
    return true;
}

CGXGridView::CoveredMap::const_iterator CGXGridView::CoveringsFrom(int row) const
{
    // No covering is taller than m_coveredMaxRows: one that starts higher
    // up cannot reach the row.
    const long long first = static_cast<long long>(row) - m_coveredMaxRows + 1;
    return m_covered.lower_bound({static_cast<int>(std::max(first, static_cast<long long>(INT_MIN))), INT_MIN});
}

CGXGridView::CoveredMap::const_iterator CGXGridView::FindCovering(int row, int col) const
{
    for (auto it = CoveringsFrom(row); it != m_covered.end() && it->first.first <= row; ++it)
        if (it->second.Contains(row, col))
            return it;
    return m_covered.end();
}

void CGXGridView::ApplySpans()
{
    m_coveredMaxRows = 1;
    for (const auto& [key, range] : m_covered)
        m_coveredMaxRows = std::max(m_coveredMaxRows, range.RowCount());
    for (CGXTableView* view : {m_table, m_frozen}) {
        view->clearSpans();
        for (const auto& [key, range] : m_covered)
            view->setSpan(range.top - 1, range.left - 1, range.RowCount(), range.ColCount());
    }
}

// ---- Cell values -------------------------------------------------------------------

CGXStyle CGXGridView::LookupStyle(int row, int col) const
{
    CGXStyle style;
    if (m_destroying || !InCounts(row, col)) {
        style.editable = false;
        return style;  // outside the grid (or going): nothing to ask the owner
    }
    const bool header = row == 0 || col == 0;
    if (header)
        style.horizontal = Qt::AlignHCenter;
    if (!GetStyleRowCol(row, col, style)) {
        style = CGXStyle();
        if (header) {
            style.horizontal = Qt::AlignHCenter;
            if (row == 0 && col > 0 && m_param->numberColHeaders)
                style.value = ColumnLetters(col);
            else if (col == 0 && row > 0 && m_param->numberRowHeaders)
                style.value = QString::number(row);
        }
    }
    if (header)
        style.editable = false;
    return style;
}

// ---- Default call-backs ------------------------------------------------------------

bool CGXGridView::GetStyleRowCol(int, int, CGXStyle&) const
{
    return false;
}

bool CGXGridView::StoreStyleRowCol(int, int, const QString&)
{
    return false;
}

bool CGXGridView::OnValidateCell(int, int, QString&)
{
    return true;
}

bool CGXGridView::OnMoveRows(int, int, int)
{
    return true;
}

bool CGXGridView::OnMoveCols(int, int, int)
{
    return true;
}

bool CGXGridView::OnKeyDown(QKeyEvent*)
{
    return false;
}

void CGXGridView::OnBeginEditGroup() {}

void CGXGridView::OnEndEditGroup() {}

void CGXGridView::OnPrintHeader(QPainter&, const QRect&, int, int) {}

void CGXGridView::OnPrinterChanged(QPrinter&) {}

void CGXGridView::OnGridHint(CGXGridHint& hint)
{
    emit gridHint(&hint);
}

// ---- Hints --------------------------------------------------------------------------

void CGXGridView::SendHint(CGXGridHint& hint)
{
    OnGridHint(hint);
}

void CGXGridView::SendLayoutHint()
{
    CGXGridHint hint(CGXGridHint::Kind::Layout, m_param, this);
    SendHint(hint);
}

void CGXGridView::ProcessHint(const CGXGridHint& hint)
{
    if (hint.param != m_param || hint.sender == this)
        return;
    switch (hint.kind) {
    case CGXGridHint::Kind::Layout:
        ApplyOptions();
        ApplyLayout();
        Redraw();
        break;
    case CGXGridHint::Kind::Properties:
        ApplyOptions();
        Redraw();
        break;
    case CGXGridHint::Kind::Cells:
        RedrawRange(hint.range);
        break;
    case CGXGridHint::Kind::RowsMoved:
    case CGXGridHint::Kind::ColsMoved:
        // The sender moved the records and the sizes in the shared parameter
        // object; show them.
        ApplyLayout();
        Redraw();
        break;
    }
}

QTableView* CGXGridView::TableView() const
{
    return m_table;
}

QTableView* CGXGridView::FrozenView() const
{
    return m_frozen;
}

void CGXGridView::FocusNextControl(bool next)
{
    QWidget* w = m_table;
    for (;;) {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == m_table)
            return;
        if (w == this || isAncestorOf(w))
            continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(window())) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

QPrinter* CGXGridView::GetPrinter(bool create)
{
    if (!m_printer && create)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return m_printer.get();
}
