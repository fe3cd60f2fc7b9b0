#include "ResultInterval.h"

#include "NumberText.h"

#include <iterator>
#include <utility>

namespace {

struct ResultColumn {
    double CResultInterval::*member;
    int decimals;
};

// The data columns of the results table in id order, from Col::Distance,
// with the decimals each is shown with.
constexpr ResultColumn kResultFields[] = {
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
static_assert(std::size(kResultFields) ==
              static_cast<std::size_t>(kResultColumns.last - kResultColumns.header));

const ResultColumn* FindResultColumn(ColumnId columnId)
{
    if (!kResultColumns.IsData(columnId))
        return nullptr;
    return &kResultFields[columnId - kResultColumns.first()];
}

}  // namespace

CResultInterval CResultInterval::Message(std::string text)
{
    CResultInterval row;
    row.isMessage = true;
    row.messageText = std::move(text);
    return row;
}

bool CResultInterval::GetColumnValue(ColumnId columnId, double& value) const
{
    const ResultColumn* column = FindResultColumn(columnId);
    if (!column)
        return false;
    value = this->*(column->member);
    return true;
}

bool CResultInterval::GetColumnText(ColumnId columnId, std::string& text) const
{
    const ResultColumn* column = FindResultColumn(columnId);
    if (!column)
        return false;
    text = FormatFixed(this->*(column->member), column->decimals);
    return true;
}
