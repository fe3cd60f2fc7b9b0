#include "GridParamArchive.h"

#include "ArchiveError.h"
#include "ArchiveReader.h"
#include "ArchiveWriter.h"
#include "GridParam.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <cstring>

namespace {

// Largest size, width or height in pixels, and largest frozen count.
constexpr std::int32_t kMaxPixels = 65535;
constexpr std::int32_t kMaxFrozen = 65535;
constexpr std::int32_t kMinZoom = 1;
constexpr std::int32_t kMaxZoom = 1000;
constexpr std::size_t kSizeEntryBytes = 8;  // INT32 index, INT32 size

[[noreturn]] void Bad(const char* what) { throw CArchiveError(ArchiveErrorKind::BadFormat, what); }

template <typename Param>
auto BehaviourFlags(Param& p)
{
    return std::array{&p.allowSelectCells, &p.allowSelectRows,   &p.allowSelectCols,
                      &p.allowSelectTable, &p.allowMultipleRanges, &p.numberRowHeaders,
                      &p.numberColHeaders, &p.allowRowResize,    &p.allowColResize,
                      &p.allowRowMove,     &p.allowColMove};
}

template <typename Properties>
auto DisplayFlags(Properties& p)
{
    return std::array{&p.displayHorzLines, &p.displayVertLines, &p.displayRowHeaders,
                      &p.displayColHeaders, &p.threeDHeaders};
}

template <typename Properties>
auto Colours(Properties& p)
{
    return std::array{&p.gridLineColour, &p.headerColour, &p.headerTextColour, &p.backgroundColour,
                      &p.textColour};
}

template <typename Properties>
auto Margins(Properties& p)
{
    return std::array{&p.marginTop, &p.marginLeft, &p.marginBottom, &p.marginRight};
}

template <typename Properties>
auto PrintFlags(Properties& p)
{
    return std::array{&p.printRowHeaders, &p.printColHeaders, &p.printVertLines, &p.printHorzLines,
                      &p.printFrame,      &p.printBlackWhite, &p.centerHorizontally,
                      &p.centerVertically};
}

template <std::size_t N>
void WriteFlags(CArchiveWriter& out, const std::array<const bool*, N>& flags)
{
    std::uint16_t word = 0;
    for (std::size_t i = 0; i < N; ++i)
        if (*flags[i])
            word = static_cast<std::uint16_t>(word | (1u << i));
    out.WriteWord(word);
}

template <std::size_t N>
void ReadFlags(CArchiveReader& in, const std::array<bool*, N>& flags)
{
    const std::uint16_t word = in.ReadWord();
    if (word >> N)
        Bad("undefined flag set in the grid settings");
    for (std::size_t i = 0; i < N; ++i)
        *flags[i] = (word >> i) & 1u;
}

std::int32_t ReadRanged(CArchiveReader& in, std::int32_t lowest, std::int32_t highest)
{
    const std::int32_t value = in.ReadInt32();
    if (value < lowest || value > highest)
        Bad("grid setting out of range");
    return value;
}

// Entries with a negative index name no grid row or column and are left out.
void WriteSizes(CArchiveWriter& out, const std::map<std::int32_t, std::int32_t>& sizes)
{
    const auto first = sizes.lower_bound(0);
    out.WriteCount(static_cast<std::size_t>(std::distance(first, sizes.end())));
    for (auto entry = first; entry != sizes.end(); ++entry) {
        out.WriteInt32(entry->first);
        out.WriteInt32(std::clamp(entry->second, 0, kMaxPixels));
    }
}

// Entries in ascending order of index, so that a record read and written
// again keeps its bytes.
std::map<std::int32_t, std::int32_t> ReadSizes(CArchiveReader& in)
{
    std::map<std::int32_t, std::int32_t> sizes;
    const std::size_t count = in.ReadCount(kSizeEntryBytes);
    std::int32_t previous = -1;
    for (std::size_t i = 0; i < count; ++i) {
        const std::int32_t index = in.ReadInt32();
        if (index <= previous)
            Bad("grid sizes out of order");
        previous = index;
        sizes.emplace_hint(sizes.end(), index, ReadRanged(in, 0, kMaxPixels));
    }
    return sizes;
}

void WriteProperties(CArchiveWriter& out, const CGridProperties& p)
{
    out.BeginObject(ArchiveClass::GridProperties);
    WriteFlags(out, DisplayFlags(p));
    for (const std::uint32_t* colour : Colours(p))
        out.WriteDword(*colour);
    for (const std::int32_t* margin : Margins(p))
        out.WriteInt32(*margin);
    WriteFlags(out, PrintFlags(p));
    out.WriteByte(p.landscape);
}

void ReadProperties(CArchiveReader& in, CGridProperties& p)
{
    if (!in.ReadObjectTag(ArchiveClass::GridProperties))
        Bad("grid settings without properties");
    ReadFlags(in, DisplayFlags(p));
    for (std::uint32_t* colour : Colours(p))
        *colour = in.ReadDword();
    for (std::int32_t* margin : Margins(p))
        *margin = in.ReadInt32();
    ReadFlags(in, PrintFlags(p));
    p.landscape = in.ReadByte();
}

}  // namespace

