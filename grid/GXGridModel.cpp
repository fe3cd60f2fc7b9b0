#include "GXGridModel.h"

#include "GXGridView.h"

CGXGridModel::CGXGridModel(CGXGridView* grid) : QAbstractTableModel(grid), m_grid(grid) {}

int CGXGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_grid->GetRowCount();
}

int CGXGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_grid->GetColCount();
}

QVariant CGXGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::AccessibleTextRole)
        return m_grid->GetValueRowCol(index.row() + 1, index.column() + 1);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_grid->LookupStyle(index.row() + 1, index.column() + 1).Alignment());
    if (role == Qt::ToolTipRole) {
        const QString tip = m_grid->LookupStyle(index.row() + 1, index.column() + 1).toolTip;
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    return {};
}

QVariant CGXGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_grid->GetValueRowCol(0, section + 1);
    return m_grid->GetValueRowCol(section + 1, 0);
}

Qt::ItemFlags CGXGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_grid->LookupStyle(index.row() + 1, index.column() + 1).editable)
        f |= Qt::ItemIsEditable;
    return f;
}

void CGXGridModel::ChangeRowCount(int oldCount, int newCount, int& store)
{
    if (newCount > oldCount) {
        beginInsertRows({}, oldCount, newCount - 1);
        store = newCount;
        endInsertRows();
    } else if (newCount < oldCount) {
        beginRemoveRows({}, newCount, oldCount - 1);
        store = newCount;
        endRemoveRows();
    }
}

void CGXGridModel::ChangeColCount(int oldCount, int newCount, int& store)
{
    if (newCount > oldCount) {
        beginInsertColumns({}, oldCount, newCount - 1);
        store = newCount;
        endInsertColumns();
    } else if (newCount < oldCount) {
        beginRemoveColumns({}, newCount, oldCount - 1);
        store = newCount;
        endRemoveColumns();
    }
}

void CGXGridModel::InsertRows(int before, int count, int& store)
{
    beginInsertRows({}, before - 1, before + count - 2);
    store += count;
    endInsertRows();
}

void CGXGridModel::RemoveRows(int from, int to, int& store)
{
    beginRemoveRows({}, from - 1, to - 1);
    store -= to - from + 1;
    endRemoveRows();
}

void CGXGridModel::CellsChanged(int top, int left, int bottom, int right)
{
    if (m_grid->GetRowCount() == 0 || m_grid->GetColCount() == 0)
        return;
    emit dataChanged(index(top - 1, left - 1), index(bottom - 1, right - 1));
}

void CGXGridModel::AllChanged()
{
    if (m_grid->GetRowCount() > 0 && m_grid->GetColCount() > 0)
        emit dataChanged(index(0, 0), index(m_grid->GetRowCount() - 1, m_grid->GetColCount() - 1));
    if (m_grid->GetColCount() > 0)
        emit headerDataChanged(Qt::Horizontal, 0, m_grid->GetColCount() - 1);
    if (m_grid->GetRowCount() > 0)
        emit headerDataChanged(Qt::Vertical, 0, m_grid->GetRowCount() - 1);
}
