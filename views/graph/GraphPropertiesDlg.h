#pragma once
// "Graph Properties": per plot, whether it owns the value axis, is shown, is
// drawn in colour, its line type, its colour and whether it owns the
// right-hand value axis. Colours chosen with
// "Change" go into the curve at once, even if the dialog is cancelled; the
// rest applies on OK only.
#include "GraphCurves.h"

#include <QDialog>

#include <array>

class CKalvexDoc;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

class CGraphPropertiesDlg : public QDialog {
    Q_OBJECT

public:
    CGraphPropertiesDlg(CKalvexDoc& doc, const PlotChoices& choices, QWidget* parent = nullptr);

    // The boxes and the radio buttons as they stand.
    PlotChoices Result() const;
    // Each curve's line style from its row's Line Type list.
    void StoreLineStyles() const;

    QRadioButton* SelectedButton(int row) const { return m_rows.at(static_cast<std::size_t>(row)).selected; }
    QCheckBox* ShowPlotBox(int row) const { return m_rows.at(static_cast<std::size_t>(row)).showPlot; }
    QCheckBox* ShowColorBox(int row) const { return m_rows.at(static_cast<std::size_t>(row)).showColor; }
    QComboBox* LineTypeList(int row) const { return m_rows.at(static_cast<std::size_t>(row)).lineType; }
    QPushButton* ChangeButton(int row) const { return m_rows.at(static_cast<std::size_t>(row)).change; }
    QRadioButton* RightAxisButton(int row) const { return m_rows.at(static_cast<std::size_t>(row)).right; }
    QRadioButton* NoRightAxisButton() const { return m_noRight; }
    QPushButton* AllPlotsButton() const { return m_allPlots; }
    QPushButton* NoPlotsButton() const { return m_noPlots; }
    QPushButton* AllColorsButton() const { return m_allColors; }
    QPushButton* NoColorsButton() const { return m_noColors; }

private:
    struct Row {
        QRadioButton* selected = nullptr;
        QCheckBox* showPlot = nullptr;
        QCheckBox* showColor = nullptr;
        QComboBox* lineType = nullptr;
        QPushButton* change = nullptr;
        QRadioButton* right = nullptr;
    };

    void ChangeColour(int row);
    void ShowSwatch(int row);
    void CheckAll(QCheckBox* Row::*column, bool on);

    CKalvexDoc& m_doc;
    std::array<Row, kPlotCount> m_rows;
    QButtonGroup* m_selectedGroup;
    QButtonGroup* m_rightGroup;
    QRadioButton* m_noRight;
    QPushButton* m_allPlots;
    QPushButton* m_noPlots;
    QPushButton* m_allColors;
    QPushButton* m_noColors;
};

// Runs the dialog through the modal seam; on OK stores the line styles and
// returns true, the caller then takes Result().
bool RunGraphProperties(CGraphPropertiesDlg& dialog);
