// Reading a document from JSON: every member checked, every refusal named
// by its JSON path.
#include "DocumentFields.h"
#include "DocumentJson.h"
#include "ExactNumber.h"
#include "InputCheck.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <string_view>

using Json = nlohmann::json;

namespace {

struct CRefusal {
    std::string text;
};

[[noreturn]] void Refuse(const std::string& path, const std::string& reason)
{
    throw CRefusal{path + ": " + reason};
}

std::string Member(const std::string& path, const std::string& name)
{
    return path.empty() ? name : path + "." + name;
}

std::string Element(const std::string& path, std::size_t index)
{
    return path + "[" + std::to_string(index) + "]";
}

// The members of one JSON object, taken one by one; a member nobody took
// is an unknown key.
class CObjectReader {
public:
    CObjectReader(const Json& json, std::string at) : object(json), path(std::move(at))
    {
        if (!object.is_object())
            Refuse(path.empty() ? "(document)" : path, "expects an object");
    }
    const Json* Take(const std::string& name)
    {
        const auto found = object.find(name);
        if (found == object.end())
            return nullptr;
        taken.insert(name);
        return &*found;
    }
    std::string PathOf(const std::string& name) const { return Member(path, name); }
    const std::string& Path() const { return path; }
    void Finish() const
    {
        for (const auto& [name, value] : object.items())
            if (!taken.count(name))
                Refuse(Member(path, name), "unknown key");
    }

private:
    const Json& object;
    std::string path;
    std::set<std::string> taken;
};

double NumberValue(const Json& json, const std::string& path)
{
    if (json.is_number())
        return json.get<double>();
    if (json.is_string()) {
        const std::string text = json.get<std::string>();
        if (text == "NaN")
            return std::numeric_limits<double>::quiet_NaN();
        if (text == "Infinity")
            return std::numeric_limits<double>::infinity();
        if (text == "-Infinity")
            return -std::numeric_limits<double>::infinity();
    }
    Refuse(path, "expects a number");
}

template <typename T>
T IntegerValue(const Json& json, const std::string& path, long long lowest, long long highest)
{
    const std::string range = "expects a whole number from " + std::to_string(lowest) + " to " + std::to_string(highest);
    if (!json.is_number_integer())
        Refuse(path, range);
    // Unsigned values above the signed range are above every highest here.
    if (json.is_number_unsigned() && json.get<unsigned long long>() > static_cast<unsigned long long>(highest))
        Refuse(path, range);
    const long long value = json.get<long long>();
    if (value < lowest || value > highest)
        Refuse(path, range);
    return static_cast<T>(json.get<long long>());
}

bool FlagValue(const Json& json, const std::string& path)
{
    if (!json.is_boolean())
        Refuse(path, "expects true or false");
    return json.get<bool>();
}

std::string TextValue(const Json& json, const std::string& path)
{
    if (!json.is_string())
        Refuse(path, "expects a text");
    return json.get<std::string>();
}

const Json& ListValue(const Json& json, const std::string& path)
{
    if (!json.is_array())
        Refuse(path, "expects a list");
    return json;
}

// The fields of a record, each read when present.
void ReadNumber(CObjectReader& in, const char* name, double& value)
{
    if (const Json* json = in.Take(name))
        value = NumberValue(*json, in.PathOf(name));
}

template <typename T>
void ReadInteger(CObjectReader& in, const char* name, T& value, long long lowest, long long highest)
{
    if (const Json* json = in.Take(name))
        value = IntegerValue<T>(*json, in.PathOf(name), lowest, highest);
}

void ReadFlag(CObjectReader& in, const char* name, bool& value)
{
    if (const Json* json = in.Take(name))
        value = FlagValue(*json, in.PathOf(name));
}

void ReadText(CObjectReader& in, const char* name, std::string& value)
{
    if (const Json* json = in.Take(name))
        value = TextValue(*json, in.PathOf(name));
}

// A branch input is checked as its table cell checks what is typed; the
// value a new branch has (no additional air, say) always passes.
void ReadBranchInput(CObjectReader& in, const CBranchNumberField& field, CKalvexBranch& branch)
{
    const Json* json = in.Take(field.name);
    if (!json)
        return;
    const std::string path = in.PathOf(field.name);
    if (field.column == 0) {
        branch.*field.member = NumberValue(*json, path);
        return;
    }
    if (!json->is_number())
        Refuse(path, CheckInputText(field.column, ""));
    const double value = json->get<double>();
    static const CKalvexBranch kNewBranch;
    if (value != kNewBranch.*field.member) {
        const std::string message = CheckInputText(field.column, ExactNumberText(value));
        if (!message.empty())
            Refuse(path, message);
    }
    branch.*field.member = value;
}

CHeatSource ReadHeatSource(const Json& json, const std::string& path)
{
    CObjectReader in(json, path);
    CHeatSource source;
    const Json* kind = in.Take("kind");
    if (!kind)
        Refuse(in.PathOf("kind"), "is missing");
    const int k = kind->is_string() ? HeatSourceKind(kind->get<std::string>()) : -1;
    if (k < 0)
        Refuse(in.PathOf("kind"), "expects \"Spot\", \"Electric\", \"Diesel\" or \"Linear\"");
    source.kind = static_cast<std::uint8_t>(k);
    const CHeatSourceNames& names = *HeatSourceNames(k);
    ReadNumber(in, "location", source.location);
    ReadNumber(in, names.slot3 ? names.slot3 : "length", source.length());
    ReadNumber(in, names.slot4, source.sensibleHeat());
    ReadNumber(in, names.slot5, source.latentHeat());
    ReadText(in, "description", source.description);
    in.Finish();
    return source;
}

// The JSON name of a heat source list column for a kind.
std::string HeatSourceMemberName(int kind, ColumnId column)
{
    const CHeatSourceNames& names = *HeatSourceNames(kind);
    switch (column) {
    case Col::HeatLocation: return "location";
    case Col::HeatLength:
    case Col::HeatWaterFuel: return names.slot3 ? names.slot3 : "length";
    case Col::HeatSensible:
    case Col::HeatPower: return names.slot4;
    case Col::HeatLatent:
    case Col::HeatUtilization: return names.slot5;
    default: return "description";
    }
}

CResultInterval ReadResult(const Json& json, const std::string& path)
{
    CObjectReader in(json, path);
    CResultInterval row;
    ReadFlag(in, "isMessage", row.isMessage);
    ReadText(in, "messageText", row.messageText);
    for (const CResultNumberField& field : ResultNumberFields())
        ReadNumber(in, field.name, row.*field.member);
    ReadFlag(in, "condensing", row.condensing);
    in.Finish();
    return row;
}

template <typename ReadItem>
void ReadList(CObjectReader& in, const char* name, ReadItem readItem)
{
    if (const Json* json = in.Take(name)) {
        const std::string path = in.PathOf(name);
        const Json& list = ListValue(*json, path);
        for (std::size_t i = 0; i < list.size(); ++i)
            readItem(list[i], Element(path, i));
    }
}

struct CBranchRead {
    std::unique_ptr<CKalvexBranch> branch;
    bool hasId = false;
    std::vector<std::string> sourcePaths;  // of each source id, for the messages
};

CBranchRead ReadBranch(const Json& json, const std::string& path)
{
    CObjectReader in(json, path);
    CBranchRead read;
    read.branch = std::make_unique<CKalvexBranch>();
    CKalvexBranch& branch = *read.branch;
    if (in.Take("branchId")) {
        ReadInteger(in, "branchId", branch.branchId, 0, 65535);
        read.hasId = true;
    }
    ReadText(in, "name", branch.name);
    ReadText(in, "description", branch.description);
    for (const CBranchNumberField& field : BranchNumberFields())
        ReadBranchInput(in, field, branch);
    if (const Json* fan = in.Take("fanReg")) {
        CObjectReader fanIn(*fan, in.PathOf("fanReg"));
        for (const CFanRegNumberField& field : FanRegNumberFields())
            ReadNumber(fanIn, field.name, branch.fanReg.*field.member);
        ReadText(fanIn, "description", branch.fanReg.description);
        fanIn.Finish();
    }
    std::vector<std::uint16_t> sources;
    ReadList(in, "sourceBranchIds", [&](const Json& item, const std::string& at) {
        sources.push_back(IntegerValue<std::uint16_t>(item, at, 0, 65535));
        read.sourcePaths.push_back(at);
    });
    branch.SetSourceBranchIds(sources);
    ReadList(in, "heatSources", [&](const Json& item, const std::string& at) {
        CHeatSource source = ReadHeatSource(item, at);
        ColumnId column = 0;
        if (std::string message = CheckHeatSource(source, branch.length, column); !message.empty())
            Refuse(Member(at, HeatSourceMemberName(source.kind, column)), message);
        branch.AddHeatSource(std::move(source));
    });
    ReadList(in, "results", [&](const Json& item, const std::string& at) {
        branch.ResultList().push_back(ReadResult(item, at));
    });
    in.Finish();
    return read;
}

std::map<std::int32_t, std::int32_t> ReadSizes(CObjectReader& in, const char* name, const char* index,
                                               const char* size)
{
    std::map<std::int32_t, std::int32_t> sizes;
    ReadList(in, name, [&](const Json& item, const std::string& at) {
        CObjectReader entry(item, at);
        const Json* i = entry.Take(index);
        const Json* s = entry.Take(size);
        if (!i || !s)
            Refuse(at, std::string("expects both \"") + index + "\" and \"" + size + "\"");
        const auto key = IntegerValue<std::int32_t>(*i, entry.PathOf(index), 0, std::numeric_limits<std::int32_t>::max());
        const auto value = IntegerValue<std::int32_t>(*s, entry.PathOf(size), 0, kGridMaxPixels);
        entry.Finish();
        if (!sizes.emplace(key, value).second)
            Refuse(entry.PathOf(index), "the " + std::string(index) + " " + std::to_string(key) + " is listed twice");
    });
    return sizes;
}

std::unique_ptr<CGXGridParam> ReadGridParam(const Json& json, const std::string& path)
{
    if (json.is_null())
        return nullptr;
    CObjectReader in(json, path);
    auto param = std::make_unique<CGXGridParam>();
    for (const CGridIntField& field : GridIntFields())
        ReadInteger(in, field.name, (*param).*field.member, field.lowest, field.highest);
    param->columnWidths = ReadSizes(in, "columnWidths", "column", "width");
    param->rowHeights = ReadSizes(in, "rowHeights", "row", "height");
    for (const CGridFlagField& field : GridFlagFields())
        ReadFlag(in, field.name, (*param).*field.member);
    if (const Json* properties = in.Take("properties")) {
        CObjectReader p(*properties, in.PathOf("properties"));
        CGridProperties& read = param->properties;
        for (const CPropertiesFlagField& field : PropertiesFlagFields())
            ReadFlag(p, field.name, read.*field.member);
        for (const CPropertiesColourField& field : PropertiesColourFields())
            ReadInteger(p, field.name, read.*field.member, 0, 0xFFFFFFFFLL);
        for (const CPropertiesMarginField& field : PropertiesMarginFields())
            ReadInteger(p, field.name, read.*field.member, std::numeric_limits<std::int32_t>::min(),
                        std::numeric_limits<std::int32_t>::max());
        ReadInteger(p, "landscape", read.landscape, 0, 1);
        p.Finish();
    }
    in.Finish();
    return param;
}

std::string TableName(ColumnRange range)
{
    if (range.header == kBranchColumns.header)
        return "the branch table";
    if (range.header == kResultColumns.header)
        return "the results table";
    if (range.header == kAirSourceColumns.header)
        return "the intake air source table";
    return "the heat source table";
}

// A column list the table can show: its row-number column first, then
// columns of that table, none twice.
std::vector<ColumnId> ReadColumnList(const Json& json, const std::string& path, ColumnRange range)
{
    const Json& list = ListValue(json, path);
    std::vector<ColumnId> ids;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string at = Element(path, i);
        const auto id = IntegerValue<ColumnId>(list[i], at, 0, 65535);
        if (i == 0 && id != range.header)
            Refuse(at, "the list begins with " + std::to_string(range.header) + ", the row number column of " +
                           TableName(range));
        if (i > 0 && !range.IsData(id))
            Refuse(at, std::to_string(id) + " is not a column of " + TableName(range));
        if (std::find(ids.begin(), ids.end(), id) != ids.end())
            Refuse(at, "the column " + std::to_string(id) + " is listed twice");
        ids.push_back(id);
    }
    if (ids.empty())
        Refuse(path, "the list begins with " + std::to_string(range.header) + ", the row number column of " +
                         TableName(range));
    return ids;
}

