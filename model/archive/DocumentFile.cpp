#include "DocumentFile.h"

#include "ArchiveError.h"
#include "ArchiveReader.h"
#include "ArchiveWriter.h"
#include "FileAccess.h"
#include "GridParamArchive.h"
#include "RecordArchive.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <new>
#include <span>

namespace {

// Members 11 to 23: BYTE, WORD, 3 BYTEs, 6 DOUBLEs, 4 INT32s, BYTE.
constexpr std::size_t kTailBytes = 1 + 2 + 3 + 6 * 8 + 4 * 4 + 1;
static_assert(kTailBytes == 71);

constexpr std::size_t kMinTaggedRecord = 2;

template <typename Doc>
auto WorkerDoubles(Doc& d)
{
    return std::array{&d.metabolicRate,      &d.clothingResistance, &d.areaFactor,
                      &d.vapourPermeability, &d.bodyViewFactor,     &d.skinTempLimit};
}

template <typename Doc>
auto GraphMargins(Doc& d)
{
    return std::array{&d.graphMarginLeft, &d.graphMarginTop, &d.graphMarginRight, &d.graphMarginBottom};
}

template <typename Doc>
auto GridParams(Doc& d)
{
    return std::array{&d.branchGridParam, &d.resultGridParam, &d.airSourceGridParam,
                      &d.heatSourceGridParam};
}

void WriteTail(CArchiveWriter& out, const CKalvexDoc& doc)
{
    out.WriteBool(doc.sequenceMode);
    out.WriteWord(doc.lastBranchId);
    out.WriteBool(doc.showUnitsBranchTable);
    out.WriteBool(doc.showUnitsResultTable);
    out.WriteBool(doc.showUnitsSourceTables);
    for (const double* value : WorkerDoubles(doc))
        out.WriteDouble(*value);
    for (const std::int32_t* margin : GraphMargins(doc))
        out.WriteInt32(*margin);
    out.WriteByte(doc.graphOrientation);
}

// Reads members 11 to 23. When checked (the tail was found by its place at
// the end of the file rather than by reading up to it), values the program
// never writes are refused, so that a damaged file is not taken for one.
void ReadTail(CArchiveReader& in, CKalvexDoc& doc, bool checked)
{
    auto flag = [&]() {
        const std::uint8_t byte = in.ReadByte();
        if (checked && byte > 1)
            throw CArchiveError(ArchiveErrorKind::BadFormat, "switch neither 0 nor 1");
        return byte != 0;
    };
    doc.sequenceMode = flag();
    doc.lastBranchId = in.ReadWord();
    doc.showUnitsBranchTable = flag();
    doc.showUnitsResultTable = flag();
    doc.showUnitsSourceTables = flag();
    for (double* value : WorkerDoubles(doc)) {
        *value = in.ReadDouble();
        if (checked && !std::isfinite(*value))
            throw CArchiveError(ArchiveErrorKind::BadFormat, "worker value not finite");
    }
    for (std::int32_t* margin : GraphMargins(doc))
        *margin = in.ReadInt32();
    doc.graphOrientation = in.ReadByte();
    if (checked && doc.graphOrientation != 1 && doc.graphOrientation != 2)
        throw CArchiveError(ArchiveErrorKind::BadFormat, "orientation neither 1 nor 2");
}

// Ids a table's range holds at most, for the seen flags below.
constexpr std::size_t kMaxTableColumns = 32;
constexpr bool FitsSeenFlags(ColumnRange range)
{
    return static_cast<std::size_t>(range.last - range.header) < kMaxTableColumns;
}
static_assert(FitsSeenFlags(kBranchColumns) && FitsSeenFlags(kResultTableColumns) &&
              FitsSeenFlags(kAirSourceColumns) && FitsSeenFlags(kHeatSourceColumns));

// A column list the table views can show: the header id first, then ids of
// the table, none twice.
bool UsableColumns(const std::vector<ColumnId>& ids, ColumnRange range)
{
    if (ids.empty() || ids.front() != range.header)
        return false;
    std::array<bool, kMaxTableColumns> seen{};
    for (ColumnId id : ids) {
        if (id < range.header || id > range.last || seen[id - range.header])
            return false;
        seen[id - range.header] = true;
    }
    return true;
}

// Curve objects a load creates at most. A curve keeps nothing of the file
// but its class, and the graph view uses the first thirteen entries only, so
// later tagged entries are held without an object: a file of two-byte curve
// tags would otherwise need some fifty times its size in memory.
constexpr std::size_t kMaxLoadedCurves = 65536;

// The curve list is read with every error caught: the curves read so far
// stay, the entries after them hold no curve, and reading goes on from
// where the error happened. The list grows as entries are read rather than
// by the announced count.
void ReadCurveList(CArchiveReader& in, std::vector<std::unique_ptr<CCurve>>& curves)
{
    std::size_t count = 0;
    try {
        count = in.ReadCount(kMinTaggedRecord);
        for (std::size_t i = 0; i < count; ++i) {
            const bool tagged = in.ReadObjectTag(ArchiveClass::Curve).has_value();
            curves.push_back(tagged && i < kMaxLoadedCurves ? std::make_unique<CCurve>() : nullptr);
        }
    } catch (const CArchiveError&) {
    } catch (const std::bad_alloc&) {
    }
    try {
        curves.resize(count);
    } catch (const std::bad_alloc&) {
    }
}

// Reads members 1 to 23 into a document whose lists are empty. Returns
// whether the table layouts had to be reset.
bool ReadDocument(CArchiveReader& in, CKalvexDoc& doc)
{
    const std::size_t branchCount = in.ReadCount(kMinTaggedRecord);
    for (std::size_t i = 0; i < branchCount; ++i) {
        if (!in.ReadObjectTag(ArchiveClass::KalvexBranch))
            throw CArchiveError(ArchiveErrorKind::BadClass, "empty branch entry");
        auto branch = std::make_unique<CKalvexBranch>();
        ReadBranchMembers(in, *branch);
        doc.AppendLoadedBranch(std::move(branch));
    }

    bool layoutsReset = false;
    // A list that cannot be shown falls back to a new document's list; the
    // results table can show more columns than that list holds.
    struct ColumnListSlot {
        std::vector<ColumnId>* list;
        ColumnRange usable;
        ColumnRange defaults;
    };
    const std::array<ColumnListSlot, 4> columnLists = {{
        {&doc.branchColumns, kBranchColumns, kBranchColumns},
        {&doc.resultColumns, kResultTableColumns, kResultColumns},
        {&doc.airSourceColumns, kAirSourceColumns, kAirSourceColumns},
        {&doc.heatSourceColumns, kHeatSourceColumns, kHeatSourceColumns},
    }};
    for (const auto& [list, range, defaults] : columnLists) {
        *list = in.ReadWordList();
        if (!UsableColumns(*list, range)) {
            *list = CKalvexDoc::DefaultColumns(defaults);
            layoutsReset = true;
        }
    }

    ReadCurveList(in, doc.curves);

    for (std::unique_ptr<CGXGridParam>* slot : GridParams(doc)) {
        CGridParamRead read = ReadGridParam(in);
        if (read.foreign) {
            // The record's length is unknown, so members 11 to 23 are taken
            // from their fixed place at the end of the file.
            if (in.Size() < kTailBytes || in.Size() - kTailBytes < in.Position())
                throw CArchiveError(ArchiveErrorKind::EndOfFile, "file too short for its settings");
            for (std::unique_ptr<CGXGridParam>* reset : GridParams(doc))
                reset->reset();
            const std::vector<std::uint8_t> end = in.BytesAt(in.Size() - kTailBytes, kTailBytes);
            CArchiveReader tail(end);
            ReadTail(tail, doc, true);
            return true;
        }
        *slot = std::move(read.param);
    }
    ReadTail(in, doc, false);
    return layoutsReset;
}

const char* LoadErrorText(ArchiveErrorKind kind)
{
    return kind == ArchiveErrorKind::Generic ? kFailedToOpenText : kUnexpectedFormatText;
}

// Bytes the document takes in the file, or a little more: strings are
// counted by their UTF-8 length, which the 8-bit form never exceeds.
std::size_t EstimatedFileSize(const CKalvexDoc& doc)
{
    constexpr std::size_t kRowBytes = 2 + 17 * 8 + 2 + 1;       // tag, doubles, flags, empty text
    constexpr std::size_t kSourceBytes = 2 + 1 + 4 * 8 + 1;      // tag, kind, doubles, empty text
    constexpr std::size_t kBranchBytes = 2 + 2 + 2 + 25 * 8 + 2 * 6 + 3 * 8 + 1 + 6 + 32;
    std::size_t size = 1024 + 2 * doc.curves.size();
    for (const auto& branch : doc.branches) {
        size += kBranchBytes + branch->name.size() + branch->description.size() +
                branch->fanReg.description.size() + 2 * branch->SourceBranchIds().size();
        for (const CHeatSource& source : branch->HeatSourceList())
            size += kSourceBytes + source.description.size() + 4;
        size += kRowBytes * branch->ResultList().size();
        for (const CResultInterval& row : branch->ResultList())
            if (!row.messageText.empty())
                size += row.messageText.size() + 4;
    }
    return size;
}

void WriteDocument(CArchiveWriter& out, const CKalvexDoc& doc)
{
    out.WriteCount(doc.branches.size());
    for (const auto& branch : doc.branches) {
        out.BeginObject(ArchiveClass::KalvexBranch);
        WriteBranchMembers(out, *branch);
    }
    out.WriteWordList(doc.branchColumns);
    out.WriteWordList(doc.resultColumns);
    out.WriteWordList(doc.airSourceColumns);
    out.WriteWordList(doc.heatSourceColumns);
    out.WriteCount(doc.curves.size());
    for (const auto& curve : doc.curves) {
        if (curve)
            out.BeginObject(ArchiveClass::Curve);  // a curve is its tag alone
        else
            out.WriteNullReference();
    }
    for (const std::unique_ptr<CGXGridParam>* param : GridParams(doc))
        WriteGridParam(out, param->get());
    WriteTail(out, doc);
    out.Flush();
}

// Reads a whole document from in into doc, which changes only when all of
// it was read.
CFileResult ReadDocumentFrom(CArchiveReader& in, CKalvexDoc& doc)
{
    CFileResult result;
    try {
        CKalvexDoc loaded;
        result.layoutsReset = ReadDocument(in, loaded);
        doc.TakeFileContents(loaded);
    } catch (const CArchiveError& error) {
        result.message = LoadErrorText(error.Kind());
        return result;
    } catch (const std::exception&) {
        result.message = kFailedToOpenText;
        return result;
    }
    result.ok = true;
    if (result.layoutsReset)
        result.message = kLayoutsResetText;
    return result;
}

// A regular file read in chunks; a failed read keeps the system's text.
class CFileSource : public IArchiveSource {
public:
    explicit CFileSource(CReadableFile& readable) : file(readable) {}
    std::size_t Read(std::uint8_t* into, std::size_t size) override
    {
        const long long n = file.Read(into, size, errorText);
        if (n < 0)
            throw CArchiveError(ArchiveErrorKind::Generic, "read failed");
        return static_cast<std::size_t>(n);
    }
    void ReadAt(std::size_t offset, std::uint8_t* into, std::size_t size) override
    {
        if (!file.ReadAt(offset, into, size, errorText))
            throw CArchiveError(ArchiveErrorKind::Generic, "read failed");
    }
    std::string errorText;

private:
    CReadableFile& file;
};

// The new file of a save, written in chunks.
class CFileSink : public IArchiveSink {
public:
    explicit CFileSink(CReplacingFile& replacing) : file(replacing) {}
    void Write(const std::uint8_t* data, std::size_t size) override
    {
        if (!file.Write(data, size, errorText))
            throw CArchiveError(ArchiveErrorKind::Generic, "write failed");
    }
    std::string errorText;

private:
    CReplacingFile& file;
};

CFileResult ReadFile(const std::string& path, CKalvexDoc& doc)
{
    CFileResult result;
    CReadableFile file;
    if (!file.Open(path, result.message))
        return result;
    if (!file.IsRegular()) {
        // A pipe or a device: its size is known only once it is read.
        std::vector<std::uint8_t> bytes;
        if (!file.ReadRest(bytes, result.message))
            return result;
        return ReadDocumentBytes(bytes, doc);
    }
    CFileSource source(file);
    CArchiveReader in(source, file.Size());
    result = ReadDocumentFrom(in, doc);
    if (!source.errorText.empty())
        result.message = source.errorText;
    return result;
}

}  // namespace

