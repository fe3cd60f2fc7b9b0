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

// A document file open for reading. Open refuses a folder and a regular
// file larger than 1 GiB ("Unexpected file format.").
class CReadableFile {
public:
    CReadableFile() = default;
    CReadableFile(const CReadableFile&) = delete;
    CReadableFile& operator=(const CReadableFile&) = delete;
    ~CReadableFile();

    bool Open(const std::string& path, std::string& errorText);
    // False for a pipe or a device, whose size is not known beforehand.
    bool IsRegular() const { return regular; }
    std::size_t Size() const { return size; }
    // Reads up to count bytes; returns how many (0 at the end), or -1 with
    // the error's text.
    long long Read(std::uint8_t* into, std::size_t count, std::string& errorText);
    // Reads what is left, up to 1 GiB; false with the error's text.
    bool ReadRest(std::vector<std::uint8_t>& bytes, std::string& errorText);
    // Reads exactly count bytes at offset; false with the error's text.
    bool ReadAt(std::size_t offset, std::uint8_t* into, std::size_t count, std::string& errorText);

private:
    std::string path;
    int fd = -1;
    bool regular = false;
    std::size_t size = 0;
};

// A file being saved: Open makes a new file beside the target, Write adds
// to it, and Commit flushes it to the disk and only then renames it over the
// target, so that a failed save leaves the previous file as it was. A file
// never committed is removed. A symbolic link is followed and the file it
// names is replaced; an existing file keeps its permissions, and a
// write-protected one is not replaced. An existing file that is not a
// regular file (a pipe, a terminal, a device such as /dev/null) is written
// into directly instead. Each returns false with the error's text.
class CReplacingFile {
public:
    CReplacingFile() = default;
    CReplacingFile(const CReplacingFile&) = delete;
    CReplacingFile& operator=(const CReplacingFile&) = delete;
    ~CReplacingFile();

    bool Open(const std::string& path, std::string& errorText);
    bool Write(const std::uint8_t* data, std::size_t count, std::string& errorText);
    bool Commit(std::string& errorText);

private:
    bool Fail(int error, std::string& errorText);
    void Abandon();

    std::string path;    // as given, for the messages
    std::string target;  // the file replaced
    std::string temp;    // the new file; empty when writing into the target
    int fd = -1;
};

// The whole of bytes saved through a CReplacingFile.
bool ReplaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& errorText);
