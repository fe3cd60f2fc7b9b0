#include "ArchiveWriter.h"

#include "ArchiveError.h"
#include "TextCodec.h"

#include <bit>

namespace {

constexpr std::uint32_t kLargestNumber = 0x7FFFFFFF;
constexpr std::uint16_t kBigTag = 0x7FFF;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassTagBit = 0x8000;

// Bytes a writer with a sink collects before handing them on.
constexpr std::size_t kChunkBytes = std::size_t{256} << 10;

}  // namespace

CArchiveWriter::CArchiveWriter(IArchiveSink* output) : sink(output)
{
    if (sink)
        bytes.reserve(kChunkBytes + 4096);
}

void CArchiveWriter::Flush()
{
    if (sink && !bytes.empty()) {
        sink->Write(bytes.data(), bytes.size());
        bytes.clear();
    }
}

template <typename Unsigned>
void CArchiveWriter::AppendLittleEndian(Unsigned value)
{
    std::uint8_t item[sizeof(Unsigned)];
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
        item[i] = static_cast<std::uint8_t>(value >> (8 * i));
    bytes.insert(bytes.end(), item, item + sizeof(Unsigned));
}

void CArchiveWriter::WriteWord(std::uint16_t value) { AppendLittleEndian(value); }

void CArchiveWriter::WriteDword(std::uint32_t value) { AppendLittleEndian(value); }

void CArchiveWriter::WriteInt32(std::int32_t value) { WriteDword(static_cast<std::uint32_t>(value)); }

void CArchiveWriter::WriteDouble(double value) { AppendLittleEndian(std::bit_cast<std::uint64_t>(value)); }

void CArchiveWriter::WriteRaw(const void* data, std::size_t size)
{
    const auto* first = static_cast<const std::uint8_t*>(data);
    bytes.insert(bytes.end(), first, first + size);
}

void CArchiveWriter::WriteCount(std::size_t count)
{
    if (count < 0xFFFF) {
        WriteWord(static_cast<std::uint16_t>(count));
        return;
    }
    if (count > 0xFFFFFFFFu)
        throw CArchiveError(ArchiveErrorKind::Generic, "list too long for the file format");
    WriteWord(0xFFFF);
    WriteDword(static_cast<std::uint32_t>(count));
}

void CArchiveWriter::WriteLengthPrefix(std::size_t length)
{
    if (length > kLargestNumber)
        throw CArchiveError(ArchiveErrorKind::Generic, "string too long for the file format");
    if (length < 0xFF) {
        WriteByte(static_cast<std::uint8_t>(length));
        return;
    }
    WriteByte(0xFF);
    if (length < 0xFFFE) {
        WriteWord(static_cast<std::uint16_t>(length));
        return;
    }
    WriteWord(0xFFFF);
    WriteDword(static_cast<std::uint32_t>(length));
}

void CArchiveWriter::WriteString(std::string_view text)
{
    // Plain ASCII (every message and most names) is its own 8-bit form.
    bool ascii = true;
    for (char c : text)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) {
        WriteLengthPrefix(text.size());
        WriteRaw(text.data(), text.size());
        return;
    }
    std::string ansi;
    if (Utf8ToCp1252(text, ansi)) {
        WriteLengthPrefix(ansi.size());
        WriteRaw(ansi.data(), ansi.size());
        return;
    }
    // Wide form: 0xFF, the WORD 0xFFFE, then a length prefix counting UTF-16
    // units and the units themselves.
    const std::vector<std::uint16_t> units = Utf8ToUtf16(text);
    WriteByte(0xFF);
    WriteWord(0xFFFE);
    WriteLengthPrefix(units.size());
    for (std::uint16_t unit : units)
        WriteWord(unit);
}

void CArchiveWriter::WriteWordList(const std::vector<std::uint16_t>& words)
{
    WriteCount(words.size());
    for (std::uint16_t word : words)
        WriteWord(word);
}

std::uint32_t CArchiveWriter::TakeNumber()
{
    if (nextNumber > kLargestNumber)
        throw CArchiveError(ArchiveErrorKind::Generic, "too many objects for the file format");
    return nextNumber++;
}

void CArchiveWriter::BeginObject(ArchiveClass cls)
{
    // Objects are small: a chunk is handed on at the start of the one that
    // follows it.
    if (sink && bytes.size() >= kChunkBytes)
        Flush();
    std::uint32_t& classNumber = classNumbers[static_cast<std::size_t>(cls)];
    if (classNumber == 0) {
        const ArchiveClassInfo& info = ClassInfo(cls);
        WriteWord(kNewClassTag);
        WriteWord(info.schema);
        WriteWord(static_cast<std::uint16_t>(info.name.size()));
        WriteRaw(info.name.data(), info.name.size());
        classNumber = TakeNumber();
    } else if (classNumber < kBigTag) {
        WriteWord(static_cast<std::uint16_t>(kClassTagBit | classNumber));
    } else {
        WriteWord(kBigTag);
        WriteDword(0x80000000u | classNumber);
    }
    TakeNumber();  // the object's own number
}
