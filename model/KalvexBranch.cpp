#include "KalvexBranch.h"

#include "InputCatalogue.h"
#include "NumberText.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

// The member behind each numeric input column; its decimals are the input
// catalogue's.
struct InputColumn {
    ColumnId id;
    double CKalvexBranch::*member;
};

constexpr InputColumn kInputColumns[] = {
    {Col::DryBulb, &CKalvexBranch::intakeDryBulb},
    {Col::WetBulb, &CKalvexBranch::intakeWetBulb},
    {Col::Pressure, &CKalvexBranch::intakePressure},
    {Col::Quantity, &CKalvexBranch::intakeQuantity},
    {Col::Length, &CKalvexBranch::length},
    {Col::DepthIn, &CKalvexBranch::depthIn},
    {Col::DepthOut, &CKalvexBranch::depthOut},
    {Col::Area, &CKalvexBranch::area},
    {Col::Perimeter, &CKalvexBranch::perimeter},
    {Col::Friction, &CKalvexBranch::frictionFactor},
    {Col::Wetness, &CKalvexBranch::wetness},
    {Col::AgeIn, &CKalvexBranch::ageIn},
    {Col::AgeOut, &CKalvexBranch::ageOut},
    {Col::VrtIn, &CKalvexBranch::vrtIn},
    {Col::GeoStep, &CKalvexBranch::geothermalStep},
    {Col::Conductivity, &CKalvexBranch::rockConductivity},
    {Col::Diffusivity, &CKalvexBranch::rockDiffusivity},
    {Col::Interval, &CKalvexBranch::outputInterval},
    {Col::AddedQuantity, &CKalvexBranch::addedQuantity},
    {Col::AddedDryBulb, &CKalvexBranch::addedDryBulb},
    {Col::AddedWetBulb, &CKalvexBranch::addedWetBulb},
};

const InputColumn* FindInputColumn(ColumnId columnId)
{
    for (const InputColumn& column : kInputColumns)
        if (column.id == columnId)
            return &column;
    return nullptr;
}

template <typename List>
auto& CheckedAt(List& list, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= list.size())
        throw std::out_of_range("index outside the list");
    return list[static_cast<std::size_t>(index)];
}

}  // namespace

int CKalvexBranch::ColumnDecimals(ColumnId columnId)
{
    const InputEntry* input = FindInputColumn(columnId) ? ::FindInput(columnId) : nullptr;
    return input ? input->decimals : -1;
}

double* CKalvexBranch::FindInput(ColumnId columnId)
{
    const InputColumn* column = FindInputColumn(columnId);
    return column ? &(this->*(column->member)) : nullptr;
}

const double* CKalvexBranch::FindInput(ColumnId columnId) const
{
    const InputColumn* column = FindInputColumn(columnId);
    return column ? &(this->*(column->member)) : nullptr;
}

bool CKalvexBranch::GetColumnValue(ColumnId columnId, double& value) const
{
    const double* member = FindInput(columnId);
    if (!member)
        return false;
    value = *member;
    return true;
}

bool CKalvexBranch::SetColumnValue(ColumnId columnId, double value)
{
    double* member = FindInput(columnId);
    if (!member)
        return false;
    // Adding zero turns a typed "-0" into 0, so it never shows as "-0".
    *member = RoundDecimals(value, ColumnDecimals(columnId)) + 0.0;
    return true;
}

bool CKalvexBranch::SetColumnText(ColumnId columnId, const std::string& text)
{
    if (IsNameColumn(columnId)) {
        name = text;
        return true;
    }
    if (columnId == Col::Description) {
        description = text;
        return true;
    }
    return SetColumnValue(columnId, AtofC(text));
}

bool CKalvexBranch::GetColumnText(ColumnId columnId, std::string& text) const
{
    if (columnId == Col::Name) {
        text = name;
        return true;
    }
    if (columnId == Col::Description) {
        text = description;
        return true;
    }
    const double* member = FindInput(columnId);
    if (!member)
        return false;
    text = FormatFixed(*member, ColumnDecimals(columnId));
    return true;
}

bool CKalvexBranch::GetResultText(ColumnId columnId, std::string& text, int rowIndex) const
{
    return ResultAt(rowIndex).GetColumnText(columnId, text);
}

std::string CKalvexBranch::HeatTotalText(ColumnId columnId) const
{
    if (columnId == Col::FanTotal)
        return fanReg.sensibleHeat > 0.0 ? FormatFixed(fanReg.sensibleHeat, 2) : "none";
    if (heatSources.empty())
        return "none";
    double diesel = 0.0, electric = 0.0, otherSensible = 0.0, otherLatent = 0.0;
    bool hasOther = false;
    for (const CHeatSource& source : heatSources) {
        switch (source.kind) {
        case CHeatSource::Diesel: diesel += source.power(); break;
        case CHeatSource::Electric: electric += source.power(); break;
        case CHeatSource::Spot:
        case CHeatSource::Linear:
            hasOther = true;
            otherSensible += source.sensibleHeat();
            otherLatent += source.latentHeat();
            break;
        default: break;
        }
    }
    switch (columnId) {
    case Col::DieselTotal: return diesel > 0.0 ? FormatFixed(diesel, 2) : "none";
    case Col::ElectricTotal: return electric > 0.0 ? FormatFixed(electric, 2) : "none";
    case Col::OtherSensibleTotal: return hasOther ? FormatFixed(otherSensible, 2) : "none";
    default: return hasOther ? FormatFixed(otherLatent, 2) : "none";
    }
}

bool CKalvexBranch::GetColumnCell(ColumnId columnId, CCellDescription& cell, bool sequenceMode,
                                  bool firstRow) const
{
    std::string text;
    HAlign alignment = HAlign::Right;
    bool editable = true;
    if (IsNameColumn(columnId)) {
        text = name;
        alignment = HAlign::Left;
    } else if (columnId == Col::Description) {
        text = description;
        alignment = HAlign::Left;
    } else if (columnId >= Col::DryBulb && columnId <= Col::Pressure) {
        GetColumnText(columnId, text);
        editable = !(sequenceMode && !sourceBranchIds.empty());
    } else if (columnId >= Col::Quantity && columnId <= Col::Interval) {
        GetColumnText(columnId, text);
    } else if (columnId >= Col::AddedQuantity && columnId <= Col::AddedWetBulb) {
        if (sourceBranchIds.empty() || firstRow) {
            text = "N/A";
            editable = false;
        } else {
            GetColumnText(columnId, text);
        }
    } else if (columnId == Col::SourceBranches) {
        editable = false;
    } else if (columnId >= Col::DieselTotal && columnId <= Col::OtherLatentTotal) {
        text = HeatTotalText(columnId);
        editable = false;
    } else {
        return false;
    }
    cell.text = std::move(text);
    cell.alignment = alignment;
    cell.editable = editable;
    cell.italic = !editable;
    return true;
}

CHeatSource& CKalvexBranch::HeatSourceAt(int index) { return CheckedAt(heatSources, index); }
const CHeatSource& CKalvexBranch::HeatSourceAt(int index) const { return CheckedAt(heatSources, index); }
void CKalvexBranch::AddHeatSource(CHeatSource source) { heatSources.push_back(std::move(source)); }
CResultInterval& CKalvexBranch::ResultAt(int index) { return CheckedAt(results, index); }
const CResultInterval& CKalvexBranch::ResultAt(int index) const { return CheckedAt(results, index); }

bool CKalvexBranch::HasSourceBranch(std::uint16_t id) const
{
    return std::find(sourceBranchIds.begin(), sourceBranchIds.end(), id) != sourceBranchIds.end();
}
