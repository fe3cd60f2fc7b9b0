#include "WorkerDlg.h"

#include "FieldForm.h"
#include "GXModal.h"
#include "HelpButton.h"
#include "WorkerPickLists.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CWorkerDlg::CWorkerDlg(const CWorkerValues& values, QWidget* parent) : QDialog(parent), m_values(values)
{
    setWindowTitle(QStringLiteral("Worker Description"));
    auto addGroup = [this](const QString& title, int first, int last, const QString& button) {
        auto* group = new QGroupBox(title, this);
        auto* grid = new QGridLayout(group);
        for (int i = first; i <= last; ++i) {
            const WorkerFieldDef& def = WorkerFields()[static_cast<std::size_t>(i)];
            m_fields[static_cast<std::size_t>(i)] =
                AddFieldRow(grid, i - first, QString::fromUtf8(def.label), QString::fromUtf8(def.hint));
        }
        auto* select = new QPushButton(button, group);
        select->setAutoDefault(false);
        grid->addWidget(select, 0, 3);
        return std::pair(group, select);
    };
    const auto [clothingGroup, clothing] =
        addGroup(QStringLiteral("Clothing Factors"), kResistanceField, kPermeabilityField, QStringLiteral("&Select..."));
    const auto [otherGroup, activity] =
        addGroup(QStringLiteral("Other Factors"), kMetabolicField, kViewFactorField, QStringLiteral("Se&lect..."));
    m_clothing = clothing;
    m_activity = activity;
    connect(m_clothing, &QPushButton::clicked, this, &CWorkerDlg::OnSelectClothing);
    connect(m_activity, &QPushButton::clicked, this, &CWorkerDlg::OnSelectActivity);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    AddHelpButton(buttons, this, QStringLiteral("worker"));
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(clothingGroup);
    layout->addWidget(otherGroup);
    layout->addWidget(buttons);
    ShowValues();
}

void CWorkerDlg::ShowValues()
{
    const std::vector<std::string> texts = WorkerFieldTexts(m_values);
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        SetFieldString(m_fields[i], texts[i]);
}

void CWorkerDlg::accept()
{
    std::vector<std::string> texts;
    for (const QLineEdit* field : m_fields)
        texts.push_back(FieldString(field));
    const FieldFailure failure = CheckWorkerFields(texts, m_values);
    if (failure.Failed()) {
        RefuseField(this, m_fields[static_cast<std::size_t>(failure.index)], failure.message);
        return;
    }
    QDialog::accept();
}

void CWorkerDlg::OnSelectClothing()
{
    CClothingFactorDlg pick(this);
    pick.ShowCurrent(m_values.clothingResistance, m_values.areaFactor);
    if (GXModal::Exec(pick) != QDialog::Accepted)
        return;
    m_values.clothingResistance = pick.Chosen().resistance;
    m_values.areaFactor = pick.Chosen().areaFactor;
    ShowValues();
}

void CWorkerDlg::OnSelectActivity()
{
    CMetRateDlg pick(this);
    pick.ShowCurrent(m_values.metabolicRate);
    if (GXModal::Exec(pick) != QDialog::Accepted)
        return;
    m_values.metabolicRate = pick.Chosen().rate;
    ShowValues();
}
