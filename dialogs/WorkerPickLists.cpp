#include "WorkerPickLists.h"

#include "HelpButton.h"
#include "ListColumnWidth.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// Group box around the list, the note (may be empty), OK and Cancel.
void LayOut(QDialog& dialog, const QString& group, CClothingFactorGrid* list, const QString& note)
{
    auto* box = new QGroupBox(group, &dialog);
    auto* inner = new QVBoxLayout(box);
    inner->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    AddHelpButton(buttons, &dialog, QStringLiteral("worker"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &CGXPickList::rowChosen, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(box);
    if (!note.isEmpty())
        layout->addWidget(new QLabel(note, &dialog));
    layout->addWidget(buttons);
}

// The current row as an index into a table of `count` rows.
std::size_t CurrentIndex(const CGXListGrid* list, std::size_t count)
{
    const int row = std::max(list->GetCurrentRow(), 1);
    return std::min(static_cast<std::size_t>(row - 1), count - 1);
}

// A stored value against a table's: equal but for the last bits.
bool Same(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b));
}

}  // namespace

CClothingFactorGrid::CClothingFactorGrid(const QStringList& titles, const std::vector<double>& charWidths,
                                         const std::vector<QStringList>& rows, QWidget* parent)
    : CGXPickList(parent)
{
    SetColumnTitles(titles);
    SetHeaderLines(2);
    int width = 0;
    for (std::size_t i = 0; i < charWidths.size(); ++i) {
        const int col = static_cast<int>(i) + 1;
        QStringList texts{titles.value(col - 1)};
        for (const QStringList& row : rows)
            texts << row.value(col - 1);
        SetColWidth(col, ListColumnWidth(*this, charWidths[i], texts));
        if (col > 1)
            SetColumnAlignment(col, Qt::AlignHCenter);
        width += GetColWidth(col);
    }
    SetRows(rows);
    setMinimumWidth(width + 32);
    setMinimumHeight(GetStoredRowHeight(0) + static_cast<int>(rows.size()) * GetDefaultRowHeight() + 8);
}

CClothingFactorDlg::CClothingFactorDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Select Clothing Ensemble"));
    std::vector<QStringList> rows;
    for (const ClothingEnsemble& ensemble : ClothingEnsembles())
        rows.push_back({QString::fromUtf8(ensemble.name), QString::fromUtf8(ensemble.resistanceText),
                        QString::fromUtf8(ensemble.areaFactorText)});
    // The two numeric titles are broken where a narrow column wraps them.
    m_list = new CClothingFactorGrid({QStringLiteral(" Ensemble"), QStringLiteral("Thermal\nResistance"),
                                      QStringLiteral("Area\nFactor")},
                                     {30, 10, 8}, rows, this);
    LayOut(*this, QStringLiteral("&Clothing factors for ensambles common to mining"), m_list,
           QStringLiteral("Note: All ensembles include boots and stockings."));
}

const ClothingEnsemble& CClothingFactorDlg::Chosen() const
{
    return ClothingEnsembles()[CurrentIndex(m_list, ClothingEnsembles().size())];
}

CMetRateDlg::CMetRateDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Select Metabolic Rate"));
    std::vector<QStringList> rows;
    for (const WorkerActivity& activity : Activities())
        rows.push_back({QString::fromUtf8(activity.name), QString::fromUtf8(activity.rateText)});
    m_list = new CClothingFactorGrid(
        {QStringLiteral(" Activity"), QString::fromUtf8("Metabolic Heat Production\n(W/m\u00B2)")}, {22, 22}, rows,
        this);
    LayOut(*this, QStringLiteral("&Metabolic rates for various activities"), m_list, QString());
}

void CClothingFactorDlg::ShowCurrent(double resistance, double areaFactor)
{
    const auto& all = ClothingEnsembles();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (Same(all[i].resistance, resistance) && Same(all[i].areaFactor, areaFactor))
            m_list->ShowRow(static_cast<int>(i) + 1);
}

void CMetRateDlg::ShowCurrent(double rate)
{
    const auto& all = Activities();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (Same(all[i].rate, rate))
            m_list->ShowRow(static_cast<int>(i) + 1);
}

const WorkerActivity& CMetRateDlg::Chosen() const
{
    return Activities()[CurrentIndex(m_list, Activities().size())];
}
