#pragma once
// Internal: the item model over a grid's call-backs. Model row r and column
// c are grid row r + 1 and column c + 1; the header row and column are the
// model's header sections. It holds no data.
#include <QAbstractTableModel>

class CGXGridView;

class CGXGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit CGXGridModel(CGXGridView* grid);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Count changes, announced to the views.
    void ChangeRowCount(int oldCount, int newCount, int& store);
    void ChangeColCount(int oldCount, int newCount, int& store);
    void InsertRows(int before, int count, int& store);
    void RemoveRows(int from, int to, int& store);
    void CellsChanged(int top, int left, int bottom, int right);
    void AllChanged();

private:
    CGXGridView* m_grid;
};
