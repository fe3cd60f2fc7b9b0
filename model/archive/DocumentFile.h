#pragma once
// The document file (".zt2"): a little-endian object-archive stream holding
// the branches, the column lists, the curves, the four grid settings records
// and the document settings. docs/file-format.md describes every byte.
#include "KalvexDoc.h"

#include <cstdint>
#include <string>
#include <vector>

struct CFileResult {
    bool ok = false;
    std::string message;  // the error text, or the notice when layouts were reset
    bool layoutsReset = false;
};

// Texts of loading and saving.
inline constexpr const char* kUnexpectedFormatText = "Unexpected file format.";
inline constexpr const char* kFailedToOpenText = "Failed to open document.";
inline constexpr const char* kFailedToSaveText = "Failed to save document.";
inline constexpr const char* kLayoutsResetText =
    "The table layouts stored in this file were written by another program or could not be used; "
    "the tables start with new layouts.";

std::vector<std::uint8_t> WriteDocumentBytes(const CKalvexDoc& doc);
// Loads into a fresh document and moves the result into doc only when the
// whole file was read; doc is unchanged on failure.
CFileResult ReadDocumentBytes(const std::vector<std::uint8_t>& bytes, CKalvexDoc& doc);
// Writes the document into the file at path, which is replaced only when
// complete; the document itself stays as it is (a copy, say).
CFileResult WriteDocumentFile(const std::string& path, const CKalvexDoc& doc);
// Both also set the path and title and clear the modified flag on success.
// A large document is streamed: it is never held in memory a second time.
CFileResult LoadDocumentFile(const std::string& path, CKalvexDoc& doc);
CFileResult SaveDocumentFile(const std::string& path, CKalvexDoc& doc);
