#pragma once
// CGXDisplayPropertiesDialog: the grid's display-properties dialog. It edits
// the display part of a properties object (grid lines, headers, colours);
// on OK the values are written into the object, and SaveAsDefault() tells
// whether the user asked to keep them as the defaults for new grids. The
// print settings are left alone.
#include <QColor>
#include <QDialog>

#include <functional>

struct CGXProperties;
class QCheckBox;
class QPushButton;

class CGXDisplayPropertiesDialog : public QDialog {
    Q_OBJECT

public:
    CGXDisplayPropertiesDialog(CGXProperties& properties, QWidget* parent = nullptr);

    bool SaveAsDefault() const;

    // How a colour is chosen (QColorDialog by default); an invalid colour
    // keeps the old one. Tests replace it. Returns the previous chooser.
    using ColourChooser = std::function<QColor(const QColor& current, QWidget* parent)>;
    static ColourChooser SetColourChooser(ColourChooser chooser);

    void accept() override;

private:
    enum ColourSlot { GridLines, HeaderBack, HeaderText, CellBack, CellText, SlotCount };
    QPushButton* MakeColourButton(ColourSlot slot, const QString& text);
    void ShowColour(ColourSlot slot);

    CGXProperties& m_properties;
    QColor m_colours[SlotCount];
    QPushButton* m_colourButtons[SlotCount] = {};
    QCheckBox* m_horzLines = nullptr;
    QCheckBox* m_vertLines = nullptr;
    QCheckBox* m_rowHeaders = nullptr;
    QCheckBox* m_colHeaders = nullptr;
    QCheckBox* m_threeD = nullptr;
    QCheckBox* m_saveDefault = nullptr;
};
