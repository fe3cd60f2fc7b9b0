#include "SelectBranchDlg.h"

#include "GXModal.h"
#include "HelpButton.h"
#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

CSelectBranchDlg::CSelectBranchDlg(const std::vector<std::string>& texts, int index, QWidget* parent)
    : QDialog(parent), m_list(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Select Branch to Display"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const std::string& text : texts)
        m_list->addItem(QString::fromStdString(text));
    if (index >= 0 && index < m_list->count())
        m_list->setCurrentRow(index);
    else
        m_list->setCurrentRow(-1);
    m_list->setMinimumWidth(m_list->fontMetrics().averageCharWidth() * 40);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    AddHelpButton(buttons, this, QStringLiteral("select-branch"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
}

int CSelectBranchDlg::ChosenIndex() const
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.first());
}

bool RunSelectBranch(QWidget* parent, const std::vector<std::string>& texts, int& index)
{
    CSelectBranchDlg dialog(texts, index, parent);
    if (GXModal::Exec(dialog) != QDialog::Accepted)
        return false;
    index = dialog.ChosenIndex();
    return true;
}
