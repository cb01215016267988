// The PDF book as real readers see it (qpdf and the poppler tools), written by the
// command into a folder: the start values, and the same wall with a shear key. Each
// test is skipped only where its program is not installed.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "output/pdf_book.h"
#include "pdf_book_test_book.h"
#include "support/external_programs.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

namespace fs = std::filesystem;

// pdftotext's layout puts ASCII blanks for the full-width blank and for runs of
// blanks, and reads CP932's "～" back through the Japanese CMap as the wave dash
// "〜"; both sides of a comparison are brought to one form.
std::string normalised(std::string text) {
    auto replaceAll = [&](const std::string& from, const std::string& to) {
        for (std::size_t at; (at = text.find(from)) != std::string::npos;)
            text.replace(at, from.size(), to);
    };
    replaceAll("　", " ");
    replaceAll("〜", "～");
    std::string out;
    for (char c : text)
        if (c != ' ' || out.empty() || out.back() != ' ') out += c;
    return out;
}

const char* const kSubject = "擁壁試験01";

class PdfBookReaders : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder = new testing::TempFolder;
        for (bool key : {false, true}) {
            fs::create_directory(dir(key));
            const CalculationBook book = testing::representativeBook(
                key ? testing::wallWithShearKey() : DesignConditions{}, kSubject);
            testing::FakeDialogs dialogs;
            dialogs.answers = {true, false};
            written[key] = writePdfBook(book, kSubject, key, dialogs, dir(key));
        }
    }
    static void TearDownTestSuite() {
        if (const char* keep = std::getenv("MARVOTEN_KEEP_PDF_BOOK"))
            fs::copy(folder->path(), keep,
                     fs::copy_options::overwrite_existing | fs::copy_options::recursive);
        delete folder;
        folder = nullptr;
    }
    static fs::path dir(bool key) { return folder->path() / (key ? "key" : "nokey"); }
    static fs::path path(bool key) { return dir(key) / u8"擁壁計算結果.pdf"; }

    static std::string pageText(bool key, int page) {
        const std::string n = std::to_string(page);
        testing::ProgramRun r =
            testing::runProgram("pdftotext -layout -enc UTF-8 -f " + n + " -l " + n + " " +
                                testing::shellQuoted(path(key)) + " -");
        EXPECT_EQ(r.status, 0) << r.output;
        return r.output;
    }

    static testing::TempFolder* folder;
    static bool written[2];
};
testing::TempFolder* PdfBookReaders::folder = nullptr;
bool PdfBookReaders::written[2] = {false, false};

TEST_F(PdfBookReaders, QpdfFindsNoErrors) {
    MARVOTEN_ASSERT_INSTALLED("qpdf");
    for (bool key : {false, true}) {
        ASSERT_TRUE(written[key]);
        testing::ProgramRun r =
            testing::runProgram("qpdf --check " + testing::shellQuoted(path(key)));
        EXPECT_EQ(r.status, 0) << r.output;
        EXPECT_NE(r.output.find("No syntax or stream encoding errors found"), std::string::npos)
            << r.output;
    }
}

TEST_F(PdfBookReaders, PdfinfoCountsTwelveOrThirteenPagesAndReadsTheInformation) {
    MARVOTEN_ASSERT_INSTALLED("pdfinfo");
    for (bool key : {false, true}) {
        testing::ProgramRun r = testing::runProgram("pdfinfo " + testing::shellQuoted(path(key)));
        ASSERT_EQ(r.status, 0) << r.output;
        EXPECT_EQ(testing::reportField(r.output, "Pages"), key ? "13" : "12") << r.output;
        EXPECT_EQ(testing::reportField(r.output, "Page size"), "596 x 842 pts (A4)") << r.output;
        // This poppler shows the language tag's "ja" as a character before each text.
        EXPECT_NE(testing::reportField(r.output, "Author").find("MRV"), std::string::npos)
            << r.output;
        EXPECT_NE(testing::reportField(r.output, "Title").find(kSubject), std::string::npos)
            << r.output;
        EXPECT_NE(testing::reportField(r.output, "Creator").find("Marvoten Ver3.1"),
                  std::string::npos)
            << r.output;
        EXPECT_NE(testing::reportField(r.output, "Subject").find("擁壁計算結果.pdf"),
                  std::string::npos)
            << r.output;
    }
}

