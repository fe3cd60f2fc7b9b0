#include "ArchiveReader.h"

#include "ArchiveError.h"
#include "TextCodec.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string_view>

namespace {

constexpr std::uint16_t kBigTag = 0x7FFF;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint32_t kClassBit = 0x80000000u;
constexpr std::size_t kMaxClassName = 64;  // names of this length or longer are refused

[[noreturn]] void Fail(ArchiveErrorKind kind, const char* what) { throw CArchiveError(kind, what); }

}  // namespace

// Bytes a refill reads from the source at least.
constexpr std::size_t kChunkBytes = std::size_t{256} << 10;

void CArchiveReader::Fill(std::size_t size)
{
    if (size > Remaining() || !source)
        Fail(ArchiveErrorKind::EndOfFile, "unexpected end of file");
    // The unread rest of the window moves to the front of the buffer.
    const std::size_t left = window.size() - at;
    const std::size_t capacity = std::max(kChunkBytes, size);
    if (buffer.size() < capacity) {
        std::vector<std::uint8_t> larger(capacity);
        std::copy(window.begin() + static_cast<std::ptrdiff_t>(at), window.end(), larger.begin());
        buffer.swap(larger);
    } else if (left > 0) {
        std::memmove(buffer.data(), window.data() + at, left);
    }
    windowStart += at;
    at = 0;
    const std::size_t wanted = std::min(buffer.size(), total - windowStart);
    std::size_t filled = left;
    while (filled < wanted) {
        const std::size_t n = source->Read(buffer.data() + filled, wanted - filled);
        if (n == 0)
            Fail(ArchiveErrorKind::EndOfFile, "file shorter than when it was opened");
        filled += n;
    }
    window = std::span<const std::uint8_t>(buffer.data(), filled);
}

std::vector<std::uint8_t> CArchiveReader::BytesAt(std::size_t offset, std::size_t size) const
{
    if (offset > total || size > total - offset)
        Fail(ArchiveErrorKind::EndOfFile, "unexpected end of file");
    std::vector<std::uint8_t> copy(size);
    if (source)
        source->ReadAt(offset, copy.data(), size);
    else
        std::copy_n(window.begin() + static_cast<std::ptrdiff_t>(offset), size, copy.begin());
    return copy;
}

std::uint8_t CArchiveReader::ReadByte()
{
    Need(1);
    return window[at++];
}

std::uint16_t CArchiveReader::ReadWord()
{
    Need(2);
    const auto value = static_cast<std::uint16_t>(window[at] | (window[at + 1] << 8));
    at += 2;
    return value;
}

std::uint32_t CArchiveReader::ReadDword()
{
    Need(4);
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | window[at + static_cast<std::size_t>(i)];
    at += 4;
    return value;
}

double CArchiveReader::ReadDouble()
{
    Need(8);
    const std::uint64_t low = ReadDword();
    const std::uint64_t high = ReadDword();
    return std::bit_cast<double>(low | (high << 32));
}

std::size_t CArchiveReader::ReadCount(std::size_t minElementBytes)
{
    std::size_t count = ReadWord();
    if (count == 0xFFFF)
        count = ReadDword();
    if (minElementBytes > 0 && count > Remaining() / minElementBytes)
        Fail(ArchiveErrorKind::EndOfFile, "list longer than the rest of the file");
    return count;
}

std::size_t CArchiveReader::ReadLengthPrefix()
{
    const std::uint8_t first = ReadByte();
    if (first < 0xFF)
        return first;
    const std::uint16_t word = ReadWord();
    if (word < 0xFFFE)
        return word;
    if (word == 0xFFFE)
        return SIZE_MAX;  // marks the wide form; the caller reads the real prefix
    const std::uint32_t dword = ReadDword();
    if (dword > 0x7FFFFFFFu)
        Fail(ArchiveErrorKind::Generic, "string length does not fit 31 bits");
    return dword;
}

std::string CArchiveReader::ReadString()
{
    std::size_t length = ReadLengthPrefix();
    if (length != SIZE_MAX) {
        Need(length);
        const std::string_view raw(reinterpret_cast<const char*>(window.data() + at), length);
        at += length;
        return Cp1252ToUtf8(raw);
    }
    length = ReadLengthPrefix();
    if (length == SIZE_MAX)
        Fail(ArchiveErrorKind::BadFormat, "wide string marker repeated");
    if (length > Remaining() / 2)
        Fail(ArchiveErrorKind::EndOfFile, "string longer than the rest of the file");
    std::vector<std::uint16_t> units(length);
    for (std::uint16_t& unit : units)
        unit = ReadWord();
    return Utf16ToUtf8(units);
}

std::vector<std::uint16_t> CArchiveReader::ReadWordList()
{
    const std::size_t count = ReadCount(2);
    std::vector<std::uint16_t> words(count);
    for (std::uint16_t& word : words)
        word = ReadWord();
    return words;
}

bool CArchiveReader::Peek(void* out, std::size_t size)
{
    if (size > Remaining())
        return false;
    Need(size);
    std::memcpy(out, window.data() + at, size);
    return true;
}

void CArchiveReader::Skip(std::size_t size)
{
    Need(size);
    at += size;
}

ArchiveClass CArchiveReader::ReadClassRecord()
{
    const std::uint16_t schema = ReadWord();
    const std::uint16_t nameLength = ReadWord();
    if (nameLength >= kMaxClassName)
        Fail(ArchiveErrorKind::BadClass, "class name too long");
    Need(nameLength);
    const std::string_view name(reinterpret_cast<const char*>(window.data() + at), nameLength);
    at += nameLength;
    const std::optional<ArchiveClass> cls = FindArchiveClass(name);
    if (!cls)
        Fail(ArchiveErrorKind::BadClass, "unknown class");
    if (schema != ClassInfo(*cls).schema)
        Fail(ArchiveErrorKind::BadSchema, "unsupported schema");
    table.push_back({true, *cls});
    return *cls;
}

std::optional<ArchiveClass> CArchiveReader::ReadObjectTag(std::optional<ArchiveClass> expected)
{
    const std::uint16_t word = ReadWord();
    std::uint32_t tag = 0;
    if (word == kBigTag)
        tag = ReadDword();
    else
        tag = (word & 0x7FFFu) | ((word & 0x8000u) ? kClassBit : 0u);

    if ((tag & kClassBit) == 0) {
        if (tag == 0)
            return std::nullopt;
        if (tag < table.size() && !table[tag].isClass)
            Fail(ArchiveErrorKind::BadIndex, "second reference to an object");
        Fail(ArchiveErrorKind::BadIndex, "reference to an unknown object");
    }

    ArchiveClass cls{};
    if (word == kNewClassTag) {
        cls = ReadClassRecord();
    } else {
        const std::uint32_t number = tag & ~kClassBit;
        if (number == 0 || number >= table.size() || !table[number].isClass)
            Fail(ArchiveErrorKind::BadIndex, "reference to an unknown class");
        cls = table[number].cls;
    }
    if (expected && cls != *expected)
        Fail(ArchiveErrorKind::BadClass, "object of an unexpected class");
    table.push_back({false, cls});
    return cls;
}
