#pragma once
// The shortest fixed-point text that reads back as the same double, with
// '.' whatever the locale: "0.1", "100", "-2.5", "0.000001".
#include <string>

std::string ExactNumberText(double value);
