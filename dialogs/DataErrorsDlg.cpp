#include "DataErrorsDlg.h"

#include "GXModal.h"
#include "RunUi.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

CDataErrorsDlg::CDataErrorsDlg(const std::vector<std::string>& errors, QWidget* parent)
    : QDialog(parent), m_list(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Data Errors"));
    for (const std::string& error : errors)
        m_list->addItem(QString::fromStdString(error));
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setMinimumWidth(m_list->fontMetrics().averageCharWidth() * 70);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromUtf8(kDataErrorsHeading), this));
    layout->addWidget(m_list);
    layout->addWidget(new QLabel(QString::fromUtf8(kDataErrorsRequest), this));
    layout->addWidget(buttons);
}

void ShowDataErrors(QWidget* parent, const std::vector<std::string>& errors)
{
    CDataErrorsDlg dialog(errors, parent);
    GXModal::Exec(dialog);
}
