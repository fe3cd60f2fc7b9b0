#include "GXHeaderView.h"

#include "GXCellText.h"
#include "GXGridView.h"
#include "GXTableView.h"
#include "GridParam.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

CGXHeaderView::CGXHeaderView(Qt::Orientation orientation, CGXGridView* grid, QWidget* parent)
    : QHeaderView(orientation, parent), m_grid(grid)
{
    setSectionsClickable(true);
    setSectionsMovable(false);  // moves are the grid's own, below
    setHighlightSections(false);
    setMinimumSectionSize(2);
}

void CGXHeaderView::SetExtent(int pixels)
{
    if (pixels == m_extent)
        return;
    m_extent = pixels;
    updateGeometry();
}

QSize CGXHeaderView::sizeHint() const
{
    if (orientation() == Qt::Horizontal)
        return {length(), m_extent};
    return {m_extent, length()};
}

int CGXHeaderView::BoundaryAt(int pos) const
{
    const int n = count();
    if (n == 0)
        return 1;
    const int logical = logicalIndexAt(pos);
    if (logical < 0) {
        // Before the first section or after the last visible one.
        int firstVisible = 0;
        while (firstVisible < n && isSectionHidden(firstVisible))
            ++firstVisible;
        if (firstVisible < n && pos < sectionViewportPosition(firstVisible))
            return firstVisible + 1;
        int lastVisible = n - 1;
        while (lastVisible > 0 && isSectionHidden(lastVisible))
            --lastVisible;
        return lastVisible + 2;
    }
    const int start = sectionViewportPosition(logical);
    return pos < start + sectionSize(logical) / 2 ? logical + 1 : logical + 2;
}

void CGXHeaderView::ShowDropLine(int boundary)
{
    if (boundary == m_dropLine)
        return;
    m_dropLine = boundary;
    viewport()->update();
}

void CGXHeaderView::PaintHeaderCell(const CGXGridView& grid, QPainter& painter, const QRect& rect, int row,
                                    int col, bool highlighted)
{
    const CGXProperties& props = grid.GetParam()->properties;
    QColor background(static_cast<QRgb>(props.headerColour));
    if (highlighted)
        background = background.darker(112);
    painter.save();
    painter.fillRect(rect, background);
    if (props.threeDHeaders) {
        painter.setPen(background.lighter(125));
        painter.drawLine(rect.topLeft(), rect.topRight());
        painter.drawLine(rect.topLeft(), rect.bottomLeft());
        painter.setPen(background.darker(150));
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        painter.drawLine(rect.topRight(), rect.bottomRight());
    } else {
        painter.setPen(QColor(static_cast<QRgb>(props.gridLineColour)));
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        painter.drawLine(rect.topRight(), rect.bottomRight());
    }
    const CGXStyle style = grid.LookupStyle(row, col);
    if (!style.value.isEmpty()) {
        QFont font = grid.ZoomedFont();
        font.setWeight(static_cast<QFont::Weight>(style.fontWeight));
        font.setItalic(style.italic);
        painter.setFont(font);
        painter.setPen(style.textColour.isValid() ? style.textColour
                                                  : QColor(static_cast<QRgb>(props.headerTextColour)));
        DrawCellText(painter, rect.adjusted(3, 1, -3, -1), style);
    }
    painter.restore();
}

void CGXHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    const int index = logicalIndex + 1;
    int curRow = 0;
    int curCol = 0;
    const bool hasCurrent = m_grid->GetCurrentCell(curRow, curCol);
    bool highlighted = false;
    if (orientation() == Qt::Horizontal) {
        highlighted = (hasCurrent && curCol == index) ||
                      (selectionModel() && selectionModel()->isColumnSelected(logicalIndex, {}));
        PaintHeaderCell(*m_grid, *painter, rect, 0, index, highlighted);
    } else {
        highlighted = (hasCurrent && curRow == index) ||
                      (selectionModel() && selectionModel()->isRowSelected(logicalIndex, {}));
        PaintHeaderCell(*m_grid, *painter, rect, index, 0, highlighted);
    }
}

void CGXHeaderView::paintEvent(QPaintEvent* event)
{
    QHeaderView::paintEvent(event);
    if (m_dropLine < 0)
        return;
    int pos = 0;
    const int model = m_dropLine - 1;
    if (model < count())
        pos = sectionViewportPosition(model);
    else if (count() > 0)
        pos = sectionViewportPosition(count() - 1) + sectionSize(count() - 1);
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
    if (orientation() == Qt::Horizontal)
        painter.drawLine(pos, 0, pos, height());
    else
        painter.drawLine(0, pos, width(), pos);
}

int CGXHeaderView::PosOf(const QMouseEvent* event) const
{
    const QPoint p = event->position().toPoint();
    return orientation() == Qt::Horizontal ? p.x() : p.y();
}

