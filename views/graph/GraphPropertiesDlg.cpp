#include "GraphPropertiesDlg.h"

#include "Curve.h"
#include "GXModal.h"
#include "KalvexDoc.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char* const kLineTypes[kLineStyleCount] = {"Solid", "Dash", "Dot Dot", "Dash Dot", "Dash Dot Dot"};

enum Column { kSelectedColumn, kShowPlotColumn, kShowColorColumn, kLineTypeColumn, kLineColorColumn, kRightColumn };

QColor ToColor(std::uint32_t rgb)
{
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>(rgb >> 8 & 0xFF), static_cast<int>(rgb >> 16 & 0xFF));
}

QWidget* ButtonPair(QWidget* parent, QPushButton* first, QPushButton* second)
{
    auto* pair = new QWidget(parent);
    auto* layout = new QHBoxLayout(pair);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(first);
    layout->addWidget(second);
    return pair;
}

}  // namespace

CGraphPropertiesDlg::CGraphPropertiesDlg(CKalvexDoc& doc, const PlotChoices& choices, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_selectedGroup(new QButtonGroup(this)), m_rightGroup(new QButtonGroup(this)),
      m_noRight(new QRadioButton(QStringLiteral("None"), this)),
      m_allPlots(new QPushButton(QStringLiteral("All"), this)), m_noPlots(new QPushButton(QStringLiteral("None"), this)),
      m_allColors(new QPushButton(QStringLiteral("All"), this)), m_noColors(new QPushButton(QStringLiteral("None"), this))
{
    setWindowTitle(QStringLiteral("Graph Properties"));
    auto* grid = new QGridLayout;
    const char* const headings[] = {"Selected Plot", "Show Plot", "Show Color", "Line Type", "Line Color", "Right Axis"};
    for (int c = 0; c < 6; ++c)
        grid->addWidget(new QLabel(QString::fromUtf8(headings[c]), this), 0, c);

    for (int i = 0; i < kPlotCount; ++i) {
        Row& row = m_rows[static_cast<std::size_t>(i)];
        const std::size_t at = static_cast<std::size_t>(i);
        row.selected = new QRadioButton(QString::fromUtf8(PlotKindAt(i).rowLabel), this);
        row.showPlot = new QCheckBox(this);
        row.showColor = new QCheckBox(this);
        row.lineType = new QComboBox(this);
        row.change = new QPushButton(QStringLiteral("Change"), this);
        row.right = new QRadioButton(this);
        row.right->setAccessibleName(QStringLiteral("Right axis: ") + row.selected->text());
        m_selectedGroup->addButton(row.selected, i);
        m_rightGroup->addButton(row.right, i);
        row.right->setChecked(i == choices.rightPlot);
        row.selected->setChecked(i == choices.selectedPlot);
        row.showPlot->setChecked(choices.showPlot[at]);
        row.showColor->setChecked(choices.showColor[at]);
        for (const char* type : kLineTypes)
            row.lineType->addItem(QString::fromUtf8(type));
        // A list too short for this plot (a damaged file) leaves its row without a curve.
        const CCurve* curve = PlotCurve(m_doc, i);
        row.lineType->setCurrentIndex(curve ? SafeLineStyle(*curve) : 0);
        row.lineType->setEnabled(curve != nullptr);
        row.change->setEnabled(curve != nullptr);
        ShowSwatch(i);
        connect(row.change, &QPushButton::clicked, this, [this, i] { ChangeColour(i); });

        const int line = i + 1;
        grid->addWidget(row.selected, line, kSelectedColumn);
        grid->addWidget(row.showPlot, line, kShowPlotColumn, Qt::AlignHCenter);
        grid->addWidget(row.showColor, line, kShowColorColumn, Qt::AlignHCenter);
        grid->addWidget(row.lineType, line, kLineTypeColumn);
        grid->addWidget(row.change, line, kLineColorColumn);
        grid->addWidget(row.right, line, kRightColumn, Qt::AlignHCenter);
    }
    m_rightGroup->addButton(m_noRight, kPlotCount);
    m_noRight->setChecked(choices.rightPlot < 0 || choices.rightPlot >= kPlotCount);
    grid->addWidget(m_noRight, kPlotCount + 1, kRightColumn, Qt::AlignHCenter);
    grid->addWidget(ButtonPair(this, m_allPlots, m_noPlots), kPlotCount + 1, kShowPlotColumn);
    grid->addWidget(ButtonPair(this, m_allColors, m_noColors), kPlotCount + 1, kShowColorColumn);
    connect(m_allPlots, &QPushButton::clicked, this, [this] { CheckAll(&Row::showPlot, true); });
    connect(m_noPlots, &QPushButton::clicked, this, [this] { CheckAll(&Row::showPlot, false); });
    connect(m_allColors, &QPushButton::clicked, this, [this] { CheckAll(&Row::showColor, true); });
    connect(m_noColors, &QPushButton::clicked, this, [this] { CheckAll(&Row::showColor, false); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void CGraphPropertiesDlg::CheckAll(QCheckBox* Row::*column, bool on)
{
    for (Row& row : m_rows)
        (row.*column)->setChecked(on);
}

void CGraphPropertiesDlg::ShowSwatch(int row)
{
    QPushButton* button = m_rows[static_cast<std::size_t>(row)].change;
    const CCurve* curve = PlotCurve(m_doc, row);
    QPixmap swatch(12, 12);
    swatch.fill(curve ? ToColor(curve->colour) : QColor(Qt::black));
    button->setIcon(QIcon(swatch));
}

void CGraphPropertiesDlg::ChangeColour(int row)
{
    CCurve* curve = PlotCurve(m_doc, row);
    if (!curve)
        return;
    QColorDialog chooser(this);
    if (GXModal::Exec(chooser) != QDialog::Accepted)
        return;
    const QColor chosen = chooser.currentColor();
    curve->colour = RgbValue(chosen.red(), chosen.green(), chosen.blue());
    ShowSwatch(row);
}

PlotChoices CGraphPropertiesDlg::Result() const
{
    PlotChoices result;
    for (int i = 0; i < kPlotCount; ++i) {
        const Row& row = m_rows[static_cast<std::size_t>(i)];
        result.showPlot[static_cast<std::size_t>(i)] = row.showPlot->isChecked();
        result.showColor[static_cast<std::size_t>(i)] = row.showColor->isChecked();
    }
    result.selectedPlot = m_selectedGroup->checkedId();
    const int right = m_rightGroup->checkedId();
    result.rightPlot = right >= 0 && right < kPlotCount ? right : -1;
    return result;
}

void CGraphPropertiesDlg::StoreLineStyles() const
{
    for (int i = 0; i < kPlotCount; ++i)
        if (CCurve* curve = PlotCurve(m_doc, i))
            curve->lineStyle = m_rows[static_cast<std::size_t>(i)].lineType->currentIndex();
}

bool RunGraphProperties(CGraphPropertiesDlg& dialog)
{
    if (GXModal::Exec(dialog) != QDialog::Accepted)
        return false;
    dialog.StoreLineStyles();
    return true;
}
