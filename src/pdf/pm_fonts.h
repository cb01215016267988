#pragma once
// The eight font families the PDF writer knows: four TrueType faces in WinAnsi
// encoding and two Japanese composite fonts ("ＭＳ 明朝", "ＭＳ ゴシック") that readers
// take from the system through the predefined CMap 90msp-RKSJ-H. No font program is
// embedded, so each definition only carries names, metrics and glyph widths.
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "pm_font_widths.h"

namespace marvoten {

constexpr int kFontFamilyCount = 8;
constexpr int kMSMincyoFontId = 6;
constexpr int kMSGothicFontId = 7;

struct TPDFFontDescriptorDef {
    std::string fontName;
    int flags = 0;
    std::array<int, 4> fontBBox{};
    int stemV = 0;
    int ascent = 0;
    int capHeight = 0;
    int descent = 0;
    int italicAngle = 0;
};

class TPDFFontDef {
public:
    virtual ~TPDFFontDef() = default;
    TPDFFontDef(const TPDFFontDef&) = delete;
    TPDFFontDef& operator=(const TPDFFontDef&) = delete;

    int fontId() const { return fontId_; }
    const std::string& subtypeName() const { return subtypeName_; }
    const std::string& baseFontName() const { return baseFontName_; }
    const std::optional<TPDFFontDescriptorDef>& descriptor() const { return descriptor_; }
    const TPDFFontDef* descendant() const { return descendant_.get(); }

    // Glyph width of byte code `code` in 1/1000 of the font size; entry 0 is the width
    // of every double-byte character.
    virtual int width(unsigned char code) const { return widths_[code]; }

    // The definition's lines of the font dictionary, each ending in CR LF.
    virtual std::string dictionaryLines() const = 0;

protected:
    TPDFFontDef(int fontId, std::string subtypeName, std::string baseFontName,
                std::optional<TPDFFontDescriptorDef> descriptor,
                std::unique_ptr<TPDFFontDef> descendant = nullptr);
    std::array<int, 256> widths_{};

private:
    int fontId_;
    std::string subtypeName_;
    std::string baseFontName_;
    std::optional<TPDFFontDescriptorDef> descriptor_;
    std::unique_ptr<TPDFFontDef> descendant_;
};

class TPDFTrueTypeFontDef : public TPDFFontDef {
public:
    static constexpr int kFirstChar = 31;
    static constexpr int kLastChar = 255;
    const std::string& widthsText() const { return widthsText_; }
    std::string dictionaryLines() const override;

protected:
    TPDFTrueTypeFontDef(int fontId, const TPDFFontDescriptorDef& descriptor,
                        const TrueTypeWidths& widths);

private:
    std::string widthsText_;
};

class TPDFCID2FontDef : public TPDFFontDef {
public:
    static const std::string kCIDSystemInfo;
    static const std::string kWText;
    std::string dictionaryLines() const override;

protected:
    TPDFCID2FontDef(int fontId, const TPDFFontDescriptorDef& descriptor);
};

class TPDFType0FontDef : public TPDFFontDef {
public:
    static constexpr const char* kEncoding = "90msp-RKSJ-H";
    int width(unsigned char code) const override { return descendant()->width(code); }
    std::string dictionaryLines() const override;

protected:
    TPDFType0FontDef(int fontId, std::string baseFontName,
                     std::unique_ptr<TPDFCID2FontDef> descendant);
};

class TCenturyFontDef : public TPDFTrueTypeFontDef {
public:
    TCenturyFontDef();
};
class TCenturyBoldFontDef : public TPDFTrueTypeFontDef {
public:
    TCenturyBoldFontDef();
};
class TArialFontDef : public TPDFTrueTypeFontDef {
public:
    TArialFontDef();
};
class TArialBoldFontDef : public TPDFTrueTypeFontDef {
public:
    TArialBoldFontDef();
};
class TCourierFontDef : public TPDFTrueTypeFontDef {
public:
    TCourierFontDef();
};
class TCourierBoldFontDef : public TPDFTrueTypeFontDef {
public:
    TCourierBoldFontDef();
};
class TMSMincyoDFontDef : public TPDFCID2FontDef {
public:
    TMSMincyoDFontDef();
};
class TMSMincyoFontDef : public TPDFType0FontDef {
public:
    TMSMincyoFontDef();
};
class TMSGothicDFontDef : public TPDFCID2FontDef {
public:
    TMSGothicDFontDef();
};
class TMSGothicFontDef : public TPDFType0FontDef {
public:
    TMSGothicFontDef();
};

// The definition of family `fontId` (0..7); any other id is a TPDFError
// "このフォントは現在サポートされていません (id)".
std::unique_ptr<TPDFFontDef> createFontDef(int fontId);

}  // namespace marvoten
