#include "book/line_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marvoten {
namespace {

struct FormatCase {
    std::string templ;
    double value;
    std::string expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << '"' << c.templ << "\" <- " << c.value;
}

class FormatValueTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatValueTest, PrintsTheLine) {
    const auto& c = GetParam();
    EXPECT_EQ(formatValue(c.templ, c.value), c.expected)
        << "template \"" << c.templ << "\" value " << c.value;
}

// Expected texts worked out by hand; the exact stored values of the doubles
// that decide a half were read off their full decimal expansions
// (2.675 is 2.67499999999999982..., 12.345 is 12.34500000000000063...,
// 1.005 is 1.00499999999999989..., 0.0005 is 0.00050000000000000001...).
const std::vector<FormatCase> lineExamples{
    {"  γc(ｺﾝｸﾘｰﾄ単位重量)  =0.00kN", 24.5, "  γc(ｺﾝｸﾘｰﾄ単位重量)  =24.50kN"},
    {"   As=-------------      =0,0mm2", 1234.4, "   As=-------------      =1,234mm2"},
    {"   10)ブロック長      =0,0", 2500, "   10)ブロック長      =2,500"},
    {"   10)ブロック長      =0,0", 7, "   10)ブロック長      =07"},
    {"直径=D0mm", 16, "直径=D16mm"},
    {":ﾋﾟｯﾁ=@0mmとする。", 250, ":ﾋﾟｯﾁ=@250mmとする。"},
    {"  α(壁面が鉛直となす角)  =0.00度;α(壁面が鉛直となす角)=-0.00度", -5,
     "α(壁面が鉛直となす角)=-5.00度"},
    {"  α(壁面が鉛直となす角)  =0.00度;α(壁面が鉛直となす角)=-0.00度", 5,
     "  α(壁面が鉛直となす角)  =5.00度"},
    {"Ph=0.00kN", 12.5, "Ph=12.50kN"},
    {"荷重概要", 5, "荷重概要"},
    {"④地下水          :なし", -3, "④地下水          :なし"},
};
INSTANTIATE_TEST_SUITE_P(Lines, FormatValueTest, ::testing::ValuesIn(lineExamples));

const std::vector<FormatCase> patternsInUse{
    {"0", 2.5, "3"},
    {"0", -2.5, "-3"},
    {"0", 0.4, "0"},
    {"0", 0, "0"},
    {"0", 9.5, "10"},
    {"0", 1e6, "1000000"},
    {"00", 5, "05"},
    {"00", 123, "123"},
    {"0.0", 1.25, "1.3"},
    {"0.0", -1.25, "-1.3"},
    {"0.0", 0, "0.0"},
    {"0.00", 2.675, "2.67"},
    {"0.00", -2.675, "-2.67"},
    {"0.00", 0.125, "0.13"},
    {"0.00", 1.005, "1.00"},
    {"0.00", 9.999, "10.00"},
    {"0.00", 0, "0.00"},
    {"0.000", 0.0005, "0.001"},
    {"0.000", 1.0625, "1.063"},
    {"0.00000", 0.015625, "0.01563"},
    {"0.00000", 7.62939453125e-06, "0.00001"},
    {"0,0", 5, "05"},
    {"0,0", 0, "00"},
    {"0,0", 999.5, "1,000"},
    {"0,0", 1e6, "1,000,000"},
    {"0,0", 1e9, "1,000,000,000"},
    {"0,0", -1234, "-1,234"},
    {"##0.00", 5.5, "5.50"},
    {"##0.00", 1234.5, "1234.50"},
    {"##0.00", 0, "0.00"},
    {"#,0.00", 1234.567, "1,234.57"},
    {"#,0.00", 0, "0.00"},
    {"#,0.00", 999.999, "1,000.00"},
    {"#,0.00", 1e6, "1,000,000.00"},
    {"#,0.00", 1234567.891, "1,234,567.89"},
    {"#,0.00", -1234.5, "-1,234.50"},
    {"#,0.00", 12, "12.00"},
    {"0,0.00", 5, "05.00"},
    {"0,0.00", 12345.678, "12,345.68"},
    {"#,0.000", 1234.5678, "1,234.568"},
    {"#,0.000", 0.5, "0.500"},
    // Header cells of the coefficient tables.
    {"φ#0.0", 5, "φ5.0"},
    {"θ##0.0", 45, "θ45.0"},
};
INSTANTIATE_TEST_SUITE_P(Patterns, FormatValueTest, ::testing::ValuesIn(patternsInUse));

