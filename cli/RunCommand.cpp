// dorvan-cli run: Execute without a window.
#include "CliCommands.h"
#include "CliHelp.h"
#include "CliOptions.h"
#include "KalvexDoc.h"
#include "NumberText.h"
#include "ResultExport.h"
#include "RunUi.h"
#include "SimulationRun.h"
#include "archive/DocumentFile.h"

#include <ostream>

namespace {

// The run's messages on standard error: the dry-bulb guard's text as the
// message box shows it, and the Data Errors dialog's lines.
class CCliRunUi : public IRunUi {
public:
    explicit CCliRunUi(std::ostream& errorStream) : err(errorStream) {}

    void SetBranchLabel(std::string label) { branchLabel = std::move(label); }
    bool HadDataErrors() const { return dataErrors; }

    void ShowGuardMessage(const std::string& text) override { err << text << "\n"; }
    void ShowDataErrors(const std::vector<std::string>& errors) override
    {
        dataErrors = true;
        if (!branchLabel.empty())
            err << branchLabel << "\n";
        err << kDataErrorsHeading << "\n";
        for (const std::string& error : errors)
            err << error << "\n";
        err << kDataErrorsRequest << "\n";
    }

private:
    std::ostream& err;
    std::string branchLabel;
    bool dataErrors = false;
};

// A whole number from 1 to count, as typed after --branch.
bool ParseBranchNumber(const std::string& text, int count, int& number)
{
    if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    number = std::stoi(text);
    return number >= 1 && number <= count;
}

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
            << FormatFixed(b.outletMassFlow, 2) << " kg/s, " << std::to_string(b.ResultCount())
            << " result rows\n";
    }
}

// Writes --save, --json and --csv; false (with the message on err) when
// one of them could not be written.
bool WriteOutputs(CKalvexDoc& doc, const CCliArgs& parsed, const std::vector<int>& indexes, std::ostream& out,
                  std::ostream& err)
{
    std::string errorText;
    if (const std::string* save = parsed.Value("--save")) {
        bool saved = false;
        if (*save == "-") {
            saved = WriteOutput(*save, WriteDocumentBytes(doc), out, errorText);
        } else {
            const CFileResult result = SaveDocumentFile(*save, doc);
            saved = result.ok;
            errorText = result.message;
        }
        if (!saved) {
            err << errorText << "\n";
            return false;
        }
    }
    if (const std::string* json = parsed.Value("--json")) {
        if (!WriteOutput(*json, ResultsJson(doc, indexes), out, errorText)) {
            err << errorText << "\n";
            return false;
        }
    }
    if (const std::string* csv = parsed.Value("--csv")) {
        if (!WriteOutput(*csv, ResultsCsv(doc, indexes), out, errorText)) {
            err << errorText << "\n";
            return false;
        }
    }
    return true;
}

}  // namespace

int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const CCliArgs parsed = ParseCliArgs(args, {"--branch", "--save", "--json", "--csv"}, {});
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
    if (!LoadForCommand(path, doc, err))
        return kExitFailure;

    std::vector<int> indexes;
    if (const std::string* branch = parsed.Value("--branch")) {
        if (doc.sequenceMode)
            return UsageError("run", "--branch is not available while the document's sequence mode is on",
                              err);
        int number = 0;
        if (!ParseBranchNumber(*branch, doc.BranchCount(), number))
            return UsageError("run",
                              "--branch " + *branch + ": the document has " +
                                  std::to_string(doc.BranchCount()) + " branches",
                              err);
        indexes.push_back(number - 1);
    } else {
        for (int i = 0; i < doc.BranchCount(); ++i)
            indexes.push_back(i);
    }

    CCliRunUi ui(err);
    if (doc.sequenceMode) {
        ExecuteSequence(doc, ui);
    } else {
        for (int index : indexes) {
            ui.SetBranchLabel(BranchLabel(doc, index));
            ExecuteBranchAt(doc, index, ui);
        }
    }
    if (ui.HadDataErrors())
        return kExitDataErrors;

    // Documents and exports too large for memory or for the file format end
    // in a message, not in a crash.
    try {
        if (!WriteOutputs(doc, parsed, indexes, out, err))
            return kExitFailure;
    } catch (const std::exception&) {
        err << kFailedToSaveText << "\n";
        return kExitFailure;
    }
    if (toStandardOutput == 0)
        PrintSummary(doc, indexes, out);
    return kExitSuccess;
}
