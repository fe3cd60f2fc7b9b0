// Saving and loading files: texts of file errors and crash-safe replacing.
#include "FileTestBytes.h"
#include "LargestAllocation.h"
#include "archive/DocumentFile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fcntl.h>
#include <fstream>
#include <pwd.h>
#include <sys/wait.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Bytes this process has read through system calls so far.
long long BytesReadSoFar()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = 0;
    while (io >> key >> value)
        if (key == "rchar:")
            return value;
    return 0;
}

class FileSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("dorvan-file-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(dir, fs::perms::owner_all, ignored);
        fs::remove_all(dir, ignored);
    }

    static std::vector<std::uint8_t> Contents(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
    }
    static void Put(const fs::path& path, const std::vector<std::uint8_t>& bytes)
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    // Names in the folder other than the given ones (left-over new files).
    std::vector<std::string> Others(std::initializer_list<std::string> known) const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) {
            const std::string name = entry.path().filename().string();
            if (std::find(known.begin(), known.end(), name) == known.end())
                names.push_back(name);
        }
        return names;
    }

    fs::path dir;
};

}  // namespace

TEST_F(FileSave, SaveAndLoadSetPathTitleAndModifiedFlag)
{
    CKalvexDoc doc;
    FillRealisticDocument(doc);
    doc.SetModifiedFlag(true);
    const std::string path = (dir / "Mine.zt2").string();
    const CFileResult saved = SaveDocumentFile(path, doc);
    ASSERT_TRUE(saved.ok) << saved.message;
    EXPECT_TRUE(saved.message.empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.PathName(), path);
    EXPECT_EQ(doc.Title(), "Mine.zt2");
    EXPECT_EQ(Contents(path), WriteDocumentBytes(doc));
    EXPECT_TRUE(Others({"Mine.zt2"}).empty());

    CKalvexDoc loaded;
    loaded.SetModifiedFlag(true);
    const CFileResult read = LoadDocumentFile(path, loaded);
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_FALSE(loaded.IsModified());
    EXPECT_EQ(loaded.Title(), "Mine.zt2");
    EXPECT_EQ(loaded.BranchCount(), 3);
    EXPECT_EQ(loaded.resultBranch, nullptr);
    EXPECT_EQ(loaded.graphBranch, nullptr);
}

TEST_F(FileSave, LoadErrorsNameTheFile)
{
    CKalvexDoc doc;
    FillRealisticDocument(doc);
    const std::vector<std::uint8_t> before = WriteDocumentBytes(doc);

    const std::string missing = (dir / "missing.zt2").string();
    CFileResult result = LoadDocumentFile(missing, doc);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, missing + " was not found.");

    const std::string inMissingDir = (dir / "nodir" / "a.zt2").string();
    EXPECT_EQ(LoadDocumentFile(inMissingDir, doc).message,
              "All or part of the path " + inMissingDir + " is invalid.");

    EXPECT_EQ(LoadDocumentFile(dir.string(), doc).message, "Access to " + dir.string() + " was denied.");

    const std::string garbage = (dir / "garbage.zt2").string();
    Put(garbage, {1, 2, 3});
    EXPECT_EQ(LoadDocumentFile(garbage, doc).message, "Unexpected file format.");

    const std::string empty = (dir / "empty.zt2").string();
    Put(empty, {});
    EXPECT_EQ(LoadDocumentFile(empty, doc).message, "Unexpected file format.");

    if (::geteuid() != 0) {
        const std::string locked = (dir / "locked.zt2").string();
        Put(locked, before);
        fs::permissions(locked, fs::perms::none);
        EXPECT_EQ(LoadDocumentFile(locked, doc).message, "Access to " + locked + " was denied.");
    }
    EXPECT_EQ(WriteDocumentBytes(doc), before);
    EXPECT_TRUE(doc.PathName().empty());
}

