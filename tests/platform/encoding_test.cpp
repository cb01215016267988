#include "platform/encoding.h"

#include <gtest/gtest.h>

namespace marvoten {
namespace {

TEST(Cp932, RoundTripsKanjiKanaAndWindowsSymbolsByteForByte) {
    const std::string text = "擁壁計算結果①ﾓｰﾒﾝﾄ　～－≦±";
    const std::string expected(
        "\x97\x69\x95\xc7\x8c\x76\x8e\x5a\x8c\x8b\x89\xca"  // 擁壁計算結果
        "\x87\x40"                                          // ①
        "\xd3\xb0\xd2\xdd\xc4"                              // ﾓｰﾒﾝﾄ
        "\x81\x40"                                          // full-width blank
        "\x81\x60"                                          // ～ U+FF5E
        "\x81\x7c"                                          // － U+FF0D
        "\x81\x85\x81\x7d");                                // ≦ ±
    const std::string bytes = toCp932(text);
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(fromCp932(bytes), text);
}

TEST(Cp932, UnconvertibleCharacterIsAnErrorNotAQuestionMark) {
    EXPECT_THROW(toCp932("温度😀"), EncodingError);
    EXPECT_THROW(fromCp932(std::string("\x81", 1)), EncodingError);
}

TEST(Cp932, WidthCountsCp932Bytes) {
    struct Case {
        const char* text;
        size_t width;
    };
    const Case cases[] = {
        {"", 0},  {"abc 1.0", 7}, {"計算位置計算位", 14}, {"ﾓｰﾒﾝﾄ", 5}, {"γc(ｺﾝｸﾘｰﾄ単位重量)", 19},
        {"①", 2},
    };
    for (const auto& c : cases) EXPECT_EQ(cp932Width(c.text), c.width) << c.text;
}

TEST(Cp932, Utf16OfShiftJisText) {
    EXPECT_EQ(cp932ToUtf16(toCp932("A擁～")), std::u16string(u"A擁\uFF5E"));
}

}  // namespace
}  // namespace marvoten
