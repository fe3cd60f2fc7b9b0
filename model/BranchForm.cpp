#include "BranchForm.h"

#include "BranchListText.h"
#include "ColumnIds.h"
#include "HeatSource.h"
#include "InputCatalogue.h"
#include "KalvexDoc.h"
#include "NumberText.h"

#include <algorithm>
#include <ctime>

namespace {

// Places the items of one form; y moves down the page as they are added.
class FormWriter {
public:
    FormWriter(const CFormMetrics& m) : metrics(m)
    {
        left = m.dpiX;
        top = m.dpiY;
        right = m.pageWidth - m.dpiX + 1;
        bottom = m.pageHeight - m.dpiY + 1;
        step = m.cellHeight + m.externalLeading + 2;
        indent = m.averageCharWidth;
        mid = left + (right - left) / 2;
    }

    void Text(int x, int at, std::string text, CFormItem::Anchor anchor = CFormItem::Anchor::BottomLeft)
    {
        CFormItem item;
        item.page = layout.pages;
        item.x = x;
        item.y = at;
        item.anchor = anchor;
        item.text = std::move(text);
        layout.items.push_back(std::move(item));
    }
    void Rule(int at)
    {
        CFormItem item;
        item.kind = CFormItem::Kind::Line;
        item.page = layout.pages;
        item.x = left;
        item.y = at;
        item.x2 = right;
        item.y2 = at;
        layout.items.push_back(std::move(item));
    }
    void Header(const std::string& title)
    {
        Text(left, top - 1, title + " - Branch Data Summary");
        Rule(top);
    }
    void Footer(int page, int pages, const std::string& stamp)
    {
        const int current = layout.pages;
        layout.pages = page;
        Rule(bottom);
        Text(left, bottom + 1, stamp, CFormItem::Anchor::TopLeft);
        Text(right, bottom + 1, "Page " + std::to_string(page) + " of " + std::to_string(pages) + " ",
             CFormItem::Anchor::TopRight);
        layout.pages = current;
    }
    // A new page with its header; its footer comes when the page count is known.
    void NewPage(const std::string& title)
    {
        ++layout.pages;
        Header(title);
        y = top + step + 2;
    }
    // A section header: y moves on by a line and a bit.
    void Section(const std::string& title)
    {
        y += step + 2;
        Text(left, y, title);
    }
    void Item(const std::string& text)
    {
        y += step + 1;
        Text(left + indent, y, text);
    }
    void EndSection() { y += step / 3; }