TEST_F(FileSave, LargeDocumentsAreStreamedNotHeldTwice)
{
    // 8.5 MB of result rows: saving and loading never take a block the size
    // of the file, yet the file holds the same bytes as the in-memory form,
    // and a reload gives them back.
    CKalvexDoc doc;
    FillRealisticDocument(doc);
    for (int i = 1; i < 20; ++i)
        doc.InsertNewBranch(i);
    for (int i = 0; i < doc.BranchCount(); ++i) {
        std::vector<CResultInterval>& rows = doc.BranchAt(i).ResultList();
        rows.resize(3000);
        for (std::size_t r = 0; r < rows.size(); ++r)
            rows[r].distance = static_cast<double>(r) + i;
    }
    doc.BranchAt(7).ResultList()[2999] = CResultInterval::Message("end of branch");
    doc.BranchAt(3).description.assign(300000, 'd');  // longer than a chunk of the reader
    const std::vector<std::uint8_t> bytes = WriteDocumentBytes(doc);
    ASSERT_GT(bytes.size(), std::size_t{8} << 20);
    const std::string path = (dir / "large.zt2").string();

    ResetLargestAllocation();
    ASSERT_TRUE(SaveDocumentFile(path, doc).ok);
    EXPECT_LT(LargestAllocation(), std::size_t{1} << 20);
    EXPECT_EQ(Contents(path), bytes);

    CKalvexDoc loaded;
    ResetLargestAllocation();
    ASSERT_TRUE(LoadDocumentFile(path, loaded).ok);
    EXPECT_LT(LargestAllocation(), std::size_t{1} << 20);
    EXPECT_EQ(WriteDocumentBytes(loaded), bytes);

    // Cut short, the streamed file fails as the same bytes in memory do.
    ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(bytes.size() / 2)), 0);
    const CFileResult cut = LoadDocumentFile(path, loaded);
    EXPECT_FALSE(cut.ok);
    EXPECT_EQ(cut.message, "Unexpected file format.");
    EXPECT_EQ(WriteDocumentBytes(loaded), bytes);
}

TEST_F(FileSave, FileOverOneGibibyteFailsBeforeReading)
{
    // A sparse file: its size is set without using the disk.
    CKalvexDoc doc;
    FillRealisticDocument(doc);
    const std::vector<std::uint8_t> before = WriteDocumentBytes(doc);
    const std::string huge = (dir / "huge.zt2").string();
    Put(huge, {});
    ASSERT_EQ(::truncate(huge.c_str(), (off_t{1} << 30) + 1), 0);

    const long long readBefore = BytesReadSoFar();
    ResetLargestAllocation();
    const CFileResult result = LoadDocumentFile(huge, doc);
    EXPECT_LT(LargestAllocation(), std::size_t{1} << 20);
    EXPECT_LT(BytesReadSoFar() - readBefore, 1 << 20);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Unexpected file format.");
    EXPECT_EQ(WriteDocumentBytes(doc), before);
}

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define DORVAN_NO_ADDRESS_LIMIT 1
#endif

namespace {

// Limits the address space to what is in use now plus the given bytes, so
// that larger allocations fail; restores the limit when destroyed.
class AddressSpaceLimit {
public:
    explicit AddressSpaceLimit(std::size_t headroom)
    {
        ::getrlimit(RLIMIT_AS, &saved);
        std::ifstream statm("/proc/self/statm");
        std::size_t pages = 0;
        statm >> pages;
        rlimit tight = saved;
        tight.rlim_cur = pages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE)) + headroom;
        active = pages > 0 && ::setrlimit(RLIMIT_AS, &tight) == 0;
    }
    ~AddressSpaceLimit() { ::setrlimit(RLIMIT_AS, &saved); }
    bool active = false;

private:
    rlimit saved{};
};

}  // namespace

TEST_F(FileSave, OutOfMemoryIsReportedAndTheDocumentStays)
{
#ifdef DORVAN_NO_ADDRESS_LIMIT
    GTEST_SKIP() << "the sanitizer reserves more address space than a limit allows";
#else
    CKalvexDoc doc;
    FillRealisticDocument(doc);
    const std::vector<std::uint8_t> before = WriteDocumentBytes(doc);

    // Loading: the rows of a 56 MB document need more memory than there is.
    const std::string big = (dir / "big.zt2").string();
    {
        CKalvexDoc rows;
        FillRealisticDocument(rows);
        rows.BranchAt(0).ResultList().resize(400000);
        ASSERT_TRUE(SaveDocumentFile(big, rows).ok);
    }
    // Saving: a 96 MB name makes a file image larger than there is room for
    // (and than the free memory earlier tests may leave in the heap).
    CKalvexDoc large;
    FillRealisticDocument(large);
    large.BranchAt(0).name.assign(std::size_t{96} << 20, 'x');
    const std::string target = (dir / "old.zt2").string();
    Put(target, {7, 7});

    CFileResult loaded, saved;
    {
        const AddressSpaceLimit limit(std::size_t{16} << 20);
        if (!limit.active)
            GTEST_SKIP() << "the address space cannot be limited here";
        loaded = LoadDocumentFile(big, doc);
        saved = SaveDocumentFile(target, large);
    }
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded.message, "Failed to open document.");
    EXPECT_EQ(WriteDocumentBytes(doc), before);
    EXPECT_TRUE(doc.PathName().empty());
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message, "Failed to save document.");
    EXPECT_EQ(Contents(target), (std::vector<std::uint8_t>{7, 7}));
    EXPECT_TRUE(large.PathName().empty());
    EXPECT_TRUE(Others({"big.zt2", "old.zt2"}).empty());