// Branches without an id get the next ones, as inserting them would give;
// ids must be unique, and a source id must name a branch, or (when the
// text gives lastBranchId) a deleted one at or below it.
void SettleBranchIds(std::vector<CBranchRead>& reads, CKalvexDoc& doc, bool hasLastId)
{
    std::map<std::uint16_t, std::size_t> owner;
    unsigned highest = hasLastId ? doc.lastBranchId : 0;
    for (std::size_t i = 0; i < reads.size(); ++i) {
        if (!reads[i].hasId)
            continue;
        const std::uint16_t id = reads[i].branch->branchId;
        if (const auto [at, added] = owner.emplace(id, i); !added)
            Refuse(Member(Element("branches", i), "branchId"),
                   "the id " + std::to_string(id) + " is already used by " + Element("branches", at->second));
        highest = std::max<unsigned>(highest, id);
    }
    for (std::size_t i = 0; i < reads.size(); ++i) {
        if (reads[i].hasId)
            continue;
        if (highest >= 65535)
            Refuse(Element("branches", i), "no branch id is left to give this branch");
        reads[i].branch->branchId = static_cast<std::uint16_t>(++highest);
        owner.emplace(reads[i].branch->branchId, i);
    }
    if (!hasLastId)
        doc.lastBranchId = static_cast<std::uint16_t>(highest);
    for (const CBranchRead& read : reads) {
        const std::vector<std::uint16_t>& ids = read.branch->SourceBranchIds();
        for (std::size_t s = 0; s < ids.size(); ++s) {
            const bool deleted = hasLastId && ids[s] >= 1 && ids[s] <= doc.lastBranchId;
            if (!owner.count(ids[s]) && !deleted)
                Refuse(read.sourcePaths[s], "no branch has the id " + std::to_string(ids[s]));
        }
    }
}

