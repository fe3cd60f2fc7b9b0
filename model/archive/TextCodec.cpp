#include "TextCodec.h"

#include <array>

namespace {

// Characters of the bytes 0x80 to 0x9F; the rest of the code page equals
// the first 256 Unicode code points.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char32_t CharOfByte(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80u];
    return byte;
}

// The byte of a character, or -1 when the code page has none.
int ByteOfChar(char32_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<int>(ch);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == ch)
            return static_cast<int>(0x80 + i);
    return -1;
}

void AppendUtf8(std::string& out, char32_t ch)
{
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

// Decodes the character at pos and advances pos. A byte that does not start
// a well-formed sequence (overlong forms, surrogates and values above
// U+10FFFF included) is taken alone as a Windows-1252 byte.
char32_t NextChar(std::string_view text, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t extra = 0;
    char32_t ch = 0;
    char32_t lowest = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1, ch = lead & 0x1Fu, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2, ch = lead & 0x0Fu, lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3, ch = lead & 0x07u, lowest = 0x10000;
    } else {
        ++pos;
        return CharOfByte(lead);
    }
    if (text.size() - pos <= extra) {
        ++pos;
        return CharOfByte(lead);
    }
    for (std::size_t i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return CharOfByte(lead);
        }
        ch = (ch << 6) | (next & 0x3Fu);
    }
    if (ch < lowest || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) {
        ++pos;
        return CharOfByte(lead);
    }
    pos += extra + 1;
    return ch;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char byte : bytes)
        AppendUtf8(out, CharOfByte(static_cast<unsigned char>(byte)));
    return out;
}

bool Utf8ToCp1252(std::string_view text, std::string& out)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const int byte = ByteOfChar(NextChar(text, pos));
        if (byte < 0)
            return false;
        bytes += static_cast<char>(byte);
    }
    out = std::move(bytes);
    return true;
}

std::vector<std::uint16_t> Utf8ToUtf16(std::string_view text)
{
    std::vector<std::uint16_t> units;
    units.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t ch = NextChar(text, pos);
        if (ch < 0x10000) {
            units.push_back(static_cast<std::uint16_t>(ch));
        } else {
            const char32_t v = ch - 0x10000;
            units.push_back(static_cast<std::uint16_t>(0xD800 + (v >> 10)));
            units.push_back(static_cast<std::uint16_t>(0xDC00 + (v & 0x3FF)));
        }
    }
    return units;
}

std::string Utf16ToUtf8(const std::vector<std::uint16_t>& units)
{
    std::string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char32_t unit = units[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00u));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            AppendUtf8(out, 0xFFFD);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}