#endif
}

TEST_F(FileSave, FailedSavesLeaveTheOldFile)
{
    CKalvexDoc doc;
    FillRealisticDocument(doc);
    doc.SetModifiedFlag(true);

    // Into a folder that does not exist.
    const std::string nowhere = (dir / "nodir" / "a.zt2").string();
    CFileResult result = SaveDocumentFile(nowhere, doc);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "All or part of the path " + nowhere + " is invalid.");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.PathName().empty());

    // Onto a folder.
    const fs::path folder = dir / "folder.zt2";
    fs::create_directory(folder);
    Put(folder / "inside", {7});
    result = SaveDocumentFile(folder.string(), doc);
    EXPECT_EQ(result.message, "Access to " + folder.string() + " was denied.");
    EXPECT_EQ(Contents(folder / "inside"), std::vector<std::uint8_t>{7});

    // Below a plain file used as a folder.
    const fs::path plain = dir / "plain";
    Put(plain, {1});
    result = SaveDocumentFile((plain / "a.zt2").string(), doc);
    EXPECT_EQ(result.message, "All or part of the path " + (plain / "a.zt2").string() + " is invalid.");

    // Into a folder without write permission (root may write anyway).
    if (::geteuid() != 0) {
        const fs::path locked = dir / "locked";
        fs::create_directory(locked);
        Put(locked / "old.zt2", {1, 2, 3});
        fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
        result = SaveDocumentFile((locked / "old.zt2").string(), doc);
        EXPECT_EQ(result.message, "Access to " + (locked / "old.zt2").string() + " was denied.");
        fs::permissions(locked, fs::perms::owner_all);
        EXPECT_EQ(Contents(locked / "old.zt2"), (std::vector<std::uint8_t>{1, 2, 3}));
    }
    EXPECT_TRUE(Others({"folder.zt2", "plain", "locked"}).empty());
}

TEST_F(FileSave, WriteFailingHalfwayKeepsTheOldFile)
{
    // A file size limit makes the write of the new file fail after its
    // first bytes, as a full disk would.
    const fs::path target = dir / "old.zt2";
    const std::vector<std::uint8_t> old(300, 0x5A);
    Put(target, old);
    CKalvexDoc doc;
    FillRealisticDocument(doc);

    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const CFileResult result = SaveDocumentFile(target.string(), doc);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_GT(WriteDocumentBytes(doc).size(), 1000u);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Disk full while accessing " + target.string() + ".");
    EXPECT_EQ(Contents(target), old);
    EXPECT_TRUE(Others({"old.zt2"}).empty());
    EXPECT_TRUE(doc.PathName().empty());
}

TEST_F(FileSave, ReplacingKeepsPermissionsAndFollowsLinks)
{
    CKalvexDoc doc;
    FillRealisticDocument(doc);
    const fs::path target = dir / "shared.zt2";
    Put(target, {1});
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(SaveDocumentFile(target.string(), doc).ok);
    EXPECT_EQ(fs::status(target).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Contents(target), WriteDocumentBytes(doc));

    const fs::path link = dir / "link.zt2";
    fs::create_symlink(target, link);
    doc.BranchAt(0).name = "through the link";
    ASSERT_TRUE(SaveDocumentFile(link.string(), doc).ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Contents(target), WriteDocumentBytes(doc));
    EXPECT_EQ(doc.PathName(), link.string());
}

