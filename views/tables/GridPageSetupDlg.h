#pragma once
// "Page Setup" of a table: margins, orientation and the print options.
#include "GridParam.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;

class CGridPageSetupDlg : public QDialog {
    Q_OBJECT

public:
    CGridPageSetupDlg(CGridProperties& properties, int dpi, QWidget* parent = nullptr);

    QLineEdit* MarginEdit(int index) const { return m_margins[index]; }  // left, right, top, bottom
    QRadioButton* Landscape() const { return m_landscape; }
    QCheckBox* Option(int index) const { return m_options[index]; }

    void accept() override;

private:
    CGridProperties& m_properties;
    int m_dpi;
    QLineEdit* m_margins[4];
    QRadioButton* m_portrait;
    QRadioButton* m_landscape;
    QCheckBox* m_options[5];  // row headers, vertical lines, horizontal lines, frame, black and white
};
