#include "KalvexBranch.h"

#include "NumberText.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

struct InputColumn {
    std::uint16_t id;
    double CKalvexBranch::*member;
    int decimals;
};

constexpr InputColumn kInputColumns[] = {
    {2, &CKalvexBranch::intakeDryBulb, 2},     {3, &CKalvexBranch::intakeWetBulb, 2},
    {4, &CKalvexBranch::intakePressure, 3},    {5, &CKalvexBranch::intakeQuantity, 2},
    {6, &CKalvexBranch::length, 0},            {7, &CKalvexBranch::depthIn, 0},
    {8, &CKalvexBranch::depthOut, 0},          {9, &CKalvexBranch::area, 2},
    {10, &CKalvexBranch::perimeter, 2},        {11, &CKalvexBranch::frictionFactor, 4},
    {12, &CKalvexBranch::wetness, 2},          {13, &CKalvexBranch::ageIn, 0},
    {14, &CKalvexBranch::ageOut, 0},           {15, &CKalvexBranch::vrtIn, 1},
    {16, &CKalvexBranch::geothermalStep, 0},   {17, &CKalvexBranch::rockConductivity, 3},
    {18, &CKalvexBranch::rockDiffusivity, 3},  {19, &CKalvexBranch::outputInterval, 0},
    {303, &CKalvexBranch::addedQuantity, 2},   {304, &CKalvexBranch::addedDryBulb, 2},
    {305, &CKalvexBranch::addedWetBulb, 2},
};

const InputColumn* FindInputColumn(std::uint16_t columnId)
{
    for (const InputColumn& column : kInputColumns)
        if (column.id == columnId)
            return &column;
    return nullptr;
}

bool IsNameColumn(std::uint16_t columnId)
{
    return columnId == 1 || columnId == 301 || columnId == 401;
}

template <typename List>
auto& CheckedAt(List& list, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= list.size())
        throw std::out_of_range("index outside the list");
    return list[static_cast<std::size_t>(index)];
}

}  // namespace

int CKalvexBranch::ColumnDecimals(std::uint16_t columnId)
{
    const InputColumn* column = FindInputColumn(columnId);
    return column ? column->decimals : -1;
}

double* CKalvexBranch::FindInput(std::uint16_t columnId)
{
    const InputColumn* column = FindInputColumn(columnId);
    return column ? &(this->*(column->member)) : nullptr;
}

const double* CKalvexBranch::FindInput(std::uint16_t columnId) const
{
    const InputColumn* column = FindInputColumn(columnId);
    return column ? &(this->*(column->member)) : nullptr;
}

bool CKalvexBranch::GetColumnValue(std::uint16_t columnId, double& value) const
{
    const double* member = FindInput(columnId);
    if (!member)
        return false;
    value = *member;
    return true;
}

bool CKalvexBranch::SetColumnValue(std::uint16_t columnId, double value)
{
    double* member = FindInput(columnId);
    if (!member)
        return false;
    *member = RoundDecimals(value, ColumnDecimals(columnId));
    return true;
}

bool CKalvexBranch::SetColumnText(std::uint16_t columnId, const std::string& text)
{
    if (IsNameColumn(columnId)) {
        name = text;
        return true;
    }
    if (columnId == 20) {
        description = text;
        return true;
    }
    return SetColumnValue(columnId, AtofC(text));
}

bool CKalvexBranch::GetColumnText(std::uint16_t columnId, std::string& text) const
{
    if (columnId == 1) {
        text = name;
        return true;
    }
    if (columnId == 20) {
        text = description;
        return true;
    }
    const double* member = FindInput(columnId);
    if (!member)
        return false;
    text = FormatFixed(*member, ColumnDecimals(columnId));
    return true;
}

bool CKalvexBranch::GetResultText(std::uint16_t columnId, std::string& text, int rowIndex) const
{
    return ResultAt(rowIndex).GetColumnText(columnId, text);
}

std::string CKalvexBranch::HeatTotalText(std::uint16_t columnId) const
{
    if (columnId == 404)
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
    case 402: return diesel > 0.0 ? FormatFixed(diesel, 2) : "none";
    case 403: return electric > 0.0 ? FormatFixed(electric, 2) : "none";
    case 405: return hasOther ? FormatFixed(otherSensible, 2) : "none";
    default: return hasOther ? FormatFixed(otherLatent, 2) : "none";
    }
}

bool CKalvexBranch::GetColumnCell(std::uint16_t columnId, CCellDescription& cell, bool sequenceMode,
                                  bool firstRow) const
{
    std::string text;
    HAlign alignment = HAlign::Right;
    bool editable = true;
    if (IsNameColumn(columnId)) {
        text = name;
        alignment = HAlign::Left;
    } else if (columnId == 20) {
        text = description;
        alignment = HAlign::Left;
    } else if (columnId >= 2 && columnId <= 4) {
        GetColumnText(columnId, text);
        editable = !(sequenceMode && !sourceBranchIds.empty());
    } else if (columnId >= 5 && columnId <= 19) {
        GetColumnText(columnId, text);
    } else if (columnId >= 303 && columnId <= 305) {
        if (sourceBranchIds.empty() || firstRow) {
            text = "N/A";
            editable = false;
        } else {
            GetColumnText(columnId, text);
        }
    } else if (columnId == 302) {
        editable = false;
    } else if (columnId >= 402 && columnId <= 406) {
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
