#include "AirSourcesDlg.h"

#include "BranchListText.h"
#include "FieldForm.h"
#include "InputCatalogue.h"
#include "KalvexDoc.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

bool BranchItems::MoveTo(int index, BranchItems& to)
{
    if (index < 0 || index >= static_cast<int>(texts.size()) || index >= static_cast<int>(ids.size()))
        return false;
    const auto at = static_cast<std::size_t>(index);
    to.texts.push_back(texts[at]);
    to.ids.push_back(ids[at]);
    texts.erase(texts.begin() + index);
    ids.erase(ids.begin() + index);
    return true;
}

AirSourceValues ReadAirSources(const CKalvexDoc& doc, CKalvexBranch& branch)
{
    AirSourceValues values;
    if (!branch.SourceBranchIds().empty())
        DropStaleSourceIds(doc, branch);
    // Only branches earlier in the list can feed this one.
    for (int position = 0; position < doc.BranchCount(); ++position) {
        const CKalvexBranch& entry = doc.BranchAt(position);
        if (entry.branchId == branch.branchId)
            break;
        BranchItems& items = branch.HasSourceBranch(entry.branchId) ? values.selected : values.available;
        items.texts.push_back(std::to_string(position + 1) + " - " + entry.name);
        items.ids.push_back(entry.branchId);
    }
    branch.GetColumnValue(Col::AddedQuantity, values.quantity);
    branch.GetColumnValue(Col::AddedDryBulb, values.dryBulb);
    branch.GetColumnValue(Col::AddedWetBulb, values.wetBulb);
    return values;
}

void WriteAirSources(const AirSourceValues& values, CKalvexBranch& branch)
{
    branch.SetSourceBranchIds(values.selected.ids);
    branch.SetColumnValue(Col::AddedQuantity, values.quantity);
    branch.SetColumnValue(Col::AddedDryBulb, values.dryBulb);
    branch.SetColumnValue(Col::AddedWetBulb, values.wetBulb);
}

namespace {

const InputEntry& AddedAirInput(AddedAirField field)
{
    static constexpr std::array<ColumnId, 3> kColumns{Col::AddedQuantity, Col::AddedDryBulb, Col::AddedWetBulb};
    return *FindInput(kColumns[static_cast<std::size_t>(field)]);
}

QString AddedAirHint(AddedAirField field) { return QString::fromUtf8(AddedAirInput(field).hint); }

}  // namespace

FieldRule AddedAirRule(AddedAirField field) { return AddedAirInput(field).field; }

std::vector<std::string> AddedAirTexts(const AirSourceValues& values)
{
    return {FieldText(values.quantity, AddedAirRule(kAddedQuantityField)),
            FieldText(values.dryBulb, AddedAirRule(kAddedDryBulbField)),
            FieldText(values.wetBulb, AddedAirRule(kAddedWetBulbField))};
}

FieldFailure CheckAddedAir(const std::vector<std::string>& texts, AirSourceValues& values)
{
    static constexpr std::array<AddedAirField, 3> kReadOrder{kAddedDryBulbField, kAddedQuantityField,
                                                              kAddedWetBulbField};
    std::array<double, 3> read{};
    for (AddedAirField field : kReadOrder) {
        const auto i = static_cast<std::size_t>(field);
        const std::string text = i < texts.size() ? texts[i] : std::string();
        std::string message = CheckField(text, AddedAirRule(field), read[i]);
        if (!message.empty())
            return {field, std::move(message)};
    }
    if (read[kAddedDryBulbField] < read[kAddedWetBulbField])
        return {kAddedWetBulbField, kAddedWetBulbMessage};
    values.quantity = read[kAddedQuantityField];
    values.dryBulb = read[kAddedDryBulbField];
    values.wetBulb = read[kAddedWetBulbField];
    return {};
}

