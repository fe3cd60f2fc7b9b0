#pragma once
#include <string>

enum class HAlign { Left, Right };

// One cell as a record describes it; the grid decides how to draw it.
struct CCellDescription {
    std::string text;
    HAlign alignment = HAlign::Right;
    bool editable = true;
    bool italic = false;  // on exactly for read-only cells of the input tables
};
