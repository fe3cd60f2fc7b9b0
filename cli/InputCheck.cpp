#include "InputCheck.h"

#include "ExactNumber.h"
#include "HeatSource.h"
#include "InputCatalogue.h"
#include "KalvexDoc.h"

#include "../dialogs/FieldCheck.h"
#include "../dialogs/HeatSourceLists.h"
#include "../dialogs/WorkerFields.h"

std::string CheckInputText(ColumnId column, const std::string& text)
{
    return CheckInputCellText(column, text).value_or(std::string());
}

namespace {

// The value of a heat source list column as typed: the exact number.
std::string HeatCellText(const CHeatSource& source, ColumnId column)
{
    switch (column) {
    case Col::HeatLocation: return ExactNumberText(source.location);
    case Col::HeatLength:
    case Col::HeatWaterFuel: return ExactNumberText(source.length());
    case Col::HeatSensible:
    case Col::HeatPower: return ExactNumberText(source.sensibleHeat());
    case Col::HeatLatent:
    case Col::HeatUtilization: return ExactNumberText(source.latentHeat());
    default: return source.description;
    }
}

}  // namespace

std::string CheckHeatSource(const CHeatSource& source, double branchLength, ColumnId& column)
{
    if (source.kind >= HeatPages().size())
        return {};
    const HeatPageDef& page = HeatPages()[source.kind];
    HeatListRow row;
    for (ColumnId id : page.columns)
        row.push_back(HeatCellText(source, id));
    for (std::size_t i = 0; i < page.columns.size(); ++i) {
        std::string text = row[i];
        const std::string message =
            CheckHeatCell(page, static_cast<int>(i + 1), text, row, WholeNumber(branchLength));
        if (!message.empty()) {
            column = page.columns[i];
            return message;
        }
    }
    return {};
}

std::string CheckWorker(const CKalvexDoc& doc, std::string& member)
{
    // The fields in control order, with the members they show.
    const std::vector<std::pair<const char*, double>> fields{
        {"clothingResistance", doc.clothingResistance}, {"areaFactor", doc.areaFactor},
        {"vapourPermeability", doc.vapourPermeability}, {"metabolicRate", doc.metabolicRate},
        {"bodyViewFactor", doc.bodyViewFactor}};
    static_assert(kResistanceField == 0 && kAreaFactorField == 1 && kPermeabilityField == 2 &&
                  kMetabolicField == 3 && kViewFactorField == 4);
    std::vector<std::string> texts;
    for (const auto& field : fields)
        texts.push_back(ExactNumberText(field.second));
    CWorkerValues values;
    const FieldFailure failure = CheckWorkerFields(texts, values);
    if (!failure.Failed())
        return {};
    member = fields[static_cast<std::size_t>(failure.index)].first;
    return failure.message;
}
