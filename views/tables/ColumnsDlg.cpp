#include "ColumnsDlg.h"

#include "ColumnCatalogue.h"
#include "HelpButton.h"
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CColumnsDlg::CColumnsDlg(CColumnChoice choice, QWidget* parent)
    : QDialog(parent), m_choice(std::move(choice)), m_available(new QListWidget(this)), m_shown(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Columns"));
    for (QListWidget* list : {m_available, m_shown}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setMinimumWidth(list->fontMetrics().averageCharWidth() * 22);
    }
    auto* availableLabel = new QLabel(QStringLiteral("A&vailable Columns:"), this);
    availableLabel->setBuddy(m_available);
    auto* shownLabel = new QLabel(QStringLiteral("Columns to &Show:"), this);
    shownLabel->setBuddy(m_shown);

    auto button = [this](const QString& text, void (CColumnsDlg::*action)()) {
        auto* push = new QPushButton(text, this);
        push->setAutoDefault(false);
        connect(push, &QPushButton::clicked, this, action);
        return push;
    };
    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(button(QStringLiteral("&Add >>"), &CColumnsDlg::Add));
    middle->addWidget(button(QStringLiteral("<< &Remove"), &CColumnsDlg::Remove));
    middle->addWidget(button(QStringLiteral("Rese&t"), &CColumnsDlg::Reset));
    middle->addStretch();
    auto* moves = new QHBoxLayout;
    moves->addWidget(button(QStringLiteral("Move &Up"), &CColumnsDlg::MoveUp));
    moves->addWidget(button(QStringLiteral("Move &Down"), &CColumnsDlg::MoveDown));

    auto* group = new QGroupBox(QStringLiteral("Select Columns to Display"), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(availableLabel, 0, 0);
    grid->addWidget(shownLabel, 0, 2);
    grid->addWidget(m_available, 1, 0);
    grid->addLayout(middle, 1, 1);
    grid->addWidget(m_shown, 1, 2);
    grid->addLayout(moves, 2, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    AddHelpButton(buttons, this, QStringLiteral("columns"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_available, &QListWidget::itemDoubleClicked, this, &CColumnsDlg::Add);
    connect(m_shown, &QListWidget::itemDoubleClicked, this, &CColumnsDlg::Remove);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    Fill(-1, -1);
}

void CColumnsDlg::Fill(int availableLine, int shownLine)
{
    auto fill = [](QListWidget* list, const std::vector<ColumnId>& ids, int line) {
        list->clear();
        for (ColumnId id : ids)
            list->addItem(QString::fromStdString(ColumnTitle(id)));
        list->setCurrentRow(line, QItemSelectionModel::ClearAndSelect);
        if (line < 0)
            list->clearSelection();
    };
    fill(m_available, m_choice.Available(), availableLine);
    fill(m_shown, m_choice.Shown(), shownLine);
}

namespace {

int SelectedLine(const QListWidget* list)
{
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

}  // namespace

void CColumnsDlg::Add()
{
    const int added = SelectedLine(m_available);
    if (added < 0)
        return;
    const int shown = m_choice.Add(added, SelectedLine(m_shown));
    Fill(-1, shown);
    if (shown < 0)
        m_shown->scrollToBottom();
}

void CColumnsDlg::Remove()
{
    if (SelectedLine(m_shown) < 0)
        return;
    m_choice.Remove(SelectedLine(m_shown));
    Fill(-1, -1);
    m_available->scrollToBottom();
}

void CColumnsDlg::Reset()
{
    m_choice.Reset();
    Fill(-1, -1);
}

void CColumnsDlg::MoveUp()
{
    Fill(SelectedLine(m_available), m_choice.MoveUp(SelectedLine(m_shown)));
}

void CColumnsDlg::MoveDown()
{
    Fill(SelectedLine(m_available), m_choice.MoveDown(SelectedLine(m_shown)));
}
