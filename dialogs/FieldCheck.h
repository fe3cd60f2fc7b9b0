#pragma once
// Checks of the dialogs' edit boxes: a text read as an integer or a number
// and held to an inclusive range, with the standard refusal texts. Plain C++
// so that the rules are the same in every dialog and testable without a
// window.
#include "InputRule.h"

#include <string>
#include <string_view>

inline constexpr const char* kEnterInteger = "Enter an integer.";
inline constexpr const char* kEnterNumber = "Enter a number.";

// The shortest general form of a number, as printf "%.15g" writes it with a
// '.' separator: 0.1, 1000, 0.75, 1.
std::string FormatShortest(double value);

// "Enter an integer between 2 and 4000." / "Enter a number between 0.1 and 1000."
std::string RangeMessage(const FieldRule& rule);

// Reads a field's text. Leading and trailing white space is ignored; an
// integer is an optional sign and digits, a number a decimal number with an
// optional exponent (no "inf", "nan" or hexadecimal). Returns the refusal
// text, empty when the text passed; value holds the number read. Text
// fields always pass.
std::string CheckField(std::string_view text, const FieldRule& rule, double& value);

// The text a field shows for a value: integers truncated toward zero, reals
// with the rule's decimals, both locale independent.
std::string FieldText(double value, const FieldRule& rule);

// A double truncated toward zero to a whole number that fits a long long
// comfortably; non-finite values give 0.
long long WholeNumber(double value);

// The first field of a form that failed, in reading order: its index among
// the form's fields and the refusal text; index -1 when all passed.
struct FieldFailure {
    int index = -1;
    std::string message;
    bool Failed() const { return index >= 0; }
};
