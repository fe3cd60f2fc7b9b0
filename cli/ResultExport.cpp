#include "ResultExport.h"

#include "KalvexDoc.h"
#include "NumberText.h"
#include "ResultTwl.h"
#include "ResultsCsv.h"

#include <cmath>
#include <utility>

namespace {

// Members of a result row in their order, with the names used in JSON.
std::vector<std::pair<const char*, double>> RowFields(const CResultInterval& r)
{
    return {{"distance", r.distance},         {"dryBulb", r.dryBulb},
            {"wetBulb", r.wetBulb},           {"pressure", r.pressure},
            {"density", r.density},           {"moisture", r.moisture},
            {"dryWallTemp", r.dryWallTemp},   {"vrt", r.vrt},
            {"humidity", r.humidity},         {"enthalpy", r.enthalpy},
            {"sigmaHeat", r.sigmaHeat},       {"meanSkinTemp", r.meanSkinTemp},
            {"effectiveTemp", r.effectiveTemp}, {"wbgt", r.wbgt},
            {"strataLatent", r.strataLatent}, {"strataSensible", r.strataSensible},
            {"heatTransferCoeff", r.heatTransferCoeff}};
}


}  // namespace

std::string JsonNumber(double value, int decimals)
{
    if (!std::isfinite(value))
        return "null";
    std::string text = FormatFixed(value, decimals);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    return text;
}

std::string JsonString(const std::string& text)
{
    static const char* const kHex = "0123456789abcdef";
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (byte < 0x20) {
                out += "\\u00";
                out += kHex[byte >> 4];
                out += kHex[byte & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}


std::string ResultsJson(const CKalvexDoc& doc, const std::vector<int>& branchIndexes)
{
    std::string json = "{\n  \"sequenceMode\": ";
    json += doc.sequenceMode ? "true" : "false";
    json += ",\n  \"branches\": [";
    bool firstBranch = true;
    for (int index : branchIndexes) {
        const CKalvexBranch& branch = doc.BranchAt(index);
        json += firstBranch ? "\n" : ",\n";
        firstBranch = false;
        json += "    {\n      \"number\": " + std::to_string(index + 1) +
                ",\n      \"id\": " + std::to_string(branch.branchId) +
                ",\n      \"name\": " + JsonString(branch.name) +
                ",\n      \"outlet\": {\"dryBulb\": " + JsonNumber(branch.outletDryBulb) +
                ", \"wetBulb\": " + JsonNumber(branch.outletWetBulb) +
                ", \"pressure\": " + JsonNumber(branch.outletPressure) +
                ", \"massFlow\": " + JsonNumber(branch.outletMassFlow) + "},\n      \"rows\": [";
        const CResultTwl twl(doc, branch);
        std::string messages;
        bool firstRow = true;
        for (const CResultInterval& row : branch.ResultList()) {
            if (row.isMessage) {
                messages += messages.empty() ? "\n        " : ",\n        ";
                messages += JsonString(row.messageText);
                continue;
            }
            json += firstRow ? "\n        {" : ",\n        {";
            firstRow = false;
            bool firstField = true;
            for (const auto& [name, value] : RowFields(row)) {
                json += firstField ? "" : ", ";
                firstField = false;
                json += std::string("\"") + name + "\": " + JsonNumber(value);
            }
            json += std::string(", \"condensing\": ") + (row.condensing ? "true" : "false");
            const TwlResult limit = twl.At(row);
            json += ", \"thermalWorkLimit\": " + JsonNumber(limit.value, 0) +
                    ", \"twlInRange\": " + (limit.inRange ? "true" : "false") +
                    ", \"twlZone\": \"" + ZoneName(limit.zone) + "\"}";
        }
        json += firstRow ? "]" : "\n      ]";
        json += ",\n      \"messages\": [" + messages + (messages.empty() ? "]" : "\n      ]");
        json += "\n    }";
    }
    json += firstBranch ? "]\n}\n" : "\n  ]\n}\n";
    return json;
}

std::string ResultsCsv(const CKalvexDoc& doc, const std::vector<int>& branchIndexes)
{
    // Every stored column, then the thermal work limit.
    std::vector<ColumnId> columns = CKalvexDoc::DefaultColumns(kResultColumns);
    columns.push_back(Col::Twl);
    std::string csv;
    for (std::size_t b = 0; b < branchIndexes.size(); ++b) {
        if (b > 0)
            csv += "\n";
        const CKalvexBranch& branch = doc.BranchAt(branchIndexes[b]);
        const CResultTwl twl(doc, branch);
        csv += BranchResultsCsv(branch, branchIndexes[b] + 1, columns,
                                [&twl](ColumnId id, int row, std::string& text) { return twl.CellText(id, row, text); });
    }
    return csv;
}
