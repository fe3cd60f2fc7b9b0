#include "ExactNumber.h"

#include <charconv>

std::string ExactNumberText(double value)
{
    char text[400];  // the longest fixed double has 1 + 309 + 1 + 17 characters
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return result.ec == std::errc() ? std::string(text, result.ptr) : std::string("nan");
}
