#pragma once
// A small PDF 1.2 writer for A4 pages of text, lines and rectangles. Japanese text
// goes out as Shift-JIS through the composite fonts "ＭＳ 明朝" and "ＭＳ ゴシック"
// (CMap 90msp-RKSJ-H, fonts not embedded). Everything is kept in memory and the whole
// file, cross-reference table included, is written once by EndDoc.
//
//   TPDFMaker pdf;                  // or TPDFMaker pdf(fixedClock) in tests
//   TPDFFileStream file("out.pdf"); // or TPDFMemoryStream
//   pdf.title = "...";
//   pdf.BeginDoc(&file);            // opens the document with its first page
//   pdf.Canvas().fontId = kMSMincyoFontId;
//   pdf.Canvas().TextOut("目　次", 285, 802);
//   pdf.NewPage();                  // fresh drawing state: set font and widths again
//   pdf.EndDoc();                   // writes the file
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "pdf_error.h"
#include "pdf_objects.h"
#include "platform/local_time.h"

namespace marvoten {

// Where a finished document goes. EndDoc hands over the complete file in one call.
class TPDFStream {
public:
    virtual ~TPDFStream() = default;
    // Replaces whatever the stream held with `document`.
    virtual void write(std::string_view document) = 0;
    virtual void close() {}
};

class TPDFMemoryStream final : public TPDFStream {
public:
    void write(std::string_view document) override { bytes_.assign(document); }
    void close() override { closed_ = true; }
    const std::string& bytes() const { return bytes_; }
    bool closed() const { return closed_; }

private:
    std::string bytes_;
    bool closed_ = false;
};

// A file that is replaced only by a complete new document: a file that cannot be
// written leaves an earlier one untouched and raises FileWriteError
// ("ファイル「…」を書き込めません：…").
class TPDFFileStream final : public TPDFStream {
public:
    explicit TPDFFileStream(std::filesystem::path path) : path_(std::move(path)) {}
    void write(std::string_view document) override;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

class TPDFMaker {
public:
    static constexpr int kPageWidth = 596;  // A4 in whole points
    static constexpr int kPageHeight = 842;

    explicit TPDFMaker(Clock clock = localTimeStamp);
    TPDFMaker(const TPDFMaker&) = delete;
    TPDFMaker& operator=(const TPDFMaker&) = delete;

    // Texts of the document information dictionary; set before EndDoc.
    std::string author;
    std::string title;
    std::string creator;
    std::string subject;

    // Starts a new document with its first page; objects of an earlier document (and
    // every reference to them) are gone. A null stream is a TPDFError "Invarid Stream".
    void BeginDoc(TPDFStream* stream);
    // Starts the next page; its contents become the Canvas.
    void NewPage();
    // The current page's contents; without an open document a TPDFError
    // "BeginDocが呼び出されていません".
    TPDFContents& Canvas();
    // Closes the document and writes the whole file into the stream; with `freeStream`
    // the stream is closed and forgotten. Errors of the stream propagate.
    void EndDoc(bool freeStream = true);

    // The font of family `fontId`, created with its descriptor (and descendant) on the
    // family's first use in this document.
    TPDFFont& font(int fontId);

    bool documentOpen() const { return documentOpen_; }
    int pageCount() const { return pageCount_; }
    const TPDFObjectList& objects() const { return objects_; }
    const std::vector<TPDFFont*>& fonts() const { return fonts_; }
    const TPDFCatalog* catalog() const { return catalog_; }
    const TPDFInfo* info() const { return info_; }
    std::string creationDate() const { return clock_(); }

    // Creates an object of type T numbered by its place in the object list.
    template <class T, class... Args>
    T& create(Args&&... args) {
        auto object = std::make_unique<T>(*this, objects_.count() + 1, std::forward<Args>(args)...);
        T& ref = *object;
        objects_.add(std::move(object));
        return ref;
    }

private:
    std::string fileText() const;

    Clock clock_;
    TPDFStream* stream_ = nullptr;
    TPDFObjectList objects_;
    std::vector<TPDFFont*> fonts_;
    TPDFCatalog* catalog_ = nullptr;
    TPDFInfo* info_ = nullptr;
    TPDFContents* canvas_ = nullptr;
    bool familyCreated_[kFontFamilyCount] = {};
    int pageCount_ = 0;
    bool documentOpen_ = false;
};

}  // namespace marvoten
