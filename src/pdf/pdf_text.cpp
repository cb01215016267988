#include "pdf_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "pdf_error.h"
#include "platform/encoding.h"

namespace marvoten {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";
constexpr std::size_t kMaxTextUnits = 1024;

void appendHexByte(std::string& out, unsigned char b) {
    out += kHex[b >> 4];
    out += kHex[b & 0x0F];
}

}  // namespace

std::string formatPdfNumber(double v) {
    if (!(std::fabs(v) <= kPdfRealLimit)) {
        char text[32];
        std::snprintf(text, sizeof text, "%g", v);
        throw TPDFError(std::string("PDFに書けない数値です（") + text +
                        "）。\rPDFの実数は ±32767 までです。PDFは出力しません。");
    }
    // Hundredths of a point are far below what a reader can show; rounding halves away
    // from zero keeps negative coordinates symmetric with positive ones.
    std::int64_t n = static_cast<std::int64_t>(std::fabs(v) * 100 + 0.5);
    std::string text;
    if (n != 0 && v < 0) text = "-";
    text += std::to_string(n / 100);
    int cents = static_cast<int>(n % 100);
    if (cents != 0) {
        text += '.';
        text += static_cast<char>('0' + cents / 10);
        if (cents % 10 != 0) text += static_cast<char>('0' + cents % 10);
    }
    return text;
}

std::string pdfTextString(std::string_view utf8) {
    // FEFF: UTF-16BE byte-order mark; 001B 6A61 001B: language escape "ja".
    std::string out = "FEFF001B6A61001B";
    std::u16string units = cp932ToUtf16(toCp932(utf8));
    if (units.size() > kMaxTextUnits) units.resize(kMaxTextUnits);
    for (char16_t u : units) {
        appendHexByte(out, static_cast<unsigned char>(u >> 8));
        appendHexByte(out, static_cast<unsigned char>(u & 0xFF));
    }
    return out;
}

bool isCp932LeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

bool hasDoubleByteChar(std::string_view cp932) {
    for (unsigned char c : cp932)
        if (isCp932LeadByte(c)) return true;
    return false;
}

std::string pdfStringOperand(std::string_view cp932) {
    std::string out;
    if (hasDoubleByteChar(cp932)) {
        out = "<";
        for (unsigned char c : cp932) appendHexByte(out, c);
        out += ">";
        return out;
    }
    out = "(";
    for (char c : cp932) {
        if (c == '(' || c == ')' || c == '\\') out += '\\';
        out += c;
    }
    out += ")";
    return out;
}

}  // namespace marvoten
