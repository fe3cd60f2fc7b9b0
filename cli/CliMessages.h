#pragma once
// How dorvan-cli words what it prints on standard error and counts things.
#include <string>

// "dorvan-cli: FILE: text", or "dorvan-cli: text" when there is no file or
// the text names it already (the file system's messages do); "-" is
// standard output or input, not a file. No newline.
std::string ErrorLine(const std::string& file, const std::string& text);

// A whole number from 1 to count, as typed after --branch; otherwise the
// usage error's text ("--branch 7: the document has 3 branches").
std::string ReadBranchNumber(const std::string& text, int count, int& number);

// "1 branch", "2 branches", "0 branches".
std::string CountText(long long count, const std::string& singular, const std::string& plural);
