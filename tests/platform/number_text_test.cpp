#include "platform/number_text.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace marvoten {
namespace {

TEST(TextToNumber, AcceptsDecimalsWithSignFractionAndExponent) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"7100", 7100},   {"0.6", 0.6}, {"-0.3", -0.3}, {"1e3", 1000}, {"+2.5", 2.5},
        {"2.5E-1", 0.25}, {" 35 ", 35}, {".5", 0.5},    {"5.", 5},     {"0.0", 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(textToNumber(c.text), c.value) << c.text;
}

TEST(TextToNumber, RejectsNonNumbersWithMessageQuotingTheText) {
    for (const char* bad :
         {"", "abc", "1.2.3", "1e", "-", ".", "1,000", "0x10", "1e999", "nan", "inf", "１"}) {
        EXPECT_TRUE(testing::throwsWithMessage<ConversionError>(
            [&] { textToNumber(bad); }, std::string("'") + bad + "' は数値ではありません"))
            << bad;
    }
}

TEST(TextToNumber, FieldLabelLeadsTheMessage) {
    try {
        textToNumber("abc", "φ(角度)");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "φ(角度)：'abc' は数値ではありません");
        EXPECT_EQ(e.text(), "abc");
        EXPECT_EQ(e.field(), "φ(角度)");
    }
}

// Typed with the Japanese input method on, a number arrives in full-width forms; it is
// taken in ASCII. Other full-width characters stay and are refused as before.
TEST(AsciiNumberForms, TakesFullWidthDigitsPointAndSigns) {
    const struct {
        const char* typed;
        const char* taken;
    } cases[] = {
        {"１２３", "123"},        {"１．５", "1.5"}, {"－２", "-2"},   {"＋０．３", "+0.3"},
        {"−０．６", "-0.6"},      {"12.5", "12.5"},  {"１2３", "123"}, {"１２ａ", "12ａ"},
        {"１，０００", "1，000"}, {"", ""},          {"件名", "件名"},
    };
    for (const auto& c : cases) EXPECT_EQ(asciiNumberForms(c.typed), c.taken) << c.typed;
    EXPECT_DOUBLE_EQ(textToNumber(asciiNumberForms("－１．５")), -1.5);
    EXPECT_THROW(textToNumber(asciiNumberForms("１２ａ")), ConversionError);
}

TEST(TextToInteger, AcceptsWholeNumbersOnly) {
    EXPECT_EQ(textToInteger("24"), 24);
    EXPECT_EQ(textToInteger("-1"), -1);
    EXPECT_EQ(textToInteger("+7"), 7);
    for (const char* bad : {"24.0", "", "abc", "1e3", "-", "99999999999"}) {
        EXPECT_TRUE(testing::throwsWithMessage<ConversionError>(
            [&] { textToInteger(bad); }, std::string("'") + bad + "' は整数ではありません"))
            << bad;
    }
}

}  // namespace
}  // namespace marvoten
