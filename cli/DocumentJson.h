#pragma once
// The whole document as JSON and back: every saved member under the names
// the code uses. docs/document-json.md and docs/document.schema.json
// describe the form.
#include <string>

class CKalvexDoc;

// Version of the JSON form written in "formatVersion".
inline constexpr int kDocumentJsonVersion = 1;

// UTF-8 text, two-space indents, a newline at the end. Numbers are written
// so that reading them back gives the same doubles.
std::string DocumentToJson(const CKalvexDoc& doc);

// Builds a document from JSON text. Members left out take the values of a
// new document and a new branch. On refusal returns false with
// "JSON.PATH: reason" (or the parser's words for text that is no JSON) in
// error, and doc is not touched.
bool DocumentFromJson(const std::string& text, CKalvexDoc& doc, std::string& error);
