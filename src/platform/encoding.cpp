#include "platform/encoding.h"

#include "platform/cp932_conversion.h"

namespace marvoten {

std::string toCp932(std::string_view utf8) {
    try {
        return cp932::fromUtf8(utf8, "Shift-JIS(CP932)に変換できない文字があります");
    } catch (const EncodingError& e) {
        throw EncodingError(std::string(e.what()) + "：" + std::string(utf8));
    }
}

std::string fromCp932(std::string_view cp932) {
    return cp932::toUtf8(cp932, "Shift-JIS(CP932)として読めないバイトがあります");
}

std::u16string cp932ToUtf16(std::string_view cp932) {
    return cp932::toUtf16(cp932, "Shift-JIS(CP932)として読めないバイトがあります");
}

std::size_t cp932Width(std::string_view utf8) {
    // ASCII is one byte in both encodings; only convert when something else is present.
    for (unsigned char c : utf8)
        if (c >= 0x80) return toCp932(utf8).size();
    return utf8.size();
}

}  // namespace marvoten
