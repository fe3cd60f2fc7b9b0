// libFuzzer target for the document reader: any bytes must load or fail
// with a message, never crash, hang or allocate beyond the input; a
// document that loads must save and load again to the same bytes.
#include "KalvexDoc.h"
#include "archive/DocumentFile.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(data, data + size);
    CKalvexDoc doc;
    const CFileResult result = ReadDocumentBytes(bytes, doc);
    if (!result.ok) {
        if (result.message.empty())
            __builtin_trap();
        return 0;
    }
    const std::vector<std::uint8_t> saved = WriteDocumentBytes(doc);
    CKalvexDoc again;
    const CFileResult reread = ReadDocumentBytes(saved, again);
    if (!reread.ok || reread.layoutsReset || WriteDocumentBytes(again) != saved)
        __builtin_trap();
    return 0;
}
