#include "ResultInterval.h"

#include "NumberText.h"

#include <utility>

namespace {

struct ResultColumn {
    double CResultInterval::*member;
    int decimals;
};

// Columns 101-117 in id order, with the decimals each is shown with.
constexpr ResultColumn kResultColumns[] = {
    {&CResultInterval::distance, 0},       {&CResultInterval::dryBulb, 2},
    {&CResultInterval::wetBulb, 2},        {&CResultInterval::pressure, 3},
    {&CResultInterval::moisture, 2},       {&CResultInterval::density, 3},
    {&CResultInterval::humidity, 2},       {&CResultInterval::enthalpy, 2},
    {&CResultInterval::sigmaHeat, 2},      {&CResultInterval::dryWallTemp, 1},
    {&CResultInterval::vrt, 1},            {&CResultInterval::meanSkinTemp, 2},
    {&CResultInterval::effectiveTemp, 2},  {&CResultInterval::wbgt, 2},
    {&CResultInterval::strataLatent, 2},   {&CResultInterval::strataSensible, 2},
    {&CResultInterval::heatTransferCoeff, 3},
};

const ResultColumn* FindResultColumn(std::uint16_t columnId)
{
    if (columnId < 101 || columnId > 117)
        return nullptr;
    return &kResultColumns[columnId - 101];
}

}  // namespace

CResultInterval CResultInterval::Message(std::string text)
{
    CResultInterval row;
    row.isMessage = true;
    row.messageText = std::move(text);
    return row;
}

bool CResultInterval::GetColumnValue(std::uint16_t columnId, double& value) const
{
    const ResultColumn* column = FindResultColumn(columnId);
    if (!column)
        return false;
    value = this->*(column->member);
    return true;
}

bool CResultInterval::GetColumnText(std::uint16_t columnId, std::string& text) const
{
    const ResultColumn* column = FindResultColumn(columnId);
    if (!column)
        return false;
    text = FormatFixed(this->*(column->member), column->decimals);
    return true;
}
