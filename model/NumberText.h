#pragma once
// Number texts independent of the process locale: a German desktop still
// reads "30.00" and writes the same bytes as any other.
#include <string>
#include <string_view>

// printf "%.*f" of value with n decimals, always with '.' as separator.
std::string FormatFixed(double value, int decimals);

// FormatFixed with the thousands grouped by commas, as the messages and
// ranges are written for people: "10,000.00", "-1,500".
std::string FormatGrouped(double value, int decimals);

// Formats with FormatFixed and parses the text back, so a value is stored
// exactly as it is shown (ties resolved as printf resolves them).
double RoundDecimals(double value, int decimals);

// The C library's atof rule: leading white space, then the longest numeric
// prefix; 0.0 when the text does not start with a number.
double AtofC(std::string_view text);

// Like AtofC but tells whether a number was found at all and how many
// characters it used (whitespace included).
struct ParsedNumber {
    double value = 0.0;
    std::size_t used = 0;  // 0 when no number was found
};
ParsedNumber ParseLeadingNumber(std::string_view text);


// The syntax of numbers typed into table and list cells.
// Integer: optional minus, then digits; a leading zero only as the only
// digit (0 and -0 pass, 05 fails). No blanks, plus sign, point or exponent.
bool IsIntegerText(std::string_view text);
// Number: optional minus, then digits and at most one point with at least
// one digit; after a leading zero that is not alone the point must follow
// (0, 0.5, .5 pass; 05, 00.5 fail). No blanks, plus sign or exponent.
bool IsNumberText(std::string_view text);
