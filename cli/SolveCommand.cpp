// dorvan-cli solve: the required air quantity or cooling of one branch.
#include "CliCommands.h"
#include "CliMessages.h"
#include "CliOptions.h"
#include "KalvexDoc.h"
#include "NumberText.h"
#include "RequirementSolver.h"
#include "ResultExport.h"
#include "RunUi.h"

#include <ostream>

namespace {

const char* const kCommand = "solve";

bool ParseNumber(const std::string& text, double& value)
{
    if (!IsNumberText(text))
        return false;
    value = AtofC(text);
    return true;
}

const char* FieldName(SolvedField field)
{
    switch (field) {
    case SolvedField::IntakeQuantity: return "intakeQuantity";
    case SolvedField::AddedQuantity: return "addedQuantity";
    case SolvedField::CoolerSensibleHeat: return "sensibleHeat";
    }
    return "";
}

const char* ResultTitle(SolvedField field)
{
    switch (field) {
    case SolvedField::IntakeQuantity: return "Required air quantity";
    case SolvedField::AddedQuantity: return "Required additional air";
    case SolvedField::CoolerSensibleHeat: return "Required cooling";
    }
    return "";
}

std::string Unit(SolvedField field) { return field == SolvedField::CoolerSensibleHeat ? "kW" : "m\u00B3/s"; }

std::string AnswerText(const CKalvexDoc& doc, const CRequirementQuery& query, bool cooling,
                       const CRequirementAnswer& answer)
{
    const CKalvexBranch& branch = doc.BranchAt(query.branchIndex);
    const std::string unit = Unit(answer.field);
    std::string text = "Branch " + std::to_string(query.branchIndex + 1) + " - " + branch.name + "\n";
    const bool floor = CriterionIsFloor(query.criterion);
    text += std::string("Criterion: ") + CriterionPlainName(query.criterion) + (floor ? " at least " : " at most ") +
            CriterionAmount(query.criterion, query.limit) + " " + (query.outletOnly ? "at the outlet" : "along the branch");
    if (cooling)
        text += " downstream of a spot source at " + FormatFixed(query.coolerLocation, 0) + " m";
    text += "\n";
    if (answer.status == SolveStatus::Found) {
        text += std::string(ResultTitle(answer.field)) + ": " + FormatFixed(answer.value, answer.decimals) + " " +
                unit + (cooling && answer.value == 0.0 ? " (no cooling needed)" : "") + "\n";
    } else {
        text += "Not reachable within " + FormatGrouped(answer.rangeFrom, 2) + " \u2026 " + FormatGrouped(answer.rangeTo, 2) + " " +
                unit + "\n";
    }
    text += std::string(floor ? "Lowest: " : "Peak: ") + CriterionAmount(query.criterion, answer.peakValue) + " at " +
            FormatFixed(answer.peakDistance, 0) + " m";
    if (answer.status != SolveStatus::Found)
        text += " (at " + FormatFixed(answer.value, 2) + " " + unit + ")";
    text += "\nMarches: " + std::to_string(answer.marches) + "\n";
    return text;
}

std::string AnswerJson(const CKalvexDoc& doc, const CRequirementQuery& query, bool cooling,
                       const CRequirementAnswer& answer)
{
    const CKalvexBranch& branch = doc.BranchAt(query.branchIndex);
    std::string json = "{\n";
    auto field = [&json](const char* name, const std::string& value, bool last = false) {
        json += std::string("  \"") + name + "\": " + value + (last ? "\n" : ",\n");
    };
    field("branch", std::to_string(query.branchIndex + 1));
    field("branchId", std::to_string(branch.branchId));
    field("name", JsonString(branch.name));
    field("solve", JsonString(cooling ? "cooling" : "quantity"));
    field("criterion", JsonString(CriterionCliName(query.criterion)));
    field("limit", JsonNumber(query.limit, 2));
    field("outletOnly", query.outletOnly ? "true" : "false");
    if (cooling)
        field("location", JsonNumber(query.coolerLocation, 0));
    field("status", JsonString(answer.status == SolveStatus::Found ? "found" : "notReachable"));
    field("field", JsonString(FieldName(answer.field)));
    field("value", JsonNumber(answer.value, answer.decimals));
    field("unit", JsonString(Unit(answer.field)));
    field("rangeFrom", JsonNumber(answer.rangeFrom, 2));
    field("rangeTo", JsonNumber(answer.rangeTo, 2));
    field("peak", JsonNumber(answer.peakValue, 2));
    field("peakDistance", JsonNumber(answer.peakDistance, 0));
    field("marches", std::to_string(answer.marches));
    field("message", JsonString(answer.message), true);
    return json + "}\n";
}

// The query from the options; an error text when they do not make one.
std::string ReadQuery(const CCliArgs& parsed, const CKalvexDoc& doc, CRequirementQuery& query, bool& cooling)
{
    const std::string* branch = parsed.Value("--branch");
    if (!branch)
        return "expects --branch N";
    int number = 0;
    if (std::string error = ReadBranchNumber(*branch, doc.BranchCount(), number); !error.empty())
        return error;
    query.branchIndex = number - 1;

    const std::string* at = parsed.Value("--cooling");
    cooling = at != nullptr;
    if (cooling == parsed.Has("--quantity"))
        return "expects either --quantity or --cooling AT_M";
    if (cooling && (!ParseNumber(*at, query.coolerLocation) || query.coolerLocation < 0.0))
        return "--cooling " + *at + ": expects a distance from the intake in metres";
    if (const std::string* range = parsed.Value("--range")) {
        const auto comma = range->find(',');
        if (!cooling)
            return "--range is for --cooling only";
        if (comma == std::string::npos || !ParseNumber(range->substr(0, comma), query.weakestCooling) ||
            !ParseNumber(range->substr(comma + 1), query.strongestCooling))
            return "--range " + *range + ": expects WEAKEST,STRONGEST in kW, e.g. 0,-500";
    }

    if (const std::string* name = parsed.Value("--criterion")) {
        if (!CriterionFromCliName(*name, query.criterion))
            return "--criterion " + *name + ": expects mst, wbgt, et, dry, wet or twl";
    }
    query.limit = DefaultCriterionLimit(doc, query.criterion);
    if (const std::string* limit = parsed.Value("--limit")) {
        if (!ParseNumber(*limit, query.limit))
            return "--limit " + *limit + ": expects a number in " + CriterionUnit(query.criterion);
    }
    query.outletOnly = parsed.Has("--outlet");
    return {};
}

}  // namespace

int SolveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const CCliArgs parsed =
        ParseCliArgs(args, {"--branch", "--cooling", "--range", "--criterion", "--limit", "--json"},
                     {"--quantity", "--outlet", "--quiet"});
    if (const auto done = CommandPreamble(kCommand, parsed, 1, "expects one document file name", out, err))
        return *done;
    const std::string* json = parsed.Value("--json");
    if (json && json->empty())
        return UsageError(kCommand, "option '--json' needs a file name", err);

    const std::string& path = parsed.positional[0];
    const bool quiet = parsed.Has("--quiet");
    CKalvexDoc doc;
    if (!LoadForCommand(path, doc, err, quiet))
        return kExitFailure;
    CRequirementQuery query;
    bool cooling = false;
    if (const std::string problem = ReadQuery(parsed, doc, query, cooling); !problem.empty())
        return UsageError(kCommand, problem, err);

    const CRequirementAnswer answer = cooling ? SolveRequiredCooling(doc, query) : SolveRequiredQuantity(doc, query);
    if (answer.status == SolveStatus::InvalidQuery)
        return UsageError(kCommand, answer.message, err);
    if (answer.status == SolveStatus::DataErrors) {
        err << ErrorLine(path, kDataErrorsHeading) << "\n";
        for (const std::string& error : answer.dataErrors)
            err << ErrorLine(path, error) << "\n";
        err << ErrorLine(path, kDataErrorsRequest) << "\n";
        return kExitDataErrors;
    }

    if (json) {
        std::string errorText;
        if (!WriteOutput(*json, AnswerJson(doc, query, cooling, answer), out, errorText)) {
            err << ErrorLine(*json, errorText) << "\n";
            return kExitFailure;
        }
    }
    if ((!json || *json != "-") && !quiet)
        out << AnswerText(doc, query, cooling, answer);
    return answer.status == SolveStatus::Found ? kExitSuccess : kExitNotReachable;
}
