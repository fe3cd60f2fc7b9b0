#include "DataErrorsDlg.h"

#include "GXModal.h"
#include "RunUi.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

CDataErrorsDlg::CDataErrorsDlg(const std::vector<std::string>& errors, QWidget* parent)
    : QDialog(parent), m_list(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Data Errors"));
    for (const std::string& error : errors)
        m_list->addItem(QString::fromStdString(error));
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    // Wide enough for the longest message where the screen allows; longer
    // ones wrap.
    int widest = m_list->fontMetrics().averageCharWidth() * 70;
    for (const std::string& error : errors)
        widest = std::max(widest, m_list->fontMetrics().horizontalAdvance(QString::fromStdString(error)) + 40);
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        widest = std::min(widest, screen->availableGeometry().width() * 4 / 5);
    m_list->setMinimumWidth(widest);
    m_list->setWordWrap(true);
    m_list->setTextElideMode(Qt::ElideNone);

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
