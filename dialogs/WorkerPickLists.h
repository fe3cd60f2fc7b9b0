#pragma once
// The two pick lists of the worker description: "Select Clothing Ensemble"
// and "Select Metabolic Rate". Each shows a fixed read-only table with its
// first row current; on OK the current row gives the values.
#include "GXPickList.h"
#include "WorkerFields.h"

#include <QDialog>

// The read-only table of both pick lists: no row numbers, a two-line
// header, column widths in characters.
class CClothingFactorGrid : public CGXPickList {
    Q_OBJECT

public:
    CClothingFactorGrid(const QStringList& titles, const std::vector<double>& charWidths,
                        const std::vector<QStringList>& rows, QWidget* parent);
};

class CClothingFactorDlg : public QDialog {
    Q_OBJECT

public:
    explicit CClothingFactorDlg(QWidget* parent = nullptr);
    CClothingFactorGrid* List() const { return m_list; }
    // Opens at the ensemble with these values, when the list has it.
    void ShowCurrent(double resistance, double areaFactor);
    // The ensemble of the current row.
    const ClothingEnsemble& Chosen() const;

private:
    CClothingFactorGrid* m_list;
};

class CMetRateDlg : public QDialog {
    Q_OBJECT

public:
    explicit CMetRateDlg(QWidget* parent = nullptr);
    CClothingFactorGrid* List() const { return m_list; }
    // Opens at the activity with this rate, when the list has it.
    void ShowCurrent(double rate);
    // The activity of the current row.
    const WorkerActivity& Chosen() const;

private:
    CClothingFactorGrid* m_list;
};
