#include "HeatSourceLists.h"

#include "FieldCheck.h"
#include "KalvexBranch.h"
#include "NumberText.h"

namespace {

// A checked integer text as a number; values beyond any branch length are
// held at a size where sums cannot overflow.
long long ListInteger(const std::string& text)
{
    constexpr double kLimit = 1.0e15;
    const double value = AtofC(text);
    if (value > kLimit)
        return static_cast<long long>(kLimit);
    if (value < -kLimit)
        return -static_cast<long long>(kLimit);
    return static_cast<long long>(value);
}

// The row's text of another column, read as an integer the atof way.
long long RowInteger(const HeatPageDef& page, const HeatListRow& row, ColumnId column)
{
    for (std::size_t i = 0; i < page.columns.size(); ++i)
        if (page.columns[i] == column)
            return i < row.size() ? ListInteger(row[i]) : 0;
    return 0;
}

bool HasColumn(const HeatPageDef& page, ColumnId column)
{
    for (ColumnId id : page.columns)
        if (id == column)
            return true;
    return false;
}

}  // namespace

const std::array<HeatPageDef, 4>& HeatPages()
{
    using namespace Col;
    static const std::array<HeatPageDef, 4> pages{{
        {CHeatSource::Spot, "Spot", "Non-machine spot heat sources",
         {HeatLocation, HeatSensible, HeatLatent, HeatDescription}},
        {CHeatSource::Electric, "Electric", "Electric machine heat sources",
         {HeatLocation, HeatPower, HeatUtilization, HeatDescription}},
        {CHeatSource::Diesel, "Diesel", "Diesel machine heat sources",
         {HeatLocation, HeatPower, HeatUtilization, HeatWaterFuel, HeatDescription}},
        {CHeatSource::Linear, "Linear", "Linear heat sources",
         {HeatLocation, HeatLength, HeatSensible, HeatLatent, HeatDescription}},
    }};
    return pages;
}

HeatListRow HeatRowTexts(const HeatPageDef& page, const CHeatSource& source)
{
    HeatListRow row;
    for (ColumnId column : page.columns) {
        std::string text;
        source.GetColumnText(column, text);
        row.push_back(std::move(text));
    }
    return row;
}

std::string CheckHeatCell(const HeatPageDef& page, int col, std::string& text, const HeatListRow& row,
                          long long branchLength)
{
    if (col < 1 || col > static_cast<int>(page.columns.size()))
        return {};
    const ColumnId column = page.columns[static_cast<std::size_t>(col - 1)];
    const std::string lengthPieces = std::string(kBranchLengthText) + std::to_string(branchLength) + " m.";

    // The column's own check: an integer or a number within its range.
    if (std::optional<std::string> refusal = CheckInputCellText(column, text))
        return std::move(*refusal);
    if (column == Col::HeatLocation || column == Col::HeatLength) {
        // Further held to the branch length.
        const long long value = ListInteger(text);
        if (column == Col::HeatLength) {
            if (value + RowInteger(page, row, Col::HeatLocation) > branchLength)
                return kLengthLocationText + lengthPieces;
        } else if (HasColumn(page, Col::HeatLength)) {
            if (value + RowInteger(page, row, Col::HeatLength) > branchLength)
                return kLocationLengthText + lengthPieces;
        } else if (value >= branchLength) {
            return kLocationText + lengthPieces;
        }
        return {};
    }

    // An accepted number is shown with the column's decimals; the
    // description takes any text.
    if (const InputEntry* input = FindInput(column); input && input->IsNumber())
        text = FormatFixed(AtofC(text), input->decimals);
    return {};
}

HeatSheetContents CollectHeatSources(const CKalvexBranch& branch)
{
    HeatSheetContents contents;
    contents.branchLength = WholeNumber(branch.length);
    for (const CHeatSource& source : branch.HeatSourceList()) {
        if (source.kind < contents.pages.size())
            contents.pages[source.kind].original.push_back(source);
        else
            contents.otherKinds.push_back(source);
    }
    return contents;
}

std::vector<CHeatSource> RebuildHeatSources(const HeatSheetContents& contents)
{
    std::vector<CHeatSource> list;
    for (std::size_t p = 0; p < contents.pages.size(); ++p) {
        const HeatPageContents& page = contents.pages[p];
        if (!page.shown) {
            list.insert(list.end(), page.original.begin(), page.original.end());
            continue;
        }
        const HeatPageDef& def = HeatPages()[p];
        for (HeatListRow texts : page.rows) {
            texts.resize(def.columns.size());  // a full row, whatever the list held
            list.emplace_back(def.kind, texts);
        }
    }
    list.insert(list.end(), contents.otherKinds.begin(), contents.otherKinds.end());
    return list;
}
