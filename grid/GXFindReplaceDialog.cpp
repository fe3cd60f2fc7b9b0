#include "GXFindReplaceDialog.h"

#include "GXGridView.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CGXFindReplaceDialog::CGXFindReplaceDialog(CGXGridView* grid, bool replace)
    : QDialog(grid), m_grid(grid), m_replace(replace)
{
    setWindowTitle(replace ? tr("Replace") : tr("Find"));
    setModal(false);

    auto* fields = new QFormLayout;
    m_findWhat = new QLineEdit(this);
    fields->addRow(tr("Fi&nd what:"), m_findWhat);
    if (replace) {
        m_replaceWith = new QLineEdit(this);
        fields->addRow(tr("Re&place with:"), m_replaceWith);
    }
    m_matchCase = new QCheckBox(tr("Match &case"), this);
    m_wholeCell = new QCheckBox(tr("Match &whole cell only"), this);

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(m_wholeCell);
    left->addWidget(m_matchCase);
    auto* direction = new QGroupBox(tr("Direction"), this);
    auto* directionLayout = new QHBoxLayout(direction);
    m_up = new QRadioButton(tr("&Up"), direction);
    m_down = new QRadioButton(tr("&Down"), direction);
    m_down->setChecked(true);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);
    left->addWidget(direction);
    direction->setVisible(!replace);

    auto* buttons = new QVBoxLayout;
    m_findNext = new QPushButton(tr("&Find Next"), this);
    m_findNext->setDefault(true);
    buttons->addWidget(m_findNext);
    if (replace) {
        m_replaceButton = new QPushButton(tr("&Replace"), this);
        m_replaceAll = new QPushButton(tr("Replace &All"), this);
        buttons->addWidget(m_replaceButton);
        buttons->addWidget(m_replaceAll);
        connect(m_replaceButton, &QPushButton::clicked, this, [this] { m_grid->ReplaceCurrent(Options()); });
        connect(m_replaceAll, &QPushButton::clicked, this, [this] { m_grid->ReplaceAll(Options()); });
    }
    auto* cancel = new QPushButton(tr("Cancel"), this);
    buttons->addWidget(cancel);
    buttons->addStretch();
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    connect(m_findNext, &QPushButton::clicked, this, [this] { m_grid->FindNext(Options()); });
    connect(m_findWhat, &QLineEdit::textChanged, this, [this] { UpdateButtons(); });

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(buttons);
    UpdateButtons();
}

CGXFindOptions CGXFindReplaceDialog::Options() const
{
    CGXFindOptions options;
    options.findWhat = m_findWhat->text();
    options.replaceWith = m_replaceWith ? m_replaceWith->text() : QString();
    options.matchCase = m_matchCase->isChecked();
    options.wholeCell = m_wholeCell->isChecked();
    options.searchDown = m_replace || m_down->isChecked();
    return options;
}

void CGXFindReplaceDialog::SetOptions(const CGXFindOptions& options)
{
    m_findWhat->setText(options.findWhat);
    if (m_replaceWith)
        m_replaceWith->setText(options.replaceWith);
    m_matchCase->setChecked(options.matchCase);
    m_wholeCell->setChecked(options.wholeCell);
    (options.searchDown ? m_down : m_up)->setChecked(true);
    m_findWhat->selectAll();
}

void CGXFindReplaceDialog::UpdateButtons()
{
    const bool any = !m_findWhat->text().isEmpty();
    m_findNext->setEnabled(any);
    if (m_replaceButton) {
        m_replaceButton->setEnabled(any);
        m_replaceAll->setEnabled(any);
    }
}
