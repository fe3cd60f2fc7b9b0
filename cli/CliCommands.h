#pragma once
// dorvan-cli: the commands behind the program's main(), writing to the
// given streams so that they can be tested.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

enum CliExitStatus : int {
    kExitSuccess = 0,
    kExitDataErrors = 1,  // run: the input data has errors
    kExitFailure = 2,     // wrong usage, or a file error
    kExitNotReachable = 3,  // solve: no value in the range keeps the limit
};

// args: the arguments after the program name.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The commands, each with the arguments after its name.
int NewCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int ConvertCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int InfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int SolveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int StressCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
std::string StressHelp();
int ExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int ImportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int SetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int StudyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

struct CCliArgs;
class CKalvexDoc;

// The common start of a command: help, option errors and the number of file
// names. Returns the exit status when the command is already done.
std::optional<int> CommandPreamble(const std::string& command, const CCliArgs& parsed,
                                   std::size_t fileNames, const std::string& fileNamesText,
                                   std::ostream& out, std::ostream& err);

// Loads a document; reports a failure, or (unless quiet) that its table
// layouts were reset, on err. False when nothing was loaded.
bool LoadForCommand(const std::string& path, CKalvexDoc& doc, std::ostream& err, bool quiet = false);

// Saves the document to the file at path, streamed so that the file's image
// is never held in memory beside the document, or to out when path is "-".
// False with the error's text.
bool SaveForCommand(const std::string& path, const CKalvexDoc& doc, std::ostream& out, std::string& errorText);

// Reports a usage error of a command on err and returns kExitFailure.
int UsageError(const std::string& command, const std::string& text, std::ostream& err);
