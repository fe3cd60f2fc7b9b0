#pragma once
// Writes the primitive items and tagged objects of a document file into a
// byte buffer, which a writer with a sink hands on in chunks (so that a large
// document is never held twice in memory). One reference table numbers
// classes and objects from 1 in the order they are first written.
#include "ArchiveClasses.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

// Where a writer's bytes go. Write throws when they cannot be written.
class IArchiveSink {
public:
    virtual ~IArchiveSink() = default;
    virtual void Write(const std::uint8_t* data, std::size_t size) = 0;
};

class CArchiveWriter {
public:
    // Without a sink the bytes collect in memory (Bytes, TakeBytes).
    explicit CArchiveWriter(IArchiveSink* output = nullptr);
    void WriteByte(std::uint8_t value) { bytes.push_back(value); }
    void WriteBool(bool value) { WriteByte(value ? 1 : 0); }
    void WriteWord(std::uint16_t value);
    void WriteDword(std::uint32_t value);
    void WriteInt32(std::int32_t value);
    void WriteDouble(double value);
    // Element count of a list: a WORD, or 0xFFFF and a DWORD from 0xFFFF on.
    void WriteCount(std::size_t count);
    // A UTF-8 string: Windows-1252 bytes when every character has one,
    // otherwise the wide UTF-16 form so that no character is lost.
    void WriteString(std::string_view text);
    void WriteWordList(const std::vector<std::uint16_t>& words);
    void WriteRaw(const void* data, std::size_t size);

    // A null object reference.
    void WriteNullReference() { WriteWord(0); }
    // The tag of a new object: the class record the first time the class is
    // used, its number afterwards; the object then takes the next number.
    // The caller writes the object's members next.
    void BeginObject(ArchiveClass cls);

    // Room for the given number of bytes in all, so that a large document
    // is written into memory without growing (and copying) its image.
    void Reserve(std::size_t size) { bytes.reserve(size); }
    // Hands what is buffered to the sink; the last call after writing.
    void Flush();

    const std::vector<std::uint8_t>& Bytes() const { return bytes; }
    std::vector<std::uint8_t> TakeBytes() { return std::move(bytes); }

private:
    template <typename Unsigned>
    void AppendLittleEndian(Unsigned value);
    void WriteLengthPrefix(std::size_t length);
    std::uint32_t TakeNumber();

    std::vector<std::uint8_t> bytes;
    IArchiveSink* sink = nullptr;
    std::uint32_t nextNumber = 1;
    std::array<std::uint32_t, kArchiveClassCount> classNumbers{};  // 0: not yet written
};
