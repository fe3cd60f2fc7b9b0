#include "FanRegDlg.h"

#include "FieldForm.h"
#include "InputCatalogue.h"
#include "HelpButton.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

FieldRule FanRegRule(FanRegField field, long long branchLength)
{
    switch (field) {
    case kFanDistanceField: {
        // Anywhere from the intake to a metre before the outlet.
        FieldRule rule = FindInput(DialogInput::FanDistance).field;
        rule.max = static_cast<double>(branchLength - 1);
        return rule;
    }
    case kFanPressureField: return FindInput(DialogInput::FanPressure).field;
    case kFanHeatField: return FindInput(DialogInput::FanHeat).field;
    case kFanDescriptionField: break;
    }
    return TextField();
}

std::string FanDistanceHint(long long branchLength)
{
    return "(0 to " + std::to_string(branchLength - 1) + " m)";
}

std::vector<std::string> FanRegTexts(const CFanReg& fanReg)
{
    return {fanReg.description, FieldText(fanReg.location, FanRegRule(kFanDistanceField, 0)),
            FieldText(fanReg.pressureChange, FanRegRule(kFanPressureField, 0)),
            FieldText(fanReg.sensibleHeat, FanRegRule(kFanHeatField, 0))};
}

FieldFailure CheckFanRegFields(const std::vector<std::string>& texts, long long branchLength, CFanReg& fanReg)
{
    static constexpr std::array<FanRegField, 3> kReadOrder{kFanHeatField, kFanPressureField, kFanDistanceField};
    std::array<double, 4> read{};
    for (FanRegField field : kReadOrder) {
        const auto i = static_cast<std::size_t>(field);
        const std::string text = i < texts.size() ? texts[i] : std::string();
        std::string message = CheckField(text, FanRegRule(field, branchLength), read[i]);
        if (!message.empty())
            return {field, std::move(message)};
    }
    fanReg.location = read[kFanDistanceField];
    fanReg.pressureChange = read[kFanPressureField];
    fanReg.sensibleHeat = read[kFanHeatField];
    fanReg.description = texts.empty() ? std::string() : texts[kFanDescriptionField];
    return {};
}

CFanRegDlg::CFanRegDlg(const CFanReg& fanReg, long long branchLength, QWidget* parent)
    : QDialog(parent), m_values(fanReg), m_branchLength(branchLength)
{
    setWindowTitle(QStringLiteral("Fan or Pressure Loss in Branch"));
    auto* fields = new QWidget(this);
    auto* grid = new QGridLayout(fields);
    m_fields.push_back(AddFieldRow(grid, 0, QStringLiteral("Descriptio&n:"), QString()));
    m_fields.push_back(AddFieldRow(grid, 1, QStringLiteral("&Distance from Intake:"),
                                   QString::fromStdString(FanDistanceHint(branchLength))));
    m_fields.push_back(AddFieldRow(grid, 2, QStringLiteral("&Pressure Gain/Loss:"),
                                   QString::fromUtf8(FindInput(DialogInput::FanPressure).hint)));
    m_fields.push_back(AddFieldRow(grid, 3, QStringLiteral("&Sensible Heat Load:"),
                                   QString::fromUtf8(FindInput(DialogInput::FanHeat).hint)));
    m_distanceHint = qobject_cast<QLabel*>(grid->itemAtPosition(1, 2)->widget());
    m_fields[kFanDescriptionField]->setMinimumWidth(m_fields[0]->fontMetrics().averageCharWidth() * 40);

    auto* note = new QGroupBox(QStringLiteral("Note"), this);
    auto* noteText = new QLabel(QString::fromUtf8(kFanRegNote), note);
    noteText->setWordWrap(true);
    (new QVBoxLayout(note))->addWidget(noteText);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    AddHelpButton(buttons, this, QStringLiteral("fan-regulator"));
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fields);
    layout->addWidget(note);
    layout->addWidget(buttons);

    const std::vector<std::string> texts = FanRegTexts(m_values);
    for (std::size_t i = 0; i < texts.size(); ++i)
        SetFieldString(m_fields[i], texts[i]);
}

void CFanRegDlg::accept()
{
    std::vector<std::string> texts;
    for (const QLineEdit* field : m_fields)
        texts.push_back(FieldString(field));
    const FieldFailure failure = CheckFanRegFields(texts, m_branchLength, m_values);
    if (failure.Failed()) {
        RefuseField(this, m_fields[static_cast<std::size_t>(failure.index)], failure.message);
        return;
    }
    QDialog::accept();
}