TEST_F(PdfBookReaders, PdffontsListsOnlyTheMinchoType0FontNotEmbedded) {
    MARVOTEN_ASSERT_INSTALLED("pdffonts");
    testing::ProgramRun r = testing::runProgram("pdffonts " + testing::shellQuoted(path(true)));
    ASSERT_EQ(r.status, 0) << r.output;
    // Header, rule, then one line per font.
    int fonts = 0;
    std::size_t at = 0;
    for (std::size_t nl; (nl = r.output.find('\n', at)) != std::string::npos; at = nl + 1) {
        std::string line = r.output.substr(at, nl - at);
        if (line.rfind("name", 0) == 0 || line.rfind("----", 0) == 0 || line.empty()) continue;
        ++fonts;
        EXPECT_NE(line.find("90msp-RKSJ-H"), std::string::npos) << line;
        EXPECT_NE(line.find("CID TrueType"), std::string::npos) << line;
        EXPECT_NE(line.find(" no  "), std::string::npos) << "embedded? " << line;
    }
    EXPECT_EQ(fonts, 1) << r.output;
}

TEST_F(PdfBookReaders, PdftotextFindsEachPagesLinesOnItsPage) {
    MARVOTEN_ASSERT_INSTALLED("pdftotext");
    struct Case {
        int page;
        std::vector<std::string> texts;
    } cases[] = {
        {1,
         {"目　　次", std::string("件　名：") + kSubject, "逆Ｌ型擁壁計算書　目次", "・・・・P1",
          "・・・・P11", "・・・・P12"}},
        {2,
         {"Ⅰ.設計条件", "1.裏込土の諸量", "5.許容応力度", "Ce ：部材断面の有効高dの補正係数",
          "10,000", "Page: 1"}},
        {3, {"Ⅱ-1.荷重計算(自重:安定計算用)", "表:荷重座標一覧表", "点番号図", "Page: 2"}},
        {5,
         {"Ⅱ-3.荷重計算(土圧等)", "土圧は試行くさび法により求める。", "すべり角～土圧図",
          "表:荷重一覧", "主働土圧", "Page: 4"}},
        {6,
         {"Ⅲ-1.安定計算", "1.滑動に対する安定", "3.支持地盤の支持力に対する安定", "地盤反力",
          "Page: 5"}},
        {8, {"Ⅲ-2.荷重図", "荷重図(安定計算時)", "荷重概要", "Ph=161.58kN", "Page: 7"}},
        {11,
         {"Ⅳ-1-3.構造計算:たて壁(鉄筋定着長)", "L1(高さ～必要鉄筋量)", "L2(高さ～引張応力度)",
          "Page: 10"}},
        {12, {"Ⅳ-2-1.構造計算:底版(つま先版)", "表:断面力(剪断力:H/2部)", "Page: 11"}},
        {13, {"Ⅳ-2-2.構造計算:底版(突起)", "突起の設計", "表:応力度及び配筋量", "Page: 12"}},
    };
    for (const Case& c : cases) {
        const std::string text = normalised(pageText(true, c.page));
        for (const std::string& expected : c.texts)
            EXPECT_NE(text.find(normalised(expected)), std::string::npos)
                << "page " << c.page << " lacks '" << expected << "':\n"
                << text;
    }
    // The contents page is not numbered; the book without a key ends on page 12.
    EXPECT_EQ(pageText(true, 1).find("Page:"), std::string::npos);
    EXPECT_NE(pageText(false, 12).find("Page: 11"), std::string::npos);
    EXPECT_EQ(pageText(false, 1).find("・・・・P12"), std::string::npos);
}

TEST_F(PdfBookReaders, PdftoppmRendersEveryPageWithoutError) {
    MARVOTEN_ASSERT_INSTALLED("pdftoppm");
    for (bool key : {false, true}) {
        const fs::path prefix = dir(key) / "page";
        testing::ProgramRun r =
            testing::runProgram("pdftoppm -r 50 -png " + testing::shellQuoted(path(key)) + " " +
                                testing::shellQuoted(prefix));
        EXPECT_EQ(r.status, 0) << r.output;
        EXPECT_EQ(r.output.find("Error"), std::string::npos) << r.output;
        const int pages = key ? 13 : 12;
        for (int page = 1; page <= pages; ++page) {
            char name[32];
            std::snprintf(name, sizeof name, "page-%02d.png", page);
            ASSERT_TRUE(fs::exists(dir(key) / name)) << name;
            EXPECT_GT(fs::file_size(dir(key) / name), 2000u) << name;
        }
    }
}

}  // namespace
}  // namespace marvoten