    const CFormMetrics& metrics;
    CFormLayout layout;
    int left, top, right, bottom, step, indent, mid;
    int y = 0;
};

std::string Value(const CKalvexBranch& branch, ColumnId id)
{
    std::string text;
    branch.GetColumnText(id, text);
    return text;
}

std::string Value(const CHeatSource& source, ColumnId id)
{
    std::string text;
    source.GetColumnText(id, text);
    return text;
}

// An item of the form: the input's label, its value text and its unit.
template <typename Record>
std::string Item(const Record& record, ColumnId id)
{
    const InputEntry& input = *FindInput(id);
    return input.formLabel + Value(record, id) + input.formUnit;
}

std::string Item(DialogInput id, double value)
{
    const InputEntry& input = FindInput(id);
    return input.formLabel + FormatFixed(value, input.decimals) + input.formUnit;
}

void GeneralSection(FormWriter& form, const CKalvexBranch& b)
{
    form.y = form.top;
    form.Section("General Branch Information:");
    form.Item(Item(b, Col::Name));
    form.Item(Item(b, Col::Description));
    form.Item(Item(b, Col::Interval));
    form.y += form.step / 3;
    form.Rule(form.y);
    form.y += form.step + 2;
    form.Text(form.left, form.y, "Airway Properties:");
    form.Text(form.mid, form.y, "Ventilation at Intake:");

    struct Row {
        std::string leftItem;
        std::string rightItem;
        bool rightIsHeader = false;
    };
    const Row rows[] = {
        {Item(b, Col::Length), Item(b, Col::Quantity)},
        {Item(b, Col::DepthIn), Item(b, Col::Pressure)},
        {Item(b, Col::DepthOut), Item(b, Col::DryBulb)},
        {Item(b, Col::Area), Item(b, Col::WetBulb)},
        {Item(b, Col::Perimeter), ""},
        {Item(b, Col::Friction), "Rock Thermal Properties:", true},
        {Item(b, Col::Wetness), Item(b, Col::VrtIn)},
        {Item(b, Col::AgeIn), Item(b, Col::GeoStep)},
        {Item(b, Col::AgeOut), Item(b, Col::Conductivity)},
        {"", Item(b, Col::Diffusivity)},
    };
    for (const Row& row : rows) {
        form.y += form.step + 1;
        if (!row.leftItem.empty())
            form.Text(form.left + form.indent, form.y, row.leftItem);
        if (!row.rightItem.empty())
            form.Text(row.rightIsHeader ? form.mid : form.mid + form.indent, form.y, row.rightItem);
    }
    form.EndSection();
}

void InletAirSection(FormWriter& form, const CKalvexDoc& doc, CKalvexBranch& b)
{
    form.Rule(form.y);
    form.Section("Inlet Air Source Data:");
    form.Item("Source Branches - " + SourceBranchText(doc, b));
    form.Item(Item(b, Col::AddedQuantity));
    form.Item(Item(b, Col::AddedDryBulb));
    form.Item(Item(b, Col::AddedWetBulb));
    form.EndSection();
}

void FanSection(FormWriter& form, const CFanReg& fan)
{
    form.Rule(form.y);
    form.Section("Fan/Regulator Object:");
    form.Item("Description - " + fan.description);
    form.Item(Item(DialogInput::FanDistance, fan.location));
    form.Item(Item(DialogInput::FanPressure, fan.pressureChange));
    form.Item(Item(DialogInput::FanHeat, fan.sensibleHeat));
    form.EndSection();
}

// The two lines of a heat source; false for a kind that prints nothing.
bool HeatSourceLines(const CHeatSource& s, std::string& first, std::string& second)
{
    const std::string at = Item(s, Col::HeatLocation);
    const std::string heat = Item(s, Col::HeatSensible) + ", " + Item(s, Col::HeatLatent);
    const std::string power = Item(s, Col::HeatPower) + ", " + Item(s, Col::HeatUtilization);
    switch (s.kind) {
    case CHeatSource::Spot:
        first = "Spot at " + at;
        second = heat;
        break;
    case CHeatSource::Electric:
        first = "Electric at " + at;
        second = power;
        break;
    case CHeatSource::Diesel:
        first = "Diesel at " + at;
        second = power + ", " + Item(s, Col::HeatWaterFuel);
        break;
    case CHeatSource::Linear:
        first = "Linear beginning at " + at + ", " + Item(s, Col::HeatLength);
        second = heat;
        break;
    default: return false;
    }
    if (!s.description.empty())
        first += ", " + s.description;
    return true;
}

void HeatSection(FormWriter& form, const CKalvexDoc& doc, const CKalvexBranch& b)
{
    const long n = b.HeatSourceCount();
    const long gap = 3L * form.step / 2;
    const long needed = form.y + form.step + 3 + 2 * n * (form.step + 1) + (n - 1) * gap;
    if (needed <= form.bottom) {
        form.Rule(form.y);
        form.y += form.step + 2;
    } else {
        form.NewPage(doc.Title());
    }
    form.Text(form.left, form.y, "Heat Source Data:");
    form.y += form.step + 1;
    for (const CHeatSource& source : b.HeatSourceList()) {
        std::string first, second;
        if (!HeatSourceLines(source, first, second))
            continue;
        // A section longer than a page goes on over as many pages as it
        // needs, each source whole and inside the margins.
        if (form.y + form.step + 1 > form.bottom && form.y > form.top + form.step + 2)
            form.NewPage(doc.Title());
        form.Text(form.left + form.indent, form.y, first);
        form.Text(form.left + form.indent, form.y + form.step + 1, second);
        form.y += form.step + 1 + static_cast<int>(gap);
    }
}

}  // namespace

CFormLayout LayoutBranchForm(const CKalvexDoc& doc, CKalvexBranch& branch, const CFormMetrics& metrics,
                             const std::string& stamp)
{
    FormWriter form(metrics);
    form.Header(doc.Title());
    GeneralSection(form, branch);
    if (doc.sequenceMode && !branch.SourceBranchIds().empty())
        InletAirSection(form, doc, branch);
    if (branch.fanReg.pressureChange != 0.0 || branch.fanReg.sensibleHeat != 0.0)
        FanSection(form, branch.fanReg);
    if (branch.HeatSourceCount() > 0)
        HeatSection(form, doc, branch);
    for (int page = 1; page <= form.layout.pages; ++page)
        form.Footer(page, form.layout.pages, stamp);
    // Page by page, for printers that go through the pages once.
    std::stable_sort(form.layout.items.begin(), form.layout.items.end(),
                     [](const CFormItem& a, const CFormItem& b) { return a.page < b.page; });
    return form.layout;
}

std::string FormJobName(const CKalvexDoc& doc)
{
    // Counted in characters, not bytes: names are UTF-8.
    const std::string name = doc.PathName().empty() ? doc.Title() : doc.PathName();
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < name.size(); ++i)
        if ((static_cast<unsigned char>(name[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    if (starts.size() < 32)
        return name;
    return "..." + name.substr(starts[starts.size() - 28]);
}

std::string FormPrintStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[128] = {};
    // The locale's own date and time form is what the stamp shows, two-digit
    // years included where the locale writes them so.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-y2k"
    std::strftime(text, sizeof text, "%c", &local);
#pragma GCC diagnostic pop
    return std::string("Printed: ") + text;
}
