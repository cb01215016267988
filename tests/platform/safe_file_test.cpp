#include "platform/safe_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/utf8_path.h"
#include "support/ordinary_user.h"
#include "support/system_reasons.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

namespace fs = std::filesystem;

size_t entriesIn(const fs::path& folder) {
    return static_cast<size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(SafeFile, WritesAndReplacesWholeFileUnderItsJapaneseName) {
    testing::TempFolder tmp;
    fs::path target = tmp.path() / pathFromUtf8("図：荷重図.wmf");
    writeFileSafely(target, "first version, longer\r\n");
    writeFileSafely(target, "second\r\n");
    EXPECT_EQ(readFileBytes(target), "second\r\n");
    ASSERT_EQ(entriesIn(tmp.path()), 1u) << "no temporary file left behind";
    EXPECT_EQ(utf8FromPath(fs::directory_iterator(tmp.path())->path().filename()), "図：荷重図.wmf")
        << "the name the folder lists";
}

// Writes into a read-only folder as an ordinary user: as root the test forks and
// drops to "nobody", since root ignores folder permissions.
TEST(SafeFile, ReadOnlyFolderKeepsOldFileAndGivesReason) {
#ifdef _WIN32
    GTEST_SKIP() << testing::kNoUnwritableFolderOnWindows;
#else
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
#endif
}

#ifdef _WIN32
// What keeps a file from being replaced on Windows is another program holding it
// open without sharing, as a viewer holds the book it shows; the system names the
// reason in its own words.
TEST(SafeFile, AFileHeldOpenByAnotherProgramKeepsItsContentAndGivesReason) {
    testing::TempFolder tmp;
    const fs::path target = tmp.path() / pathFromUtf8("擁壁計算結果.pdf");
    writeFileSafely(target, "old");
    const HANDLE held =
        ::CreateFileW(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(testing::throwsWithMessage<FileWriteError>([&] { writeFileSafely(target, "new"); },
                                                           "擁壁計算結果.pdf」を書き込めません："));
    ::CloseHandle(held);
    EXPECT_EQ(readFileBytes(target), "old");
    EXPECT_EQ(entriesIn(tmp.path()), 1u);
}
#endif

TEST(SafeFile, MissingFolderIsAnErrorWithTheSystemsReason) {
    testing::TempFolder tmp;
    EXPECT_TRUE(testing::throwsWithMessage<FileWriteError>(
        [&] { writeFileSafely(tmp.path() / "missing" / "a.dat", "x"); }, testing::kNoSuchFolder));
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

// A folder opens for reading and then fails at the first read (on Windows, already
// at the opening): the error must not pass for an empty file.
TEST(SafeFile, AReadThatFailsIsAnErrorNotAShortFile) {
    testing::TempFolder tmp;
    EXPECT_TRUE(testing::throwsWithMessage<FileReadError>([&] { readFileBytes(tmp.path()); },
                                                          testing::kReadingAFolder));
}

TEST(SafeFile, ReadsAFileLongerThanOneBufferWhole) {
    testing::TempFolder tmp;
    std::string bytes;
    for (int i = 0; i < 200000; ++i) bytes.push_back(static_cast<char>(i % 251));
    writeFileSafely(tmp.path() / "long.bin", bytes);
    EXPECT_EQ(readFileBytes(tmp.path() / "long.bin"), bytes);
}

class SafeFileBatch : public ::testing::Test {
protected:
    testing::TempFolder tmp;
    fs::path file(const char* name) const { return tmp.path() / name; }
    void writeEarlierFiles() {
        writeFileSafely(file("a.txt"), "earlier a");
        writeFileSafely(file("c.txt"), "earlier c");
    }
    void expectEarlierFiles() {
        EXPECT_EQ(readFileBytes(file("a.txt")), "earlier a");
        EXPECT_EQ(readFileBytes(file("c.txt")), "earlier c");
        EXPECT_FALSE(fs::exists(file("d.txt"))) << "a file that was not there stays away";
    }
};

TEST_F(SafeFileBatch, CommitReplacesEveryFileAndLeavesNoTemporary) {
    writeEarlierFiles();
    FileBatch batch;
    batch.add(file("a.txt"), "new a");
    batch.add(file("c.txt"), "new c");
    batch.add(file("d.txt"), "first d");
    batch.add(file("d.txt"), "new d");
    EXPECT_EQ(readFileBytes(file("a.txt")), "earlier a") << "nothing replaced before commit";
    batch.commit();
    EXPECT_EQ(readFileBytes(file("a.txt")), "new a");
    EXPECT_EQ(readFileBytes(file("c.txt")), "new c");
    EXPECT_EQ(readFileBytes(file("d.txt")), "new d") << "a file named twice holds its last bytes";
    EXPECT_EQ(entriesIn(tmp.path()), 3u);
}

// A batch that ends without committing every file leaves the earlier files as they
// were and no file where there was none; each case names how its batch fails.
struct FailedBatchCase {
    const char* name;
    void (*fail)(const fs::path& folder);
    std::size_t entriesAfter;  // "a.txt" and "c.txt", and what the case made itself
};

class FailedSafeFileBatch : public SafeFileBatch,
                            public ::testing::WithParamInterface<FailedBatchCase> {};

TEST_P(FailedSafeFileBatch, LeavesTheEarlierFiles) {
    writeEarlierFiles();
    GetParam().fail(tmp.path());
    expectEarlierFiles();
    EXPECT_EQ(entriesIn(tmp.path()), GetParam().entriesAfter)
        << "no temporary or second name left behind";
}

const FailedBatchCase failedBatchCases[] = {
    {"NeverCommitted",
     [](const fs::path& folder) {
         FileBatch batch;
         batch.add(folder / "a.txt", "new a");
         batch.add(folder / "d.txt", "new d");
     },
     2},
    {"AFileCannotBeStarted",
     [](const fs::path& folder) {
         FileBatch batch;
         batch.add(folder / "a.txt", "new a");
         EXPECT_THROW(batch.add(folder / "missing" / "b.txt", "new b"), FileWriteError);
         batch.commit();
     },
     2},
    // The rename of the middle file fails after the first one was renamed: the first
    // gets its earlier file back, the new file where there was none goes again.
    {"ARenameFailsAfterOthersSucceeded",
     [](const fs::path& folder) {
         FileBatch batch;
         batch.add(folder / "d.txt", "new d");
         batch.add(folder / "a.txt", "new a");
         batch.add(folder / "b.txt", "new b");
         batch.add(folder / "c.txt", "new c");
         fs::create_directory(folder / "b.txt");
         writeFileSafely(folder / "b.txt" / "inner", "keep");
         EXPECT_TRUE(testing::throwsWithMessage<FileWriteError>([&] { batch.commit(); }, "b.txt"));
         EXPECT_EQ(readFileBytes(folder / "b.txt" / "inner"), "keep");
     },
     3},
};

INSTANTIATE_TEST_SUITE_P(Cases, FailedSafeFileBatch, ::testing::ValuesIn(failedBatchCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace marvoten
