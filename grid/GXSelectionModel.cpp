#include "GXSelectionModel.h"

#include "GXGridView.h"

CGXSelectionModel::CGXSelectionModel(QAbstractItemModel* model, CGXGridView* grid)
    : QItemSelectionModel(model, grid), m_grid(grid)
{
}

void CGXSelectionModel::setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command)
{
    if (index != currentIndex() && !m_grid->CanChangeCurrentCell())
        return;
    QItemSelectionModel::setCurrentIndex(index, command);
}

void CGXSelectionModel::select(const QModelIndex& index, QItemSelectionModel::SelectionFlags command)
{
    if (m_grid->IsSelectionBlocked())
        return;
    QItemSelectionModel::select(index, command);
}

void CGXSelectionModel::select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command)
{
    if (m_grid->IsSelectionBlocked())
        return;
    QItemSelectionModel::select(selection, command);
}

void CGXSelectionModel::clearCurrentIndex()
{
    if (!m_grid->CanChangeCurrentCell())
        return;
    QItemSelectionModel::clearCurrentIndex();
}
