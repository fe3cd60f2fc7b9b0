#include "BranchPropertySheet.h"

#include "FieldForm.h"
#include "HelpButton.h"
#include "MessageBoxes.h"
#include "PageSheet.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CBranchFieldPage::CBranchFieldPage(int page, QWidget* parent) : QWidget(parent), m_page(page)
{
    const BranchPageDef& def = BranchPages()[static_cast<std::size_t>(page)];
    auto* group = new QGroupBox(QString::fromUtf8(def.group), this);
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (const BranchField& field : def.fields) {
        QLineEdit* edit = AddFieldRow(grid, row++, QString::fromUtf8(field.label),
                                      field.hint ? QString::fromUtf8(field.hint) : QString());
        if (field.rule.kind == FieldKind::Text)
            edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 40);
        m_fields.push_back(edit);
    }
    grid->setRowStretch(row, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
}

void CBranchFieldPage::ShowValues(const CBranchPropertyValues& values)
{
    const BranchPageDef& def = BranchPages()[static_cast<std::size_t>(m_page)];
    for (std::size_t i = 0; i < def.fields.size(); ++i)
        SetFieldString(m_fields[i], values.Text(def.fields[i]));
}

std::vector<std::string> CBranchFieldPage::Texts() const
{
    std::vector<std::string> texts;
    for (const QLineEdit* edit : m_fields)
        texts.push_back(FieldString(edit));
    return texts;
}

QLineEdit* CBranchFieldPage::Field(int index) const
{
    return index >= 0 && index < static_cast<int>(m_fields.size()) ? m_fields[static_cast<std::size_t>(index)]
                                                                   : nullptr;
}

QLineEdit* CBranchFieldPage::FieldFor(ColumnId column) const
{
    const BranchPageDef& def = BranchPages()[static_cast<std::size_t>(m_page)];
    for (std::size_t i = 0; i < def.fields.size(); ++i)
        if (def.fields[i].column == column)
            return m_fields[i];
    return nullptr;
}

CBranchPropertySheet::CBranchPropertySheet(const CBranchPropertyValues& values, QWidget* parent)
    : QDialog(parent), m_values(values), m_sheet(new CPageSheet(this))
{
    setWindowTitle(QStringLiteral("Branch Properties"));
    m_pages = {new CBranchGeneralPage(m_sheet), new CBranchAirwayPage(m_sheet), new CBranchVentPage(m_sheet),
               new CBranchRockPage(m_sheet)};
    for (CBranchFieldPage* page : m_pages)
        m_sheet->AddPage(page, QString::fromUtf8(BranchPages()[static_cast<std::size_t>(page->PageIndex())].caption));
    m_sheet->SetCanLeave([this](int page) { return LeavePage(page); });
    m_sheet->SetPageShown([this](int page) {
        CBranchFieldPage* shown = m_pages[static_cast<std::size_t>(page)];
        shown->ShowValues(m_values);
        shown->Field(0)->setFocus(Qt::TabFocusReason);
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    AddHelpButton(buttons, this, QStringLiteral("branch-properties"));
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_sheet);
    layout->addWidget(buttons);
    m_sheet->Start();
}

QLineEdit* CBranchPropertySheet::FieldFor(ColumnId column) const
{
    for (const CBranchFieldPage* page : m_pages)
        if (QLineEdit* edit = page->FieldFor(column))
            return edit;
    return nullptr;
}

bool CBranchPropertySheet::LeavePage(int page)
{
    CBranchFieldPage* shown = m_pages[static_cast<std::size_t>(page)];
    const FieldFailure failure = CheckBranchPage(page, shown->Texts(), m_values);
    if (!failure.Failed())
        return true;
    RefuseField(this, shown->Field(failure.index), failure.message);
    return false;
}

bool CBranchPropertySheet::ConfirmLength()
{
    const auto length = m_values.numbers.find(Col::Length);
    if (!m_lengthWarning || length == m_values.numbers.end())
        return true;
    const std::string warning = m_lengthWarning(length->second);
    if (warning.empty())
        return true;
    const QString question = QString::fromStdString(warning) + QStringLiteral("\n\nKeep the new length?");
    if (Messages::Show(this, QMessageBox::Warning, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
        QMessageBox::Yes)
        return true;
    for (CBranchFieldPage* page : m_pages) {
        if (QLineEdit* field = page->FieldFor(Col::Length)) {
            m_sheet->SwitchTo(page->PageIndex());
            field->setFocus(Qt::OtherFocusReason);
            field->selectAll();
        }
    }
    return false;
}

void CBranchPropertySheet::accept()
{
    if (m_sheet->LeaveCurrent() && ConfirmLength())
        QDialog::accept();
}
