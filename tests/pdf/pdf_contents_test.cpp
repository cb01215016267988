#include <gtest/gtest.h>

#include <string>

#include "pdf/pdf_maker.h"
#include "platform/encoding.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

class ContentsTest : public ::testing::Test {
protected:
    void SetUp() override { pdf.BeginDoc(&out); }
    TPDFContents& canvas() { return pdf.Canvas(); }
    TPDFMaker pdf{[] { return std::string("20260101000000"); }};
    TPDFMemoryStream out;
};

// The text-object frame TextOut writes around its strings with the default state.
std::string textObject(const std::string& font, const std::string& strings) {
    return "BT\r" + font + " 10 Tf\r0 0 0 rg \r0 TL\r0 Tc\r0 Tw\r50 802 Td\r" + strings + "ET\r";
}

TEST_F(ContentsTest, TextOutSplitsAtLineBreaksAndChoosesTheStringForm) {
    struct Case {
        const char* text;
        const char* strings;
    };
    const Case cases[] = {
        {"a(b)c\\d", "(a\\(b\\)c\\\\d) Tj\r"},
        {"表", "<955C> Tj\r"},
        {"ソ", "<835C> Tj\r"},
        {"十能", "<8F5C945C> Tj\r"},
        {"H=1.0m 表", "<483D312E306D20955C> Tj\r"},
        {"", ""},
        {"a\rb", "(a) Tj\rT*\r(b) Tj\r"},
        {"a\r\nb", "(a) Tj\rT*\r(b) Tj\r"},
        {"a\r", "(a) Tj\r"},
        {"\r", "() Tj\r"},
        {"\r\r表", "() Tj\rT*\r() Tj\rT*\r<955C> Tj\r"},
        {"x\r\n十", "(x) Tj\rT*\r<8F5C> Tj\r"},
    };
    canvas().fontId = kMSMincyoFontId;
    std::size_t from = 0;
    for (const auto& c : cases) {
        canvas().TextOut(c.text, 50, 802);
        EXPECT_EQ(canvas().streamText().substr(from), textObject("/F0", c.strings))
            << "text '" << c.text << "'";
        from = canvas().streamText().size();
    }
}

TEST_F(ContentsTest, TextOutWritesTheTextState) {
    auto& c = canvas();
    c.fontId = 4;
    c.fontSize = 12;
    c.fillColor = {255, 128, 0};
    c.leading = 11;
    c.charSpace = 0.5;
    c.wordSpace = 1.25;
    c.TextOut("Page: 1", 289.6, 16);
    EXPECT_EQ(
        c.streamText(),
        "BT\r/F0 12 Tf\r1 0.5 0 rg \r11 TL\r0.5 Tc\r1.25 Tw\r289.6 16 Td\r(Page: 1) Tj\rET\r");
}

TEST_F(ContentsTest, DrawLineStrokesOneSegment) {
    auto& c = canvas();
    c.lineWidth = 0.75;
    c.lineCap = 1;
    c.strokeColor = {0, 0, 255};
    c.DrawLine(45, 797, 571, 797.5);
    EXPECT_EQ(c.streamText(), "1 J\r0 0 1 RG \r0.75 w\r45 797 m\r571 797.5 l\rS\rn\r");
}

TEST_F(ContentsTest, DrawRectClipsOneLevelUntilRestoreState) {
    auto& c = canvas();
    c.DrawRect(false, 45, 817, 571, 28);
    const std::string frame = "1 w\r0 j\r0 0 0 RG \r45 817 m\r45 28 l\r571 28 l\r571 817 l\r";
    EXPECT_EQ(c.streamText(), frame + "s\r");

    std::size_t from = c.streamText().size();
    c.DrawRect(true, 45, 817, 571, 28);
    c.DrawRect(true, 45, 817, 571, 28);  // still the same saved state: no second "q"
    c.RestoreState();
    c.RestoreState();  // nothing saved any more
    EXPECT_EQ(c.streamText().substr(from), "q\r" + frame + "W\rs\r" + frame + "W\rs\rQ\r");

    from = c.streamText().size();
    c.DrawRect(true, 1, 2, 3, 4);
    c.RestoreState();
    EXPECT_EQ(c.streamText().substr(from).substr(0, 2), "q\r");
    EXPECT_EQ(c.streamText().substr(c.streamText().size() - 2), "Q\r");
}

TEST_F(ContentsTest, NewPageStartsFromTheDefaultState) {
    canvas().fontSize = 12;
    canvas().lineWidth = 0.2;
    canvas().fontId = 6;
    pdf.NewPage();
    EXPECT_EQ(canvas().fontId, 0);
    EXPECT_EQ(canvas().fontSize, 10);
    EXPECT_EQ(canvas().lineWidth, 1);
    EXPECT_TRUE(canvas().streamText().empty());
    EXPECT_EQ(canvas().number(), 7);
}

TEST_F(ContentsTest, TextWidthAddsGlyphWidthsAndSpacing) {
    struct Case {
        int fontId;
        double size, charSpace, wordSpace;
        const char* text;
        double width;  // worked out by hand from the width tables
    };
    const Case cases[] = {
        {6, 10, 0, 0, "", 0},
        {6, 10, 0, 0, "ab", 9.58},  // 2 x 0.479 x 10
        {6, 10, 0, 0, "表", 10},    // one full-width character
        {6, 9, 0, 0, "Page: 1", 7 * 0.479 * 9},
        {7, 10, 0, 0, "ｱｲ", 9.58},      // half-width katakana
        {6, 10, 1, 0, "ab", 9.58 + 1},  // spacing after each byte but the first
        {6, 10, 1, 0, "表a", 10 + 4.79 + 1},
        {6, 10, 1, 0, "a表", 4.79 + 10 + 1},
        {6, 10, 1, 0, "表表", 20 + 1},
        {6, 10, 0, 2, "a b", 3 * 4.79 + 2},    // word spacing on the blank
        {0, 10, 0, 0, "$", 5.33},              // Century code 36: 533
        {4, 12, 0, 0, "abc", 3 * 0.575 * 12},  // Courier
    };
    for (const auto& c : cases) {
        auto& canvasRef = canvas();
        canvasRef.fontId = c.fontId;
        canvasRef.fontSize = c.size;
        canvasRef.charSpace = c.charSpace;
        canvasRef.wordSpace = c.wordSpace;
        EXPECT_TRUE(testing::near(canvasRef.TextWidth(c.text), c.width, 1e-9))
            << "text '" << c.text << "'";
    }
    EXPECT_TRUE(canvas().streamText().empty()) << "TextWidth draws nothing";
}

TEST_F(ContentsTest, TextOutRefusesTextShiftJisCannotHold) {
    canvas().fontId = 6;
    EXPECT_THROW(canvas().TextOut("😀", 0, 0), EncodingError);
}

}  // namespace
}  // namespace marvoten
