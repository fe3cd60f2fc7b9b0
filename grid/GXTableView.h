#pragma once
// Internal: the QTableView of a grid. The grid has two: the main table and,
// laid over its left part, the table of the frozen columns. Both hand their
// keys, edits and scrolling decisions to the grid.
#include <QTableView>

class CGXGridView;

class CGXTableView : public QTableView {
    Q_OBJECT

public:
    CGXTableView(CGXGridView* grid, bool frozen, QWidget* parent);

    bool IsFrozenPart() const { return m_frozenPart; }
    // Public doors to protected QAbstractItemView operations the grid needs.
    bool EditIndex(const QModelIndex& index, EditTrigger trigger, QEvent* event);
    bool StartEdit(const QModelIndex& index) { return edit(index, AllEditTriggers, nullptr); }
    // The table's own key handling, without the grid's key call-back.
    void DefaultKeyPress(QKeyEvent* event) { QTableView::keyPressEvent(event); }
    void CloseEditorWidget(QWidget* editor);
    void RefreshGeometries() { updateGeometries(); }
    int FrozenWidth() const;  // width of the frozen columns laid over this table

    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void selectAll() override;
    void keyboardSearch(const QString& search) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    CGXGridView* m_grid;
    bool m_frozenPart;
};
