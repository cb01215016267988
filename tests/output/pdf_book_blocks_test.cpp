#include "output/pdf_book_blocks.h"

#include <gtest/gtest.h>

#include "book/calculation_book.h"
#include "pdf_book_stream_reader.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

using testing::near;

// One open page in "ＭＳ 明朝", as the book draws it.
class PdfBlocks : public ::testing::Test {
protected:
    PdfBlocks() {
        pdf.BeginDoc(&memory);
        canvas().fontId = kPdfBookFontId;
    }
    TPDFContents& canvas() { return pdf.Canvas(); }
    testing::PageDrawing drawing() { return testing::readContentStream(canvas().streamText()); }

    TPDFMaker pdf{[] { return std::string("20261210150000"); }};
    TPDFMemoryStream memory;
};

TEST(Cp932Printable, KeepsWhatShiftJisHoldsAndMarksTheRest) {
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"擁壁計算 A-1", "擁壁計算 A-1"},
        {"①Ⅰ～ｺﾝｸﾘｰﾄ", "①Ⅰ～ｺﾝｸﾘｰﾄ"},  // code-page 932 extensions and half-width kana
        {"擁壁😀案", "擁壁?案"},
        {"옹벽", "??"},
        {"a\xff"
         "b",
         "a?b"},                  // not UTF-8 at all
        {"a\xe6\x93", "a??"},     // a character cut short
        {"\xed\xa0\x80x", "?x"},  // an encoded surrogate
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(cp932Printable(c.text), c.expected) << c.text;
}

TEST_F(PdfBlocks, TextShiftJisCannotHoldIsDrawnWithQuestionMarksAndEmptyTextAsAnEmptyTextObject) {
    pdfText(canvas(), "件　名：擁壁😀", 10, 20);
    pdfText(canvas(), "", 10, 40);
    auto page = drawing();
    ASSERT_EQ(page.texts.size(), 2u);
    EXPECT_EQ(page.texts[0].text, "件　名：擁壁?");
    EXPECT_EQ(page.texts[1].text, "");
    EXPECT_EQ(page.texts[1].y, 40);  // positioned like any text
    // Full-width 1 em, half-width 0.479 em.
    canvas().fontSize = 10;
    EXPECT_TRUE(near(pdfTextWidth(canvas(), "擁壁😀"), 2 * 10 + 4.79, 1e-9));
}

TEST_F(PdfBlocks, FrameAndTitleRule) {
    pdfFrame(canvas());
    auto page = drawing();
    ASSERT_EQ(page.rects.size(), 1u);
    const auto& r = page.rects[0];
    EXPECT_FALSE(r.clip);
    EXPECT_EQ(r.width, 1);
    EXPECT_EQ(std::vector<double>({r.x1, r.y1, r.x2, r.y2}),
              std::vector<double>({45, 817, 571, 28}));
    ASSERT_EQ(page.lines.size(), 1u);
    const auto& l = page.lines[0];
    EXPECT_EQ(std::vector<double>({l.x1, l.y1, l.x2, l.y2}),
              std::vector<double>({45, 797, 571, 797}));
}

TEST_F(PdfBlocks, FooterCountsFromTheDesignConditionsPageCentredUnderTheFrame) {
    // "Page: 1" is 7 half-width characters, 7 x 0.479 x 10 = 33.53 wide:
    // x = 45 + (526 - 33.53) / 2 = 291.235; "Page: 11" 38.32 wide: x = 288.84.
    pdfPageFooter(canvas(), 1);
    EXPECT_TRUE(drawing().texts.empty()) << "the contents page has no page number";
    pdfPageFooter(canvas(), 2);
    pdfPageFooter(canvas(), 12);
    auto page = drawing();
    ASSERT_EQ(page.texts.size(), 2u);
    EXPECT_EQ(page.texts[0].text, "Page: 1");
    EXPECT_TRUE(near(page.texts[0].x, 291.235, 0.006));
    EXPECT_EQ(page.texts[0].y, 16);
    EXPECT_EQ(page.texts[0].size, 10);
    EXPECT_EQ(page.texts[1].text, "Page: 11");
    EXPECT_TRUE(near(page.texts[1].x, 288.84, 0.006));
}

TEST_F(PdfBlocks, ListBlockLinesAtTheLinePitchOfTheirSize) {
    TextBlock block;
    block.addLine("1.裏込土の諸量");
    block.addLine("");
    block.addLine("  土の単位重量(γs)   =19.00kN/m3");
    pdfListBlock(canvas(), 20, 40, block, 9);
    auto page = drawing();
    ASSERT_EQ(page.texts.size(), 3u) << "every line is a text object, the empty one too";
    EXPECT_EQ(page.texts[0].text, "1.裏込土の諸量");
    EXPECT_EQ(page.texts[0].x, 65);
    EXPECT_EQ(page.texts[0].y, 777);  // 817 - 40
    EXPECT_EQ(page.texts[0].size, 9);
    EXPECT_EQ(page.texts[1].text, "");
    EXPECT_EQ(page.texts[1].y, 766);
    EXPECT_EQ(page.texts[2].text, "  土の単位重量(γs)   =19.00kN/m3");
    EXPECT_EQ(page.texts[2].y, 755);  // two rows of 11 points lower
}

