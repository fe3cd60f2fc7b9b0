#include "WorkerFields.h"

#include "InputCatalogue.h"

namespace {

// A field: its label and form here, its rule and hint the input catalogue's.
WorkerFieldDef Field(const char* label, DialogInput input, bool shortest)
{
    const InputEntry& entry = FindInput(input);
    return {label, entry.field, shortest, entry.hint};
}

}  // namespace

const std::array<WorkerFieldDef, kWorkerFieldCount>& WorkerFields()
{
    static const std::array<WorkerFieldDef, kWorkerFieldCount> fields{{
        Field("&Thermal Resistance:", DialogInput::WorkerResistance, false),
        Field("&Area Factor:", DialogInput::WorkerAreaFactor, true),
        Field("&Vapor Permeability:", DialogInput::WorkerPermeability, false),
        Field("&Metabolic Rate:", DialogInput::WorkerMetabolicRate, false),
        Field("&Body View Factor:", DialogInput::WorkerViewFactor, true),
    }};
    return fields;
}

namespace {

std::array<double, kWorkerFieldCount> Numbers(const CWorkerValues& values)
{
    return {values.clothingResistance, values.areaFactor, values.vapourPermeability,
            static_cast<double>(values.metabolicRate), values.bodyViewFactor};
}

}  // namespace

std::vector<std::string> WorkerFieldTexts(const CWorkerValues& values)
{
    const auto numbers = Numbers(values);
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const WorkerFieldDef& field = WorkerFields()[i];
        texts.push_back(field.shortest ? FormatShortest(numbers[i]) : FieldText(numbers[i], field.rule));
    }
    return texts;
}

FieldFailure CheckWorkerFields(const std::vector<std::string>& texts, CWorkerValues& values)
{
    static constexpr std::array<int, kWorkerFieldCount> kReadOrder{kAreaFactorField, kViewFactorField, kMetabolicField,
                                                                    kResistanceField, kPermeabilityField};
    std::array<double, kWorkerFieldCount> read{};
    for (int index : kReadOrder) {
        const auto i = static_cast<std::size_t>(index);
        const std::string text = i < texts.size() ? texts[i] : std::string();
        std::string message = CheckField(text, WorkerFields()[i].rule, read[i]);
        if (!message.empty())
            return {index, std::move(message)};
    }
    values.clothingResistance = read[kResistanceField];
    values.areaFactor = read[kAreaFactorField];
    values.vapourPermeability = read[kPermeabilityField];
    values.metabolicRate = static_cast<int>(read[kMetabolicField]);  // a whole number within 40 ... 400
    values.bodyViewFactor = read[kViewFactorField];
    return {};
}

const std::array<ClothingEnsemble, 6>& ClothingEnsembles()
{
    static const std::array<ClothingEnsemble, 6> table{{
        {" Unclothed", "0.000", "1.00", 0.0, 1.0},
        {" Walking Shorts", "0.051", "1.05", 0.051, 1.05},
        {" Shorts, short sleeve shirt", "0.076", "1.11", 0.076, 1.11},
        {" Thin trousers, short sleeve shirt", "0.085", "1.14", 0.085, 1.14},
        {" Thick trousers, long sleeve shirt", "0.110", "1.28", 0.11, 1.28},
        {" Long sleeve coveralls, long sleeve shirt", "0.143", "1.28", 0.143, 1.28},
    }};
    return table;
}

const std::array<WorkerActivity, 10>& Activities()
{
    static const std::array<WorkerActivity, 10> table{{
        {" Sleeping", "40", 40},
        {" Seated", "59", 59},
        {" Standing but relaxed", "70", 70},
        {" Walking on the level at 1 m/s", "130", 130},
        {" Walking on the level at 1.4 m/s", "175", 175},
        {" Walking on the level at 1.8 m/s", "220", 220},
        {" Manual work - very light", "95", 95},
        {" Manual work - light", "145", 145},
        {" Manual work - moderate", "245", 245},
        {" Manual work - heavy", "340", 340},
    }};
    return table;
}
