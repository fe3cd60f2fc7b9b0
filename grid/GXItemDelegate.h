#pragma once
// Internal: draws a grid's data cells from the style call-back (text,
// alignment, font, colours, the grid lines the properties ask for and the
// frame of the current cell) and provides the line editor of an edited cell.
// Committing an edit is the grid's business (CGXGridView::TransferCurrentCell),
// so a lost focus does not store or close anything.
#include <QStyledItemDelegate>

class CGXGridView;

class CGXItemDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit CGXItemDelegate(CGXGridView* grid);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    CGXGridView* m_grid;
};
