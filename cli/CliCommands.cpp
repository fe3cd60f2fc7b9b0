#include "CliCommands.h"

#include "CliHelp.h"
#include "CliMessages.h"
#include "DorvanVersion.h"
#include "CliOptions.h"
#include "InputCatalogue.h"
#include "KalvexDoc.h"
#include "NumberText.h"
#include "PlotCommand.h"
#include "archive/DocumentFile.h"

#include <ostream>
#include <sys/stat.h>

namespace {

std::string OnOff(bool on) { return on ? "on" : "off"; }

// Pads text to width characters (UTF-8 aware) for the branch listing.
std::string Padded(const std::string& text, std::size_t width)
{
    std::size_t characters = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++characters;
    return characters >= width ? text + " " : text + std::string(width - characters, ' ');
}

// A value with the decimals its input is stored and shown with.
std::string InputText(const CKalvexBranch& branch, ColumnId column)
{
    std::string text;
    branch.GetColumnText(column, text);
    return text;
}
std::string InputText(DialogInput input, double value) { return FormatFixed(value, FindInput(input).decimals); }

std::string LayoutState(const std::unique_ptr<CGXGridParam>& param) { return param ? "saved" : "new"; }

void PrintInfo(const CKalvexDoc& doc, const std::string& path, std::ostream& out)
{
    out << "File: " << path << "\n";
    out << "Branches: " << std::to_string(doc.BranchCount()) << "\n";
    if (doc.BranchCount() > 0) {
        out << "  No.   Id      " << Padded("Name", 24) << "Length (m)  Heat sources  Results\n";
        for (int i = 0; i < doc.BranchCount(); ++i) {
            const CKalvexBranch& b = doc.BranchAt(i);
            const std::string results =
                b.ResultCount() > 0 ? "yes, " + std::to_string(b.ResultCount()) + " rows" : "no";
            out << "  " << Padded(std::to_string(i + 1), 6) << Padded(std::to_string(b.branchId), 8)
                << Padded(b.name, 24) << Padded(InputText(b, Col::Length), 12)
                << Padded(std::to_string(b.HeatSourceCount()), 14) << results << "\n";
        }
    }
    out << "Sequence mode: " << OnOff(doc.sequenceMode) << "\n";
    out << "Last branch id: " << std::to_string(doc.lastBranchId) << "\n";
    out << "Unit lines: branch table " << OnOff(doc.showUnitsBranchTable) << ", results table "
        << OnOff(doc.showUnitsResultTable) << ", source tables " << OnOff(doc.showUnitsSourceTables)
        << "\n";
    out << "Worker: metabolic rate " << InputText(DialogInput::WorkerMetabolicRate, doc.metabolicRate)
        << " W/m\u00B2, clothing resistance " << InputText(DialogInput::WorkerResistance, doc.clothingResistance)
        << " \u00B0C\u00B7m\u00B2/W, area factor " << InputText(DialogInput::WorkerAreaFactor, doc.areaFactor)
        << ", vapour permeability " << InputText(DialogInput::WorkerPermeability, doc.vapourPermeability)
        << ", body view factor " << InputText(DialogInput::WorkerViewFactor, doc.bodyViewFactor) << "\n";
    out << "Skin temperature limit: " << FormatFixed(doc.skinTempLimit, 2) << " \u00B0C\n";
    out << "Graph page: margins left " << std::to_string(doc.graphMarginLeft) << ", top " << std::to_string(doc.graphMarginTop)
        << ", right " << std::to_string(doc.graphMarginRight) << ", bottom " << std::to_string(doc.graphMarginBottom)
        << " (1/100 in), "
        << (doc.graphOrientation == 1   ? "portrait"
            : doc.graphOrientation == 2 ? "landscape"
                                        : "orientation " + std::to_string(doc.graphOrientation))
        << "\n";
    out << "Curves: " << std::to_string(doc.CurveList().size()) << "\n";
    out << "Table layouts: branch table " << LayoutState(doc.branchGridParam) << ", results table "
        << LayoutState(doc.resultGridParam) << ", air source table " << LayoutState(doc.airSourceGridParam)
        << ", heat source table " << LayoutState(doc.heatSourceGridParam) << "\n";
}

bool Exists(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace

int UsageError(const std::string& command, const std::string& text, std::ostream& err)
{
    const std::string name = command.empty() ? "dorvan-cli" : "dorvan-cli " + command;
    err << name << ": " << text << "\n";
    err << "Try '" << name << " --help'.\n";
    return kExitFailure;
}

std::optional<int> CommandPreamble(const std::string& command, const CCliArgs& parsed,
                                   std::size_t fileNames, const std::string& fileNamesText,
                                   std::ostream& out, std::ostream& err)
{
    if (parsed.help) {
        out << CommandHelp(command);
        return kExitSuccess;
    }
    if (!parsed.error.empty())
        return UsageError(command, parsed.error, err);
    if (parsed.positional.size() != fileNames)
        return UsageError(command, fileNamesText, err);
    return std::nullopt;
}

bool LoadForCommand(const std::string& path, CKalvexDoc& doc, std::ostream& err, bool quiet)
{
    const CFileResult loaded = LoadDocumentFile(path, doc);
    if (!loaded.ok || (loaded.layoutsReset && !quiet))
        err << ErrorLine(path, loaded.message) << "\n";
    return loaded.ok;
}

bool SaveForCommand(const std::string& path, const CKalvexDoc& doc, std::ostream& out, std::string& errorText)
{
    if (path == "-") {
        try {
            return WriteOutput(path, WriteDocumentBytes(doc), out, errorText);
        } catch (const std::exception&) {
            errorText = kFailedToSaveText;
            return false;
        }
    }
    const CFileResult result = WriteDocumentFile(path, doc);
    errorText = result.message;
    return result.ok;
}

int NewCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const CCliArgs parsed = ParseCliArgs(args, {}, {"--force"});
    if (const auto done = CommandPreamble("new", parsed, 1, "expects one file name", out, err))
        return *done;
    const std::string& path = parsed.positional[0];
    if (path != "-" && Exists(path) && !parsed.Has("--force"))
        return UsageError("new", path + " exists; --force replaces it", err);

    CKalvexDoc doc;
    doc.OnNewDocument();
    std::string errorText;
    if (!WriteOutput(path, WriteDocumentBytes(doc), out, errorText)) {
        err << ErrorLine(path, errorText) << "\n";
        return kExitFailure;
    }
    return kExitSuccess;
}

int ConvertCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const CCliArgs parsed = ParseCliArgs(args, {}, {});
    if (const auto done = CommandPreamble("convert", parsed, 2, "expects an input and an output file name", out, err))
        return *done;

