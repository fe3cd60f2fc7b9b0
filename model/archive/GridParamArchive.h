#pragma once
// The grid settings record: a CGXGridParam object with its CGridProperties
// object inside. This program defines the record's content; it starts with
// a signature and a version so that a reader can tell it from the record of
// another writer.
#include <cstdint>
#include <memory>

class CArchiveReader;
class CArchiveWriter;
struct CGXGridParam;

inline constexpr std::uint8_t kGridRecordSignature[4] = {'D', 'V', 'G', 'P'};
inline constexpr std::uint16_t kGridRecordVersion = 1;

// Writes the reference: a null reference, or the tagged record.
void WriteGridParam(CArchiveWriter& out, const CGXGridParam* param);

struct CGridParamRead {
    std::unique_ptr<CGXGridParam> param;  // null for a null reference
    bool foreign = false;  // a CGXGridParam record in a format this reader does not know
};

// Reads one grid settings reference. A record with our signature and
// version is read completely (any fault in it is an error); a record
// without them is reported as foreign and nothing after its tag is read.
CGridParamRead ReadGridParam(CArchiveReader& in);
