#include "CliOptions.h"

#include "archive/FileAccess.h"

#include <algorithm>
#include <ostream>

bool CCliArgs::Has(const std::string& flag) const
{
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

const std::string* CCliArgs::Value(const std::string& option) const
{
    const auto it = values.find(option);
    return it == values.end() ? nullptr : &it->second;
}

CCliArgs ParseCliArgs(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                      const std::vector<std::string>& flagOptions)
{
    auto known = [](const std::vector<std::string>& list, const std::string& name) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    CCliArgs parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            parsed.positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "-h" || arg == "--help") {
            parsed.help = true;
            continue;
        }
        const auto equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (known(valueOptions, name)) {
            if (parsed.values.count(name)) {
                parsed.error = "option '" + name + "' given twice";
                return parsed;
            }
            if (equals != std::string::npos) {
                parsed.values[name] = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                parsed.values[name] = args[++i];
            } else {
                parsed.error = "option '" + name + "' needs a value";
                return parsed;
            }
        } else if (known(flagOptions, name) && equals == std::string::npos) {
            if (!parsed.Has(name))
                parsed.flags.push_back(name);
        } else if (known(flagOptions, name)) {
            parsed.error = "option '" + name + "' takes no value";
            return parsed;
        } else {
            parsed.error = "unknown option '" + arg + "'";
            return parsed;
        }
    }
    return parsed;
}

bool WriteOutput(const std::string& path, const std::vector<std::uint8_t>& bytes, std::ostream& out,
                 std::string& errorText)
{
    if (path == "-") {
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            errorText = "Failed to write to standard output.";
            return false;
        }
        return true;
    }
    return ReplaceFile(path, bytes, errorText);
}

bool WriteOutput(const std::string& path, const std::string& bytes, std::ostream& out, std::string& errorText)
{
    return WriteOutput(path, std::vector<std::uint8_t>(bytes.begin(), bytes.end()), out, errorText);
}
