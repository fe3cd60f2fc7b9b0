#pragma once
// Reads the primitive items and tagged objects of a document file from a
// byte buffer. Every read checks what remains first: a count or a length
// beyond the end of the data is an end-of-file error before anything is
// allocated for it.
#include "ArchiveClasses.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class CArchiveReader {
public:
    explicit CArchiveReader(std::span<const std::uint8_t> data) : bytes(data) {}

    std::uint8_t ReadByte();
    bool ReadBool() { return ReadByte() != 0; }
    std::uint16_t ReadWord();
    std::uint32_t ReadDword();
    std::int32_t ReadInt32() { return static_cast<std::int32_t>(ReadDword()); }
    double ReadDouble();
    // Element count of a list whose elements take at least minElementBytes
    // each in the file; a count the rest of the data cannot hold is an
    // end-of-file error.
    std::size_t ReadCount(std::size_t minElementBytes);
    // A string in the 8-bit (Windows-1252) or the wide (UTF-16) form, as UTF-8.
    std::string ReadString();
    std::vector<std::uint16_t> ReadWordList();
    // The next bytes without consuming them; false when fewer remain.
    bool Peek(void* out, std::size_t size) const;
    void Skip(std::size_t size);

    // Reads an object reference. Returns nothing for a null reference, or
    // the class of a new object, which has been entered in the reference
    // table; the caller reads its members next. A reference to an object
    // read before is refused: every record of a document has exactly one
    // owner. With an expected class, any other class is a bad-class error.
    std::optional<ArchiveClass> ReadObjectTag(std::optional<ArchiveClass> expected);

    std::size_t Position() const { return position; }
    std::size_t Remaining() const { return bytes.size() - position; }
    std::size_t Size() const { return bytes.size(); }
    std::span<const std::uint8_t> Data() const { return bytes; }

private:
    void Need(std::size_t size) const;
    std::size_t ReadLengthPrefix();
    ArchiveClass ReadClassRecord();

    struct Entry {
        bool isClass;
        ArchiveClass cls;
    };

    std::span<const std::uint8_t> bytes;
    std::size_t position = 0;
    std::vector<Entry> table{{false, ArchiveClass::KalvexBranch}};  // entry 0 stands for null
};
