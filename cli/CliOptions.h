#pragma once
// Command-line arguments of one dorvan-cli command, and writing its outputs.
#include <cstdint>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

struct CCliArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;  // options that take a value
    std::vector<std::string> flags;             // options without a value
    bool help = false;
    std::string error;  // empty when the arguments were understood

    bool Has(const std::string& flag) const;
    const std::string* Value(const std::string& option) const;
};

// Splits args into positional arguments and the known options ("--name
// VALUE", "--name=VALUE" or a flag). "-h" and "--help" ask for help; "--"
// ends the options; "-" alone is a positional argument (standard output or
// input). An unknown or repeated option, or a missing value, sets error.
CCliArgs ParseCliArgs(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                      const std::vector<std::string>& flagOptions);

// Writes bytes to the file at path, replacing it only when complete, or to
// out when path is "-". On failure returns false with the error's text.
bool WriteOutput(const std::string& path, const std::string& bytes, std::ostream& out, std::string& errorText);
bool WriteOutput(const std::string& path, const std::vector<std::uint8_t>& bytes, std::ostream& out,
                 std::string& errorText);
