#pragma once
// dorvan-cli: the commands behind the program's main(), writing to the
// given streams so that they can be tested.
#include <iosfwd>
#include <string>
#include <vector>

enum CliExitStatus : int {
    kExitSuccess = 0,
    kExitDataErrors = 1,  // run: the input data has errors
    kExitFailure = 2,     // wrong usage, or a file error
};

// args: the arguments after the program name.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The commands, each with the arguments after its name.
int NewCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int ConvertCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int InfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Reports a usage error of a command on err and returns kExitFailure.
int UsageError(const std::string& command, const std::string& text, std::ostream& err);
