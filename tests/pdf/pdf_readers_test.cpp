// The written file as real PDF readers see it (qpdf and the poppler tools). Each test
// is skipped only where its program is not installed.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "pdf/pdf_maker.h"
#include "platform/encoding.h"
#include "support/external_programs.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

// Three pages in the way the calculation book draws them: frame, title, text blocks,
// a ruled table and a clipped figure.
class ReaderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder = new testing::TempFolder;
        TPDFMaker pdf([] { return std::string("20261210153000"); });
        pdf.author = "MRV";
        pdf.title = "擁壁.dat";
        pdf.creator = "Marvoten Ver3.1";
        pdf.subject = "擁壁計算結果.pdf";
        TPDFFileStream file(path());
        pdf.BeginDoc(&file);
        const char* titles[] = {"目　　次", "Ⅰ.設計条件", "Ⅱ-1.荷重計算(自重:安定計算用)"};
        for (int page = 0; page < 3; ++page) {
            if (page) pdf.NewPage();
            TPDFContents& c = pdf.Canvas();
            c.fontId = kMSMincyoFontId;
            c.lineWidth = 1;
            c.DrawRect(false, 45, 817, 571, 28);
            c.DrawLine(45, 797, 571, 797);
            c.fontSize = 12;
            c.TextOut(titles[page], 50, 802);
            c.fontSize = 9;
            c.leading = 11;
            c.TextOut("表ソ十能 逆Ｌ型擁壁\r\n  γc(ｺﾝｸﾘｰﾄ単位重量)  =24.50kN\r\nH24擁壁工指針", 65,
                      760);
            c.lineWidth = 0.75;
            for (int row = 0; row <= 3; ++row) c.DrawLine(65, 600 - row * 13, 265, 600 - row * 13);
            c.DrawRect(true, 300, 600, 500, 400);
            c.lineWidth = 0.2;
            c.strokeColor = {255, 0, 0};
            c.DrawLine(280, 380, 520, 620);  // runs past the clip frame
            c.RestoreState();
            c.fontId = kMSGothicFontId;
            c.fontSize = 10;
            std::string footer = "Page: " + std::to_string(page);
            c.TextOut(footer, 45 + (526 - c.TextWidth(footer)) / 2, 16);
            c.fontId = 2;
            c.TextOut("Arial (ASCII)", 400, 760);
        }
        pdf.EndDoc();
    }
    static void TearDownTestSuite() {
        delete folder;
        folder = nullptr;
    }
    static std::filesystem::path path() { return folder->path() / u8"擁壁計算結果.pdf"; }
    static testing::TempFolder* folder;
};

testing::TempFolder* ReaderTest::folder = nullptr;

TEST_F(ReaderTest, QpdfFindsNoErrors) {
    MARVOTEN_ASSERT_INSTALLED("qpdf");
    testing::ProgramRun r = testing::runProgram("qpdf --check " + testing::shellQuoted(path()));
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_NE(r.output.find("No syntax or stream encoding errors found"), std::string::npos)
        << r.output;
}

TEST_F(ReaderTest, PdfinfoCountsThePagesAndReadsTheInformation) {
    MARVOTEN_ASSERT_INSTALLED("pdfinfo");
    testing::ProgramRun r = testing::runProgram("pdfinfo " + testing::shellQuoted(path()));
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(testing::reportField(r.output, "Pages"), "3") << r.output;
    EXPECT_EQ(testing::reportField(r.output, "PDF version"), "1.2") << r.output;
    EXPECT_EQ(testing::reportField(r.output, "Producer"), "PDFMaker0.4") << r.output;
    EXPECT_EQ(testing::reportField(r.output, "Page size"), "596 x 842 pts (A4)") << r.output;
    EXPECT_NE(testing::reportField(r.output, "CreationDate").find("2026"), std::string::npos)
        << r.output;
    // This poppler shows the language tag's "ja" (U+6A61) as a character before the text.
    EXPECT_NE(testing::reportField(r.output, "Creator").find("Marvoten Ver3.1"), std::string::npos)
        << r.output;
    EXPECT_NE(testing::reportField(r.output, "Title").find("擁壁.dat"), std::string::npos)
        << r.output;
}

TEST_F(ReaderTest, PdffontsSeesTheJapaneseFontsAsType0NotEmbedded) {
    MARVOTEN_ASSERT_INSTALLED("pdffonts");
    testing::ProgramRun r = testing::runProgram("pdffonts " + testing::shellQuoted(path()));
    ASSERT_EQ(r.status, 0) << r.output;
    int type0 = 0;
    std::size_t at = 0;
    for (std::size_t nl; (nl = r.output.find('\n', at)) != std::string::npos; at = nl + 1) {
        std::string line = r.output.substr(at, nl - at);
        if (line.find("90msp-RKSJ-H") == std::string::npos) continue;
        ++type0;
        EXPECT_NE(line.find("CID TrueType"), std::string::npos) << line;
        EXPECT_NE(line.find(" no  "), std::string::npos) << "embedded? " << line;
    }
    EXPECT_EQ(type0, 2) << r.output;
    EXPECT_NE(r.output.find("Arial"), std::string::npos) << r.output;
}

TEST_F(ReaderTest, PdftotextGivesTheJapaneseTextBack) {
    MARVOTEN_ASSERT_INSTALLED("pdftotext");
    testing::ProgramRun r =
        testing::runProgram("pdftotext -enc UTF-8 " + testing::shellQuoted(path()) + " -");
    ASSERT_EQ(r.status, 0) << r.output;
    for (const char* expected : {"目", "Ⅰ.設計条件", "表ソ十能", "逆Ｌ型擁壁", "γc(ｺﾝｸﾘｰﾄ単位重量)",
                                 "=24.50kN", "H24擁壁工指針", "Page: 2", "Arial (ASCII)"})
        EXPECT_NE(r.output.find(expected), std::string::npos) << "missing '" << expected << "' in\n"
                                                              << r.output;
}

TEST_F(ReaderTest, PdftoppmRendersEveryPage) {
    MARVOTEN_ASSERT_INSTALLED("pdftoppm");
    std::filesystem::path prefix = folder->path() / "page";
    testing::ProgramRun r = testing::runProgram(
        "pdftoppm -r 60 -png " + testing::shellQuoted(path()) + " " + testing::shellQuoted(prefix));
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.output.find("Error"), std::string::npos) << r.output;
    for (int page = 1; page <= 3; ++page) {
        std::filesystem::path png = folder->path() / ("page-" + std::to_string(page) + ".png");
        ASSERT_TRUE(std::filesystem::exists(png)) << png;
        EXPECT_GT(std::filesystem::file_size(png), 1000u);
    }
    if (const char* keep = std::getenv("MARVOTEN_KEEP_PDF_RENDER"))
        std::filesystem::copy(folder->path(), keep,
                              std::filesystem::copy_options::overwrite_existing |
                                  std::filesystem::copy_options::recursive);
}

}  // namespace
}  // namespace marvoten
