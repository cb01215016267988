#pragma once
// The indirect objects of a PDF document as the writer keeps them in memory until
// the file is written. Every object is created by its TPDFMaker, which numbers it by
// its position in the document's object list (from 1).
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "pm_fonts.h"

namespace marvoten {

class TPDFMaker;
class TPDFContents;
class TPDFFont;
class TPDFPage;
class TPDFPages;

class TPDFObject {
public:
    virtual ~TPDFObject() = default;
    TPDFObject(const TPDFObject&) = delete;
    TPDFObject& operator=(const TPDFObject&) = delete;

    int number() const { return number_; }
    TPDFMaker& maker() const { return maker_; }
    // The text between "n 0 obj" and "endobj", every line ending in CR LF.
    virtual std::string body() const = 0;

protected:
    TPDFObject(TPDFMaker& maker, int number) : maker_(maker), number_(number) {}

private:
    TPDFMaker& maker_;
    int number_;
};

// The document's objects in creation order; owns them.
class TPDFObjectList {
public:
    int count() const { return static_cast<int>(items_.size()); }
    // The object at 0-based `index`; outside 0..count-1 a TPDFError
    // "Internel Error Invalid Index <index>".
    TPDFObject& items(int index) const;
    void add(std::unique_ptr<TPDFObject> object) { items_.push_back(std::move(object)); }
    void clear() { items_.clear(); }

private:
    std::vector<std::unique_ptr<TPDFObject>> items_;
};

class TPDFCatalog : public TPDFObject {
public:
    TPDFCatalog(TPDFMaker& maker, int number) : TPDFObject(maker, number) {}
    void setPages(TPDFPages* pages) { pages_ = pages; }
    TPDFPages* pages() const { return pages_; }
    std::string body() const override;

private:
    TPDFPages* pages_ = nullptr;
};

class TPDFPages : public TPDFObject {
public:
    // A4 in whole points unless a positive size is given.
    TPDFPages(TPDFMaker& maker, int number, int width, int height);
    void add(TPDFPage* page) { kids_.push_back(page); }
    int count() const { return static_cast<int>(kids_.size()); }
    int width() const { return width_; }
    int height() const { return height_; }
    std::string body() const override;

private:
    std::vector<TPDFPage*> kids_;
    int width_ = 596;
    int height_ = 842;
};

class TPDFPage : public TPDFObject {
public:
    TPDFPage(TPDFMaker& maker, int number, TPDFPages* parent)
        : TPDFObject(maker, number), parent_(parent) {}
    void setContents(TPDFContents* contents) { contents_ = contents; }
    TPDFContents* contents() const { return contents_; }
    std::string body() const override;

private:
    TPDFPages* parent_;
    TPDFContents* contents_ = nullptr;
};

struct TPDFColor {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const TPDFColor&, const TPDFColor&) = default;
};

// One page's content stream and the drawing state its operations use. x and y are
// points from the page's lower-left corner; texts are UTF-8 and are written as CP932.
class TPDFContents : public TPDFObject {
public:
    TPDFContents(TPDFMaker& maker, int number) : TPDFObject(maker, number) {}

    int fontId = 0;  // family 0..7 (see pm_fonts.h)
    double fontSize = 10;
    double lineWidth = 1;
    std::uint8_t lineJoin = 0;
    std::uint8_t lineCap = 0;
    TPDFColor fillColor;    // text
    TPDFColor strokeColor;  // lines and frames
    double leading = 0;     // line distance of a multi-line TextOut
    double charSpace = 0;
    double wordSpace = 0;

    // Draws `text` with its first baseline starting at (x, y); each CR (or CR LF) starts
    // a new line one leading lower.
    void TextOut(std::string_view text, double x, double y);
    void DrawLine(double x1, double y1, double x2, double y2);
    // A rectangle frame; with `clip` everything drawn after it, up to RestoreState, is
    // clipped to it (one clip level).
    void DrawRect(bool clip, double x1, double y1, double x2, double y2);
    void RestoreState();
    // The advance width of `text` in points with the current font and size.
    double TextWidth(std::string_view text);

    const std::string& streamText() const { return stream_; }
    std::string body() const override;

private:
    std::string colorOperands(const TPDFColor& c) const;
    void op(const std::string& text);  // one operator line, ended by CR
    std::string stream_;
    bool stateSaved_ = false;
};

class TPDFFontDescriptor : public TPDFObject {
public:
    TPDFFontDescriptor(TPDFMaker& maker, int number, const TPDFFontDescriptorDef& def)
        : TPDFObject(maker, number), def_(def) {}
    std::string body() const override;

private:
    const TPDFFontDescriptorDef& def_;
};

class TPDFFont : public TPDFObject {
public:
    // `resourceIndex` k gives the page resource name "/F<k>".
    TPDFFont(TPDFMaker& maker, int number, int resourceIndex)
        : TPDFObject(maker, number), resourceIndex_(resourceIndex) {}

    // Attaching a definition creates the descriptor object, then the descendant font
    // (with its own descriptor) when the definition has them.
    void attach(std::unique_ptr<TPDFFontDef> def);

    int resourceIndex() const { return resourceIndex_; }
    std::string resourceName() const { return "/F" + std::to_string(resourceIndex_); }
    const TPDFFontDef& definition() const { return *def_; }
    const TPDFFontDescriptor* descriptor() const { return descriptor_; }
    const TPDFFont* descendant() const { return descendant_; }
    std::string body() const override;

private:
    void attachDefinition(const TPDFFontDef& def);
    std::unique_ptr<TPDFFontDef> ownedDef_;
    const TPDFFontDef* def_ = nullptr;
    TPDFFontDescriptor* descriptor_ = nullptr;
    TPDFFont* descendant_ = nullptr;
    int resourceIndex_;
};

// The document information dictionary; reads the maker's texts and creation time.
class TPDFInfo : public TPDFObject {
public:
    TPDFInfo(TPDFMaker& maker, int number) : TPDFObject(maker, number) {}
    std::string body() const override;
};

}  // namespace marvoten