// CeTable at (300, 570): X0 = 345, Y0 = 247, columns 30,30,30,30,30,35 (W = 185),
// 17-pixel rows drawn 14 points high, 2 rows: H = 28.
TEST_F(PdfBlocks, TableRulesWithHeavierRulesUnderTheHeaderAndRightOfTheLabels) {
    const CalculationBook book;
    pdfTable(canvas(), 300, 570, 9, book.table(TableId::CeTable),
             "Ce ：部材断面の有効高dの補正係数");
    auto page = drawing();

    std::vector<testing::DrawnLine> heavy, horizontal, vertical;
    for (const auto& l : page.lines) {
        EXPECT_EQ(l.colour, "0 0 0");
        if (l.width == 1)
            heavy.push_back(l);
        else if (l.y1 == l.y2)
            horizontal.push_back(l);
        else
            vertical.push_back(l);
    }
    ASSERT_EQ(heavy.size(), 2u);
    EXPECT_EQ(std::vector<double>({heavy[0].x1, heavy[0].y1, heavy[0].x2, heavy[0].y2}),
              std::vector<double>({345, 233, 530, 233}));
    EXPECT_EQ(std::vector<double>({heavy[1].x1, heavy[1].y1, heavy[1].x2, heavy[1].y2}),
              std::vector<double>({375, 247, 375, 219}));
    ASSERT_EQ(horizontal.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(horizontal[i].width, 0.75);
        EXPECT_EQ(horizontal[i].y1, 247 - 14 * i);
        EXPECT_EQ(horizontal[i].x1, 345);
        EXPECT_EQ(horizontal[i].x2, 530);
    }
    std::vector<double> xs;
    for (const auto& l : vertical) {
        EXPECT_EQ(l.y1, 247);
        EXPECT_EQ(l.y2, 219);
        xs.push_back(l.x1);
    }
    EXPECT_EQ(xs, std::vector<double>({345, 375, 405, 435, 465, 495, 530}));

    ASSERT_TRUE(page.hasText("Ce ：部材断面の有効高dの補正係数"));
    auto caption = page.textsEqualTo("Ce ：部材断面の有効高dの補正係数")[0];
    EXPECT_EQ(caption.x, 345);
    EXPECT_EQ(caption.y, 250);
    EXPECT_EQ(caption.size, 9);
    // "1,000" in column 2 (x 405..435): 5 x 0.479 x 9 = 21.555 wide, x = 420 - 10.7775.
    auto cell = page.textsEqualTo("1,000");
    ASSERT_EQ(cell.size(), 1u);
    EXPECT_TRUE(near(cell[0].x, 409.2225, 0.006));
    EXPECT_EQ(cell[0].y, 236);  // row 0: 247 - 14 + 3
    // "10,000" in the wider last column (x 495..530): 6 x 4.311 = 25.866, x = 512.5 - 12.933.
    auto last = page.textsEqualTo("10,000");
    ASSERT_EQ(last.size(), 1u);
    EXPECT_TRUE(near(last[0].x, 499.567, 0.006));
    auto ce = page.textsEqualTo("Ce");
    ASSERT_EQ(ce.size(), 1u);
    EXPECT_EQ(ce[0].y, 222);  // row 1: 247 - 28 + 3
    EXPECT_EQ(page.texts.size(), 1u + 12u) << "caption and the 12 cells";
}

TEST_F(PdfBlocks, ResetCellsAreCentredLikeAnyOtherCell) {
    // LoadListTable: 16-pixel rows drawn 13 points high; columns 55 x 5, 65, 65.
    CalculationBook book;
    book.resetResultTables();
    const TableSection& t = book.table(TableId::LoadListTable);
    pdfTable(canvas(), 20, 620, 10, t, "表:荷重一覧");
    auto dashes = drawing().textsEqualTo("---");
    ASSERT_EQ(dashes.size(), 6u * 10u);
    // Cell (6, 10): x from 65 + 5 x 55 + 65 = 405 to 470; "---" is 14.37 wide.
    // Y0 = 197, y = 197 - 11 x 13 + 3 = 57.
    const auto& corner = dashes.back();
    EXPECT_TRUE(near(corner.x, 65 + 340 + 32.5 - 7.185, 0.006));
    EXPECT_EQ(corner.y, 57);
}

}  // namespace
}  // namespace marvoten
