#include "pdf_objects.h"

#include "pdf_error.h"
#include "pdf_maker.h"
#include "pdf_text.h"

namespace marvoten {
namespace {

const std::string kCrLf = "\r\n";

std::string line(const std::string& text) {
    return text + kCrLf;
}
std::string reference(const TPDFObject& object) {
    return std::to_string(object.number()) + " 0 R";
}

}  // namespace

TPDFObject& TPDFObjectList::items(int index) const {
    if (index < 0 || index >= count())
        throw TPDFError("Internel Error Invalid Index " + std::to_string(index));
    return *items_[static_cast<std::size_t>(index)];
}

std::string TPDFCatalog::body() const {
    return line("<<") + line("/Type /Catalog") + line("/Pages " + reference(*pages_)) + line(">>");
}

TPDFPages::TPDFPages(TPDFMaker& maker, int number, int width, int height)
    : TPDFObject(maker, number) {
    if (width > 0) width_ = width;
    if (height > 0) height_ = height;
}

std::string TPDFPages::body() const {
    std::string kids = "/Kids [";
    for (const TPDFPage* page : kids_) kids += reference(*page) + " ";
    kids += "]";
    return line("<<") + line(kids) + line("/Count " + std::to_string(count())) +
           line("/Type /Pages") +
           line("/MediaBox [ 0 0 " + std::to_string(width_) + " " + std::to_string(height_) +
                " ]") +
           line(">>");
}

std::string TPDFPage::body() const {
    // Every page lists every font of the document.
    std::string fonts;
    for (const TPDFFont* font : maker().fonts())
        fonts += line(font->resourceName() + " " + reference(*font));
    return line("<<") + line("/Type /Page") + line("/Parent " + reference(*parent_)) +
           line("/Resources <<") + line("/Font <<") + fonts + line(">>") +
           line("/ProcSet [ /PDF /Text ]") + line(">>") +
           line("/Contents " + reference(*contents_)) + line(">>");
}

std::string TPDFContents::body() const {
    return line("<<") + line("/Length " + std::to_string(stream_.size())) + line(">>") +
           line("stream") + stream_ + "\n" + line("endstream");
}

std::string TPDFFontDescriptor::body() const {
    std::string bbox = "/FontBBox [ ";
    for (std::size_t i = 0; i < def_.fontBBox.size(); ++i)
        bbox += (i ? " " : "") + std::to_string(def_.fontBBox[i]);
    bbox += " ]";
    return line("<<") + line("/Type /FontDescriptor") + line("/FontName /" + def_.fontName) +
           line("/Flags " + std::to_string(def_.flags)) + line(bbox) +
           line("/StemV " + std::to_string(def_.stemV)) +
           line("/Ascent " + std::to_string(def_.ascent)) +
           line("/CapHeight " + std::to_string(def_.capHeight)) +
           line("/Descent " + std::to_string(def_.descent)) +
           line("/ItalicAngle " + std::to_string(def_.italicAngle)) + line(">>");
}

void TPDFFont::attach(std::unique_ptr<TPDFFontDef> def) {
    ownedDef_ = std::move(def);
    attachDefinition(*ownedDef_);
}

void TPDFFont::attachDefinition(const TPDFFontDef& def) {
    def_ = &def;
    if (def.descriptor()) descriptor_ = &maker().create<TPDFFontDescriptor>(*def.descriptor());
    if (def.descendant()) {
        // The descendant is reached only through its Type0 parent, never by a resource name.
        descendant_ = &maker().create<TPDFFont>(0);
        descendant_->attachDefinition(*def.descendant());
    }
}

std::string TPDFFont::body() const {
    std::string text = line("<<") + line("/Type /Font") + line("/Name " + resourceName()) +
                       def_->dictionaryLines();
    if (descriptor_) text += line("/FontDescriptor " + reference(*descriptor_));
    if (descendant_) text += line("/DescendantFonts [" + reference(*descendant_) + "]");
    return text + line(">>");
}

std::string TPDFInfo::body() const {
    const TPDFMaker& m = maker();
    return line("<<") + line("/CreationDate (D:" + m.creationDate() + ")") +
           line("/Creator <" + pdfTextString(m.creator) + ">") + line("/Producer (PDFMaker0.4)") +
           line("/Author <" + pdfTextString(m.author) + ">") +
           line("/Title <" + pdfTextString(m.title) + ">") +
           line("/Subject <" + pdfTextString(m.subject) + ">") + line(">>");
}

}  // namespace marvoten
