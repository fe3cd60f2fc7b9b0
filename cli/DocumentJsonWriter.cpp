// Writing a document as JSON.
#include "DocumentFields.h"
#include "DocumentJson.h"

#include <nlohmann/json.hpp>

#include <cmath>

using Json = nlohmann::ordered_json;

namespace {

// JSON has no infinities or NaN; those few values are written as texts.
Json Number(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    return value;
}

Json HeatSourceJson(const CHeatSource& source)
{
    Json json;
    const CHeatSourceNames* names = HeatSourceNames(source.kind);
    if (names)
        json["kind"] = names->kind;
    else
        json["kind"] = source.kind;
    json["location"] = Number(source.location);
    // A kind that leaves the first shared slot unused still carries what is
    // stored there when it is not 0, so that nothing of a file is lost.
    const char* slot3 = names && names->slot3 ? names->slot3 : "length";
    if ((names && names->slot3) || source.length() != 0.0 || std::signbit(source.length()))
        json[slot3] = Number(source.length());
    json[names ? names->slot4 : "sensibleHeat"] = Number(source.sensibleHeat());
    json[names ? names->slot5 : "latentHeat"] = Number(source.latentHeat());
    json["description"] = source.description;
    return json;
}

// A value row carries all its numbers; a message row its text and only the
// numbers that are not 0 (normally none).
Json ResultJson(const CResultInterval& row)
{
    Json json = Json::object();
    if (row.isMessage)
        json["isMessage"] = true;
    if (row.isMessage || !row.messageText.empty())
        json["messageText"] = row.messageText;
    for (const CResultNumberField& field : ResultNumberFields()) {
        const double value = row.*field.member;
        if (!row.isMessage || value != 0.0 || std::signbit(value))
            json[field.name] = Number(value);
    }
    if (!row.isMessage || row.condensing)
        json["condensing"] = row.condensing;
    return json;
}

Json BranchJson(const CKalvexBranch& branch)
{
    Json json;
    json["branchId"] = branch.branchId;
    json["name"] = branch.name;
    json["description"] = branch.description;
    for (const CBranchNumberField& field : BranchNumberFields())
        json[field.name] = Number(branch.*field.member);
    Json fan;
    for (const CFanRegNumberField& field : FanRegNumberFields())
        fan[field.name] = Number(branch.fanReg.*field.member);
    fan["description"] = branch.fanReg.description;
    json["fanReg"] = fan;
    json["sourceBranchIds"] = branch.SourceBranchIds();
    json["heatSources"] = Json::array();
    for (const CHeatSource& source : branch.HeatSourceList())
        json["heatSources"].push_back(HeatSourceJson(source));
    json["results"] = Json::array();
    for (const CResultInterval& row : branch.ResultList())
        json["results"].push_back(ResultJson(row));
    return json;
}

Json SizesJson(const std::map<std::int32_t, std::int32_t>& sizes, const char* index, const char* size)
{
    Json json = Json::array();
    for (const auto& [at, value] : sizes)
        json.push_back(Json{{index, at}, {size, value}});
    return json;
}

Json GridParamJson(const CGXGridParam* param)
{
    if (!param)
        return nullptr;
    Json json;
    for (const CGridIntField& field : GridIntFields())
        json[field.name] = param->*field.member;
    json["columnWidths"] = SizesJson(param->columnWidths, "column", "width");
    json["rowHeights"] = SizesJson(param->rowHeights, "row", "height");
    for (const CGridFlagField& field : GridFlagFields())
        json[field.name] = param->*field.member;
    Json properties;
    const CGridProperties& p = param->properties;
    for (const CPropertiesFlagField& field : PropertiesFlagFields())
        properties[field.name] = p.*field.member;
    for (const CPropertiesColourField& field : PropertiesColourFields())
        properties[field.name] = p.*field.member;
    for (const CPropertiesMarginField& field : PropertiesMarginFields())
        properties[field.name] = p.*field.member;
    properties["landscape"] = p.landscape;
    json["properties"] = properties;
    return json;
}

}  // namespace

std::string DocumentToJson(const CKalvexDoc& doc)
{
    Json json;
    json["formatVersion"] = kDocumentJsonVersion;
    json["sequenceMode"] = doc.sequenceMode;
    json["lastBranchId"] = doc.lastBranchId;
    json["branches"] = Json::array();
    for (const auto& branch : doc.branches)
        json["branches"].push_back(BranchJson(*branch));
    Json worker;
    for (const CDocNumberField& field : WorkerNumberFields())
        worker[field.name] = Number(doc.*field.member);
    json["worker"] = worker;
    for (const CColumnListField& field : ColumnListFields())
        json[field.name] = doc.*field.member;
    for (const CDocFlagField& field : UnitLineFields())
        json[field.name] = doc.*field.member;
    for (const CGridParamField& field : GridParamFields())
        json[field.name] = GridParamJson((doc.*field.member).get());
    json["curves"] = Json::array();
    for (const auto& curve : doc.curves)
        json["curves"].push_back(curve ? Json::object() : Json(nullptr));
    for (const CDocIntField& field : GraphMarginFields())
        json[field.name] = doc.*field.member;
    json["graphOrientation"] = doc.graphOrientation;
    return json.dump(2) + "\n";
}
