#include "FieldCheck.h"

#include "NumberText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// Optional sign, then digits only.
bool IsFieldInteger(std::string_view text)
{
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    if (pos == text.size())
        return false;
    for (; pos < text.size(); ++pos)
        if (!IsDigit(text[pos]))
            return false;
    return true;
}

// Optional sign, digits with at most one point (at least one digit), then
// an optional exponent with its own sign and digits.
bool IsFieldNumber(std::string_view text)
{
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    int digits = 0;
    bool point = false;
    for (; pos < text.size(); ++pos) {
        if (IsDigit(text[pos]))
            ++digits;
        else if (text[pos] == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            ++pos;
        const std::size_t start = pos;
        while (pos < text.size() && IsDigit(text[pos]))
            ++pos;
        if (pos == start)
            return false;
    }
    return pos == text.size();
}

}  // namespace

std::string FormatShortest(double value)
{
    if (!std::isfinite(value))
        return FormatFixed(value, 0);
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    if (result.ec != std::errc())
        return FormatFixed(value, 0);
    return std::string(buffer.data(), result.ptr);
}

std::string RangeMessage(const FieldRule& rule)
{
    const char* start = rule.kind == FieldKind::Integer ? "Enter an integer between " : "Enter a number between ";
    return start + FormatShortest(rule.min) + " and " + FormatShortest(rule.max) + ".";
}

std::string CheckField(std::string_view text, const FieldRule& rule, double& value)
{
    if (rule.kind == FieldKind::Text)
        return {};
    const std::string_view trimmed = Trimmed(text);
    const bool integer = rule.kind == FieldKind::Integer;
    if (integer ? !IsFieldInteger(trimmed) : !IsFieldNumber(trimmed))
        return integer ? kEnterInteger : kEnterNumber;
    // A text of many digits reads as a huge number (or infinity) and fails
    // the range below; it never wraps around.
    value = AtofC(trimmed);
    if (!(value >= rule.min && value <= rule.max))
        return RangeMessage(rule);
    return {};
}

long long WholeNumber(double value)
{
    constexpr double kLimit = 1.0e15;
    if (!std::isfinite(value))
        return 0;
    if (value > kLimit)
        return static_cast<long long>(kLimit);
    if (value < -kLimit)
        return -static_cast<long long>(kLimit);
    return static_cast<long long>(value);  // truncated toward zero
}

std::string FieldText(double value, const FieldRule& rule)
{
    switch (rule.kind) {
    case FieldKind::Integer: return std::to_string(WholeNumber(value));
    case FieldKind::Real: return FormatFixed(value, rule.decimals);
    case FieldKind::Text: break;
    }
    return {};
}
