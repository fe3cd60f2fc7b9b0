#include "RequirementDlg.h"

#include "FieldForm.h"
#include "GXModal.h"
#include "HelpButton.h"
#include "KalvexDoc.h"
#include "NumberText.h"
#include "QtRunUi.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString Fixed(double value, int decimals) { return Text(FormatFixed(value, decimals)); }

QString PeakText(const CRequirementQuery& query, const CRequirementAnswer& answer)
{
    QString name = QString::fromUtf8(CriterionPlainName(query.criterion));
    if (name.front().isLower())
        name.front() = name.front().toUpper();
    const bool floor = CriterionIsFloor(query.criterion);
    return QStringLiteral("%1 %2 %3 at %4 m.")
        .arg(name, floor ? QStringLiteral("falls to") : QStringLiteral("peaks at"),
             Text(CriterionAmount(query.criterion, answer.peakValue)), Fixed(answer.peakDistance, 0));
}

QString MarchesText(int marches)
{
    return marches == 1 ? QStringLiteral("(1 march)") : QStringLiteral("(%1 marches)").arg(marches);
}

// Whether an answer leaves anything to write: a quantity always, a cooler
// only when some cooling is needed.
bool CanApply(const CRequirementAnswer& answer)
{
    return answer.status == SolveStatus::Found &&
           (answer.field != SolvedField::CoolerSensibleHeat || answer.value != 0.0);
}

}  // namespace

CRequirementDlg::CRequirementDlg(RequirementKind kind, const CKalvexDoc& doc, int branchIndex, QWidget* parent)
    : QDialog(parent), m_kind(kind), m_doc(doc)
{
    const bool cooling = kind == RequirementKind::Cooling;
    setWindowTitle(cooling ? QStringLiteral("Required Cooling") : QStringLiteral("Required Air Quantity"));
    m_query.branchIndex = branchIndex;
    const CKalvexBranch& branch = doc.BranchAt(branchIndex);
    m_branchLength = WholeNumber(branch.length);

    auto* fields = new QWidget(this);
    auto* grid = new QGridLayout(fields);
    grid->addWidget(new QLabel(QStringLiteral("Branch:"), fields), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("%1 - %2").arg(branchIndex + 1).arg(Text(branch.name)), fields), 0, 1,
                    1, 2);
    m_criterion = new QComboBox(fields);
    for (SolveCriterion criterion : kSolveCriteria)
        m_criterion->addItem(QString::fromUtf8(CriterionDisplayName(criterion)), static_cast<int>(criterion));
    auto* criterionLabel = new QLabel(QStringLiteral("&Criterion:"), fields);
    criterionLabel->setBuddy(m_criterion);
    grid->addWidget(criterionLabel, 1, 0);
    grid->addWidget(m_criterion, 1, 1, 1, 2);
    m_limit = AddFieldRow(grid, 2, QStringLiteral("&Limit:"), QString());
    m_limitUnit = new QLabel(fields);
    grid->addWidget(m_limitUnit, 2, 2);
    if (cooling) {
        m_location = AddFieldRow(grid, 3, QStringLiteral("Cooler l&ocation:"),
                                 QStringLiteral("(0 to %1 m)").arg(m_branchLength - 1));
        m_strongest = AddFieldRow(grid, 4, QStringLiteral("&Strongest cooling:"),
                                  QStringLiteral("(-10000.00 to -0.01 kW)"));
        SetFieldString(m_location, "0");
        SetFieldString(m_strongest, FieldText(kDefaultStrongestCooling, StrongestRule()));
    }

    auto* where = new QGroupBox(cooling ? QStringLiteral("Keep the limit downstream of the cooler")
                                        : QStringLiteral("Keep the limit"),
                                this);
    m_along = new QRadioButton(QStringLiteral("&Along the branch"), where);
    m_outlet = new QRadioButton(QStringLiteral("At the o&utlet"), where);
    m_along->setChecked(true);
    auto* whereLayout = new QVBoxLayout(where);
    whereLayout->addWidget(m_along);
    whereLayout->addWidget(m_outlet);

    m_answerText = new QLabel(this);
    m_answerText->setWordWrap(true);
    m_answerText->setMinimumWidth(m_answerText->fontMetrics().averageCharWidth() * 50);
    m_answerText->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(this);
    auto* find = buttons->addButton(QStringLiteral("&Find"), QDialogButtonBox::ActionRole);
    m_apply = buttons->addButton(QStringLiteral("A&pply"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Close);
    AddHelpButton(buttons, this, QStringLiteral("design-answers"));
    find->setDefault(true);
    m_apply->setEnabled(false);
    connect(find, &QPushButton::clicked, this, &CRequirementDlg::Find);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fields);
    layout->addWidget(where);
    layout->addWidget(m_answerText);
    layout->addWidget(buttons);

    CriterionChanged();
    connect(m_criterion, &QComboBox::currentIndexChanged, this, &CRequirementDlg::CriterionChanged);
    for (QLineEdit* field : {m_limit, m_location, m_strongest})
        if (field)
            connect(field, &QLineEdit::textEdited, this, &CRequirementDlg::ClearAnswer);
    connect(m_outlet, &QRadioButton::toggled, this, &CRequirementDlg::ClearAnswer);
}

