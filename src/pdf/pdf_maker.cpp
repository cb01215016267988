#include "pdf_maker.h"

#include <cstdio>

#include "platform/safe_file.h"

namespace marvoten {
namespace {

const std::string kCrLf = "\r\n";
const char* const kNoDocument = "BeginDocが呼び出されていません";

// A cross-reference entry: 20 bytes, offset as ten digits.
std::string xrefEntry(std::size_t offset) {
    char entry[32];
    std::snprintf(entry, sizeof entry, "%010zu 00000 n\r\n", offset);
    return entry;
}

}  // namespace

void TPDFFileStream::write(std::string_view document) {
    writeFileSafely(path_, document);
}

TPDFMaker::TPDFMaker(Clock clock) : clock_(std::move(clock)) {}

void TPDFMaker::BeginDoc(TPDFStream* stream) {
    if (stream == nullptr) throw TPDFError("Invarid Stream");
    stream_ = stream;
    canvas_ = nullptr;
    fonts_.clear();
    objects_.clear();
    catalog_ = &create<TPDFCatalog>();
    catalog_->setPages(&create<TPDFPages>(kPageWidth, kPageHeight));
    for (bool& created : familyCreated_) created = false;
    info_ = &create<TPDFInfo>();
    pageCount_ = 0;
    documentOpen_ = true;
    NewPage();
}

void TPDFMaker::NewPage() {
    if (!documentOpen_) throw TPDFError(kNoDocument);
    TPDFPages* pages = catalog_->pages();
    TPDFPage& page = create<TPDFPage>(pages);
    page.setContents(&create<TPDFContents>());
    pages->add(&page);
    canvas_ = page.contents();
    ++pageCount_;
}

TPDFContents& TPDFMaker::Canvas() {
    if (!documentOpen_ || canvas_ == nullptr) throw TPDFError(kNoDocument);
    return *canvas_;
}

TPDFFont& TPDFMaker::font(int fontId) {
    if (fontId >= 0 && fontId < kFontFamilyCount && familyCreated_[fontId]) {
        for (TPDFFont* f : fonts_)
            if (f->definition().fontId() == fontId) return *f;
    }
    // The definition comes first so that an unknown family leaves no half-made font
    // object behind in the document.
    std::unique_ptr<TPDFFontDef> def = createFontDef(fontId);
    TPDFFont& f = create<TPDFFont>(static_cast<int>(fonts_.size()));
    fonts_.push_back(&f);
    f.attach(std::move(def));
    familyCreated_[fontId] = true;
    return f;
}

void TPDFMaker::EndDoc(bool freeStream) {
    if (!documentOpen_) throw TPDFError(kNoDocument);
    documentOpen_ = false;
    canvas_ = nullptr;
    TPDFStream* stream = stream_;
    if (freeStream) stream_ = nullptr;
    stream->write(fileText());
    if (freeStream) stream->close();
}

std::string TPDFMaker::fileText() const {
    std::string file = "%PDF-1.2 " + kCrLf;
    std::string xref;
    const int n = objects_.count();
    for (int i = 0; i < n; ++i) {
        const TPDFObject& object = objects_.items(i);
        xref += xrefEntry(file.size());
        file +=
            std::to_string(object.number()) + " 0 obj" + kCrLf + object.body() + "endobj" + kCrLf;
    }
    const std::size_t xrefOffset = file.size();
    file +=
        "xref" + kCrLf + "0 " + std::to_string(n + 1) + kCrLf + "0000000000 65535 f" + kCrLf + xref;
    file += "trailer" + kCrLf + "<<" + kCrLf + "/Size " + std::to_string(n + 1) + kCrLf + "/Root " +
            std::to_string(catalog_->number()) + " 0 R" + kCrLf + "/Info " +
            std::to_string(info_->number()) + " 0 R" + kCrLf + ">>" + kCrLf + "startxref" + kCrLf +
            std::to_string(xrefOffset) + kCrLf + "%%EOF" + kCrLf;
    return file;
}

}  // namespace marvoten
