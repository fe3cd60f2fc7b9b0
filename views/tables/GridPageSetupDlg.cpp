#include "GridPageSetupDlg.h"

#include "HelpButton.h"
#include "MarginText.h"
#include "MessageBoxes.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

std::int32_t CGXProperties::*const kMargins[4] = {&CGXProperties::marginLeft, &CGXProperties::marginRight,
                                                  &CGXProperties::marginTop, &CGXProperties::marginBottom};
bool CGXProperties::*const kOptions[5] = {&CGXProperties::printRowHeaders, &CGXProperties::printVertLines,
                                          &CGXProperties::printHorzLines, &CGXProperties::printFrame,
                                          &CGXProperties::printBlackWhite};

}  // namespace

CGridPageSetupDlg::CGridPageSetupDlg(CGridProperties& properties, int dpi, QWidget* parent)
    : QDialog(parent), m_properties(properties), m_dpi(dpi > 0 ? dpi : 96)
{
    setWindowTitle(QStringLiteral("Page Setup"));
    auto* margins = new QGroupBox(QStringLiteral("Margins"), this);
    auto* marginForm = new QFormLayout(margins);
    const QString labels[4] = {QStringLiteral("&Left:"), QStringLiteral("&Right:"), QStringLiteral("&Top:"),
                               QStringLiteral("&Bottom:")};
    for (int i = 0; i < 4; ++i) {
        m_margins[i] = new QLineEdit(QString::fromStdString(MarginText(properties.*kMargins[i], m_dpi)), margins);
        marginForm->addRow(labels[i], m_margins[i]);
    }

    auto* orientation = new QGroupBox(QStringLiteral("Orientation"), this);
    auto* orientationBox = new QVBoxLayout(orientation);
    m_portrait = new QRadioButton(QStringLiteral("&Portrait"), orientation);
    m_landscape = new QRadioButton(QStringLiteral("Lan&dscape"), orientation);
    orientationBox->addWidget(m_portrait);
    orientationBox->addWidget(m_landscape);
    (properties.landscape ? m_landscape : m_portrait)->setChecked(true);

    auto* options = new QGroupBox(QStringLiteral("Titles and &GridLines"), this);
    auto* optionBox = new QVBoxLayout(options);
    const QString optionTexts[5] = {QStringLiteral("Ro&w Headers"), QStringLiteral("&Vertical Lines"),
                                    QStringLiteral("&Horizontal Lines"), QStringLiteral("Print &Frame"),
                                    QStringLiteral("&Only Black and White")};
    for (int i = 0; i < 5; ++i) {
        m_options[i] = new QCheckBox(optionTexts[i], options);
        m_options[i]->setChecked(properties.*kOptions[i]);
        optionBox->addWidget(m_options[i]);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    AddHelpButton(buttons, this, QStringLiteral("page-setup"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CGridPageSetupDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* right = new QVBoxLayout;
    right->addWidget(orientation);
    right->addWidget(options);
    auto* top = new QHBoxLayout;
    top->addWidget(margins);
    top->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
}

void CGridPageSetupDlg::accept()
{
    std::int32_t margins[4];
    for (int i = 0; i < 4; ++i) {
        const std::optional<std::int32_t> margin = ParseMarginText(m_margins[i]->text().toStdString(), m_dpi);
        if (!margin) {
            Messages::Warning(this, QStringLiteral("Enter a margin from 0 to 20 in (or 0 to 50.8 cm)."));
            m_margins[i]->setFocus();
            m_margins[i]->selectAll();
            return;
        }
        margins[i] = *margin;
    }
    for (int i = 0; i < 4; ++i)
        m_properties.*kMargins[i] = margins[i];
    for (int i = 0; i < 5; ++i)
        m_properties.*kOptions[i] = m_options[i]->isChecked();
    m_properties.landscape = m_landscape->isChecked() ? 1 : 0;
    QDialog::accept();
}
