#pragma once
// Builds document file bytes by hand for the file format tests.
#include "KalvexDoc.h"

#include <bit>
#include <cstdint>
#include <string_view>
#include <vector>

class FileBytes {
public:
    FileBytes& Byte(std::uint8_t v)
    {
        data.push_back(v);
        return *this;
    }
    FileBytes& Word(std::uint16_t v) { return Byte(static_cast<std::uint8_t>(v & 0xFF)).Byte(static_cast<std::uint8_t>(v >> 8)); }
    FileBytes& Dword(std::uint32_t v)
    {
        return Word(static_cast<std::uint16_t>(v & 0xFFFF)).Word(static_cast<std::uint16_t>(v >> 16));
    }
    FileBytes& Int32(std::int32_t v) { return Dword(static_cast<std::uint32_t>(v)); }
    FileBytes& Double(double v)
    {
        const auto bits = std::bit_cast<std::uint64_t>(v);
        return Dword(static_cast<std::uint32_t>(bits & 0xFFFFFFFFu)).Dword(static_cast<std::uint32_t>(bits >> 32));
    }
    FileBytes& Raw(std::string_view text)
    {
        for (char c : text)
            Byte(static_cast<std::uint8_t>(c));
        return *this;
    }
    // A short 8-bit string with its one-byte prefix.
    FileBytes& Str(std::string_view text) { return Byte(static_cast<std::uint8_t>(text.size())).Raw(text); }
    // A new class record: FF FF, schema, name length, name.
    FileBytes& Class(std::string_view name, std::uint16_t schema = 1)
    {
        return Word(0xFFFF).Word(schema).Word(static_cast<std::uint16_t>(name.size())).Raw(name);
    }
    FileBytes& Words(std::uint16_t first, std::uint16_t last)
    {
        Word(static_cast<std::uint16_t>(last - first + 1));
        for (unsigned id = first; id <= last; ++id)
            Word(static_cast<std::uint16_t>(id));
        return *this;
    }
    FileBytes& Append(const std::vector<std::uint8_t>& more)
    {
        data.insert(data.end(), more.begin(), more.end());
        return *this;
    }
    // The four default column lists.
    FileBytes& DefaultColumns() { return Words(0, 20).Words(100, 117).Words(300, 305).Words(400, 406); }
    // Members 11 to 23 of a new document, with the given last branch id.
    FileBytes& DefaultTail(std::uint16_t lastId = 0)
    {
        Byte(0).Word(lastId).Byte(1).Byte(1).Byte(1);
        for (double v : {200.0, 0.0, 1.0, 0.45, 0.75, 36.0})
            Double(v);
        return Int32(100).Int32(100).Int32(100).Int32(100).Byte(2);
    }
    FileBytes& NoGridParams() { return Word(0).Word(0).Word(0).Word(0); }

    std::vector<std::uint8_t> data;
};

// A document with the defaults of a new file.
struct NewDocument : CKalvexDoc {
    NewDocument() { OnNewDocument(); }
};
