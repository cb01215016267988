#include "platform/safe_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/ordinary_user.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

namespace fs = std::filesystem;

size_t entriesIn(const fs::path& folder) {
    return static_cast<size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(SafeFile, WritesAndReplacesWholeFile) {
    testing::TempFolder tmp;
    fs::path target = tmp.path() / "擁壁.txt";
    writeFileSafely(target, "first version, longer\r\n");
    writeFileSafely(target, "second\r\n");
    EXPECT_EQ(readFileBytes(target), "second\r\n");
    EXPECT_EQ(entriesIn(tmp.path()), 1u) << "no temporary file left behind";
}

// Writes into a read-only folder as an ordinary user: as root the test forks and
// drops to "nobody", since root ignores folder permissions.
TEST(SafeFile, ReadOnlyFolderKeepsOldFileAndGivesReason) {
    testing::TempFolder tmp;
    fs::path target = tmp.path() / "a.dat";
    writeFileSafely(target, "old");
    fs::permissions(tmp.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
    const int status = testing::exitStatusAsOrdinaryUser([&] {
        try {
            writeFileSafely(target, "new");
        } catch (const FileWriteError& e) {
            return std::string(e.what()).find("Permission denied") != std::string::npos ? 0 : 1;
        }
        return 2;
    });
    EXPECT_EQ(status, 0) << "1: wrong reason, 2: no error, " << testing::kCouldNotDropRoot
                         << ": could not drop root";
    EXPECT_EQ(readFileBytes(target), "old");
    EXPECT_EQ(entriesIn(tmp.path()), 1u);
}

TEST(SafeFile, MissingFolderIsAnErrorWithTheSystemsReason) {
    testing::TempFolder tmp;
    EXPECT_TRUE(testing::throwsWithMessage<FileWriteError>(
        [&] { writeFileSafely(tmp.path() / "missing" / "a.dat", "x"); },
        "No such file or directory"));
}

TEST(SafeFile, FailedRenameOverAFolderKeepsItAndLeavesNoTemporary) {
    // A target that is a non-empty folder cannot be replaced; this fails for root too.
    testing::TempFolder tmp;
    fs::path target = tmp.path() / "out.pdf";
    fs::create_directory(target);
    writeFileSafely(target / "inner", "keep");
    EXPECT_THROW(writeFileSafely(target, "new"), FileWriteError);
    EXPECT_EQ(readFileBytes(target / "inner"), "keep");
    EXPECT_EQ(entriesIn(tmp.path()), 1u);
}

TEST(SafeFile, ReadingAMissingFileIsAnError) {
    testing::TempFolder tmp;
    EXPECT_THROW(readFileBytes(tmp.path() / "none.dat"), FileReadError);
}

}  // namespace
}  // namespace marvoten