const std::vector<FormatCase> sections{
    {"0.00度;-0.00度", -12.345, "-12.35度"},
    {"0.00度;-0.00度", 12.345, "12.35度"},
    {"0.00度;-0.00度", 0, "0.00度"},
    {"0.000m;-0.000m", -1.5, "-1.500m"},
    {"0.000m;-0.000m", 0.25, "0.250m"},
    {"0.000m;-0.000m", 0, "0.000m"},
    // An empty negative section leaves the first one, with the sign added.
    {"0.00;", -3, "-3.00"},
    {"0.00;-0.00;ゼロ", 0, "ゼロ"},
    {"0.00;-0.00;ゼロ", -4, "-4.00"},
};
INSTANTIATE_TEST_SUITE_P(Sections, FormatValueTest, ::testing::ValuesIn(sections));

// A negative value that shows as zero: under a single section it prints as zero,
// without "-"; a negative section is used as it stands, its own "-" included; the
// zero section is for a value that is zero.
const std::vector<FormatCase> negativeZero{
    {"0.00", -0.001, "0.00"},
    {"0", -0.4, "0"},
    {"#,0.00", -0.004, "0.00"},
    {"0.00度;-0.00度", -0.001, "-0.00度"},
    {"0.000m;-0.000m", -0.0004, "-0.000m"},
    {"0.00;-0.00;ゼロ", -0.001, "-0.00"},
    {"0.00;;ゼロ", -0.001, "0.00"},
    {"0.00;-0.00;ゼロ", 0.0, "ゼロ"},
};
INSTANTIATE_TEST_SUITE_P(NegativeZero, FormatValueTest, ::testing::ValuesIn(negativeZero));

// Regression: a comma right before the pattern belongs to it (",0mm2" printed
// ",5059mm2" when the comma was taken for literal text).
const std::vector<FormatCase> leadingComma{
    {",0mm2", 5059, "5,059mm2"},
    {",0mm2", 59, "59mm2"},
    {",0mm2", 1234567, "1,234,567mm2"},
};
INSTANTIATE_TEST_SUITE_P(LeadingComma, FormatValueTest, ::testing::ValuesIn(leadingComma));

struct PadCase {
    std::string text;
    std::size_t width;
    std::string right;
    std::string left;
};

TEST(Padding, CountsCp932Bytes) {
    const std::vector<PadCase> cases{
        {"躯体重量地震", 12, "躯体重量地震", "躯体重量地震"},  // six kanji: 12 bytes
        {"躯体重量地震", 14, "躯体重量地震  ", "  躯体重量地震"},
        {"躯体重量地震", 10, "躯体重量地震", "躯体重量地震"},  // longer than the width: whole
        {"ﾓｰﾒﾝﾄ", 6, "ﾓｰﾒﾝﾄ ", " ﾓｰﾒﾝﾄ"},                      // half-width katakana: 1 byte each
        {"A(m2)", 6, "A(m2) ", " A(m2)"},
        {"", 3, "   ", "   "},
        {"γc=", 5, "γc= ", " γc="},  // Greek is double-byte: 4 bytes
    };
    for (const auto& c : cases) {
        EXPECT_EQ(padRight(c.text, c.width), c.right) << c.text << " width " << c.width;
        EXPECT_EQ(padLeft(c.text, c.width), c.left) << c.text << " width " << c.width;
    }
}

}  // namespace
}  // namespace marvoten
