#include "pdf/pdf_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "pdf/pdf_error.h"

namespace marvoten {
namespace {

struct NumberCase {
    double value;
    const char* text;
};

TEST(FormatPdfNumber, RoundsToHundredthsInShortestForm) {
    const NumberCase cases[] = {
        {-0.004, "0"},
        {12.345, "12.35"},
        {596, "596"},
        {817, "817"},
        {12.5, "12.5"},
        {0.75, "0.75"},
        {0.2, "0.2"},
        {0, "0"},
        {0.004, "0"},
        {0.005, "0.01"},
        {1.999, "2"},
        {16, "16"},
        {797.5, "797.5"},
        {0.1 + 0.2, "0.3"},
        {128 / 255.0, "0.5"},
        {255 / 255.0, "1"},
        {64 / 255.0, "0.25"},
        // Negative values round like positive ones (halves away from zero).
        {-1.5, "-1.5"},
        {-0.005, "-0.01"},
        {-12.345, "-12.35"},
        {-3, "-3"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatPdfNumber(c.value), c.text) << "value " << c.value;
}

// Beyond the reals every reader must take, or not a number at all, the writer refuses
// instead of writing a damaged stream (an integer cast of 10¹⁷ is undefined).
TEST(FormatPdfNumber, RefusesWhatAReaderCannotTake) {
    EXPECT_EQ(formatPdfNumber(32767), "32767");
    EXPECT_EQ(formatPdfNumber(-32767), "-32767");
    for (double v :
         {32767.01, -32767.01, 1e17, -1e300, std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        try {
            formatPdfNumber(v);
            ADD_FAILURE() << v << " was written";
        } catch (const TPDFError& e) {
            EXPECT_NE(std::string(e.what()).find("PDFに書けない数値です"), std::string::npos)
                << e.what();
        }
    }
}

TEST(PdfTextString, IsUtf16BigEndianBehindBomAndLanguageEscape) {
    EXPECT_EQ(pdfTextString(""), "FEFF001B6A61001B");
    EXPECT_EQ(pdfTextString("Ver3.1"),
              "FEFF001B6A61001B"
              "0056006500720033002E0031");
    // 擁 U+64C1, 壁 U+58C1, 計 U+8A08, 算 U+7B97, 結 U+7D50, 果 U+679C
    EXPECT_EQ(pdfTextString("擁壁計算結果.pdf"),
              "FEFF001B6A61001B"
              "64C158C18A087B977D50679C"
              "002E007000640066");
    // Half-width katakana ｱ is U+FF71.
    EXPECT_EQ(pdfTextString("ｱ"),
              "FEFF001B6A61001B"
              "FF71");
}

TEST(PdfTextString, KeepsAtMost1024CodeUnits) {
    std::string text(1100, 'a');
    std::string s = pdfTextString(text);
    EXPECT_EQ(s.size(), 16u + 1024u * 4u);
    EXPECT_EQ(s.substr(s.size() - 4), "0061");
}

TEST(PdfStringOperand, DoubleByteTextIsHexAndOtherTextIsEscapedLiteral) {
    struct Case {
        std::string cp932;
        std::string operand;
    };
    const Case cases[] = {
        {"a(b)c\\d", "(a\\(b\\)c\\\\d)"},
        {"Page: 1", "(Page: 1)"},
        {"", "()"},
        // Second bytes 0x5C (表 955C, ソ 835C, 十 8F5C, 能 945C) must never meet a literal string.
        {"\x95\x5C", "<955C>"},
        {"\x83\x5C", "<835C>"},
        {"\x8F\x5C", "<8F5C>"},
        {"\x94\x5C", "<945C>"},
        {"ab\x95\x5C", "<6162955C>"},
        // Half-width katakana is single-byte: literal.
        {"\xB1", "(\xB1)"},
    };
    for (const auto& c : cases) EXPECT_EQ(pdfStringOperand(c.cp932), c.operand);
}

}  // namespace
}  // namespace marvoten
