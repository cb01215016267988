#include <algorithm>

#include "platform/cp932_conversion.h"
#include "platform/encoding.h"
#include "platform/windows_text.h"

namespace marvoten::cp932 {
namespace {

using windows::bytesOf;
using windows::wideOf;

constexpr UINT kCp932 = 932;

std::optional<std::string> utf8ToCp932(std::string_view utf8) {
    const std::optional<std::wstring> wide = wideOf(CP_UTF8, utf8);
    return wide ? bytesOf(kCp932, *wide) : std::nullopt;
}

std::size_t utf8CharacterLength(std::string_view text, std::size_t at) {
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

std::size_t cp932CharacterLength(std::string_view text, std::size_t at) {
    return ::IsDBCSLeadByteEx(kCp932, static_cast<BYTE>(text[at])) ? 2 : 1;
}

// The converter reports only that the text failed: the characters are tried one
// by one to name the first that does not convert.
template <class Length, class Converts>
[[noreturn]] void failAtFirstUnconverted(std::string_view in, const char* what, Length length,
                                         Converts converts) {
    std::size_t at = 0;
    while (at < in.size()) {
        const std::size_t n = std::min(length(in, at), in.size() - at);
        if (!converts(in.substr(at, n))) break;
        at += n;
    }
    throw EncodingError(std::string(what) + "（" + std::to_string(at + 1) + "バイト目）");
}

std::wstring cp932ToWide(std::string_view cp932, const char* what) {
    if (std::optional<std::wstring> wide = wideOf(kCp932, cp932)) return *wide;
    failAtFirstUnconverted(cp932, what, cp932CharacterLength,
                           [](std::string_view c) { return wideOf(kCp932, c).has_value(); });
}

}  // namespace

std::string fromUtf8(std::string_view utf8, const char* what) {
    if (std::optional<std::string> bytes = utf8ToCp932(utf8)) return *bytes;
    failAtFirstUnconverted(utf8, what, utf8CharacterLength,
                           [](std::string_view c) { return utf8ToCp932(c).has_value(); });
}

std::string toUtf8(std::string_view cp932, const char* what) {
    return windows::utf8FromWide(cp932ToWide(cp932, what));
}

std::u16string toUtf16(std::string_view cp932, const char* what) {
    const std::wstring wide = cp932ToWide(cp932, what);
    return std::u16string(wide.begin(), wide.end());
}

}  // namespace marvoten::cp932
