#pragma once
// Text conversions between the UTF-8 strings held in memory and the
// encodings of the document file: Windows-1252 for the 8-bit string form and
// UTF-16LE for the wide form.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One Windows-1252 byte as UTF-8. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 control characters
// of the same number, so that every byte string survives a round trip.
std::string Cp1252ToUtf8(std::string_view bytes);

// Encodes UTF-8 text as Windows-1252. Returns false (and leaves out) when a
// character has no Windows-1252 byte; then the text needs the wide form.
// Bytes that are not valid UTF-8 are taken as Windows-1252 bytes themselves,
// so damaged text is kept as it was rather than refused.
bool Utf8ToCp1252(std::string_view text, std::string& out);

// UTF-8 to UTF-16 code units, with the same treatment of invalid bytes.
std::vector<std::uint16_t> Utf8ToUtf16(std::string_view text);

// UTF-16 code units to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(const std::vector<std::uint16_t>& units);
