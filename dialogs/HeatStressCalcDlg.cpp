#include "HeatStressCalcDlg.h"

#include "FieldForm.h"
#include "HelpButton.h"
#include "NumberText.h"
#include "ResultTwl.h"
#include "WorkplaceStress.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

struct FieldInfo {
    const char* name;
    const char* label;
    const char* hint;
    const char* start;
    double CWorkplaceReading::*value;
};

// In the order of the dorvan-cli stress options. The radiant temperature
// left empty is the dry bulb's.
constexpr FieldInfo kFields[CHeatStressCalcDlg::kFieldCount] = {
    {"the dry bulb", "&Dry bulb:", "\u00B0C", "30", &CWorkplaceReading::dryBulb},
    {"the wet bulb", "&Wet bulb:", "\u00B0C", "20", &CWorkplaceReading::wetBulb},
    {"the pressure", "&Pressure:", "kPa", "100", &CWorkplaceReading::pressure},
    {"the wind speed", "W&ind speed:", "m/s", "0.2", &CWorkplaceReading::wind},
    {"the radiant temperature", "&Radiant temperature:", "\u00B0C", "", &CWorkplaceReading::radiant},
    {"the clothing", "&Clothing:", "clo", "0", &CWorkplaceReading::clothing},
    {"the permeability", "P&ermeability:", "", "0.45", &CWorkplaceReading::permeability},
    {"the view factor", "&View factor:", "", "0.73", &CWorkplaceReading::viewFactor},
    {"the metabolic rate", "&Metabolic rate:", "W/m\u00B2", "200", &CWorkplaceReading::metabolicRate},
};

QString Fixed(double value, int decimals) { return QString::fromStdString(FormatFixed(value, decimals)); }

}  // namespace

CHeatStressCalcDlg::CHeatStressCalcDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Heat Stress Calculator"));
    setModal(false);
    auto* form = new QWidget(this);
    auto* grid = new QGridLayout(form);
    for (int i = 0; i < kFieldCount; ++i) {
        m_fields[i] = AddFieldRow(grid, i, QString::fromUtf8(kFields[i].label), QString::fromUtf8(kFields[i].hint));
        SetFieldString(m_fields[i], kFields[i].start);
        if (kFields[i].value == &CWorkplaceReading::radiant)
            m_fields[i]->setPlaceholderText(QStringLiteral("as the dry bulb"));
        connect(m_fields[i], &QLineEdit::textChanged, this, &CHeatStressCalcDlg::Update);
    }
    m_answer = new QLabel(this);
    m_answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_answer->setMinimumWidth(m_answer->fontMetrics().averageCharWidth() * 44);
    m_answer->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    AddHelpButton(buttons, this, QStringLiteral("heat-stress"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form);
    layout->addWidget(m_answer);
    layout->addWidget(buttons);
    Update();
}

QString CHeatStressCalcDlg::AnswerText() const { return m_answer->text(); }

void CHeatStressCalcDlg::Update()
{
    CWorkplaceReading reading;
    for (int i = 0; i < kFieldCount; ++i) {
        const std::string text = FieldString(m_fields[i]);
        if (text.empty() && kFields[i].value == &CWorkplaceReading::radiant) {
            reading.radiant = reading.dryBulb;  // the dry bulb comes first
            continue;
        }
        if (!IsNumberText(text)) {
            m_answer->setText(QStringLiteral("Enter a number for %1.").arg(QString::fromUtf8(kFields[i].name)));
            return;
        }
        reading.*(kFields[i].value) = AtofC(text);
    }
    if (const std::string problem = ReadingProblem(reading); !problem.empty()) {
        QString text = QString::fromStdString(problem);
        text.front() = text.front().toUpper();
        m_answer->setText(text + QLatin1Char('.'));
        return;
    }
    const CWorkplaceStress stress = RateReading(reading);
    m_answer->setText(QStringLiteral("Thermal work limit: %1 W/m\u00B2 (%2)\nWBGT: %3 \u00B0C\n"
                                     "Effective temperature: %4 \u00B0C\nMean skin temperature: %5 \u00B0C")
                          .arg(QString::fromStdString(CResultTwl::Text(stress.limit)),
                               QString::fromUtf8(ZoneName(stress.limit.zone)), Fixed(stress.wbgt, 2),
                               Fixed(stress.effectiveTemperature, 2), Fixed(stress.meanSkinTemperature, 2)));
}
