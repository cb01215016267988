#include "pm_fonts.h"

#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "pdf_error.h"

namespace marvoten {
namespace {

const std::string kCrLf = "\r\n";

std::string repeated(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

std::string buildWidthsText(const TrueTypeWidths& widths) {
    std::string text = "[ ";
    for (std::size_t i = 0; i + 1 < widths.size(); ++i) {
        text += std::to_string(widths[i]) + " ";
        if ((i + 1) % 16 == 0) text += kCrLf;
    }
    text += std::to_string(widths.back()) + " ]";
    return text;
}

std::string buildWText() {
    const std::string w16 = repeated("479 ", 16);
    std::string fourteen = "479";
    for (int i = 1; i < 14; ++i) fourteen += " 479";
    return "[" + kCrLf +                                       //
           "1 [ " + w16 + kCrLf +                              //
           repeated(w16 + kCrLf, 4) +                          //
           fourteen + "]" + kCrLf +                            //
           "326 [ " + "958 " + repeated("479 ", 15) + kCrLf +  //
           repeated(w16 + kCrLf, 3) +                          //
           "]" + kCrLf +                                       //
           "631 631 479" + kCrLf +                             //
           "]" + kCrLf;
}

// The single-byte code that 90msp-RKSJ-H maps to `cid`, or -1: codes 0x20..0x7E are
// CIDs 1..95, codes 0xA0..0xDF (half-width katakana) CIDs 326..389.
int singleByteCodeOfCid(long cid) {
    if (cid >= 1 && cid <= 95) return static_cast<int>(0x20 + cid - 1);
    if (cid >= 326 && cid <= 389) return static_cast<int>(0xA0 + cid - 326);
    return -1;
}

// The /W array as tokens: numbers, "[" and "]".
std::vector<std::string> tokenize(const std::string& w) {
    std::vector<std::string> tokens;
    for (std::size_t i = 0; i < w.size();) {
        if (w[i] == '[' || w[i] == ']') {
            tokens.emplace_back(1, w[i++]);
        } else if (std::isdigit(static_cast<unsigned char>(w[i]))) {
            std::size_t end = i;
            while (end < w.size() && std::isdigit(static_cast<unsigned char>(w[end]))) ++end;
            tokens.push_back(w.substr(i, end - i));
            i = end;
        } else {
            ++i;
        }
    }
    return tokens;
}

// Fills the single-byte entries of `widths` from the "c [w1 w2 ...]" lists of a /W
// array; its "cfirst clast w" ranges name only glyphs outside the single-byte codes.
void fillWidthsFromW(const std::string& w, std::array<int, 256>& widths) {
    std::vector<std::string> tokens = tokenize(w);
    std::size_t i = 1;  // past the array's own "["
    while (i < tokens.size() && tokens[i] != "]") {
        long cid = std::stol(tokens[i++]);
        if (tokens[i] != "[") {
            i += 2;  // clast w
            continue;
        }
        for (++i; tokens[i] != "]"; ++i) {
            int code = singleByteCodeOfCid(cid++);
            if (code >= 0) widths[code] = std::stoi(tokens[i]);
        }
        ++i;
    }
}

TPDFFontDescriptorDef descriptorDef(std::string name, int flags, std::array<int, 4> bbox, int stemV,
                                    int ascent, int capHeight, int descent) {
    return {std::move(name), flags, bbox, stemV, ascent, capHeight, descent, 0};
}

TrueTypeWidths uniformWidths(int w) {
    TrueTypeWidths widths;
    widths.fill(w);
    return widths;
}

// Shift-JIS bytes of the Japanese face names as PDF name escapes.
const std::string kMSMincyoName = "#82#6C#82#72#20#96#BE#92#A9";              // ＭＳ 明朝
const std::string kMSGothicName = "#82#6C#82#72#20#83#53#83#56#83#62#83#4E";  // ＭＳ ゴシック

TPDFFontDescriptorDef japaneseDescriptor(const std::string& name, int flags) {
    return descriptorDef(name, flags, {-143, -143, 1015, 872}, 78, 872, 872, -143);
}

}  // namespace

const std::string TPDFCID2FontDef::kCIDSystemInfo =
    "/Registry(Adobe)\r\n/Ordering(Japan1)\r\n/Supplement 2";
const std::string TPDFCID2FontDef::kWText = buildWText();

TPDFFontDef::TPDFFontDef(int fontId, std::string subtypeName, std::string baseFontName,
                         std::optional<TPDFFontDescriptorDef> descriptor,
                         std::unique_ptr<TPDFFontDef> descendant)
    : fontId_(fontId),
      subtypeName_(std::move(subtypeName)),
      baseFontName_(std::move(baseFontName)),
      descriptor_(std::move(descriptor)),
      descendant_(std::move(descendant)) {}

TPDFTrueTypeFontDef::TPDFTrueTypeFontDef(int fontId, const TPDFFontDescriptorDef& descriptor,
                                         const TrueTypeWidths& widths)
    : TPDFFontDef(fontId, "TrueType", descriptor.fontName, descriptor),
      widthsText_(buildWidthsText(widths)) {
    for (std::size_t i = 0; i < widths.size(); ++i) widths_[kFirstChar + i] = widths[i];
}

std::string TPDFTrueTypeFontDef::dictionaryLines() const {
    return "/Subtype /" + subtypeName() + kCrLf + "/BaseFont /" + baseFontName() + kCrLf +
           "/FirstChar " + std::to_string(kFirstChar) + kCrLf + "/LastChar " +
           std::to_string(kLastChar) + kCrLf + "/Widths " + widthsText_ + kCrLf +
           "/Encoding /WinAnsiEncoding" + kCrLf;
}

TPDFCID2FontDef::TPDFCID2FontDef(int fontId, const TPDFFontDescriptorDef& descriptor)
    : TPDFFontDef(fontId, "CIDFontType2", descriptor.fontName, descriptor) {
    fillWidthsFromW(kWText, widths_);
    widths_[0] = 1000;  // the default width /DW: every double-byte character
}

std::string TPDFCID2FontDef::dictionaryLines() const {
    return "/Subtype /" + subtypeName() + kCrLf + "/BaseFont /" + baseFontName() + kCrLf +
           "/WinCharSet /128" + kCrLf + "/CIDSystemInfo <<" + kCrLf + kCIDSystemInfo + kCrLf +
           ">>" + kCrLf + "/DW 1000" + kCrLf + "/W " + kWText + kCrLf;
}

TPDFType0FontDef::TPDFType0FontDef(int fontId, std::string baseFontName,
                                   std::unique_ptr<TPDFCID2FontDef> descendant)
    : TPDFFontDef(fontId, "Type0", std::move(baseFontName), std::nullopt, std::move(descendant)) {}

std::string TPDFType0FontDef::dictionaryLines() const {
    return "/Subtype /" + subtypeName() + kCrLf + "/BaseFont /" + baseFontName() + kCrLf +
           "/Encoding /" + kEncoding + kCrLf;
}

TCenturyFontDef::TCenturyFontDef()
    : TPDFTrueTypeFontDef(
          0, descriptorDef("Century", 34, {-219, -219, 1188, 1001}, 78, 1001, 1001, -219),
          kCenturyWidths) {}
TCenturyBoldFontDef::TCenturyBoldFontDef()
    : TPDFTrueTypeFontDef(
          1, descriptorDef("Century,Bold", 16416, {-219, -219, 1189, 1001}, 156, 1001, 1001, -219),
          kCenturyBoldWidths) {}
TArialFontDef::TArialFontDef()
    : TPDFTrueTypeFontDef(2,
                          descriptorDef("Arial", 32, {-215, -215, 1313, 919}, 78, 919, 919, -215),
                          kArialWidths) {}
TArialBoldFontDef::TArialBoldFontDef()
    : TPDFTrueTypeFontDef(
          3, descriptorDef("Arial,Bold", 16416, {-215, -215, 1261, 919}, 78, 919, 919, -215),
          kArialBoldWidths) {}
TCourierFontDef::TCourierFontDef()
    : TPDFTrueTypeFontDef(4,
                          descriptorDef("Courier", 32, {-305, -305, 669, 845}, 78, 845, 845, -305),
                          uniformWidths(575)) {}
TCourierBoldFontDef::TCourierBoldFontDef()
    : TPDFTrueTypeFontDef(
          5, descriptorDef("Courier,Bold", 16416, {-305, -305, 759, 845}, 78, 845, 845, -305),
          uniformWidths(575)) {}

TMSMincyoDFontDef::TMSMincyoDFontDef()
    : TPDFCID2FontDef(kMSMincyoFontId, japaneseDescriptor(kMSMincyoName, 6)) {}
TMSMincyoFontDef::TMSMincyoFontDef()
    : TPDFType0FontDef(kMSMincyoFontId, kMSMincyoName, std::make_unique<TMSMincyoDFontDef>()) {}
TMSGothicDFontDef::TMSGothicDFontDef()
    : TPDFCID2FontDef(kMSGothicFontId, japaneseDescriptor(kMSGothicName, 4)) {}
TMSGothicFontDef::TMSGothicFontDef()
    : TPDFType0FontDef(kMSGothicFontId, kMSGothicName, std::make_unique<TMSGothicDFontDef>()) {}

std::unique_ptr<TPDFFontDef> createFontDef(int fontId) {
    switch (fontId) {
        case 0:
            return std::make_unique<TCenturyFontDef>();
        case 1:
            return std::make_unique<TCenturyBoldFontDef>();
        case 2:
            return std::make_unique<TArialFontDef>();
        case 3:
            return std::make_unique<TArialBoldFontDef>();
        case 4:
            return std::make_unique<TCourierFontDef>();
        case 5:
            return std::make_unique<TCourierBoldFontDef>();
        case kMSMincyoFontId:
            return std::make_unique<TMSMincyoFontDef>();
        case kMSGothicFontId:
            return std::make_unique<TMSGothicFontDef>();
        default:
            throw TPDFError("このフォントは現在サポートされていません (" + std::to_string(fontId) +
                            ")");
    }
}

}  // namespace marvoten
