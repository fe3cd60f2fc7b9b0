#include "GXDisplayPropertiesDialog.h"

#include "GXModal.h"
#include "GridParam.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

CGXDisplayPropertiesDialog::ColourChooser& Chooser()
{
    static CGXDisplayPropertiesDialog::ColourChooser chooser;
    return chooser;
}

QColor FromRgb(std::uint32_t rgb)
{
    return QColor(static_cast<QRgb>(rgb));
}

std::uint32_t ToRgb(const QColor& c)
{
    return static_cast<std::uint32_t>(c.rgb()) & 0xFFFFFFu;
}

QColor ChooseColour(const QColor& current, QWidget* parent)
{
    QColorDialog dialog(current, parent);
    if (GXModal::Exec(dialog) != QDialog::Accepted)
        return {};
    return dialog.currentColor();
}

}  // namespace

CGXDisplayPropertiesDialog::ColourChooser CGXDisplayPropertiesDialog::SetColourChooser(ColourChooser chooser)
{
    return std::exchange(Chooser(), std::move(chooser));
}

CGXDisplayPropertiesDialog::CGXDisplayPropertiesDialog(const CGXProperties& properties, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Display Properties"));
    m_colours[GridLines] = FromRgb(properties.gridLineColour);
    m_colours[HeaderBack] = FromRgb(properties.headerColour);
    m_colours[HeaderText] = FromRgb(properties.headerTextColour);
    m_colours[CellBack] = FromRgb(properties.backgroundColour);
    m_colours[CellText] = FromRgb(properties.textColour);

    auto* lines = new QGroupBox(tr("Grid Lines"), this);
    auto* linesLayout = new QVBoxLayout(lines);
    m_horzLines = new QCheckBox(tr("&Horizontal lines"), lines);
    m_vertLines = new QCheckBox(tr("&Vertical lines"), lines);
    linesLayout->addWidget(m_horzLines);
    linesLayout->addWidget(m_vertLines);
    linesLayout->addWidget(MakeColourButton(GridLines, tr("&Line colour...")));

    auto* headers = new QGroupBox(tr("Headers"), this);
    auto* headersLayout = new QVBoxLayout(headers);
    m_rowHeaders = new QCheckBox(tr("&Row headers"), headers);
    m_colHeaders = new QCheckBox(tr("&Column headers"), headers);
    m_threeD = new QCheckBox(tr("&3D headers"), headers);
    headersLayout->addWidget(m_rowHeaders);
    headersLayout->addWidget(m_colHeaders);
    headersLayout->addWidget(m_threeD);
    headersLayout->addWidget(MakeColourButton(HeaderBack, tr("Header &background...")));
    headersLayout->addWidget(MakeColourButton(HeaderText, tr("Header &text...")));

    auto* cells = new QGroupBox(tr("Cells"), this);
    auto* cellsLayout = new QVBoxLayout(cells);
    cellsLayout->addWidget(MakeColourButton(CellBack, tr("Cell back&ground...")));
    cellsLayout->addWidget(MakeColourButton(CellText, tr("Cell te&xt...")));

    m_saveDefault = new QCheckBox(tr("&Save as default"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(lines, 0, 0);
    layout->addWidget(headers, 0, 1, 2, 1);
    layout->addWidget(cells, 1, 0);
    layout->addWidget(m_saveDefault, 2, 0, 1, 2);
    layout->addWidget(buttons, 3, 0, 1, 2);

    m_horzLines->setChecked(properties.displayHorzLines);
    m_vertLines->setChecked(properties.displayVertLines);
    m_rowHeaders->setChecked(properties.displayRowHeaders);
    m_colHeaders->setChecked(properties.displayColHeaders);
    m_threeD->setChecked(properties.threeDHeaders);
}

QPushButton* CGXDisplayPropertiesDialog::MakeColourButton(ColourSlot slot, const QString& text)
{
    auto* button = new QPushButton(text, this);
    m_colourButtons[slot] = button;
    ShowColour(slot);
    connect(button, &QPushButton::clicked, this, [this, slot] {
        const QColor chosen = Chooser() ? Chooser()(m_colours[slot], this)
                                        : ChooseColour(m_colours[slot], this);
        if (chosen.isValid()) {
            m_colours[slot] = chosen;
            ShowColour(slot);
        }
    });
    return button;
}

void CGXDisplayPropertiesDialog::ShowColour(ColourSlot slot)
{
    QPixmap swatch(16, 16);
    swatch.fill(m_colours[slot]);
    m_colourButtons[slot]->setIcon(QIcon(swatch));
}

bool CGXDisplayPropertiesDialog::SaveAsDefault() const
{
    return m_saveDefault->isChecked();
}

void CGXDisplayPropertiesDialog::WriteTo(CGXProperties& properties) const
{
    properties.displayHorzLines = m_horzLines->isChecked();
    properties.displayVertLines = m_vertLines->isChecked();
    properties.displayRowHeaders = m_rowHeaders->isChecked();
    properties.displayColHeaders = m_colHeaders->isChecked();
    properties.threeDHeaders = m_threeD->isChecked();
    properties.gridLineColour = ToRgb(m_colours[GridLines]);
    properties.headerColour = ToRgb(m_colours[HeaderBack]);
    properties.headerTextColour = ToRgb(m_colours[HeaderText]);
    properties.backgroundColour = ToRgb(m_colours[CellBack]);
    properties.textColour = ToRgb(m_colours[CellText]);
}
