#include "NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsHexDigit(char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool StartsWithNoCase(std::string_view text, std::string_view word)
{
    if (text.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != word[i])
            return false;
    }
    return true;
}

}  // namespace

std::string FormatFixed(double value, int decimals)
{
    if (decimals < 0)
        decimals = 0;
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    // Large enough for DBL_MAX in fixed notation with many decimals.
    std::array<char, 400> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return "0";
    return std::string(buffer.data(), result.ptr);
}

std::string FormatGrouped(double value, int decimals)
{
    const std::string text = FormatFixed(value, decimals);
    const std::size_t begin = text[0] == '-' ? 1 : 0;
    const std::size_t point = std::min(text.find('.'), text.size());
    std::string grouped = text.substr(0, begin);
    for (std::size_t i = begin; i < point; ++i) {
        if (i > begin && (point - i) % 3 == 0)
            grouped += ',';
        grouped += text[i];
    }
    return grouped + text.substr(point);
}

double RoundDecimals(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    return AtofC(FormatFixed(value, decimals));
}

ParsedNumber ParseLeadingNumber(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && IsCSpace(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::string_view rest = text.substr(pos);
    ParsedNumber parsed;

    // Infinity and NaN, as strtod accepts them.
    if (StartsWithNoCase(rest, "inf")) {
        parsed.value = negative ? -kInf : kInf;
        parsed.used = pos + (StartsWithNoCase(rest, "infinity") ? 8 : 3);
        return parsed;
    }
    if (StartsWithNoCase(rest, "nan")) {
        parsed.value = negative ? -kNaN : kNaN;
        parsed.used = pos + 3;
        return parsed;
    }

    // Hexadecimal floating point: "0x" followed by at least one hex digit.
    if (rest.size() > 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X') &&
        (IsHexDigit(rest[2]) || (rest[2] == '.' && rest.size() > 3 && IsHexDigit(rest[3])))) {
        double value = 0.0;
        auto result = std::from_chars(rest.data() + 2, rest.data() + rest.size(), value,
                                      std::chars_format::hex);
        if (result.ec == std::errc() || result.ec == std::errc::result_out_of_range) {
            if (result.ec == std::errc::result_out_of_range)
                value = kInf;
            parsed.value = negative ? -value : value;
            parsed.used = static_cast<std::size_t>(result.ptr - text.data());
            return parsed;
        }
    }

    // Decimal: from_chars does the correctly rounded conversion; it needs
    // a digit or a '.' followed by a digit to start.
    if (rest.empty() || !(IsDigit(rest[0]) || (rest[0] == '.' && rest.size() > 1 && IsDigit(rest[1]))))
        return ParsedNumber{};
    double value = 0.0;
    auto result = std::from_chars(rest.data(), rest.data() + rest.size(), value,
                                  std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // strtod gives HUGE_VAL on overflow and 0 on underflow; tell them apart
        // by the exponent sign.
        const std::string_view number(rest.data(), static_cast<std::size_t>(result.ptr - rest.data()));
        const auto e = number.find_first_of("eE");
        const bool underflow = e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-';
        value = underflow ? 0.0 : kInf;
    } else if (result.ec != std::errc()) {
        return ParsedNumber{};
    }
    parsed.value = negative ? -value : value;
    parsed.used = static_cast<std::size_t>(result.ptr - text.data());
    return parsed;
}

double AtofC(std::string_view text) { return ParseLeadingNumber(text).value; }

namespace {

std::string_view WithoutSign(std::string_view text)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    return text;
}

}  // namespace

bool IsIntegerText(std::string_view text)
{
    const std::string_view digits = WithoutSign(text);
    if (digits.empty())
        return false;
    for (char c : digits)
        if (!IsDigit(c))
            return false;
    return digits.front() != '0' || digits.size() == 1;
}

bool IsNumberText(std::string_view text)
{
    const std::string_view body = WithoutSign(text);
    int points = 0;
    int digits = 0;
    for (char c : body) {
        if (c == '.')
            ++points;
        else if (IsDigit(c))
            ++digits;
        else
            return false;
    }
    if (digits == 0 || points > 1)
        return false;
    return body.front() != '0' || body.size() == 1 || body[1] == '.';
}
