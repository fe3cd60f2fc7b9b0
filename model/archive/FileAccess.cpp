#include "FileAccess.h"

#include "DocumentFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Largest document the reader takes into memory.
constexpr std::size_t kMaxFileBytes = std::size_t{1} << 30;

std::string Substitute(const char* pattern, const std::string& path)
{
    std::string text = pattern;
    const auto at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, path);
    return text;
}

std::string DirectoryOf(const std::string& path)
{
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? "." : parent.string();
}

bool ParentExists(const std::string& path)
{
    struct stat info {};
    return ::stat(DirectoryOf(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string BaseNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

// Name of the new file a save writes beside the target: "." + name +
// ".save-<pid>-<n>", with the name shortened (never inside a UTF-8
// character) so that the whole stays within the longest file name allowed.
std::string TempNameFor(const std::string& base, unsigned number)
{
    constexpr std::size_t kMaxName = 255;
    std::string suffix = ".save-";
    suffix += std::to_string(::getpid());
    suffix += '-';
    suffix += std::to_string(number);
    std::size_t keep = std::min(base.size(), kMaxName - 1 - suffix.size());
    while (keep > 0 && keep < base.size() && (static_cast<unsigned char>(base[keep]) & 0xC0) == 0x80)
        --keep;
    std::string name = ".";
    name.append(base, 0, keep);
    name += suffix;
    return name;
}

void CloseQuietly(int fd)
{
    if (fd >= 0)
        ::close(fd);
}

// The file a save replaces: the target of a symbolic link, or the path.
std::string ResolveTarget(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return path;  // a dangling link: the save replaces the link itself
    std::string target = resolved;
    std::free(resolved);
    return target;
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string FileErrorText(int errorNumber, const std::string& path)
{
    switch (errorNumber) {
    case ENOENT:
        if (!ParentExists(path))
            return Substitute("All or part of the path %1 is invalid.", path);
        return Substitute("%1 was not found.", path);
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return Substitute("All or part of the path %1 is invalid.", path);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return Substitute("Access to %1 was denied.", path);
    case EMFILE:
    case ENFILE:
        return "There are too many open files.";
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return Substitute("Disk full while accessing %1.", path);
    case EIO:
        return Substitute("There was a hardware I/O error while accessing %1.", path);
    case EBUSY:
    case EAGAIN:
        return Substitute("A sharing violation occurred while accessing %1.", path);
    default:
        return Substitute("An unexpected error occurred while accessing %1.", path);
    }
}

CReadableFile::~CReadableFile() { CloseQuietly(fd); }

bool CReadableFile::Open(const std::string& name, std::string& errorText)
{
    path = name;
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        errorText = FileErrorText(errno, path);
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        errorText = FileErrorText(S_ISDIR(info.st_mode) ? EISDIR : errno, path);
        return false;
    }
    // A regular file larger than any document is refused before anything is
    // read; a pipe or device is checked as it is read.
    regular = S_ISREG(info.st_mode);
    if (regular && static_cast<std::uint64_t>(info.st_size) > kMaxFileBytes) {
        errorText = kUnexpectedFormatText;
        return false;
    }
    size = regular ? static_cast<std::size_t>(info.st_size) : 0;
    return true;
}

long long CReadableFile::Read(std::uint8_t* into, std::size_t count, std::string& errorText)
{
    for (;;) {
        const ssize_t n = ::read(fd, into, count);
        if (n >= 0)
            return n;
        if (errno != EINTR) {
            errorText = FileErrorText(errno, path);
            return -1;
        }
    }
}

bool CReadableFile::ReadAt(std::size_t offset, std::uint8_t* into, std::size_t count, std::string& errorText)
{
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::pread(fd, into + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            errorText = n < 0 ? FileErrorText(errno, path) : std::string(kUnexpectedFormatText);
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool CReadableFile::ReadRest(std::vector<std::uint8_t>& bytes, std::string& errorText)
{
    std::vector<std::uint8_t> data;
    if (regular)
        data.reserve(size);
    std::uint8_t chunk[65536];
    for (;;) {
        const long long n = Read(chunk, sizeof chunk, errorText);
        if (n < 0)
            return false;
        if (n == 0)
            break;
        if (data.size() + static_cast<std::size_t>(n) > kMaxFileBytes) {
            errorText = kUnexpectedFormatText;
            return false;
        }
        data.insert(data.end(), chunk, chunk + n);
    }
    bytes = std::move(data);
    return true;
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& errorText)
{
    CReadableFile file;
    return file.Open(path, errorText) && file.ReadRest(bytes, errorText);
}

CReplacingFile::~CReplacingFile() { Abandon(); }

bool CReplacingFile::Fail(int error, std::string& errorText)
{
    errorText = FileErrorText(error, path);
    Abandon();
    return false;
}

void CReplacingFile::Abandon()
{
    CloseQuietly(fd);
    fd = -1;
    if (!temp.empty())
        ::unlink(temp.c_str());
    temp.clear();
}

bool CReplacingFile::Open(const std::string& name, std::string& errorText)
{
    path = name;
    // The path as the system resolves it, links included (also links such
    // as /dev/fd/N that name no path of their own). A pipe, a terminal or a
    // device cannot be replaced by renaming, and opening it neither creates
    // nor truncates anything: it is written into.
    struct stat named {};
    if (::stat(path.c_str(), &named) == 0 && !S_ISREG(named.st_mode) && !S_ISDIR(named.st_mode)) {
        fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        return fd >= 0 || Fail(errno, errorText);
    }

    target = ResolveTarget(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode))
            return Fail(EISDIR, errorText);
        if (::access(target.c_str(), W_OK) != 0)
            return Fail(errno, errorText);
    }

    // The new file goes into the target's directory so that the rename
    // stays on one file system and replaces the target in one step.
    static std::atomic<unsigned> counter{0};
    const std::string directory = DirectoryOf(target);
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        std::string candidate = directory + '/' + TempNameFor(BaseNameOf(target), counter++);
        fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return Fail(errno, errorText);
        if (fd >= 0)
            temp = std::move(candidate);
    }
    if (fd < 0)
        return Fail(EEXIST, errorText);
    if (exists)
        (void)::fchmod(fd, existing.st_mode & 0777);
    return true;
}

bool CReplacingFile::Write(const std::uint8_t* data, std::size_t count, std::string& errorText)
{
    if (fd < 0)
        return Fail(EBADF, errorText);
    return WriteAll(fd, data, count) || Fail(errno, errorText);
}

bool CReplacingFile::Commit(std::string& errorText)
{
    if (fd < 0)
        return Fail(EBADF, errorText);
    if (temp.empty()) {
        const int closed = ::close(fd);
        fd = -1;
        return closed == 0 || errno == EINTR || Fail(errno, errorText);
    }
    if (::fsync(fd) != 0)
        return Fail(errno, errorText);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        return Fail(errno, errorText);
    if (::rename(temp.c_str(), target.c_str()) != 0)
        return Fail(errno, errorText);
    temp.clear();

    // Make the rename itself durable; a failure here leaves a complete file.
    const int dirFd = ::open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        (void)::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

bool ReplaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& errorText)
{
    CReplacingFile file;
    return file.Open(path, errorText) && file.Write(bytes.data(), bytes.size(), errorText) &&
           file.Commit(errorText);
}
