#include "HeatSourceSheet.h"

#include "ColumnCatalogue.h"
#include "HelpButton.h"
#include "ListColumnWidth.h"
#include "MessageBoxes.h"
#include "PageSheet.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const QString kSizeKey = QStringLiteral("BranchHeatSources/size");
}

CHeatListGrid::CHeatListGrid(const HeatPageDef& page, QWidget* parent) : CGXListGrid(parent)
{
    QStringList titles;
    const std::size_t count = page.columns.size();
    for (std::size_t i = 0; i < count; ++i) {
        const ColumnId column = page.columns[i];
        std::string title = ColumnTitle(column);
        if (i + 1 < count)  // appended piece by piece: GCC 12 -O3 sees a false overlap in "\n" + ...
            title.append("\n").append(ColumnUnit(column));
        titles << QString::fromStdString(title);
    }
    SetColumnTitles(titles);
    SetHeaderLines(2);
    for (int col = 1; col <= static_cast<int>(count); ++col) {
        const ColumnId column = page.columns[static_cast<std::size_t>(col - 1)];
        SetColumnAlignment(col, ColumnAlignment(column) == HAlign::Right ? Qt::AlignRight : Qt::AlignLeft);
        if (col < static_cast<int>(count))
            SetColWidth(col, ListColumnWidth(*this, col == 1 ? 8 : 11, {titles[col - 1]}));
    }
    SetStretchLastColumn(true);
    SetSelectionKinds(true, true, false, false);
}

CHeatSourcePage::CHeatSourcePage(int page, HeatPageContents& contents, long long branchLength, QWidget* parent)
    : QWidget(parent),
      m_def(HeatPages()[static_cast<std::size_t>(page)]),
      m_contents(contents),
      m_branchLength(branchLength),
      m_group(new QGroupBox(this)),
      m_list(new CHeatListGrid(m_def, m_group)),
      m_add(new QPushButton(QStringLiteral("&Add"), m_group)),
      m_remove(new QPushButton(QStringLiteral("&Remove"), m_group))
{
    m_list->SetCellValidator([this](int row, int col, QString& text) { return CheckCell(row, col, text); });
    // Every column in view: the fixed ones and room for a description.
    int width = m_list->GetColWidth(0) + m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8;
    for (int col = 1; col < m_list->GetColCount(); ++col)
        width += m_list->GetColWidth(col);
    width += m_list->CharsToWidth(30);
    m_list->setMinimumSize(std::max(m_list->CharsToWidth(70), width), 200);
    connect(m_add, &QPushButton::clicked, this, &CHeatSourcePage::OnAdd);
    connect(m_remove, &QPushButton::clicked, this, &CHeatSourcePage::OnRemove);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_add);
    buttons->addWidget(m_remove);
    auto* inner = new QVBoxLayout(m_group);
    inner->addWidget(m_list, 1);
    inner->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_group);
}

void CHeatSourcePage::Shown()
{
    if (m_contents.shown)
        return;
    m_group->setTitle(QString::fromUtf8(m_def.group));
    for (const CHeatSource& source : m_contents.original) {
        QStringList texts;
        for (const std::string& text : HeatRowTexts(m_def, source))
            texts << QString::fromStdString(text);
        m_list->AppendListRow(texts);
    }
    m_contents.shown = true;
    if (m_list->GetRowCount() == 0) {
        m_remove->setEnabled(false);
        m_add->setFocus(Qt::TabFocusReason);
    } else {
        m_list->SetCurrentCell(1, 1);
        m_list->TableView()->setFocus(Qt::TabFocusReason);
    }
}

bool CHeatSourcePage::Leave()
{
    if (m_list->ValidateCurrentCell())
        return true;
    m_list->TableView()->setFocus(Qt::OtherFocusReason);
    return false;
}

