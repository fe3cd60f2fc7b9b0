#pragma once
// "Columns": which data columns a table shows, and in which order.
#include "ColumnChoice.h"

#include <QDialog>

class QListWidget;

class CColumnsDlg : public QDialog {
    Q_OBJECT

public:
    explicit CColumnsDlg(CColumnChoice choice, QWidget* parent = nullptr);

    const CColumnChoice& Choice() const { return m_choice; }
    QListWidget* AvailableList() const { return m_available; }
    QListWidget* ShownList() const { return m_shown; }

    void Add();
    void Remove();
    void Reset();
    void MoveUp();
    void MoveDown();

private:
    void Fill(int availableLine, int shownLine);

    CColumnChoice m_choice;
    QListWidget* m_available;
    QListWidget* m_shown;
};
