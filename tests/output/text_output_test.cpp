#include "output/text_output.h"

#include <gtest/gtest.h>

#include <sstream>

#include "book/line_format.h"
#include "platform/encoding.h"
#include "platform/safe_file.h"
#include "platform/utf8_path.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

std::vector<std::string> linesOf(const std::string& bytes) {
    std::string text = fromCp932(bytes);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

size_t indexOf(const std::vector<std::string>& lines, const std::string& s) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == s) return i;
    return std::string::npos;
}

TEST(TextOutput, TableRowsArePaddedCellsEachFollowedByAColon) {
    CalculationBook book;
    auto lines = linesOf(textOutputBytes(book, false));
    // The header row of SlabLoadTable at width 6.
    EXPECT_NE(indexOf(lines, "     -: A(m2): W(kN):Iy(m3):  X(m):"), std::string::npos);
    // A load-list label row at width 12; a cell longer than its width is written whole.
    book.resetResultTables();
    book.table(TableId::LoadListTable).setCell(1, 1, "123456789012345");
    lines = linesOf(textOutputBytes(book, false));
    size_t row = indexOf(lines,
                         "    躯体重量:123456789012345:         ---:         ---:         ---:"
                         "         ---:         ---:");
    EXPECT_NE(row, std::string::npos);
}

// A subject name from a file named "Müller.dat" once made the whole text output fail.
TEST(TextOutput, CharactersShiftJisCannotHoldAreWrittenAsQuestionMarks) {
    CalculationBook book;
    book.text(TextId::ContentsText).addLine("件　名：Müller");
    book.text(TextId::ContentsText).addLine("件　名：擁壁😀案");
    const auto lines = linesOf(textOutputBytes(book, false));
    EXPECT_NE(indexOf(lines, "件　名：M?ller"), std::string::npos);
    EXPECT_NE(indexOf(lines, "件　名：擁壁?案"), std::string::npos);
}

TEST(TextOutput, HeadingsBlocksAndTablesInBookOrder) {
    CalculationBook book;
    book.text(TextId::ContentsText).addLine("目次の行");
    book.text(TextId::ConditionsText).lower().addLine("下段の行");
    book.text(TextId::ToeStressText).addLine("つま先の行");
    const auto lines = linesOf(textOutputBytes(book, false));
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Marvoten Ver3.1");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "目次の行");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "") << "the empty upper block of ConditionsText is only its empty line";
    EXPECT_EQ(lines[5], "下段の行");
    const std::vector<std::string> headings{"Ⅱ-1.荷重計算(安定計算用)",
                                            "安定計算用",
                                            "Ⅱ-2.荷重計算(構造計算用)",
                                            "Ⅱ-3.荷重計算(土圧等)",
                                            "1.土圧計算",
                                            "2.その他の荷重",
                                            "4.荷重一覧",
                                            "Ⅲ-1.安定計算",
                                            "Ⅳ-1-1.構造計算:たて壁(断面力)",
                                            "Ⅳ-1-2.構造計算:たて壁(鉄筋量、応力度)",
                                            "Ⅳ-1-3.構造計算:たて壁(鉄筋定着位置)",
                                            "Ⅳ-2-1.構造計算:底版(つま先版)",
                                            "つま先版",
                                            "つま先の行"};
    size_t previous = 0;
    for (const auto& h : headings) {
        size_t at = indexOf(lines, h);
        ASSERT_NE(at, std::string::npos) << h;
        EXPECT_GT(at, previous) << h;
        previous = at;
    }
    EXPECT_EQ(indexOf(lines, "Ⅳ-2-2.構造計算:底版(突起)"), std::string::npos);
}

TEST(TextOutput, ShearKeyTailOnlyWithAKeyAndTheFileEndsWithTheEmptyLineOfTheLastTable) {
    CalculationBook book;
    for (bool key : {false, true}) {
        const std::string bytes = textOutputBytes(book, key);
        ASSERT_GE(bytes.size(), 5u);
        EXPECT_EQ(bytes.substr(bytes.size() - 5), ":\r\n\r\n");
        const auto lines = linesOf(bytes);
        const std::string& lastRow = lines[lines.size() - 2];
        const TableSection& last = book.table(key ? TableId::KeyTable : TableId::ToeStressTable);
        EXPECT_EQ(lastRow.substr(0, lastRow.find(':')),
                  padLeft(last.cell(0, last.rowCount() - 1), 10));
        EXPECT_EQ(indexOf(lines, "突起") != std::string::npos, key);
        for (const auto& l : lines) EXPECT_EQ(l.find("<no CR LF>"), std::string::npos);
    }
}

TEST(TextOutput, CommandConfirmsWritesReplacesAndReports) {
    testing::TempFolder tmp;
    CalculationBook book;
    testing::FakeDialogs dialogs;

    dialogs.defaultAnswer = false;
    EXPECT_FALSE(writeTextOutput(book, false, dialogs, tmp.path()));
    EXPECT_FALSE(std::filesystem::exists(tmp.path() / pathFromUtf8(kTextOutputName)));
    EXPECT_TRUE(dialogs.messages.empty()) << "No writes nothing and shows nothing more";
    ASSERT_EQ(dialogs.confirmations.size(), 1u);
    EXPECT_EQ(dialogs.confirmations[0],
              "計算結果をテキスト出力しますか。\r\r出力ファイル名は\r　擁壁.txt\rです。");

    dialogs.defaultAnswer = true;
    book.text(TextId::SlidingText).addLine("first run");
    EXPECT_TRUE(writeTextOutput(book, false, dialogs, tmp.path()));
    book.text(TextId::SlidingText).clear();
    book.text(TextId::SlidingText).addLine("second run");
    EXPECT_TRUE(writeTextOutput(book, false, dialogs, tmp.path()));
    const std::string written = readFileBytes(tmp.path() / pathFromUtf8(kTextOutputName));
    EXPECT_EQ(written, textOutputBytes(book, false));
    EXPECT_EQ(written.find("first run"), std::string::npos);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, "テキスト出力終わりました。");
}

// A folder in the way of the file: the write fails, the folder and what it holds
// stay, and the error is the only message (no completion).
TEST(TextOutput, FailedWriteReportsAndLeavesWhatWasThere) {
    testing::TempFolder tmp;
    std::filesystem::create_directory(tmp.path() / pathFromUtf8(kTextOutputName));
    writeFileSafely(tmp.path() / pathFromUtf8(kTextOutputName) / "inner", "keep");
    CalculationBook book;
    testing::FakeDialogs dialogs;
    EXPECT_FALSE(writeTextOutput(book, false, dialogs, tmp.path()));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_NE(dialogs.messages[0].text.find("擁壁.txt"), std::string::npos);
    EXPECT_EQ(readFileBytes(tmp.path() / pathFromUtf8(kTextOutputName) / "inner"), "keep");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.path()),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file is left";
    EXPECT_FALSE(writeTextOutput(book, false, dialogs, tmp.path() / "missing"))
        << "nor into a missing folder";
}

}  // namespace
}  // namespace marvoten