void CHeatSourcePage::CollectRows()
{
    if (!m_contents.shown)
        return;
    m_contents.rows.clear();
    for (int row = 1; row <= m_list->GetRowCount(); ++row) {
        HeatListRow texts;
        for (const QString& text : m_list->GetRowTexts(row))
            texts.push_back(text.toStdString());
        m_contents.rows.push_back(std::move(texts));
    }
}

bool CHeatSourcePage::CheckCell(int row, int col, QString& text)
{
    HeatListRow rowTexts;
    for (const QString& cell : m_list->GetRowTexts(row))
        rowTexts.push_back(cell.toStdString());
    std::string checked = text.toStdString();
    const std::string message = CheckHeatCell(m_def, col, checked, rowTexts, m_branchLength);
    if (!message.empty()) {
        m_list->SetWarningText(QString::fromStdString(message));
        return false;
    }
    text = QString::fromStdString(checked);
    return true;
}

void CHeatSourcePage::OnAdd()
{
    if (!Leave())
        return;
    CHeatSource empty;
    empty.kind = static_cast<std::uint8_t>(m_def.kind);
    QStringList texts;
    for (const std::string& text : HeatRowTexts(m_def, empty))
        texts << QString::fromStdString(text);
    const int row = m_list->AppendListRow(texts);
    m_remove->setEnabled(true);
    m_list->ClearSelection();
    m_list->SetCurrentCell(row, 1);
    m_list->TableView()->setFocus(Qt::OtherFocusReason);
}

void CHeatSourcePage::OnRemove()
{
    if (m_list->GetRowCount() == 0)
        return;
    if (!Leave())
        return;
    const std::vector<int> rows = m_list->GetSelectedRows();
    if (rows.empty()) {
        Messages::Warning(this, QString::fromUtf8(kNoRowsSelected));
        return;
    }
    const QMessageBox::StandardButton answer =
        Messages::Show(this, QMessageBox::Question, QString::fromUtf8(kRemoveQuestion),
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    const int first = rows.front();
    m_list->ClearSelection();
    m_list->RemoveListRows(first, rows.back());
    const int remaining = m_list->GetRowCount();
    if (remaining > 0) {
        m_list->SetCurrentCell(std::min(first, remaining), 1);
        m_list->TableView()->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (m_remove->hasFocus())
        m_remove->nextInFocusChain()->setFocus(Qt::TabFocusReason);
    m_remove->setEnabled(false);
}

CHeatSourceSheet::CHeatSourceSheet(HeatSheetContents contents, QWidget* parent)
    : QDialog(parent), m_contents(std::move(contents)), m_sheet(new CPageSheet(this))
{
    setWindowTitle(QStringLiteral("Branch Heat Sources"));
    for (int page = 0; page < static_cast<int>(HeatPages().size()); ++page) {
        auto* shown = new CHeatSourcePage(page, m_contents.pages[static_cast<std::size_t>(page)],
                                          m_contents.branchLength, m_sheet);
        m_pages.push_back(shown);
        m_sheet->AddPage(shown, QString::fromUtf8(HeatPages()[static_cast<std::size_t>(page)].caption));
    }
    m_sheet->SetCanLeave([this](int page) { return Page(page)->Leave(); });
    m_sheet->SetPageShown([this](int page) { Page(page)->Shown(); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    AddHelpButton(buttons, this, QStringLiteral("heat-sources"));
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(QStringLiteral("&OK"));
    // Enter in a list moves through its cells (the list takes the key);
    // elsewhere it is OK.
    m_ok->setAutoDefault(false);
    m_ok->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_sheet);
    layout->addWidget(buttons);
    m_sheet->Start();
    const QSize size = QSettings().value(kSizeKey).toSize();
    if (size.isValid())
        resize(size.expandedTo(minimumSizeHint()));
}

void CHeatSourceSheet::done(int result)
{
    if (isVisible())
        QSettings().setValue(kSizeKey, size());
    QDialog::done(result);
}

void CHeatSourceSheet::accept()
{
    if (!m_sheet->LeaveCurrent())
        return;
    for (CHeatSourcePage* page : m_pages)
        page->CollectRows();
    QDialog::accept();
}
