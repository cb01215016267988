#include "platform/number_text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "platform/message_text.h"

namespace marvoten {
namespace {

std::string message(const std::string& text, bool wholeNumber, const std::string& field) {
    std::string m = field.empty() ? std::string() : field + "：";
    m += "'" + echoText(text) + "' は" + (wholeNumber ? "整数" : "数値") + "ではありません";
    return m;
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// sign? digits* ('.' digits*)? (('e'|'E') sign? digits+)?, with at least one mantissa digit.
bool isDecimalSyntax(std::string_view s) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t mantissaDigits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++mantissaDigits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        size_t expDigits = 0;
        while (i < s.size() && isDigit(s[i])) ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == s.size();
}

}  // namespace

// Full-width forms U+FF0B "＋", U+FF0D "－", U+FF0E "．", U+FF10–U+FF19 "０"–"９" are
// EF BC 8B, 8D, 8E, 90–99 in UTF-8; the minus sign U+2212 "−" is E2 88 92.
std::string asciiNumberForms(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[i + k]); };
        if (i + 2 < text.size() && byte(0) == 0xEF && byte(1) == 0xBC) {
            const unsigned char c = byte(2);
            if (c >= 0x90 && c <= 0x99) {
                out += static_cast<char>('0' + (c - 0x90));
                i += 2;
                continue;
            }
            if (c == 0x8B || c == 0x8D || c == 0x8E) {
                out += c == 0x8B ? '+' : c == 0x8D ? '-' : '.';
                i += 2;
                continue;
            }
        }
        if (i + 2 < text.size() && byte(0) == 0xE2 && byte(1) == 0x88 && byte(2) == 0x92) {
            out += '-';
            i += 2;
            continue;
        }
        out += text[i];
    }
    return out;
}

ConversionError::ConversionError(std::string text, bool wholeNumber, std::string field)
    : std::runtime_error(message(text, wholeNumber, field)),
      text_(std::move(text)),
      field_(std::move(field)),
      wholeNumber_(wholeNumber) {}

ConversionError ConversionError::forField(const std::string& fieldLabel) const {
    return ConversionError(text_, wholeNumber_, fieldLabel);
}

double textToNumber(std::string_view text) {
    std::string_view s = trimBlanks(text);
    if (!isDecimalSyntax(s)) throw ConversionError(std::string(text), false);
    if (s.front() == '+') s.remove_prefix(1);
    double value = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || ptr != s.data() + s.size() || !std::isfinite(value))
        throw ConversionError(std::string(text), false);
    return value;
}

double textToNumber(std::string_view text, const std::string& fieldLabel) {
    try {
        return textToNumber(text);
    } catch (const ConversionError& e) {
        throw e.forField(fieldLabel);
    }
}

int textToInteger(std::string_view text) {
    std::string_view s = trimBlanks(text);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    int value = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || ptr != s.data() + s.size())
        throw ConversionError(std::string(text), true);
    return value;
}

int textToInteger(std::string_view text, const std::string& fieldLabel) {
    try {
        return textToInteger(text);
    } catch (const ConversionError& e) {
        throw e.forField(fieldLabel);
    }
}

}  // namespace marvoten
