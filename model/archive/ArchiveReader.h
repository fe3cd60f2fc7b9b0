#pragma once
// Reads the primitive items and tagged objects of a document file, from a
// byte buffer or from a file read in chunks as the reader goes (so that a
// large document is never held twice in memory). Every read checks what
// remains first: a count or a length beyond the end of the data is an
// end-of-file error before anything is allocated for it.
#include "ArchiveClasses.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A file the reader takes its bytes from. Both calls throw CArchiveError
// when the system fails to read.
class IArchiveSource {
public:
    virtual ~IArchiveSource() = default;
    // Reads up to size bytes from the current position on; 0 at the end.
    virtual std::size_t Read(std::uint8_t* into, std::size_t size) = 0;
    // Reads exactly size bytes at offset, leaving the current position.
    virtual void ReadAt(std::size_t offset, std::uint8_t* into, std::size_t size) = 0;
};

class CArchiveReader {
public:
    // All of the data in memory.
    explicit CArchiveReader(std::span<const std::uint8_t> data) : window(data), total(data.size()) {}
    // size bytes from input, read from its current position on.
    CArchiveReader(IArchiveSource& input, std::size_t size) : total(size), source(&input) {}

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
    bool Peek(void* out, std::size_t size);
    void Skip(std::size_t size);

    // Reads an object reference. Returns nothing for a null reference, or
    // the class of a new object, which has been entered in the reference
    // table; the caller reads its members next. A reference to an object
    // read before is refused: every record of a document has exactly one
    // owner. With an expected class, any other class is a bad-class error.
    std::optional<ArchiveClass> ReadObjectTag(std::optional<ArchiveClass> expected);

    std::size_t Position() const { return windowStart + at; }
    std::size_t Remaining() const { return total - Position(); }
    std::size_t Size() const { return total; }
    // A copy of size bytes at offset, wherever the reader stands.
    std::vector<std::uint8_t> BytesAt(std::size_t offset, std::size_t size) const;

private:
    // Makes the next size bytes available in the window.
    void Need(std::size_t size)
    {
        if (size > window.size() - at)
            Fill(size);
    }
    void Fill(std::size_t size);
    std::size_t ReadLengthPrefix();
    ArchiveClass ReadClassRecord();

    struct Entry {
        bool isClass;
        ArchiveClass cls;
    };

    std::span<const std::uint8_t> window;  // the bytes at hand, from windowStart on
    std::size_t at = 0;                    // the read position in the window
    std::size_t windowStart = 0;
    std::size_t total = 0;
    IArchiveSource* source = nullptr;
    std::vector<std::uint8_t> buffer;  // holds the window when reading from a source
    std::vector<Entry> table{{false, ArchiveClass::KalvexBranch}};  // entry 0 stands for null
};
