// CGXGridView: the user's default display properties and the properties dialog.
#include "GXGridView.h"

#include "GXDisplayPropertiesDialog.h"
#include "GXGridHint.h"
#include "GXModal.h"
#include "GridParam.h"

#include <QSettings>

namespace {

const char* const kGroup = "GridDisplay";

void ReadBool(const QSettings& s, const char* key, bool& value)
{
    value = s.value(QLatin1String(key), value).toBool();
}

void ReadColour(const QSettings& s, const char* key, std::uint32_t& value)
{
    bool ok = false;
    const uint read = s.value(QLatin1String(key), value).toUInt(&ok);
    if (ok)
        value = read & 0xFFFFFFu;
}

}  // namespace

void CGXGridView::LoadDefaultProperties(CGXProperties& p)
{
    QSettings s;
    s.beginGroup(QLatin1String(kGroup));
    ReadBool(s, "horizontalLines", p.displayHorzLines);
    ReadBool(s, "verticalLines", p.displayVertLines);
    ReadBool(s, "rowHeaders", p.displayRowHeaders);
    ReadBool(s, "columnHeaders", p.displayColHeaders);
    ReadBool(s, "threeDHeaders", p.threeDHeaders);
    ReadColour(s, "gridLineColour", p.gridLineColour);
    ReadColour(s, "headerColour", p.headerColour);
    ReadColour(s, "headerTextColour", p.headerTextColour);
    ReadColour(s, "backgroundColour", p.backgroundColour);
    ReadColour(s, "textColour", p.textColour);
}

void CGXGridView::SaveDefaultProperties(const CGXProperties& p)
{
    QSettings s;
    s.beginGroup(QLatin1String(kGroup));
    s.setValue("horizontalLines", p.displayHorzLines);
    s.setValue("verticalLines", p.displayVertLines);
    s.setValue("rowHeaders", p.displayRowHeaders);
    s.setValue("columnHeaders", p.displayColHeaders);
    s.setValue("threeDHeaders", p.threeDHeaders);
    s.setValue("gridLineColour", static_cast<uint>(p.gridLineColour));
    s.setValue("headerColour", static_cast<uint>(p.headerColour));
    s.setValue("headerTextColour", static_cast<uint>(p.headerTextColour));
    s.setValue("backgroundColour", static_cast<uint>(p.backgroundColour));
    s.setValue("textColour", static_cast<uint>(p.textColour));
    s.endGroup();
    s.sync();
}

bool CGXGridView::EditDisplayProperties()
{
    if (!TransferCurrentCell())
        return false;
    CGXProperties temp = m_param->properties;
    CGXDisplayPropertiesDialog dialog(temp, this);
    if (GXModal::Exec(dialog) != QDialog::Accepted)
        return false;
    dialog.WriteTo(temp);
    static_cast<CGXProperties&>(m_param->properties) = temp;  // the landscape byte stays
    if (dialog.SaveAsDefault())
        SaveDefaultProperties(temp);
    ApplyOptions();
    UpdateFrozenGeometry();
    Redraw();
    CGXGridHint hint(CGXGridHint::Kind::Properties, m_param, this);
    SendHint(hint);
    return true;
}
