#include "MarginText.h"

#include "NumberText.h"

#include <algorithm>
#include <cctype>
#include <cmath>

std::string MarginText(std::int32_t pixels, int dpi)
{
    return FormatFixed(static_cast<double>(pixels) / dpi, 2) + " in";
}

std::optional<std::int32_t> ParseMarginText(const std::string& text, int dpi)
{
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const double number = AtofC(lower);
    const bool centimetres = lower.find("cm") != std::string::npos;
    const double inches = centimetres ? number / 2.54 : number;
    if (!(inches >= 0.0 && inches <= 20.0))
        return std::nullopt;
    const double pixels = centimetres ? number * dpi / 2.54 : number * dpi + 0.51;
    return static_cast<std::int32_t>(std::floor(pixels));
}
