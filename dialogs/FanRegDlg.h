#pragma once
// "Fan or Pressure Loss in Branch": the branch's fan/regulator object. OK
// reads the heat load, the pressure, the distance and the description in
// that order; the first refused field keeps the dialog open with the focus.
#include "FanReg.h"
#include "FieldCheck.h"

#include <QDialog>

#include <string>
#include <vector>

class QLineEdit;
class QLabel;
class QPushButton;

enum FanRegField { kFanDescriptionField = 0, kFanDistanceField, kFanPressureField, kFanHeatField };

// The rules of the three numeric fields for a branch of whole-metre length
// `branchLength`: distance 0 ... length - 1, pressure -20 ... 20 kPa, heat
// load 0 ... 5000 kW.
FieldRule FanRegRule(FanRegField field, long long branchLength);
// "(0 to 249 m)" for a 250 m branch.
std::string FanDistanceHint(long long branchLength);

// The texts the fields show, in control order.
std::vector<std::string> FanRegTexts(const CFanReg& fanReg);
// Reads the texts (control order); on success stores location, pressure
// change, sensible heat and description into fanReg, else nothing.
FieldFailure CheckFanRegFields(const std::vector<std::string>& texts, long long branchLength, CFanReg& fanReg);

inline constexpr const char* kFanRegNote =
    "To model a fan in the branch, enter a positive pressure and a value for sensible heat load.  To model a "
    "regulator or other pressure loss, enter a negative pressure and set the heat load to zero.";

class CFanRegDlg : public QDialog {
    Q_OBJECT

public:
    CFanRegDlg(const CFanReg& fanReg, long long branchLength, QWidget* parent = nullptr);

    // The values held; after OK the ones to store.
    const CFanReg& Values() const { return m_values; }
    QLineEdit* Field(FanRegField field) const { return m_fields[static_cast<std::size_t>(field)]; }
    QLabel* DistanceHint() const { return m_distanceHint; }
    QPushButton* OkButton() const { return m_ok; }

    void accept() override;

private:
    CFanReg m_values;
    long long m_branchLength;
    std::vector<QLineEdit*> m_fields;
    QLabel* m_distanceHint = nullptr;
    QPushButton* m_ok = nullptr;
};