void ReadDocument(const Json& json, CKalvexDoc& doc)
{
    CObjectReader in(json, "");
    if (const Json* version = in.Take("formatVersion"))
        if (!version->is_number_integer() || version->get<long long>() != kDocumentJsonVersion)
            Refuse("formatVersion", "this program reads version " + std::to_string(kDocumentJsonVersion));
    ReadFlag(in, "sequenceMode", doc.sequenceMode);
    const bool hasLastId = in.Take("lastBranchId") != nullptr;
    ReadInteger(in, "lastBranchId", doc.lastBranchId, 0, 65535);

    std::vector<CBranchRead> reads;
    ReadList(in, "branches", [&](const Json& item, const std::string& at) {
        reads.push_back(ReadBranch(item, at));
    });
    SettleBranchIds(reads, doc, hasLastId);
    for (CBranchRead& read : reads)
        doc.AppendLoadedBranch(std::move(read.branch));

    if (const Json* worker = in.Take("worker")) {
        CObjectReader w(*worker, "worker");
        for (const CDocNumberField& field : WorkerNumberFields())
            ReadNumber(w, field.name, doc.*field.member);
        // Without its limit the worker gets the one the worker dialog
        // derives from the metabolic rate.
        if (!worker->contains("skinTempLimit") && worker->contains("metabolicRate"))
            doc.skinTempLimit = CKalvexDoc::SkinTempLimitFor(static_cast<int>(doc.metabolicRate));
        w.Finish();
        std::string member;
        if (std::string message = CheckWorker(doc, member); !message.empty())
            Refuse(Member("worker", member), message);
    }
    for (const CColumnListField& field : ColumnListFields())
        if (const Json* list = in.Take(field.name))
            doc.*field.member = ReadColumnList(*list, field.name, field.range);
    for (const CDocFlagField& field : UnitLineFields())
        ReadFlag(in, field.name, doc.*field.member);
    for (const CGridParamField& field : GridParamFields())
        if (const Json* param = in.Take(field.name))
            doc.*field.member = ReadGridParam(*param, field.name);
    ReadList(in, "curves", [&](const Json& item, const std::string& at) {
        if (item.is_null()) {
            doc.curves.push_back(nullptr);
            return;
        }
        CObjectReader(item, at).Finish();
        doc.curves.push_back(std::make_unique<CCurve>());
    });
    for (const CDocIntField& field : GraphMarginFields())
        ReadInteger(in, field.name, doc.*field.member, std::numeric_limits<std::int32_t>::min(),
                    std::numeric_limits<std::int32_t>::max());
    ReadInteger(in, "graphOrientation", doc.graphOrientation, 1, 2);
    in.Finish();
}

// The parser's message without its library prefix.
std::string ParseErrorText(const std::string& what)
{
    const std::size_t end = what.find("] ");
    return end == std::string::npos ? what : what.substr(end + 2);
}

}  // namespace

bool DocumentFromJson(const std::string& text, CKalvexDoc& doc, std::string& error)
{
    Json json;
    try {
        json = Json::parse(text);
    } catch (const Json::parse_error& e) {
        error = "not valid JSON: " + ParseErrorText(e.what());
        return false;
    }
    try {
        CKalvexDoc built;
        built.OnNewDocument();
        ReadDocument(json, built);
        doc.TakeFileContents(built);
    } catch (const CRefusal& refusal) {
        error = refusal.text;
        return false;
    }
    return true;
}
