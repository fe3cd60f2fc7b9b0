#include "GraphPageSetup.h"

#include "GXModal.h"
#include "KalvexDoc.h"
#include "MessageBoxes.h"
#include "NumberText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMarginLimit = 100000.0;  // hundredths of an inch, a thousand inches

}  // namespace

CGraphPageSetup::CGraphPageSetup(const GraphPageSettings& settings, QWidget* parent)
    : QDialog(parent), m_left(new QLineEdit(MarginText(settings.left), this)),
      m_right(new QLineEdit(MarginText(settings.right), this)), m_top(new QLineEdit(MarginText(settings.top), this)),
      m_bottom(new QLineEdit(MarginText(settings.bottom), this)),
      m_portrait(new QRadioButton(QStringLiteral("&Portrait"), this)),
      m_landscape(new QRadioButton(QStringLiteral("Lan&dscape"), this))
{
    setWindowTitle(QStringLiteral("Page Setup"));
    auto* margins = new QGroupBox(QStringLiteral("Margins"), this);
    auto* form = new QFormLayout(margins);
    form->addRow(QStringLiteral("&Left:"), m_left);
    form->addRow(QStringLiteral("&Right:"), m_right);
    form->addRow(QStringLiteral("&Top:"), m_top);
    form->addRow(QStringLiteral("&Bottom:"), m_bottom);

    auto* orientation = new QGroupBox(QStringLiteral("Orientation"), this);
    auto* choice = new QVBoxLayout(orientation);
    choice->addWidget(m_portrait);
    choice->addWidget(m_landscape);
    (settings.orientation == 1 ? m_portrait : m_landscape)->setChecked(true);

    // Kept for the dialog's layout; the settings are document data only.
    auto* profile = new QCheckBox(QStringLiteral("&Save settings to profile"), this);
    profile->setEnabled(false);
    profile->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &CGraphPageSetup::ShowHelp);

    auto* columns = new QHBoxLayout;
    columns->addWidget(margins);
    columns->addWidget(orientation);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(profile);
    layout->addWidget(buttons);
}

QString CGraphPageSetup::MarginText(int hundredths)
{
    return QString::fromStdString(FormatFixed(hundredths / 100.0, 2)) + QStringLiteral(" in");
}

int CGraphPageSetup::MarginFromText(const QString& text)
{
    const double inches = AtofC(text.toStdString());
    const double hundredths = std::clamp(inches * 100.0 + 0.5, -kMarginLimit, kMarginLimit);
    return static_cast<int>(std::trunc(std::isfinite(hundredths) ? hundredths : 0.0));
}

GraphPageSettings CGraphPageSetup::Result() const
{
    GraphPageSettings settings;
    settings.left = MarginFromText(m_left->text());
    settings.right = MarginFromText(m_right->text());
    settings.top = MarginFromText(m_top->text());
    settings.bottom = MarginFromText(m_bottom->text());
    settings.orientation = m_landscape->isChecked() ? 2 : 1;
    return settings;
}

void CGraphPageSetup::ShowHelp()
{
    Messages::Information(this, QStringLiteral("The margins are measured in inches from the edges of the paper; "
                                               "the graph and its labels are printed inside them, on one page "
                                               "in the orientation chosen here."));
}

GraphPageSettings GraphPageSettingsOf(const CKalvexDoc& doc)
{
    GraphPageSettings settings;
    settings.left = doc.graphMarginLeft;
    settings.top = doc.graphMarginTop;
    settings.right = doc.graphMarginRight;
    settings.bottom = doc.graphMarginBottom;
    settings.orientation = doc.graphOrientation == 1 ? 1 : 2;
    return settings;
}

bool RunGraphPageSetup(QWidget* parent, CKalvexDoc& doc)
{
    CGraphPageSetup dialog(GraphPageSettingsOf(doc), parent);
    if (GXModal::Exec(dialog) != QDialog::Accepted)
        return false;
    const GraphPageSettings settings = dialog.Result();
    doc.graphMarginLeft = settings.left;
    doc.graphMarginTop = settings.top;
    doc.graphMarginRight = settings.right;
    doc.graphMarginBottom = settings.bottom;
    doc.graphOrientation = settings.orientation;
    doc.SetModifiedFlag();
    return true;
}