std::vector<std::uint8_t> WriteDocumentBytes(const CKalvexDoc& doc)
{
    CArchiveWriter out;
    out.Reserve(EstimatedFileSize(doc));
    WriteDocument(out, doc);
    return out.TakeBytes();
}

CFileResult ReadDocumentBytes(const std::vector<std::uint8_t>& bytes, CKalvexDoc& doc)
{
    CArchiveReader in(bytes);
    return ReadDocumentFrom(in, doc);
}

// A load or save that runs out of memory (or meets any other exception)
// reports the failure; the document stays as it was.
CFileResult LoadDocumentFile(const std::string& path, CKalvexDoc& doc)
{
    CFileResult result;
    try {
        result = ReadFile(path, doc);
        if (result.ok) {
            doc.SetPathName(path);
            doc.SetModifiedFlag(false);
        }
    } catch (const std::exception&) {
        result = CFileResult{};
        result.message = kFailedToOpenText;
    }
    return result;
}

CFileResult WriteDocumentFile(const std::string& path, const CKalvexDoc& doc)
{
    CFileResult result;
    CReplacingFile file;
    if (!file.Open(path, result.message))
        return result;
    CFileSink sink(file);
    try {
        CArchiveWriter out(&sink);
        WriteDocument(out, doc);
    } catch (const std::exception&) {
        result.message = sink.errorText.empty() ? kFailedToSaveText : sink.errorText;
        return result;
    }
    result.ok = file.Commit(result.message);
    return result;
}

CFileResult SaveDocumentFile(const std::string& path, CKalvexDoc& doc)
{
    CFileResult result = WriteDocumentFile(path, doc);
    if (result.ok) {
        doc.SetPathName(path);
        doc.SetModifiedFlag(false);
    }
    return result;
}
