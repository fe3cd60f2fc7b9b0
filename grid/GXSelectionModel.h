#pragma once
// Internal: the selection model shared by a grid's tables. Before the current
// cell moves it lets the grid store a pending edit; when the edit is refused
// the current cell and the selection stay as they are for the rest of that
// user action.
#include <QItemSelectionModel>

class CGXGridView;

class CGXSelectionModel : public QItemSelectionModel {
    Q_OBJECT

public:
    CGXSelectionModel(QAbstractItemModel* model, CGXGridView* grid);

    void setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override;
    void select(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override;
    void select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) override;
    void clearCurrentIndex() override;

private:
    CGXGridView* m_grid;
};
