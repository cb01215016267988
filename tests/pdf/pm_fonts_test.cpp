#include "pdf/pm_fonts.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "pdf/pdf_error.h"
#include "platform/encoding.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

std::vector<std::string> splitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(text.substr(start, at - start));
    lines.push_back(text.substr(start));
    return lines;
}

std::vector<int> numbersIn(const std::string& text) {
    std::vector<int> numbers;
    std::istringstream in(text);
    for (std::string token; in >> token;)
        if (token != "[" && token != "]") numbers.push_back(std::stoi(token));
    return numbers;
}

// "#82#6C" -> the bytes 0x82 0x6C; plain characters stand for themselves.
std::string decodeName(const std::string& name) {
    std::string bytes;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '#') {
            bytes += static_cast<char>(std::stoi(name.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            bytes += name[i];
        }
    }
    return bytes;
}

struct FamilyRow {
    int fontId;
    const char* subtype;
    const char* baseFontUtf8;
    int flags;
    std::array<int, 4> bbox;
    int stemV, ascent, capHeight, descent;
};

const FamilyRow kFamilies[] = {
    {0, "TrueType", "Century", 34, {-219, -219, 1188, 1001}, 78, 1001, 1001, -219},
    {1, "TrueType", "Century,Bold", 16416, {-219, -219, 1189, 1001}, 156, 1001, 1001, -219},
    {2, "TrueType", "Arial", 32, {-215, -215, 1313, 919}, 78, 919, 919, -215},
    {3, "TrueType", "Arial,Bold", 16416, {-215, -215, 1261, 919}, 78, 919, 919, -215},
    {4, "TrueType", "Courier", 32, {-305, -305, 669, 845}, 78, 845, 845, -305},
    {5, "TrueType", "Courier,Bold", 16416, {-305, -305, 759, 845}, 78, 845, 845, -305},
    {6, "Type0", "ＭＳ 明朝", 6, {-143, -143, 1015, 872}, 78, 872, 872, -143},
    {7, "Type0", "ＭＳ ゴシック", 4, {-143, -143, 1015, 872}, 78, 872, 872, -143},
};

TEST(FontFamilies, CarryTheirNamesAndDescriptorValues) {
    for (const auto& row : kFamilies) {
        SCOPED_TRACE(row.baseFontUtf8);
        auto def = createFontDef(row.fontId);
        EXPECT_EQ(def->fontId(), row.fontId);
        EXPECT_EQ(def->subtypeName(), row.subtype);
        // The base-font name is the face name's Shift-JIS bytes.
        EXPECT_EQ(decodeName(def->baseFontName()), toCp932(row.baseFontUtf8));
        const TPDFFontDef* described = def.get();
        if (def->descendant()) {
            // Japanese: the descriptor belongs to the CIDFontType2 descendant.
            EXPECT_FALSE(def->descriptor().has_value());
            described = def->descendant();
            EXPECT_EQ(described->subtypeName(), "CIDFontType2");
            EXPECT_EQ(described->baseFontName(), def->baseFontName());
        }
        ASSERT_TRUE(described->descriptor().has_value());
        const TPDFFontDescriptorDef& d = *described->descriptor();
        EXPECT_EQ(d.fontName, def->baseFontName());
        EXPECT_EQ(d.flags, row.flags);
        EXPECT_EQ(d.fontBBox, row.bbox);
        EXPECT_EQ(d.stemV, row.stemV);
        EXPECT_EQ(d.ascent, row.ascent);
        EXPECT_EQ(d.capHeight, row.capHeight);
        EXPECT_EQ(d.descent, row.descent);
        EXPECT_EQ(d.italicAngle, 0);
    }
}

TEST(FontFamilies, UnknownIdIsRefused) {
    for (int id : {8, -1, 100}) {
        EXPECT_TRUE(testing::throwsWithMessage<TPDFError>(
            [&] { createFontDef(id); },
            "このフォントは現在サポートされていません (" + std::to_string(id) + ")"));
    }
}

TEST(JapaneseWidths, WTextIsWrittenLineByLine) {
    std::string w16;
    for (int i = 0; i < 16; ++i) w16 += "479 ";
    const std::vector<std::string> expected = {
        "[",
        "1 [ " + w16,
        w16,
        w16,
        w16,
        w16,
        "479 479 479 479 479 479 479 479 479 479 479 479 479 479]",
        "326 [ 958 479 479 479 479 479 479 479 479 479 479 479 479 479 479 479 ",
        w16,
        w16,
        w16,
        "]",
        "631 631 479",
        "]",
        "",  // the text ends in CR LF
    };
    EXPECT_EQ(splitCrLf(TPDFCID2FontDef::kWText), expected);
}

TEST(JapaneseWidths, HalfWidthIs479AndDoubleByteIs1000) {
    for (int id : {kMSMincyoFontId, kMSGothicFontId}) {
        auto def = createFontDef(id);
        EXPECT_EQ(def->width(0), 1000);
        for (int code = 32; code <= 125; ++code) EXPECT_EQ(def->width(code), 479) << code;
        EXPECT_EQ(def->width(160), 958);
        for (int code = 161; code <= 223; ++code) EXPECT_EQ(def->width(code), 479) << code;
        EXPECT_EQ(def->width(31), 0);
        EXPECT_EQ(def->width(224), 0);
    }
}

TEST(TrueTypeWidths, WidthsTextHas225ValuesSixteenToALine) {
    for (int id = 0; id <= 5; ++id) {
        SCOPED_TRACE(id);
        auto def = createFontDef(id);
        const auto& tt = dynamic_cast<const TPDFTrueTypeFontDef&>(*def);
        std::vector<std::string> lines = splitCrLf(tt.widthsText());
        ASSERT_EQ(lines.size(), 15u);
        EXPECT_EQ(lines.front().substr(0, 2), "[ ");
        for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
            EXPECT_EQ(numbersIn(lines[i]).size(), 16u) << "line " << i;
            EXPECT_EQ(lines[i].back(), ' ') << "line " << i;
        }
        EXPECT_EQ(numbersIn(lines.back()).size(), 1u);
        EXPECT_EQ(lines.back().substr(lines.back().size() - 2), " ]");
        // The lookup table holds the same widths from code 31 upwards.
        std::vector<int> widths = numbersIn(tt.widthsText());
        ASSERT_EQ(widths.size(), 225u);
        for (int code = 31; code <= 255; ++code)
            EXPECT_EQ(def->width(code), widths[code - 31]) << code;
        EXPECT_EQ(def->width(30), 0);
    }
}

TEST(TrueTypeWidths, CenturyBeginsWithItsMeasuredRowAndCourierIsFixedPitch) {
    auto century = createFontDef(0);
    const std::string firstLine =
        "[ 719 266 283 373 533 533 798 781 196 319 319 479 581 266 319 266 \r\n";
    EXPECT_EQ(
        dynamic_cast<const TPDFTrueTypeFontDef&>(*century).widthsText().substr(0, firstLine.size()),
        firstLine);
    for (int id : {4, 5}) {
        auto courier = createFontDef(id);
        for (int code = 31; code <= 255; ++code) EXPECT_EQ(courier->width(code), 575);
    }
}

}  // namespace
}  // namespace marvoten