    CKalvexDoc doc;
    if (!LoadForCommand(parsed.positional[0], doc, err))
        return kExitFailure;
    std::string errorText;
    if (!SaveForCommand(parsed.positional[1], doc, out, errorText)) {
        err << ErrorLine(parsed.positional[1], errorText) << "\n";
        return kExitFailure;
    }
    return kExitSuccess;
}

int InfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const CCliArgs parsed = ParseCliArgs(args, {}, {});
    if (const auto done = CommandPreamble("info", parsed, 1, "expects one file name", out, err))
        return *done;

    CKalvexDoc doc;
    if (!LoadForCommand(parsed.positional[0], doc, err))
        return kExitFailure;
    PrintInfo(doc, parsed.positional[0], out);
    return kExitSuccess;
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty())
        return UsageError("", "expects a command", err);
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--version") {
        out << "dorvan-cli " << kDorvanVersion << "\n";
        for (const char* line : kDorvanLicenceNotice)
            out << line << "\n";
        return kExitSuccess;
    }
    if (command == "-h" || command == "--help") {
        out << GeneralHelp();
        return kExitSuccess;
    }
    if (command == "help") {
        if (rest.empty()) {
            out << GeneralHelp();
            return kExitSuccess;
        }
        const std::string help = CommandHelp(rest[0]);
        if (help.empty())
            return UsageError("", "unknown command '" + rest[0] + "'", err);
        out << help;
        return kExitSuccess;
    }
    if (command == "new")
        return NewCommand(rest, out, err);
    if (command == "convert")
        return ConvertCommand(rest, out, err);
    if (command == "info")
        return InfoCommand(rest, out, err);
    if (command == "run")
        return RunCommand(rest, out, err);
    if (command == "solve")
        return SolveCommand(rest, out, err);
    if (command == "plot")
        return PlotCommand(rest, out, err);
    if (command == "stress")
        return StressCommand(rest, out, err);
    if (command == "export")
        return ExportCommand(rest, out, err);
    if (command == "import")
        return ImportCommand(rest, out, err);
    if (command == "set")
        return SetCommand(rest, out, err);
    if (command == "study")
        return StudyCommand(rest, out, err);
    if (!command.empty() && command[0] == '-')
        return UsageError("", "unknown option '" + command + "'", err);
    return UsageError("", "unknown command '" + command + "'", err);
}
