#pragma once
// The style of one cell as the grid's owner describes it when asked
// (CGXGridView::GetStyleRowCol): the text and how to draw it, and whether the
// user may edit it. The grid stores no styles; it asks for one each time it
// draws, prints, copies or searches a cell.
#include <QColor>
#include <QString>
#include <Qt>

struct CCellDescription;

struct CGXStyle {
    QString value;                                  // the cell text; "\n" breaks lines
    Qt::Alignment horizontal = Qt::AlignLeft;       // AlignLeft, AlignHCenter or AlignRight
    Qt::Alignment vertical = Qt::AlignVCenter;      // AlignTop, AlignVCenter or AlignBottom
    int fontWeight = 400;                           // 400 normal, 700 bold (QFont::Weight scale)
    bool italic = false;
    QColor textColour;                              // invalid: the grid's text colour
    QColor interiorColour;                          // invalid: the grid's background colour
    bool editable = true;                           // false: a static (read-only) cell
    QString toolTip;                                // shown when the pointer rests on the cell

    CGXStyle& SetValue(const QString& text) { value = text; return *this; }
    CGXStyle& SetHorizontalAlignment(Qt::Alignment a) { horizontal = a; return *this; }
    CGXStyle& SetVerticalAlignment(Qt::Alignment a) { vertical = a; return *this; }
    CGXStyle& SetFontWeight(int weight) { fontWeight = weight; return *this; }
    CGXStyle& SetItalic(bool on) { italic = on; return *this; }
    CGXStyle& SetTextColour(const QColor& c) { textColour = c; return *this; }
    CGXStyle& SetInteriorColour(const QColor& c) { interiorColour = c; return *this; }
    CGXStyle& SetEditable(bool on) { editable = on; return *this; }
    CGXStyle& SetToolTip(const QString& text) { toolTip = text; return *this; }

    Qt::Alignment Alignment() const { return horizontal | vertical; }
};

// Fills the text, horizontal alignment, editability and italic type of a
// style from what a record says about one of its cells; the rest of the
// style is left as it is.
void FillStyleFromCell(CGXStyle& style, const CCellDescription& cell);
