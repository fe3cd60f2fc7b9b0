#include "CliMessages.h"

std::string ErrorLine(const std::string& file, const std::string& text)
{
    std::string line = "dorvan-cli: ";
    if (!file.empty() && file != "-" && text.find(file) == std::string::npos)
        line += file + ": ";
    return line + text;
}

std::string ReadBranchNumber(const std::string& text, int count, int& number)
{
    const bool digits = !text.empty() && text.size() <= 6 && text.find_first_not_of("0123456789") == std::string::npos;
    number = digits ? std::stoi(text) : 0;
    if (number >= 1 && number <= count)
        return {};
    return "--branch " + text + ": the document has " + CountText(count, "branch", "branches");
}

std::string CountText(long long count, const std::string& singular, const std::string& plural)
{
    return std::to_string(count) + " " + (count == 1 ? singular : plural);
}
