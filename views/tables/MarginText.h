#pragma once
// Page margins as the page setup dialog shows and reads them: stored as
// whole screen pixels at the display's resolution, shown in inches, typed
// in inches or centimetres.
#include <cstdint>
#include <optional>
#include <string>

// "%.2f in" of the margin in inches.
std::string MarginText(std::int32_t pixels, int dpi);
// The typed text in pixels: with "cm" (any case) the leading number is
// centimetres, else inches; no leading number counts as 0. None when the
// margin is negative or wider than a page could be (over 20 in), which
// would leave nothing to print on.
std::optional<std::int32_t> ParseMarginText(const std::string& text, int dpi);
