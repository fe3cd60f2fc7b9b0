#pragma once
// Whole-file reading and crash-safe replacing of document files, with the
// program's texts for file system errors.
#include <cstdint>
#include <string>
#include <vector>

// The text of a file system error number for the given path, such as
// "%1 was not found." with %1 replaced by the path.
std::string FileErrorText(int errorNumber, const std::string& path);

// Reads the whole file. On failure returns false with the error's text; a
// file larger than 1 GiB is "Unexpected file format." without being read.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& errorText);

// Writes the bytes into a new file beside the target, flushes it to the
// disk and only then renames it over the target, so that a failed save
// leaves the previous file as it was. A symbolic link is followed and the
// file it names is replaced; an existing file keeps its permissions, and a
// write-protected one is not replaced. On failure returns false with the
// error's text and removes the new file. An existing file that is not a
// regular file (a pipe, a terminal, a device such as /dev/null) is written
// into directly instead.
bool ReplaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& errorText);
