// dorvan-cli run: Execute without a window.
#include "CliCommands.h"
#include "CliHelp.h"
#include "CliMessages.h"
#include "CliOptions.h"
#include "KalvexDoc.h"
#include "NumberText.h"
#include "ResultExport.h"
#include "RunUi.h"
#include "SimulationRun.h"
#include "archive/DocumentFile.h"

#include <algorithm>
#include <ostream>
#include <unordered_map>

namespace {

// The run's messages on standard error, each line naming the program and
// the file: the Data Errors dialog's lines, and the dry-bulb guard's text.
// The guard speaks once per branch with the count of the other intervals it
// hit, unless every message is wanted; a quiet run leaves it out.
class CCliRunUi : public IRunUi {
public:
    CCliRunUi(const CKalvexDoc& document, std::string file, std::ostream& errorStream, bool verbose, bool quiet)
        : doc(document), path(std::move(file)), err(errorStream), everyGuard(verbose), noGuard(quiet)
    {
        for (int i = 0; i < doc.BranchCount(); ++i)
            positions[&doc.BranchAt(i)] = i;
    }

    void SetBranchLabel(std::string label) { branchLabel = std::move(label); }
    bool HadDataErrors() const { return dataErrors; }

    void BeginBranch(const CKalvexBranch& branch) override
    {
        FinishBranch();
        const auto at = positions.find(&branch);
        guardLabel = at == positions.end() ? std::string()
                                           : std::to_string(at->second + 1) + " - " + branch.name + ": ";
    }
    void ShowGuardMessage(const std::string& text) override
    {
        if (noGuard)
            return;
        std::string line = text;
        std::replace(line.begin(), line.end(), '\n', ' ');
        if (everyGuard || guardCount == 0)
            Line("Branch " + guardLabel + line);
        ++guardCount;
    }
    void ShowDataErrors(const std::vector<std::string>& errors) override
    {
        dataErrors = true;
        if (!branchLabel.empty())
            Line(branchLabel);
        Line(kDataErrorsHeading);
        for (const std::string& error : errors)
            Line(error);
        Line(kDataErrorsRequest);
    }
    // The count of the last branch's guard messages left unprinted.
    void FinishBranch()
    {
        if (!everyGuard && guardCount > 1)
            Line("Branch " + guardLabel + "(the same for " +
                 CountText(guardCount - 1, "more interval", "more intervals") + " of this branch)");
        guardCount = 0;
    }

private:
    void Line(const std::string& text) { err << ErrorLine(path, text) << "\n"; }

    const CKalvexDoc& doc;
    std::string path;
    std::ostream& err;
    bool everyGuard;
    bool noGuard;
    std::unordered_map<const CKalvexBranch*, int> positions;
    std::string branchLabel;
    std::string guardLabel;
    long long guardCount = 0;
    bool dataErrors = false;
};

std::string BranchLabel(const CKalvexDoc& doc, int index)
{
    return "Branch " + std::to_string(index + 1) + " - " + doc.BranchAt(index).name + ":";
}

void PrintSummary(const CKalvexDoc& doc, const std::vector<int>& indexes, std::ostream& out)
{
    for (int index : indexes) {
        const CKalvexBranch& b = doc.BranchAt(index);
        out << std::to_string(index + 1) << " " << b.name << ": outlet dry bulb "
            << FormatFixed(b.outletDryBulb, 2) << " \u00B0C, wet bulb " << FormatFixed(b.outletWetBulb, 2)
            << " \u00B0C, pressure " << FormatFixed(b.outletPressure / 1000.0, 3) << " kPa, mass flow "
            << FormatFixed(b.outletMassFlow, 2) << " kg/s, " << CountText(b.ResultCount(), "result row", "result rows")
            << "\n";
    }
}

// Writes --save, --json and --csv; false (with the message on err) when
// one of them could not be written.
bool WriteOutputs(CKalvexDoc& doc, const CCliArgs& parsed, const std::vector<int>& indexes, std::ostream& out,
                  std::ostream& err)
{
    std::string errorText;
    if (const std::string* save = parsed.Value("--save")) {
        if (!SaveForCommand(*save, doc, out, errorText)) {
            err << ErrorLine(*save, errorText) << "\n";
            return false;
        }
    }
    if (const std::string* json = parsed.Value("--json")) {
        if (!WriteOutput(*json, ResultsJson(doc, indexes), out, errorText)) {
            err << ErrorLine(*json, errorText) << "\n";
            return false;
        }
    }
    if (const std::string* csv = parsed.Value("--csv")) {
        if (!WriteOutput(*csv, ResultsCsv(doc, indexes), out, errorText)) {
            err << ErrorLine(*csv, errorText) << "\n";
            return false;
        }
    }
    return true;
}

}  // namespace

int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const CCliArgs parsed = ParseCliArgs(args, {"--branch", "--save", "--json", "--csv"}, {"--quiet", "--verbose"});
    if (const auto done = CommandPreamble("run", parsed, 1, "expects one document file name", out, err))
        return *done;
    int toStandardOutput = 0;
    for (const char* option : {"--save", "--json", "--csv"}) {
        const std::string* value = parsed.Value(option);
        if (value && value->empty())
            return UsageError("run", std::string("option '") + option + "' needs a file name", err);
        if (value && *value == "-")
            ++toStandardOutput;
    }
    if (toStandardOutput > 1)
        return UsageError("run", "only one output can go to standard output", err);

    const std::string& path = parsed.positional[0];
    CKalvexDoc doc;
    const bool quiet = parsed.Has("--quiet");
    if (quiet && parsed.Has("--verbose"))
        return UsageError("run", "--quiet and --verbose exclude each other", err);
    if (!LoadForCommand(path, doc, err, quiet))
        return kExitFailure;

    std::vector<int> indexes;
    if (const std::string* branch = parsed.Value("--branch")) {
        if (doc.sequenceMode)
            return UsageError("run", "--branch is not available while the document's sequence mode is on",
                              err);
        int number = 0;
        if (std::string error = ReadBranchNumber(*branch, doc.BranchCount(), number); !error.empty())
            return UsageError("run", error, err);
        indexes.push_back(number - 1);
    } else {
        for (int i = 0; i < doc.BranchCount(); ++i)
            indexes.push_back(i);
    }

    CCliRunUi ui(doc, path, err, parsed.Has("--verbose"), quiet);
    if (doc.sequenceMode) {
        ExecuteSequence(doc, ui);
    } else {
        for (int index : indexes) {
            ui.SetBranchLabel(BranchLabel(doc, index));
            ExecuteBranchAt(doc, index, ui);
        }
    }
    ui.FinishBranch();
    if (ui.HadDataErrors())
        return kExitDataErrors;

    // Documents and exports too large for memory or for the file format end
    // in a message, not in a crash.
    try {
        if (!WriteOutputs(doc, parsed, indexes, out, err))
            return kExitFailure;
    } catch (const std::exception&) {
        err << ErrorLine(path, kFailedToSaveText) << "\n";
        return kExitFailure;
    }
    if (toStandardOutput == 0 && !quiet)
        PrintSummary(doc, indexes, out);
    return kExitSuccess;
}