TEST_F(FileSave, PipesAndDevicesAreWrittenIntoNotReplaced)
{
    CKalvexDoc doc;
    FillRealisticDocument(doc);
    const std::vector<std::uint8_t> expected = WriteDocumentBytes(doc);

    const fs::path fifo = dir / "pipe.zt2";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path link = dir / "link.zt2";
    fs::create_symlink(fifo, link);
    for (const fs::path& path : {fifo, link}) {
        // Opened before the save so that the writer never waits for a reader.
        const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(reader, 0);
        std::atomic<bool> done{false};
        CFileResult result;
        std::thread saver([&] {
            result = SaveDocumentFile(path.string(), doc);
            done = true;
        });
        std::vector<std::uint8_t> got;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (std::chrono::steady_clock::now() < deadline) {
            std::uint8_t chunk[4096];
            const bool finished = done;
            const ssize_t n = ::read(reader, chunk, sizeof chunk);
            if (n > 0)
                got.insert(got.end(), chunk, chunk + n);
            else if (finished)
                break;
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        saver.join();
        ::close(reader);
        EXPECT_TRUE(result.ok) << result.message;
        EXPECT_EQ(got, expected) << path;
        EXPECT_TRUE(fs::is_fifo(fifo));
    }
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(Others({"pipe.zt2", "link.zt2"}).empty());

    // A device: written into, never renamed over (which root could do).
    const CFileResult null = SaveDocumentFile("/dev/null", doc);
    EXPECT_TRUE(null.ok) << null.message;
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(FileSave, LongFileNamesCanBeSaved)
{
    CKalvexDoc doc;
    FillRealisticDocument(doc);
    // 250 bytes, the last ones two-byte characters so that a shortened new
    // file name has to end between characters.
    std::string name(240, 'n');
    for (int i = 0; i < 3; ++i)
        name += "\xC3\xA9";  // é
    name += ".zt2";
    ASSERT_EQ(name.size(), 250u);
    const fs::path target = dir / name;
    const CFileResult created = SaveDocumentFile(target.string(), doc);
    ASSERT_TRUE(created.ok) << created.message;
    doc.BranchAt(0).name = "replaced";
    const CFileResult replaced = SaveDocumentFile(target.string(), doc);
    ASSERT_TRUE(replaced.ok) << replaced.message;
    EXPECT_EQ(Contents(target), WriteDocumentBytes(doc));
    EXPECT_TRUE(Others({name}).empty());
}

TEST_F(FileSave, WriteProtectedFileIsNotReplaced)
{
    const fs::path target = dir / "protected.zt2";
    const fs::path writable = dir / "writable.zt2";
    Put(target, {9, 9});
    Put(writable, {8});
    fs::permissions(target, fs::perms::owner_read);
    if (::geteuid() != 0) {
        CKalvexDoc doc;
        FillRealisticDocument(doc);
        EXPECT_EQ(SaveDocumentFile(target.string(), doc).message,
                  "Access to " + target.string() + " was denied.");
        EXPECT_EQ(Contents(target), (std::vector<std::uint8_t>{9, 9}));
        return;
    }
    // Root may write any file: the saves run as an unprivileged user who
    // owns the folder and both files.
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    for (const fs::path& path : {dir, target, writable})
        ASSERT_EQ(::chown(path.c_str(), nobody->pw_uid, nobody->pw_gid), 0) << path;
    // The build folder may lie below a home only root can enter (as in CI):
    // the helper runs from a copy in the test folder.
    const fs::path helper = dir / "save-helper";
    fs::copy_file(DORVAN_SAVE_HELPER, helper);
    fs::permissions(helper, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    auto saveAsNobody = [&](const fs::path& path, std::string& message) {
        const std::string command = "setpriv --reuid=" + std::to_string(nobody->pw_uid) +
                                    " --regid=" + std::to_string(nobody->pw_gid) + " --clear-groups '" +
                                    helper.string() + "' '" + path.string() + "' 2>&1";
        std::FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe)
            return -1;
        char buffer[512];
        message.clear();
        while (std::fgets(buffer, sizeof buffer, pipe))
            message += buffer;
        const int status = ::pclose(pipe);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    std::string message;
    const int saved = saveAsNobody(writable, message);
    if (saved != 0)
        GTEST_SKIP() << "cannot save as an unprivileged user here: " << message;
    EXPECT_EQ(Contents(writable), WriteDocumentBytes(NewDocument()));
    EXPECT_EQ(saveAsNobody(target, message), 1);
    EXPECT_EQ(message, "Access to " + target.string() + " was denied.");
    EXPECT_EQ(Contents(target), (std::vector<std::uint8_t>{9, 9}));
    EXPECT_TRUE(Others({"protected.zt2", "writable.zt2", "save-helper"}).empty());
}
