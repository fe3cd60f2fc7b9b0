#pragma once
// CGXDisplayPropertiesDialog: the grid's display-properties dialog. It shows
// the display part of a properties object (grid lines, headers, colours);
// after OK, WriteTo puts the chosen values into a properties object, and
// SaveAsDefault() tells whether the user asked to keep them as the defaults
// for new grids. The print settings are left alone.
#include <QColor>
#include <QDialog>

#include <functional>

struct CGXProperties;
class QCheckBox;
class QPushButton;

class CGXDisplayPropertiesDialog : public QDialog {
    Q_OBJECT

public:
    CGXDisplayPropertiesDialog(const CGXProperties& properties, QWidget* parent = nullptr);

    // The display settings as the dialog's controls show them.
    void WriteTo(CGXProperties& properties) const;
    bool SaveAsDefault() const;

    // How a colour is chosen (a QColorDialog through GXModal::Exec by
    // default); an invalid colour keeps the old one. Returns the previous
    // chooser.
    using ColourChooser = std::function<QColor(const QColor& current, QWidget* parent)>;
    static ColourChooser SetColourChooser(ColourChooser chooser);

private:
    enum ColourSlot { GridLines, HeaderBack, HeaderText, CellBack, CellText, SlotCount };
    QPushButton* MakeColourButton(ColourSlot slot, const QString& text);
    void ShowColour(ColourSlot slot);

    QColor m_colours[SlotCount];
    QPushButton* m_colourButtons[SlotCount] = {};
    QCheckBox* m_horzLines = nullptr;
    QCheckBox* m_vertLines = nullptr;
    QCheckBox* m_rowHeaders = nullptr;
    QCheckBox* m_colHeaders = nullptr;
    QCheckBox* m_threeD = nullptr;
    QCheckBox* m_saveDefault = nullptr;
};
