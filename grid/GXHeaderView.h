#pragma once
// Internal: a grid's header row (horizontal) or header column (vertical).
// It draws the header cells from the grid's call-back and moves a selected
// block of whole columns or rows when the user drags it by its header.
#include <QHeaderView>

class CGXGridView;

class CGXHeaderView : public QHeaderView {
    Q_OBJECT

public:
    CGXHeaderView(Qt::Orientation orientation, CGXGridView* grid, QWidget* parent);

    // Height of the header row or width of the header column, in pixels.
    void SetExtent(int pixels);
    int Extent() const { return m_extent; }
    QSize sizeHint() const override;

    // Where a dragged block would be dropped: the grid index the block would
    // be inserted before (1 ... count + 1), for a point in this header's
    // viewport.
    int BoundaryAt(int pos) const;
    // Shows (or with -1 hides) the drop line before grid index `boundary`.
    void ShowDropLine(int boundary);

    // Draws one header cell of a grid (also the corner cell and printing).
    static void PaintHeaderCell(const CGXGridView& grid, QPainter& painter, const QRect& rect, int row,
                                int col, bool highlighted);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int PosOf(const QMouseEvent* event) const;
    bool OnResizeHandle(int pos) const;
    bool CanMove() const;

    CGXGridView* m_grid;
    int m_extent = 20;
    bool m_dragArmed = false;
    bool m_dragging = false;
    int m_dragFrom = 0;
    int m_dragTo = 0;
    int m_pressIndex = 0;
    QPoint m_pressPos;
    int m_dropLine = -1;
};