void CRequirementDlg::CriterionChanged()
{
    m_query.criterion = static_cast<SolveCriterion>(m_criterion->currentData().toInt());
    SetFieldString(m_limit, FieldText(DefaultCriterionLimit(m_doc, m_query.criterion), LimitRule(m_query.criterion)));
    m_limitUnit->setText(QString::fromUtf8(CriterionUnit(m_query.criterion)));
    ClearAnswer();
}

void CRequirementDlg::ClearAnswer()
{
    m_answer.reset();
    m_answerText->clear();
    m_apply->setEnabled(false);
}

bool CRequirementDlg::ReadFields()
{
    struct Read {
        QLineEdit* field;
        FieldRule rule;
        double* into;
    };
    std::vector<Read> reads{{m_limit, LimitRule(m_query.criterion), &m_query.limit}};
    double location = 0.0, strongest = 0.0;
    if (m_kind == RequirementKind::Cooling) {
        reads.push_back({m_location, LocationRule(m_branchLength), &location});
        reads.push_back({m_strongest, StrongestRule(), &strongest});
    }
    for (const Read& read : reads) {
        double value = 0.0;
        const std::string message = CheckField(FieldString(read.field), read.rule, value);
        if (!message.empty()) {
            RefuseField(this, read.field, message);
            return false;
        }
        *read.into = value;
    }
    m_query.outletOnly = m_outlet->isChecked();
    if (m_kind == RequirementKind::Cooling) {
        m_query.coolerLocation = location;
        m_query.weakestCooling = kDefaultWeakestCooling;
        m_query.strongestCooling = strongest;
    }
    return true;
}

bool CRequirementDlg::Find()
{
    ClearAnswer();
    if (!ReadFields())
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_answer = m_kind == RequirementKind::Cooling ? SolveRequiredCooling(m_doc, m_query)
                                                  : SolveRequiredQuantity(m_doc, m_query);
    QApplication::restoreOverrideCursor();
    if (m_answer->status == SolveStatus::DataErrors) {
        CQtRunUi(this).ShowDataErrors(m_answer->dataErrors);
        m_answerText->setText(QStringLiteral("The input data has errors: correct them, then find again."));
        return false;
    }
    ShowAnswer();
    m_apply->setEnabled(CanApply(*m_answer));
    return m_answer->status == SolveStatus::Found;
}

void CRequirementDlg::ShowAnswer()
{
    const CRequirementAnswer& answer = *m_answer;
    QStringList lines;
    switch (answer.status) {
    case SolveStatus::Found:
        if (answer.field == SolvedField::CoolerSensibleHeat && answer.value == 0.0)
            lines << QStringLiteral("No cooling is needed: the limit is kept without it.");
        else if (answer.field == SolvedField::CoolerSensibleHeat)
            lines << QStringLiteral("Required cooling: %1 kW at %2 m.")
                         .arg(Fixed(answer.value, answer.decimals), Fixed(m_query.coolerLocation, 0));
        else
            lines << QStringLiteral("%1: %2 m³/s.")
                         .arg(answer.field == SolvedField::AddedQuantity ? QStringLiteral("Required additional air")
                                                                         : QStringLiteral("Required intake quantity"),
                              Fixed(answer.value, answer.decimals));
        lines << PeakText(m_query, answer);
        break;
    case SolveStatus::NotReachable:
        lines << Text(answer.message);
        if (answer.marches > 0)
            lines << QStringLiteral("At the end of the range: ") + PeakText(m_query, answer);
        break;
    default: lines << Text(answer.message); break;
    }
    if (answer.marches > 0)
        lines << MarchesText(answer.marches);
    m_answerText->setText(lines.join(QLatin1Char('\n')));
}

bool FindRequirement(RequirementKind kind, QWidget* parent, CKalvexDoc& doc, const CKalvexBranch& branch,
                     CKalvexBranch& applied)
{
    const int index = doc.IndexOfBranch(&branch);
    if (index < 0)
        return false;
    CRequirementDlg dialog(kind, doc, index, parent);
    if (GXModal::Exec(dialog) != QDialog::Accepted || !dialog.Answer() || !CanApply(*dialog.Answer()))
        return false;
    const CRequirementAnswer& answer = *dialog.Answer();
    switch (answer.field) {
    case SolvedField::IntakeQuantity: applied.SetColumnValue(Col::Quantity, answer.value); break;
    case SolvedField::AddedQuantity: applied.SetColumnValue(Col::AddedQuantity, answer.value); break;
    case SolvedField::CoolerSensibleHeat: applied.AddHeatSource(MakeCoolerSource(dialog.Query(), answer)); break;
    }
    return true;
}