CAirSourcesDlg::CAirSourcesDlg(AirSourceValues values, QWidget* parent)
    : QDialog(parent),
      m_values(std::move(values)),
      m_available(new QListWidget(this)),
      m_selected(new QListWidget(this)),
      m_add(new QPushButton(QStringLiteral("&Add >>"), this)),
      m_remove(new QPushButton(QStringLiteral("<< &Remove"), this))
{
    setWindowTitle(QStringLiteral("Inlet Air Sources"));
    for (QListWidget* list : {m_available, m_selected}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setMinimumWidth(list->fontMetrics().averageCharWidth() * 28);
    }
    connect(m_add, &QPushButton::clicked, this, &CAirSourcesDlg::OnAdd);
    connect(m_remove, &QPushButton::clicked, this, &CAirSourcesDlg::OnRemove);
    connect(m_available, &QListWidget::itemDoubleClicked, this, &CAirSourcesDlg::OnAdd);
    connect(m_selected, &QListWidget::itemDoubleClicked, this, &CAirSourcesDlg::OnRemove);
    m_add->setAutoDefault(false);
    m_remove->setAutoDefault(false);

    auto* sources = new QGroupBox(QStringLiteral("Source Branches"), this);
    auto* availableLabel = new QLabel(QStringLiteral("Available &Branches:"), sources);
    availableLabel->setBuddy(m_available);
    auto* selectedLabel = new QLabel(QStringLiteral("&Selected Branches:"), sources);
    selectedLabel->setBuddy(m_selected);
    auto* moves = new QVBoxLayout;
    moves->addStretch(1);
    moves->addWidget(m_add);
    moves->addWidget(m_remove);
    moves->addStretch(1);
    auto* lists = new QGridLayout(sources);
    lists->addWidget(availableLabel, 0, 0);
    lists->addWidget(selectedLabel, 0, 2);
    lists->addWidget(m_available, 1, 0);
    lists->addLayout(moves, 1, 1);
    lists->addWidget(m_selected, 1, 2);

    auto* added = new QGroupBox(QStringLiteral("Additional Air"), this);
    auto* grid = new QGridLayout(added);
    m_fields.push_back(AddFieldRow(grid, 0, QStringLiteral("&Quantity:"), AddedAirHint(kAddedQuantityField)));
    m_fields.push_back(AddFieldRow(grid, 1, QStringLiteral("&Dry Bulb:"), AddedAirHint(kAddedDryBulbField)));
    m_fields.push_back(AddFieldRow(grid, 2, QStringLiteral("&Wet Bulb:"), AddedAirHint(kAddedWetBulbField)));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sources);
    layout->addWidget(added);
    layout->addWidget(buttons);

    ShowLists();
    const std::vector<std::string> texts = AddedAirTexts(m_values);
    for (std::size_t i = 0; i < texts.size(); ++i)
        SetFieldString(m_fields[i], texts[i]);
}

void CAirSourcesDlg::ShowLists()
{
    auto fill = [](QListWidget* list, const BranchItems& items) {
        list->clear();
        for (const std::string& text : items.texts)
            list->addItem(QString::fromStdString(text));
    };
    fill(m_available, m_values.available);
    fill(m_selected, m_values.selected);
}

void CAirSourcesDlg::OnAdd()
{
    const QList<QListWidgetItem*> chosen = m_available->selectedItems();
    if (chosen.isEmpty())
        return;
    if (m_values.available.MoveTo(m_available->row(chosen.first()), m_values.selected))
        ShowLists();
}

void CAirSourcesDlg::OnRemove()
{
    const QList<QListWidgetItem*> chosen = m_selected->selectedItems();
    if (chosen.isEmpty())
        return;
    if (m_values.selected.MoveTo(m_selected->row(chosen.first()), m_values.available))
        ShowLists();
}

void CAirSourcesDlg::accept()
{
    std::vector<std::string> texts;
    for (const QLineEdit* field : m_fields)
        texts.push_back(FieldString(field));
    const FieldFailure failure = CheckAddedAir(texts, m_values);
    if (failure.Failed()) {
        RefuseField(this, m_fields[static_cast<std::size_t>(failure.index)], failure.message);
        return;
    }
    QDialog::accept();
}
