// The content-stream operators of one page. Operators end in CR. Graphics-state
// operators (width, join, cap, colour, "q") are written before a path starts, where
// strict readers require them.
#include <vector>

#include "pdf_maker.h"
#include "pdf_objects.h"
#include "pdf_text.h"
#include "platform/encoding.h"

namespace marvoten {
namespace {

constexpr char kCr = '\r';

std::string num(double v) {
    return formatPdfNumber(v);
}
std::string point(double x, double y) {
    return num(x) + " " + num(y);
}

// The lines of a TextOut: split at each CR (CR LF counts as one break); a break at
// the very end adds no further line; an empty text has none.
std::vector<std::string_view> textLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t cr = text.find('\r', start);
        if (cr == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, cr - start));
        start = cr + 1;
        if (start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

}  // namespace

std::string TPDFContents::colorOperands(const TPDFColor& c) const {
    return num(c.r / 255.0) + " " + num(c.g / 255.0) + " " + num(c.b / 255.0);
}

void TPDFContents::op(const std::string& text) {
    stream_ += text;
    stream_ += kCr;
}

void TPDFContents::TextOut(std::string_view text, double x, double y) {
    const std::string bytes = toCp932(text);
    const TPDFFont& font = maker().font(fontId);
    op("BT");
    op(font.resourceName() + " " + num(fontSize) + " Tf");
    op(colorOperands(fillColor) + " rg ");
    op(num(leading) + " TL");
    op(num(charSpace) + " Tc");
    op(num(wordSpace) + " Tw");
    op(point(x, y) + " Td");
    std::vector<std::string_view> lines = textLines(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) op("T*");
        op(pdfStringOperand(lines[i]) + " Tj");
    }
    op("ET");
}

void TPDFContents::DrawLine(double x1, double y1, double x2, double y2) {
    op(std::to_string(lineCap) + " J");
    op(colorOperands(strokeColor) + " RG ");
    op(num(lineWidth) + " w");
    op(point(x1, y1) + " m");
    op(point(x2, y2) + " l");
    op("S");
    op("n");
}

void TPDFContents::DrawRect(bool clip, double x1, double y1, double x2, double y2) {
    if (clip && !stateSaved_) {
        // The clip lasts until RestoreState pops this state.
        op("q");
        stateSaved_ = true;
    }
    op(num(lineWidth) + " w");
    op(std::to_string(lineJoin) + " j");
    op(colorOperands(strokeColor) + " RG ");
    op(point(x1, y1) + " m");
    op(point(x1, y2) + " l");
    op(point(x2, y2) + " l");
    op(point(x2, y1) + " l");
    if (clip) op("W");
    op("s");
}

void TPDFContents::RestoreState() {
    if (!stateSaved_) return;
    op("Q");
    stateSaved_ = false;
}

double TPDFContents::TextWidth(std::string_view text) {
    const std::string bytes = toCp932(text);
    const TPDFFontDef& def = maker().font(fontId).definition();
    const double scale = fontSize / 1000;
    double width = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (isCp932LeadByte(c) && i + 1 < bytes.size()) {
            // Both bytes of a double-byte character share its full width; the character
            // spacing follows it unless it opens the text.
            width += def.width(0) * scale;
            ++i;
            if (i != 1) width += charSpace;
            continue;
        }
        width += def.width(c) * scale;
        if (c == ' ') width += wordSpace;
        if (i != 0) width += charSpace;
    }
    return width;
}

}  // namespace marvoten
