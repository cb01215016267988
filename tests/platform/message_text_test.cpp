#include "platform/message_text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/safe_file.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

namespace fs = std::filesystem;

TEST(EchoText, QuotesShortTextsWholeAndCutsLongOnes) {
    const struct {
        std::string typed;
        std::string shown;
    } cases[] = {
        {"abc", "abc"},
        {"", ""},
        {std::string(40, 'x'), std::string(40, 'x')},
        {std::string(41, 'x'), std::string(40, 'x') + "…"},
        {std::string(10000, '9'), std::string(40, '9') + "…"},
        // Japanese characters count as one each, not by their bytes.
        {"擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁",
         "擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁…"},
        {std::string("1\0002", 3), "1?2"},
        {"a\rb\tc", "a?b?c"},
    };
    for (const auto& c : cases) EXPECT_EQ(echoText(c.typed), c.shown) << c.typed.size();
}

// The common reasons in Japanese, each with the system's own text beside it.
TEST(SystemErrorText, NamesTheCommonReasonsInJapanese) {
    const struct {
        int error;
        const char* japanese;
    } cases[] = {
        {EACCES, "アクセスする権限がありません"},   {EPERM, "アクセスする権限がありません"},
        {ENOSPC, "ディスクの空き容量が足りません"}, {ENOENT, "フォルダが見つかりません"},
        {EROFS, "読み取り専用の場所です"},          {EISDIR, "ファイルの場所にフォルダがあります"},
    };
    for (const auto& c : cases) {
        const std::string text = systemErrorText(c.error);
        EXPECT_EQ(text, std::string(c.japanese) + "（" + std::strerror(c.error) + "）");
    }
    EXPECT_EQ(systemErrorText(EIO), std::strerror(EIO)) << "other reasons as the system says";
}

// Real failures of a write: the message names the whole path and the reason in Japanese.
TEST(SystemErrorText, AFailedWriteNamesTheWholePathAndTheReason) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows gives its own reasons, in the language of the system";
#endif
    testing::TempFolder tmp;
    const fs::path folderInTheWay = tmp.path() / "擁壁.txt";
    fs::create_directories(folderInTheWay / "inside");
    const struct {
        fs::path target;
        const char* reason;
    } cases[] = {
        {tmp.path() / "missing" / "擁壁.txt", "フォルダが見つかりません"},
        {folderInTheWay, "ファイルの場所にフォルダがあります"},
    };
    const fs::path here = fs::current_path();
    fs::current_path(tmp.path());
    for (const auto& c : cases) {
        const fs::path relative = fs::relative(c.target, tmp.path());
        try {
            writeFileSafely(relative, "x");
            ADD_FAILURE() << "no error for " << c.target;
        } catch (const FileWriteError& e) {
            const std::string text = e.what();
            EXPECT_NE(text.find("「" + c.target.string() + "」"), std::string::npos) << text;
            EXPECT_NE(text.find(c.reason), std::string::npos) << text;
        }
    }
    fs::current_path(here);
}

}  // namespace
}  // namespace marvoten