bool CGXHeaderView::OnResizeHandle(int pos) const
{
    const int logical = logicalIndexAt(pos);
    if (logical < 0)
        return false;
    const int margin = style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, this);
    const int start = sectionViewportPosition(logical);
    const int end = start + sectionSize(logical);
    if (end - pos <= margin)
        return sectionResizeMode(logical) == Interactive;
    if (pos - start <= margin) {
        int previous = logical - 1;
        while (previous >= 0 && isSectionHidden(previous))
            --previous;
        return previous >= 0 && sectionResizeMode(previous) == Interactive;
    }
    return false;
}

bool CGXHeaderView::CanMove() const
{
    const CGXGridParam* param = m_grid->GetParam();
    return orientation() == Qt::Horizontal ? param->allowColMove : param->allowRowMove;
}

void CGXHeaderView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QHeaderView::mousePressEvent(event);
        return;
    }
    const int pos = PosOf(event);
    const int logical = logicalIndexAt(pos);
    if (logical < 0 || OnResizeHandle(pos)) {
        QHeaderView::mousePressEvent(event);
        return;
    }
    if (!m_grid->TransferCurrentCell())
        return;  // a refused edit keeps the current cell and the selection
    const bool adding = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    int from = 0;
    int to = 0;
    if (CanMove() && !adding && m_grid->WholeBlockAt(orientation(), logical + 1, from, to)) {
        // A press on a selected block may start a move; the selection stays.
        m_dragArmed = true;
        m_dragging = false;
        m_dragFrom = from;
        m_dragTo = to;
        m_pressIndex = logical + 1;
        m_pressPos = event->globalPosition().toPoint();
        return;
    }
    m_grid->NoteHeaderPress(orientation(), adding);
    m_grid->BeginUserAction();
    QHeaderView::mousePressEvent(event);
    m_grid->EndUserAction();
}

namespace {

// The header that lies under a global point while a block is dragged, and
// the drop boundary there.
int DropBoundary(CGXGridView& grid, Qt::Orientation orientation, const QPoint& global,
                 CGXHeaderView* main, CGXHeaderView* frozen, CGXHeaderView** where)
{
    if (orientation == Qt::Horizontal && frozen && frozen->isVisible() && grid.GetFrozenCols() > 0) {
        const QPoint p = frozen->viewport()->mapFromGlobal(global);
        if (p.x() < frozen->length()) {
            *where = frozen;
            return frozen->BoundaryAt(p.x());
        }
    }
    *where = main;
    const QPoint p = main->viewport()->mapFromGlobal(global);
    return main->BoundaryAt(orientation == Qt::Horizontal ? p.x() : p.y());
}

}  // namespace

void CGXHeaderView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragArmed) {
        QHeaderView::mouseMoveEvent(event);
        return;
    }
    const QPoint global = event->globalPosition().toPoint();
    if (!m_dragging && (global - m_pressPos).manhattanLength() < QApplication::startDragDistance())
        return;
    m_dragging = true;
    CGXHeaderView* main = orientation() == Qt::Horizontal ? m_grid->m_hHeader : m_grid->m_vHeader;
    CGXHeaderView* frozen = orientation() == Qt::Horizontal ? m_grid->m_frozenHeader : nullptr;
    CGXHeaderView* where = nullptr;
    const int boundary = DropBoundary(*m_grid, orientation(), global, main, frozen, &where);
    main->ShowDropLine(where == main ? boundary : -1);
    if (frozen)
        frozen->ShowDropLine(where == frozen ? boundary : -1);
}

void CGXHeaderView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_dragArmed) {
        QHeaderView::mouseReleaseEvent(event);
        return;
    }
    m_dragArmed = false;
    CGXHeaderView* main = orientation() == Qt::Horizontal ? m_grid->m_hHeader : m_grid->m_vHeader;
    CGXHeaderView* frozen = orientation() == Qt::Horizontal ? m_grid->m_frozenHeader : nullptr;
    main->ShowDropLine(-1);
    if (frozen)
        frozen->ShowDropLine(-1);
    if (!m_dragging) {
        // A plain click on a selected block selects just that row or column.
        m_grid->NoteHeaderPress(orientation(), false);
        if (orientation() == Qt::Horizontal)
            m_grid->SelectRange(CGXRange::Cols(m_pressIndex, m_pressIndex, m_grid->GetRowCount()));
        else
            m_grid->SelectRange(CGXRange::Rows(m_pressIndex, m_pressIndex, m_grid->GetColCount()));
        return;
    }
    m_dragging = false;
    CGXHeaderView* where = nullptr;
    const int boundary =
        DropBoundary(*m_grid, orientation(), event->globalPosition().toPoint(), main, frozen, &where);
    if (boundary >= m_dragFrom && boundary <= m_dragTo + 1)
        return;  // dropped onto itself
    const int dest = boundary < m_dragFrom ? boundary : boundary - (m_dragTo - m_dragFrom + 1);
    if (orientation() == Qt::Horizontal)
        m_grid->MoveColsByUser(m_dragFrom, m_dragTo, dest);
    else
        m_grid->MoveRowsByUser(m_dragFrom, m_dragTo, dest);
}

void CGXHeaderView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A double click on a section edge would resize to contents, which
    // asks every cell for its size; sizes here are the owner's choice.
    event->accept();
}
