#pragma once
// "Worker Description": clothing resistance, area factor, vapour
// permeability, metabolic rate and body view factor, with the two pick
// lists. OK reads the fields in the order area factor, body view factor,
// metabolic rate, resistance, permeability; the first refused field keeps
// the dialog open with the focus.
#include "WorkerFields.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

class CWorkerDlg : public QDialog {
    Q_OBJECT

public:
    explicit CWorkerDlg(const CWorkerValues& values, QWidget* parent = nullptr);

    // The values the dialog holds: as opened, after a pick, after OK.
    const CWorkerValues& Values() const { return m_values; }

    QLineEdit* Field(WorkerField field) const { return m_fields[static_cast<std::size_t>(field)]; }
    QPushButton* ClothingButton() const { return m_clothing; }
    QPushButton* ActivityButton() const { return m_activity; }
    QPushButton* OkButton() const { return m_ok; }

    void accept() override;

private:
    // Every field from the values held (typed texts are replaced).
    void ShowValues();
    void OnSelectClothing();
    void OnSelectActivity();

    CWorkerValues m_values;
    std::array<QLineEdit*, kWorkerFieldCount> m_fields{};
    QPushButton* m_clothing = nullptr;
    QPushButton* m_activity = nullptr;
    QPushButton* m_ok = nullptr;
};