void WriteGridParam(CArchiveWriter& out, const CGXGridParam* param)
{
    if (!param) {
        out.WriteNullReference();
        return;
    }
    const CGXGridParam& p = *param;
    out.BeginObject(ArchiveClass::GridParam);
    out.WriteRaw(kGridRecordSignature, sizeof kGridRecordSignature);
    out.WriteWord(kGridRecordVersion);
    // Only what the reader accepts is written, so that a saved file always
    // loads again: values are clamped into their ranges.
    for (std::int32_t size : {p.defaultRowHeight, p.defaultColWidth, p.headerRowHeight,
                              p.headerColWidth})
        out.WriteInt32(std::clamp(size, 0, kMaxPixels));
    out.WriteInt32(std::clamp(p.frozenRows, 0, kMaxFrozen));
    out.WriteInt32(std::clamp(p.frozenCols, 0, kMaxFrozen));
    out.WriteInt32(std::clamp(p.zoom, kMinZoom, kMaxZoom));
    WriteSizes(out, p.columnWidths);
    WriteSizes(out, p.rowHeights);
    WriteFlags(out, BehaviourFlags(p));
    WriteProperties(out, p.properties);
}

CGridParamRead ReadGridParam(CArchiveReader& in)
{
    CGridParamRead result;
    if (!in.ReadObjectTag(ArchiveClass::GridParam))
        return result;

    std::uint8_t head[sizeof kGridRecordSignature + 2] = {};
    if (!in.Peek(head, sizeof head)) {
        // Too short for our record and for anything after it: a cut file.
        in.Skip(sizeof head);
    }
    const auto version = static_cast<std::uint16_t>(head[4] | (head[5] << 8));
    if (std::memcmp(head, kGridRecordSignature, sizeof kGridRecordSignature) != 0 ||
        version != kGridRecordVersion) {
        result.foreign = true;
        return result;
    }
    in.Skip(sizeof head);

    auto p = std::make_unique<CGXGridParam>();
    p->defaultRowHeight = ReadRanged(in, 0, kMaxPixels);
    p->defaultColWidth = ReadRanged(in, 0, kMaxPixels);
    p->headerRowHeight = ReadRanged(in, 0, kMaxPixels);
    p->headerColWidth = ReadRanged(in, 0, kMaxPixels);
    p->frozenRows = ReadRanged(in, 0, kMaxFrozen);
    p->frozenCols = ReadRanged(in, 0, kMaxFrozen);
    p->zoom = ReadRanged(in, kMinZoom, kMaxZoom);
    p->columnWidths = ReadSizes(in);
    p->rowHeights = ReadSizes(in);
    ReadFlags(in, BehaviourFlags(*p));
    ReadProperties(in, p->properties);
    result.param = std::move(p);
    return result;
}
