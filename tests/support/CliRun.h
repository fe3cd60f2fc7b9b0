#pragma once
// Calling dorvan-cli's commands in the test process, with string streams
// and a folder of the test's own.
#include "CliCommands.h"
#include "archive/FileAccess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

struct CCliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline CCliRun RunCliCommand(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    CCliRun run;
    run.status = RunCli(args, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

inline std::string ExampleDocumentPath(const std::string& name)
{
    return std::string(DORVAN_SOURCE_DIR) + "/examples/" + name;
}

inline std::vector<std::uint8_t> FileBytes(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    std::string error;
    ReadWholeFile(path, bytes, error);
    return bytes;
}

inline std::string FileText(const std::string& path)
{
    const std::vector<std::uint8_t> bytes = FileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

// A fixture with an empty folder of its own, removed afterwards.
class CCliFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() /
                 ("dorvan-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string Path(const std::string& name) const { return (folder / name).string(); }

    std::filesystem::path folder;
};
