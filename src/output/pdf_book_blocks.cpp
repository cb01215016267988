#include "output/pdf_book_blocks.h"

#include <cstddef>

#include "platform/encoding.h"

namespace marvoten {
namespace {

// Bytes of the UTF-8 character that starts with `lead`; 0 for a byte that
// cannot start one.
std::size_t utf8Length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool isContinuation(unsigned char c) {
    return c >= 0x80 && c <= 0xBF;
}

bool convertible(std::string_view character) {
    try {
        toCp932(character);
        return true;
    } catch (const EncodingError&) {
        return false;
    }
}

}  // namespace

std::string cp932Printable(std::string_view utf8) {
    if (convertible(utf8)) return std::string(utf8);
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t n = utf8Length(static_cast<unsigned char>(utf8[i]));
        bool whole = n != 0 && i + n <= utf8.size();
        for (std::size_t k = 1; whole && k < n; ++k)
            whole = isContinuation(static_cast<unsigned char>(utf8[i + k]));
        if (!whole) {
            out += '?';
            ++i;
            continue;
        }
        std::string_view character = utf8.substr(i, n);
        if (convertible(character))
            out += character;
        else
            out += '?';
        i += n;
    }
    return out;
}

void pdfText(TPDFContents& c, std::string_view text, double x, double y) {
    try {
        c.TextOut(text, x, y);
    } catch (const EncodingError&) {
        // The conversion fails before anything is written to the page.
        c.TextOut(cp932Printable(text), x, y);
    }
}

double pdfTextWidth(TPDFContents& c, std::string_view text) {
    try {
        return c.TextWidth(text);
    } catch (const EncodingError&) {
        return c.TextWidth(cp932Printable(text));
    }
}

void pdfFrame(TPDFContents& c) {
    c.lineWidth = 1;
    c.strokeColor = TPDFColor{};
    c.DrawRect(false, kPdfFrameLeft, kPdfFrameTop, kPdfFrameRight, kPdfFrameBottom);
    c.DrawLine(kPdfFrameLeft, kPdfTitleRuleY, kPdfFrameRight, kPdfTitleRuleY);
}

void pdfPageTitle(TPDFContents& c, std::string_view title, double x) {
    c.fontSize = 12;
    pdfText(c, title, x, kPdfTitleY);
}

void pdfPageFooter(TPDFContents& c, int pageCount) {
    if (pageCount < 2) return;
    c.fontSize = 10;
    const std::string footer = "Page: " + std::to_string(pageCount - 1);
    const double width = kPdfFrameRight - kPdfFrameLeft;
    // Two points of the 28-point margin stay free under a 10-point line.
    pdfText(c, footer, kPdfFrameLeft + (width - pdfTextWidth(c, footer)) / 2,
            kPdfFrameBottom - 10 - 2);
}

void pdfListBlock(TPDFContents& c, double dx, double dy, const TextBlock& block, double size) {
    c.fontSize = size;
    c.leading = size + 2;
    const double x = kPdfFrameLeft + dx;
    const double top = kPdfFrameTop - dy;
    for (std::size_t i = 0; i < block.lineCount(); ++i)
        pdfText(c, block.line(i), x, top - static_cast<double>(i) * (size + 2));
}

double pdfTableRowHeight(const TableSection& table) {
    return table.rowHeight() - 3;
}

void pdfTable(TPDFContents& c, double dx, double dy, double size, const TableSection& table,
              std::string_view caption) {
    const double X0 = kPdfFrameLeft + dx;
    const double Y0 = kPdfFrameTop - dy;
    const int columns = table.columnCount();
    const int R = table.rowCount();
    double W = 0;
    for (int col = 0; col < columns; ++col) W += table.columnWidth(col);
    const double h = pdfTableRowHeight(table);
    const double H = R * h;
    const double w0 = table.columnWidth(0);

    c.strokeColor = TPDFColor{};
    c.lineWidth = 1;
    c.DrawLine(X0, Y0 - h, X0 + W, Y0 - h);
    c.lineWidth = 0.75;
    for (int i = 0; i <= R; ++i) c.DrawLine(X0, Y0 - i * h, X0 + W, Y0 - i * h);
    c.lineWidth = 1;
    c.DrawLine(X0 + w0, Y0, X0 + w0, Y0 - H);
    c.lineWidth = 0.75;
    c.DrawLine(X0, Y0, X0, Y0 - H);
    double right = X0;
    for (int col = 0; col < columns; ++col) {
        right += table.columnWidth(col);
        c.DrawLine(right, Y0, right, Y0 - H);
    }

    c.fontSize = size;
    pdfText(c, caption, X0, Y0 + kPdfTableCaptionRise);
    double left = X0;
    for (int col = 0; col < columns; ++col) {
        const double w = table.columnWidth(col);
        for (int r = 0; r < R; ++r) {
            const std::string& cell = table.cell(col, r);
            pdfText(c, cell, left + w / 2 - pdfTextWidth(c, cell) / 2, Y0 - (r + 1) * h + 3);
        }
        left += w;
    }
}

}  // namespace marvoten
